#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>

#include <memory>

namespace SharedTools {

class InstanceBell;
class InstanceLock;

// An application object that knows whether another process of the same
// application id already runs for this user. The first process claims the id
// when it constructs its application object.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString& id, int& argc, char** argv);
    ~QtSingleApplication() override;

    QString id() const;
    // True while another process holds the id. Asking again after that
    // process ended claims the id for this one.
    bool isRunning();
    // Asks the running instance to bring its windows forward and to open the
    // documents (absolute paths); true when it got the message and, with
    // documents, took them.
    bool activateRunningInstance(const QStringList& documents = {});

Q_SIGNALS:
    // A second start asked this, the running instance, to come forward.
    void activationRequested();
    // Then, when the second start named documents, these.
    void documentsHanded(const QStringList& documents);

private:
    void holdId();

    QString m_id;
    std::unique_ptr<InstanceLock> m_lock;
    InstanceBell* m_bell = nullptr; // child
};

} // namespace SharedTools
