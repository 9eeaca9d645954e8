#include "InstanceBell.h"

#include "InstanceLock.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace SharedTools {

namespace {
const QByteArray kRing = QByteArrayLiteral("raise\n");
// A running instance answers at once; these only bound a hung one.
constexpr int kWaitMs = 2000;
} // namespace

InstanceBell::InstanceBell(const QString& id, QObject* parent)
    : QObject(parent)
    , m_name(serverName(id))
{
}

InstanceBell::~InstanceBell() = default;

QString InstanceBell::serverName(const QString& id)
{
    // The lock's name already tells ids and users apart.
    return QFileInfo(InstanceLock::lockFilePath(id)).completeBaseName();
}

bool InstanceBell::listen()
{
    if (isListening())
        return true;
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &InstanceBell::onNewConnection);
    }
    // Only the holder of the instance lock listens, so a socket left by a
    // crashed holder is stale and may go.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

bool InstanceBell::isListening() const
{
    return m_server && m_server->isListening();
}

bool InstanceBell::ring() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kRing);
    const bool sent = socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return sent;
}

void InstanceBell::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kRing.trimmed()))
                Q_EMIT rung();
        });
    }
}

} // namespace SharedTools
