#pragma once

#include <thread>

namespace apt {

// What the first window needs from the system, but builds nothing of the
// program's own, is read on a thread of its own while the main thread loads
// the skin and style and makes the window: Qt's font list (with the system's
// font configuration and the caches of its fonts) and the fallbacks of the
// application font. Qt's font database guards them with its lock, so the
// main thread that needs a font before they are ready waits for them
// instead of reading them a second time.
//
// It starts once the application object exists. Begun before, beside the
// making of that object, it slowed the start down: both threads then map
// libraries and fault pages into the one address space, and the display
// server's answers wait for a free core.
class SystemPreload
{
public:
    SystemPreload() = default;
    ~SystemPreload();
    SystemPreload(const SystemPreload&) = delete;
    SystemPreload& operator=(const SystemPreload&) = delete;

    // Once the application object and its font are set; later calls do
    // nothing.
    void start();
    // Until the reading has ended (or at once, when it never started): Qt's
    // font database and plug-ins must not be in use when the process ends.
    void wait();

private:
    std::thread m_thread;
};

} // namespace apt
