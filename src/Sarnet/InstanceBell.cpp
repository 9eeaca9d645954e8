#include "InstanceBell.h"

#include "InstanceLock.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace SharedTools {

namespace {
// One line each: "raise", then "open <path as base64 of UTF-8>" for each
// document (a path may hold any character but "/" and NUL), then "end". The
// running instance answers "ok" after "end".
const QByteArray kRaise = QByteArrayLiteral("raise");
const QByteArray kOpen = QByteArrayLiteral("open ");
const QByteArray kEnd = QByteArrayLiteral("end");
const QByteArray kTaken = QByteArrayLiteral("ok");
// A running instance answers at once; these only bound a hung one. Documents
// get longer: the instance may be busy writing a report when they come, and
// a second start that gives up has to tell the user they were not opened.
constexpr int kWaitMs = 2000;
constexpr int kHandOverWaitMs = 10000;
// What a socket has told so far; kept on the socket until it is done.
const char kDocumentsProperty[] = "instanceBellDocuments";
const char kRaisedProperty[] = "instanceBellRaised";
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

bool InstanceBell::ring(const QStringList& documents) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    QByteArray message = kRaise + '\n';
    for (const QString& document : documents)
        message += kOpen + document.toUtf8().toBase64() + '\n';
    message += kEnd + '\n';
    socket.write(message);
    bool taken = socket.waitForBytesWritten(kWaitMs);
    if (taken) {
        QDeadlineTimer deadline(documents.isEmpty() ? kWaitMs : kHandOverWaitMs);
        while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState
               && socket.waitForReadyRead(int(deadline.remainingTime()))) {
        }
        taken = socket.canReadLine() && socket.readLine().trimmed() == kTaken;
        // A bare ring has done its part once written, as it always had.
        taken = taken || documents.isEmpty();
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return taken;
}

void InstanceBell::onNewConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRing(socket); });
    }
}

void InstanceBell::readRing(QLocalSocket* socket)
{
    QStringList documents = socket->property(kDocumentsProperty).toStringList();
    bool raised = socket->property(kRaisedProperty).toBool();
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine().trimmed();
        if (line == kRaise) {
            raised = true;
        } else if (line.startsWith(kOpen)) {
            const QString document = QString::fromUtf8(QByteArray::fromBase64(line.mid(kOpen.size())));
            if (!document.isEmpty())
                documents << document;
        } else if (line == kEnd && raised) {
            // Answered before anything is done with them: opening may wait
            // on the user.
            socket->write(kTaken + '\n');
            socket->flush();
            socket->setProperty(kRaisedProperty, false);
            socket->setProperty(kDocumentsProperty, QStringList());
            Q_EMIT rung(documents);
            return;
        }
    }
    socket->setProperty(kRaisedProperty, raised);
    socket->setProperty(kDocumentsProperty, documents);
}

} // namespace SharedTools
