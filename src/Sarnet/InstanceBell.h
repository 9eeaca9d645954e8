#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace SharedTools {

// How a second start of the program reaches the one that runs: the running
// instance listens on a local socket named after the application id and the
// user, a second one rings and the first brings its window forward.
class InstanceBell : public QObject
{
    Q_OBJECT

public:
    explicit InstanceBell(const QString& id, QObject* parent = nullptr);
    ~InstanceBell() override;

    // For the running instance; true when it listens afterwards.
    bool listen();
    bool isListening() const;
    // For a second instance; true when the running one got the ring.
    bool ring() const;

    static QString serverName(const QString& id);

Q_SIGNALS:
    void rung();

private:
    void onNewConnection();

    QString m_name;
    QLocalServer* m_server = nullptr; // child
};

} // namespace SharedTools
