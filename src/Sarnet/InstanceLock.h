#pragma once

#include <QLockFile>
#include <QString>

namespace SharedTools {

// A per-user lock file that marks the one running instance of an application
// id. A lock left behind by a process that no longer runs is taken over, so a
// crash never keeps the program from starting again.
class InstanceLock
{
public:
    explicit InstanceLock(const QString& id);
    // The lock of an id in a folder of the caller's choice.
    InstanceLock(const QString& id, const QString& folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process holds the lock afterwards.
    bool tryAcquire();
    // True when the last try could not create the lock file at all (no
    // writable folder): nothing is known of other instances then.
    bool isUnavailable() const { return m_unavailable; }
    bool isHeld() const;
    // Gives the id free again.
    void release();
    QString filePath() const;

    // The lock file of an id for the current user: in the runtime folder,
    // else in the temp folder.
    static QString lockFilePath(const QString& id);

    // A lock written on another host cannot be checked for a live process;
    // past this age it is taken as left behind.
    static constexpr qint64 kForeignLockAgeSeconds = 4 * 3600;

private:
    bool foreignLockIsAbandoned() const;

    QString m_path;
    QLockFile m_file;
    bool m_unavailable = false;
};

} // namespace SharedTools
