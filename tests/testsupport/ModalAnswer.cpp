#include "ModalAnswer.h"

#include <Fenwork/BaseDialog.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>

namespace {
void poll(QDialog::DialogCode result, std::shared_ptr<QElapsedTimer> clock, int timeoutMs, QString* seenText)
{
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        if (auto* toolkitDialog = qobject_cast<aptui::BaseDialog*>(dialog); toolkitDialog && seenText)
            *seenText = toolkitDialog->defaultText();
        dialog->done(result);
        return;
    }
    if (clock->elapsed() > timeoutMs)
        return;
    QTimer::singleShot(10, qApp, [=] { poll(result, clock, timeoutMs, seenText); });
}
} // namespace

void ModalAnswer::answerNext(QDialog::DialogCode result, int timeoutMs, QString* seenText)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QTimer::singleShot(0, qApp, [=] { poll(result, clock, timeoutMs, seenText); });
}
