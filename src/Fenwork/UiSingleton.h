#pragma once

#include <QMutex>
#include <QMutexLocker>

#include <atomic>

namespace aptui {

// One lazily created instance of T for the whole process. The first access
// creates it under a lock (checked again inside the lock, so concurrent first
// calls create one object); it lives until the process ends.
template<typename T>
class UiSingleton
{
public:
    static T* instance()
    {
        T* existing = s_instance.load(std::memory_order_acquire);
        if (existing)
            return existing;
        QMutexLocker locker(&s_mutex);
        existing = s_instance.load(std::memory_order_relaxed);
        if (!existing) {
            existing = new T; // intentionally never deleted: lives until exit
            s_instance.store(existing, std::memory_order_release);
        }
        return existing;
    }

protected:
    UiSingleton() = default;
    ~UiSingleton() = default;

private:
    UiSingleton(const UiSingleton&) = delete;
    UiSingleton& operator=(const UiSingleton&) = delete;

    static inline std::atomic<T*> s_instance{nullptr};
    static inline QMutex s_mutex;
};

} // namespace aptui
