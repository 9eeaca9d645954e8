#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>

#include <atomic>
#include <memory>

// The process's one copy of a library opened when first needed (a class
// with defaultFileName() and load(QString* reason)), loaded at the first
// call; null with the reason when it cannot be, and a later call tries
// again. It may be asked for from a worker thread; once loaded, a call
// reads the pointer without a lock.
template <class Library>
const Library* loadOnce(QString* reason)
{
    static std::atomic<Library*> loaded{ nullptr };
    if (Library* library = loaded.load(std::memory_order_acquire))
        return library;
    static QMutex mutex;
    static std::unique_ptr<Library> kept;
    const QMutexLocker locker(&mutex);
    if (!kept) {
        auto library = std::make_unique<Library>(Library::defaultFileName());
        if (!library->load(reason))
            return nullptr;
        kept = std::move(library);
        loaded.store(kept.get(), std::memory_order_release);
    }
    return kept.get();
}
