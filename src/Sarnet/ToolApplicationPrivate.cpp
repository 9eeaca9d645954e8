#include "ToolApplicationPrivate.h"

#include "ToolTipRule.h"

#include <QEvent>
#include <QWidget>

namespace apt {

ToolApplicationHull::ToolApplicationPrivate::ToolApplicationPrivate(const QString& appId,
                                                                    const QString& configFile,
                                                                    int& argc, char** argv)
    : SharedTools::QtSingleApplication(appId, argc, argv)
    , m_appId(appId)
    , m_configFile(configFile)
{
    connect(this, &QtSingleApplication::activationRequested, this, &ToolApplicationPrivate::raiseWindows);
    connect(this, &QtSingleApplication::documentsHanded, this, [this](const QStringList& documents) {
        if (m_documentReceiver)
            m_documentReceiver(documents);
        else
            m_waitingDocuments << documents;
    });
}

void ToolApplicationHull::ToolApplicationPrivate::setDocumentReceiver(
    std::function<void(const QStringList&)> receiver)
{
    m_documentReceiver = std::move(receiver);
    while (m_documentReceiver && !m_waitingDocuments.isEmpty())
        m_documentReceiver(m_waitingDocuments.takeFirst());
}

void ToolApplicationHull::ToolApplicationPrivate::raiseWindows()
{
    // The program's own windows; its dialogs come along with them.
    const QList<QWidget*> windows = topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->windowType() != Qt::Window || !window->isVisible())
            continue;
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->raise();
        window->activateWindow();
    }
}

ToolApplicationHull::ToolApplicationPrivate::~ToolApplicationPrivate() = default;

QString ToolApplicationHull::ToolApplicationPrivate::appId() const
{
    return m_appId;
}

QString ToolApplicationHull::ToolApplicationPrivate::appIdWithoutBlanks() const
{
    QString id = m_appId;
    id.remove(QLatin1Char(' '));
    return id;
}

QString ToolApplicationHull::ToolApplicationPrivate::configFileName() const
{
    return m_configFile;
}

QString ToolApplicationHull::ToolApplicationPrivate::appName() const
{
    return m_appName;
}

void ToolApplicationHull::ToolApplicationPrivate::setAppName(const QString& name)
{
    m_appName = name;
}

bool ToolApplicationHull::ToolApplicationPrivate::notify(QObject* receiver, QEvent* event)
{
    // The fonts are set once at start-up; a font change from the desktop
    // must not restyle the program.
    if (event->type() == QEvent::ApplicationFontChange)
        return true;
    if (ToolTipRule::handle(receiver, event))
        return true;
    try {
        return SharedTools::QtSingleApplication::notify(receiver, event);
    } catch (...) {
        // An exception thrown by a handler must not cross the event loop.
        return false;
    }
}

} // namespace apt
