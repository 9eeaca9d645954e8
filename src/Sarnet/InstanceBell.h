#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSocketNotifier;

namespace SharedTools {

// How a second start of the program reaches the one that runs: the running
// instance listens on a local socket named after the application id and the
// user, a second one rings and the first brings its window forward. A ring
// may carry documents (absolute paths) for the running instance to open; it
// answers once it has them all, so the second start knows they arrived.
//
// The socket is a plain Unix domain socket watched by the event loop, at the
// path a QLocalServer of the same name would use: the network module and the
// libraries behind it (Kerberos, proxies) are not loaded at every start for a
// socket that never leaves the machine.
class InstanceBell : public QObject
{
    Q_OBJECT

public:
    explicit InstanceBell(const QString& id, QObject* parent = nullptr);
    ~InstanceBell() override;

    // For the running instance; true when it listens afterwards.
    bool listen();
    bool isListening() const;
    // For a second instance; true when the running one got the ring, and
    // with documents, said it took them.
    bool ring(const QStringList& documents = {}) const;

    static QString serverName(const QString& id);
    // Where the socket of that name lives.
    static QString socketPath(const QString& serverName);

Q_SIGNALS:
    void rung(const QStringList& documents);

private:
    // One second start on the line, until it hangs up.
    struct Caller
    {
        std::unique_ptr<QSocketNotifier> notifier;
        QByteArray pending;
        QStringList documents;
        bool raised = false;
        // Tells this caller from a later one given the same descriptor.
        quint64 serial = 0;
    };

    void onNewConnection();
    void readRing(int descriptor);
    void hangUp(int descriptor);

    QString m_name;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_accepting;
    std::map<int, Caller> m_callers;
    quint64 m_nextSerial = 0;
};

} // namespace SharedTools
