#include "InstanceBell.h"

#include "InstanceLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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
// A ring is a few lines; a caller that sends more is not one.
constexpr int kMaxRingBytes = 1024 * 1024;

// The socket's address; false when the path does not fit one.
bool addressOf(const QString& path, sockaddr_un* address)
{
    const QByteArray bytes = QFile::encodeName(path);
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (bytes.isEmpty() || size_t(bytes.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, bytes.constData(), size_t(bytes.size()));
    return true;
}

// Waits until the descriptor is ready for events, at most until the
// deadline; false when it is not by then.
bool waitFor(int descriptor, short events, const QDeadlineTimer& deadline)
{
    pollfd watched{ descriptor, events, 0 };
    for (;;) {
        const int result = ::poll(&watched, 1, int(deadline.remainingTime()));
        if (result > 0)
            return true;
        if (result == 0 || errno != EINTR)
            return false;
    }
}

bool sendAll(int descriptor, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t now = ::send(descriptor, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (now > 0) {
            sent += now;
        } else if (now < 0 && errno == EINTR) {
            continue;
        } else if (now < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(descriptor, POLLOUT, deadline))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// A descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int value)
        : m_value(value)
    {
    }
    ~Descriptor()
    {
        if (m_value >= 0)
            ::close(m_value);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_value; }
    int release() { return std::exchange(m_value, -1); }

private:
    int m_value;
};
} // namespace

InstanceBell::InstanceBell(const QString& id, QObject* parent)
    : QObject(parent)
    , m_name(serverName(id))
{
}

InstanceBell::~InstanceBell()
{
    for (auto& [descriptor, caller] : m_callers) {
        caller.notifier.reset();
        ::close(descriptor);
    }
    if (m_listener >= 0) {
        m_accepting.reset();
        ::close(m_listener);
        ::unlink(QFile::encodeName(socketPath(m_name)).constData());
    }
}

QString InstanceBell::serverName(const QString& id)
{
    // The lock's name already tells ids and users apart.
    return QFileInfo(InstanceLock::lockFilePath(id)).completeBaseName();
}

QString InstanceBell::socketPath(const QString& serverName)
{
    return QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + serverName;
}

bool InstanceBell::listen()
{
    if (isListening())
        return true;
    const QString path = socketPath(m_name);
    sockaddr_un address;
    if (!addressOf(path, &address))
        return false;
    Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (listener.get() < 0)
        return false;
    // Only the holder of the instance lock listens, so a socket left by a
    // crashed holder is stale and may go.
    ::unlink(address.sun_path);
    if (::bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    // The user's own starts only: connecting needs write access.
    if (::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(listener.get(), SOMAXCONN) != 0) {
        ::unlink(address.sun_path);
        return false;
    }
    m_listener = listener.release();
    m_accepting = std::make_unique<QSocketNotifier>(m_listener, QSocketNotifier::Read);
    connect(m_accepting.get(), &QSocketNotifier::activated, this, &InstanceBell::onNewConnection);
    return true;
}

bool InstanceBell::isListening() const
{
    return m_listener >= 0;
}

bool InstanceBell::ring(const QStringList& documents) const
{
    sockaddr_un address;
    if (!addressOf(socketPath(m_name), &address))
        return false;
    Descriptor line(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (line.get() < 0)
        return false;
    QDeadlineTimer deadline(kWaitMs);
    for (;;) {
        if (::connect(line.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            break;
        if (errno == EINTR)
            continue;
        // The running instance's queue is full: it has not yet taken the
        // callers before this one. Try again until the deadline.
        if (errno == EAGAIN) {
            if (deadline.hasExpired())
                return false;
            ::poll(nullptr, 0, 10);
            continue;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (errno != EINPROGRESS || !waitFor(line.get(), POLLOUT, deadline)
            || ::getsockopt(line.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
            return false;
        break;
    }
    QByteArray message = kRaise + '\n';
    for (const QString& document : documents)
        message += kOpen + document.toUtf8().toBase64() + '\n';
    message += kEnd + '\n';
    if (!sendAll(line.get(), message, deadline))
        return false;

    // A bare ring has done its part once written, as it always had; the
    // answer is still waited for, so the running window is asked first.
    QDeadlineTimer answerDeadline(documents.isEmpty() ? kWaitMs : kHandOverWaitMs);
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 64) {
        char buffer[64];
        const ssize_t got = ::recv(line.get(), buffer, sizeof buffer, 0);
        if (got > 0) {
            answer.append(buffer, qsizetype(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(line.get(), POLLIN, answerDeadline))
                break;
        } else {
            break;
        }
    }
    const bool taken = answer.contains('\n') && answer.left(answer.indexOf('\n')).trimmed() == kTaken;
    return taken || documents.isEmpty();
}

void InstanceBell::onNewConnection()
{
    for (;;) {
        const int descriptor = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        Caller& caller = m_callers[descriptor];
        caller.serial = ++m_nextSerial;
        caller.notifier = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
        connect(caller.notifier.get(), &QSocketNotifier::activated, this, [this, descriptor] { readRing(descriptor); });
    }
}

void InstanceBell::readRing(int descriptor)
{
    const auto found = m_callers.find(descriptor);
    if (found == m_callers.end())
        return;
    Caller& caller = found->second;
    bool open = true;
    for (;;) {
        char buffer[4096];
        const ssize_t got = ::recv(descriptor, buffer, sizeof buffer, 0);
        if (got > 0) {
            caller.pending.append(buffer, qsizetype(got));
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        open = got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        break;
    }
    for (qsizetype end = caller.pending.indexOf('\n'); end >= 0; end = caller.pending.indexOf('\n')) {
        const QByteArray line = caller.pending.left(end).trimmed();
        caller.pending.remove(0, end + 1);
        if (line == kRaise) {
            caller.raised = true;
        } else if (line.startsWith(kOpen)) {
            const QString document = QString::fromUtf8(QByteArray::fromBase64(line.mid(kOpen.size())));
            if (!document.isEmpty())
                caller.documents << document;
        } else if (line == kEnd && caller.raised) {
            // Answered before anything is done with them: opening may wait
            // on the user.
            const QByteArray answer = kTaken + '\n';
            ::send(descriptor, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
            const QStringList documents = std::exchange(caller.documents, {});
            caller.raised = false;
            const quint64 serial = caller.serial;
            Q_EMIT rung(documents);
            // What the signal started (a question, a plan opening) runs the
            // event loop, which may have heard this caller hang up.
            const auto still = m_callers.find(descriptor);
            if (still == m_callers.end() || still->second.serial != serial)
                return;
        }
    }
    if (!open || caller.pending.size() > kMaxRingBytes)
        hangUp(descriptor);
}

void InstanceBell::hangUp(int descriptor)
{
    const auto found = m_callers.find(descriptor);
    if (found == m_callers.end())
        return;
    found->second.notifier.reset();
    m_callers.erase(found);
    ::close(descriptor);
}

} // namespace SharedTools
