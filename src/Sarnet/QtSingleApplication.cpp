#include "QtSingleApplication.h"

#include "InstanceBell.h"
#include "InstanceLock.h"

#include <cstdlib>

namespace SharedTools {

namespace {
// The application object lives until the process ends and is never deleted,
// so its lock is given back when the process exits normally. (After a crash
// the next start takes the lock over.)
InstanceLock* s_processLock = nullptr;

void releaseProcessLock()
{
    if (s_processLock)
        s_processLock->release();
}
} // namespace

QtSingleApplication::QtSingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv)
    , m_id(id)
    , m_lock(std::make_unique<InstanceLock>(id))
    , m_bell(new InstanceBell(id, this))
{
    connect(m_bell, &InstanceBell::rung, this, [this](const QStringList& documents) {
        Q_EMIT activationRequested();
        if (!documents.isEmpty())
            Q_EMIT documentsHanded(documents);
    });
    if (m_lock->tryAcquire())
        holdId();
    static const bool registered = std::atexit(&releaseProcessLock) == 0;
    Q_UNUSED(registered)
    s_processLock = m_lock.get();
}

QtSingleApplication::~QtSingleApplication()
{
    if (s_processLock == m_lock.get())
        s_processLock = nullptr;
}

QString QtSingleApplication::id() const
{
    return m_id;
}

bool QtSingleApplication::isRunning()
{
    if (m_lock->tryAcquire()) {
        holdId();
        return false;
    }
    // Without a lock file nothing is known of another instance, and refusing
    // to start would be wrong every time: the lock has warned, go on.
    if (m_lock->isUnavailable()) {
        holdId();
        return false;
    }
    return true;
}

void QtSingleApplication::holdId()
{
    if (!m_bell->isListening())
        m_bell->listen();
}

bool QtSingleApplication::activateRunningInstance(const QStringList& documents)
{
    return m_bell->ring(documents);
}

} // namespace SharedTools
