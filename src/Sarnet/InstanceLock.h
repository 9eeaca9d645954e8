#pragma once

#include <QLockFile>
#include <QString>

namespace SharedTools {

// A per-user lock file that marks the one running instance of an application
// id. Only a lock of a live instance of this program holds: one left behind
// by a process that no longer runs, one whose pid now belongs to another
// program, and anything at the lock path that is not a readable lock (an
// empty or damaged file, a link) are taken over, so nothing but a running
// instance ever keeps the program from starting.
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

    // A starting instance has created its lock file but not yet written it
    // for a moment; an unreadable lock older than this is not such a one.
    static constexpr qint64 kUnwrittenLockAgeMs = 2000;

private:
    bool lockIsAbandoned() const;
    bool clearLockPath();

    QString m_path;
    QLockFile m_file;
    bool m_unavailable = false;
};

} // namespace SharedTools
