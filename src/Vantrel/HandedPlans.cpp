#include "HandedPlans.h"

#include "PlanFileController.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

HandedPlans::HandedPlans(PlanFileController* files, QObject* parent)
    : QObject(parent)
    , m_files(files)
{
}

void HandedPlans::receive(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    m_waiting << paths;
    // After the ring is answered and the window has come forward.
    QTimer::singleShot(0, this, &HandedPlans::openWaiting);
}

void HandedPlans::openWaiting()
{
    // Plans handed while the save question of an earlier one is open are
    // taken by the loop below.
    if (m_opening || m_waiting.isEmpty())
        return;
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        waitFor(dialog);
        return;
    }
    m_opening = true;
    while (!m_waiting.isEmpty())
        m_files->openNamedPlans(m_waiting.takeFirst());
    m_opening = false;
}

void HandedPlans::waitFor(QWidget* dialog)
{
    if (m_dialog == dialog)
        return;
    if (m_dialog)
        m_dialog->removeEventFilter(this);
    m_dialog = dialog;
    dialog->installEventFilter(this);
    // A dialog may be deleted while it is still shown.
    connect(dialog, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &HandedPlans::openWaiting); });
}

bool HandedPlans::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dialog && event->type() == QEvent::Hide) {
        m_dialog->removeEventFilter(this);
        m_dialog = nullptr;
        QTimer::singleShot(0, this, &HandedPlans::openWaiting);
    }
    return QObject::eventFilter(watched, event);
}
