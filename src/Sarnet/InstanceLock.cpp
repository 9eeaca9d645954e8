#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QStandardPaths>

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
    // tryLock removes a lock file whose process is gone before it retries.
    if (m_file.tryLock(0)) {
        m_unavailable = false;
        return true;
    }
    if (m_file.error() == QLockFile::LockFailedError) {
        m_unavailable = false;
        if (!foreignLockIsAbandoned())
            return false;
        m_file.removeStaleLockFile();
        return m_file.tryLock(0);
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

bool InstanceLock::foreignLockIsAbandoned() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_file.getLockInfo(&pid, &host, &application))
        return false;
    // On this host the process check of tryLock() has already spoken.
    if (host.isEmpty() || host == QSysInfo::machineHostName())
        return false;
    const QDateTime written = QFileInfo(m_path).lastModified();
    return written.isValid() && written.secsTo(QDateTime::currentDateTime()) > kForeignLockAgeSeconds;
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
