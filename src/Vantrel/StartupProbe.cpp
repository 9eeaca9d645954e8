#include "StartupProbe.h"

#include "PlanDocument.h"
#include "Vantrel.h"

#include <data/DeviceConfigStore.h>
#include <data/Plan.h>
#include <ui/AboutDialog/AboutDialog.h>
#include <ui/DeviceEditor/DeviceEditor.h>

#include <Sarnet/ToolApplicationHull.h>

#include <QApplication>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

bool StartupProbe::isWanted()
{
    return qEnvironmentVariableIsSet("VANTREL_EXIT_AFTER_FIRST_PAINT") || qEnvironmentVariableIsSet("VANTREL_EXIT_AT_FIRST_MAP");
}

StartupProbe::StartupProbe(Vantrel* window)
    : QObject(window)
    , m_window(window)
    , m_atMap(qEnvironmentVariableIsSet("VANTREL_EXIT_AT_FIRST_MAP"))
{
    // The window itself may be covered by its children, so any paint in
    // it counts.
    qApp->installEventFilter(this);
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    // The first expose of the window is its map on screen; the paint it
    // would start is not waited for.
    if (m_atMap) {
        if (!m_done && event->type() == QEvent::Expose && watched == m_window->windowHandle()
            && m_window->windowHandle()->isExposed()) {
            m_done = true;
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, &StartupProbe::finish);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    if (!m_done && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == m_window) {
        m_done = true;
        // Every event of the program passed through here until now.
        qApp->removeEventFilter(this);
        // After this paint has reached the screen, not before.
        QTimer::singleShot(0, this, &StartupProbe::finish);
    }
    return QObject::eventFilter(watched, event);
}

void StartupProbe::finish()
{
    // A paint while a plan opens comes from the progress's own event
    // processing, before the program's event loop runs: ending then would
    // be lost, so the end waits for that loop.
    if (thread()->loopLevel() == 0) {
        QTimer::singleShot(10, this, &StartupProbe::finish);
        return;
    }
    const QByteArray line = report();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
    // Ends here: taking the window down is no part of the start, and the
    // benchmark times the program to its end.
    std::_Exit(0);
}

QByteArray StartupProbe::report() const
{
    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    QJsonObject fields;
    fields.insert(QStringLiteral("title"), m_window->appTitle());
    fields.insert(QStringLiteral("groups"),
                  m_window->document()->plan()->groupCount());
    fields.insert(QStringLiteral("language"), hull->language() == 1 ? QStringLiteral("zh") : QStringLiteral("en"));
    fields.insert(QStringLiteral("dataProblems"),
                  int(m_window->deviceEditor()->configStore().loadProblems().size()));
    fields.insert(QStringLiteral("manual"), AboutDialog::manualPath());
    return QJsonDocument(fields).toJson(QJsonDocument::Compact) + '\n';
}
