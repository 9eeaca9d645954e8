#include "ZipLibrary.h"

#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <memory>

const ZipLibrary* ZipLibrary::shared(QString* reason)
{
    // Tables may be read on a worker thread; once loaded, every call reads
    // the pointer without a lock.
    static std::atomic<ZipLibrary*> loaded{nullptr};
    if (ZipLibrary* library = loaded.load(std::memory_order_acquire))
        return library;
    static QMutex mutex;
    static std::unique_ptr<ZipLibrary> kept;
    const QMutexLocker locker(&mutex);
    if (!kept) {
        auto library = std::make_unique<ZipLibrary>(QStringLiteral(VANTREL_LIBZIP_SONAME));
        if (!library->load(reason))
            return nullptr;
        kept = std::move(library);
        loaded.store(kept.get(), std::memory_order_release);
    }
    return kept.get();
}

ZipLibrary::ZipLibrary(const QString& fileName)
    : m_library(fileName)
{
}

bool ZipLibrary::load(QString* reason)
{
    auto fail = [&](const QString& why) {
        if (reason)
            *reason = tr("the zip library %1 could not be loaded (%2)").arg(m_library.fileName(), why);
        return false;
    };
    if (!m_library.load())
        return fail(m_library.errorString());
#define VANTREL_ZIP_RESOLVE(name)                                                             \
    name = reinterpret_cast<decltype(name)>(m_library.resolve(#name));                        \
    if (!name)                                                                                \
        return fail(tr("it has no function %1").arg(QLatin1String(#name)));
    VANTREL_ZIP_FUNCTIONS(VANTREL_ZIP_RESOLVE)
#undef VANTREL_ZIP_RESOLVE
    return true;
}
