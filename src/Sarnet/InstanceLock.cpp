#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <climits>
#include <csignal>
#include <unistd.h>
#endif

namespace SharedTools {

namespace {
QString safeName(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('-') || c == QLatin1Char('.');
        out += plain ? c : QLatin1Char('_');
    }
    return out;
}

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = QStringLiteral("user");
    return name;
}

QString lockFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        folder = QDir::tempPath();
    return folder;
}

// No instance ever writes more than a pid, a program and a host name.
constexpr qint64 kMaxLockFileSize = 4096;

// What a lock file looks like from outside: a plain file of a lock's size.
// Anything else at the lock path (a link, a folder, a pipe, a huge file) was
// not written by an instance and is not even read.
bool looksLikeLockFile(const QFileInfo& info)
{
    return !info.isSymLink() && info.isFile() && info.size() <= kMaxLockFileSize;
}

#ifdef Q_OS_LINUX
// The file name of the program a process runs; empty when it cannot be told
// (the process is gone, or belongs to another user).
QString programName(qint64 pid)
{
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link.constData(), target, sizeof target);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof target))
        return {};
    QByteArray path(target, static_cast<int>(length));
    // The program file was replaced while the process ran (an update).
    static const QByteArray deleted(" (deleted)");
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return QFileInfo(QFile::decodeName(path)).fileName();
}

// The short name the kernel keeps for every process, readable by all.
QString shortProgramName(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readLine(64)).trimmed();
}
#endif

// Whether a pid is a live process of the program this process runs: a pid
// that the system gave to another program since holds nothing.
bool isLiveInstance(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid > INT_MAX)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
#endif
#ifdef Q_OS_LINUX
    const QString own = programName(::getpid());
    if (own.isEmpty())
        return true;
    const QString other = programName(pid);
    if (!other.isEmpty())
        return other == own;
    // The kernel cuts the short name to 15 bytes.
    const QString shortName = shortProgramName(pid);
    if (!shortName.isEmpty())
        return shortName == own.left(15);
#endif
    // Cannot be told: a live process may be an instance.
    return true;
}
} // namespace

InstanceLock::InstanceLock(const QString& id)
    : m_path(lockFilePath(id))
    , m_file(m_path)
{
    // The holder keeps the lock for as long as it runs, however long that
    // is: a lock of this host is judged by whether its process lives, never
    // by its age (only one of another host, whose process cannot be asked).
    m_file.setStaleLockTime(0);
}

InstanceLock::InstanceLock(const QString& id, const QString& folder)
    : m_path(QDir(folder).filePath(QFileInfo(lockFilePath(id)).fileName()))
    , m_file(m_path)
{
    m_file.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryAcquire()
{
    if (m_file.isLocked())
        return true;
    // QLockFile reads what is at the path before it judges it: what no
    // instance writes is cleared first, never read or written through.
    const QFileInfo atPath(m_path);
    if (atPath.exists() || atPath.isSymLink()) {
        if (!looksLikeLockFile(atPath))
            clearLockPath();
    }
    // tryLock removes a lock file whose process is gone before it retries.
    if (m_file.tryLock(0)) {
        m_unavailable = false;
        return true;
    }
    if (m_file.error() == QLockFile::LockFailedError) {
        m_unavailable = false;
        if (!lockIsAbandoned())
            return false;
        clearLockPath();
        if (m_file.tryLock(0))
            return true;
        // Another instance that took the lock over meanwhile holds it now;
        // something at the path that cannot be cleared is no instance, and
        // refusing to start for it would lock the user out for good.
        if (m_file.error() == QLockFile::LockFailedError && !lockIsAbandoned())
            return false;
    }
    // Saying "already running" here would keep the program from ever
    // starting on a machine without a writable folder: say what failed.
    if (!m_unavailable) {
        qWarning("[Tool]Cannot create the single-instance lock %s; starting without the check",
                 qPrintable(QDir::toNativeSeparators(m_path)));
    }
    m_unavailable = true;
    return false;
}

bool InstanceLock::lockIsAbandoned() const
{
    QFileInfo info(m_path);
    if (!looksLikeLockFile(info))
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_file.getLockInfo(&pid, &host, &application)) {
        // A starting instance writes its lock right after creating it: an
        // unreadable lock is given that moment before it counts as damaged.
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        if (age > kUnwrittenLockAgeMs)
            return true;
        QThread::msleep(100);
        info.refresh();
        if (!looksLikeLockFile(info) || !m_file.getLockInfo(&pid, &host, &application))
            return true;
    }
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return !isLiveInstance(pid);
    // A lock of another host cannot be checked for a live process.
    const QDateTime written = info.lastModified();
    return written.isValid() && written.secsTo(QDateTime::currentDateTime()) > kForeignLockAgeSeconds;
}

bool InstanceLock::clearLockPath()
{
    const QFileInfo info(m_path);
    if (info.isSymLink() || (info.exists() && !info.isFile() && !info.isDir()))
        return QFile::remove(m_path); // the link or pipe itself, never what it names
    if (info.isDir())
        return QDir().rmdir(m_path);
    // Removing through QLockFile first takes the file's lock, so a lock that
    // a live instance holds (taken over by it a moment ago) stays.
    if (m_file.removeStaleLockFile())
        return true;
    return info.exists() && !info.isWritable() && QFile::remove(m_path);
}

bool InstanceLock::isHeld() const
{
    return m_file.isLocked();
}

void InstanceLock::release()
{
    m_file.unlock();
}

QString InstanceLock::filePath() const
{
    return m_path;
}

QString InstanceLock::lockFilePath(const QString& id)
{
    // The readable part of the name may map different ids to the same text
    // ("My Tool", "My_Tool"); the hash keeps them apart.
    const QByteArray hash = QCryptographicHash::hash(id.toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    const QString name = QStringLiteral("qtsingleapp-%1-%2-%3.lock")
                             .arg(safeName(id), QString::fromLatin1(hash), safeName(userName()));
    return QDir(lockFolder()).filePath(name);
}

} // namespace SharedTools
