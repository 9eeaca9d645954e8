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
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process holds the lock afterwards.
    bool tryAcquire();
    bool isHeld() const;
    // Gives the id free again.
    void release();
    QString filePath() const;

    // The lock file of an id for the current user: in the runtime folder,
    // else in the temp folder.
    static QString lockFilePath(const QString& id);

private:
    QString m_path;
    QLockFile m_file;
};

} // namespace SharedTools
