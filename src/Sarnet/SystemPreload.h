#pragma once

#include <future>
#include <thread>

namespace apt {

// What the first window needs from the system, but builds nothing of the
// program's own, is read on a thread of its own while the main thread makes
// the application object, loads the skin and style and makes the window:
// the system's font configuration with the caches of its fonts (before the
// application object exists: it needs no Qt), then Qt's image format
// plug-ins (the first image read loads them all), Qt's font list and the
// fallbacks of the application font. Qt guards each with its own lock, so
// the main thread that needs one of them before it is ready waits for it
// instead of reading it a second time.
class SystemPreload
{
public:
    SystemPreload() = default;
    ~SystemPreload();
    SystemPreload(const SystemPreload&) = delete;
    SystemPreload& operator=(const SystemPreload&) = delete;

    // Before the application object is made.
    void readFontConfiguration();
    // Once the application object and its font are set; later calls do
    // nothing.
    void start();
    // Until the reading has ended (or at once, when it never started): Qt's
    // font database and plug-ins must not be in use when the process ends.
    void wait();

private:
    void release(bool goOn);

    std::thread m_thread;
    std::promise<bool> m_goOn;
    bool m_released = false;
};

} // namespace apt
