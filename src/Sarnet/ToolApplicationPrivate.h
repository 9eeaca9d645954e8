#pragma once

#include "QtSingleApplication.h"
#include "ToolApplicationHull.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace apt {

// The process's application object. Besides the single-instance guard it
// carries the program's id, configuration file and display name, and filters
// every event of the process.
class ToolApplicationHull::ToolApplicationPrivate : public SharedTools::QtSingleApplication
{
    Q_OBJECT

public:
    ToolApplicationPrivate(const QString& appId, const QString& configFile, int& argc, char** argv);
    ~ToolApplicationPrivate() override;

    QString appId() const;
    // The id without blanks: the program's resource folder and the prefix of
    // its translation files.
    QString appIdWithoutBlanks() const;
    QString configFileName() const;
    QString appName() const;
    void setAppName(const QString& name);

    bool notify(QObject* receiver, QEvent* event) override;

    // Brings the program's visible windows forward, out of the task bar too.
    void raiseWindows();

    // Who opens documents a second start handed over; those that came
    // before there was one are given to it at once.
    void setDocumentReceiver(std::function<void(const QStringList&)> receiver);

private:
    QString m_appId;
    QString m_configFile;
    QString m_appName;
    std::function<void(const QStringList&)> m_documentReceiver;
    QList<QStringList> m_waitingDocuments;
};

} // namespace apt
