#pragma once

#include <thread>

namespace apt {

// What the first window needs from the system, but builds nothing of the
// program's own, is read on a thread of its own while the main thread loads
// the skin and style and makes the window: Qt's image format plug-ins (the
// first image read loads them all), the system's font list, and the
// fallbacks of the application font. Qt guards each with its own lock, so
// the main thread that needs one of them before it is ready waits for it
// instead of reading it a second time; the start is shorter by what the two
// threads do side by side.
class SystemPreload
{
public:
    SystemPreload() = default;
    // Waits for the reading to end: Qt's font database and plug-ins must
    // not be in use when the application object goes.
    ~SystemPreload();
    SystemPreload(const SystemPreload&) = delete;
    SystemPreload& operator=(const SystemPreload&) = delete;

    // Once the application object and its font are set; later calls do
    // nothing.
    void start();
    void wait();

private:
    std::thread m_thread;
};

} // namespace apt
