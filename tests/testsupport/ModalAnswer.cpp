#include "ModalAnswer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

namespace {
void poll(QDialog::DialogCode result, std::shared_ptr<QElapsedTimer> clock, int timeoutMs)
{
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->done(result);
        return;
    }
    if (clock->elapsed() > timeoutMs)
        return;
    QTimer::singleShot(10, qApp, [=] { poll(result, clock, timeoutMs); });
}
} // namespace

void ModalAnswer::answerNext(QDialog::DialogCode result, int timeoutMs)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, qApp, [=] { poll(result, clock, timeoutMs); });
}
