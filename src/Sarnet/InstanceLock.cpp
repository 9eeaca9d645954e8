#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
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
    // is: never judge a lock by its age, only by whether its process lives.
    m_file.setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

bool InstanceLock::tryAcquire()
{
    if (m_file.isLocked())
        return true;
    // tryLock removes a lock file whose process is gone before it retries.
    return m_file.tryLock(0);
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
