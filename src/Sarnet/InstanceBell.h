#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace SharedTools {

// How a second start of the program reaches the one that runs: the running
// instance listens on a local socket named after the application id and the
// user, a second one rings and the first brings its window forward. A ring
// may carry documents (absolute paths) for the running instance to open; it
// answers once it has them all, so the second start knows they arrived.
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

Q_SIGNALS:
    void rung(const QStringList& documents);

private:
    void onNewConnection();
    void readRing(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server = nullptr; // child
};

} // namespace SharedTools
