#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace apt {

// What the first window needs from the system, but builds nothing of the
// program's own, is read on a thread of its own while the main thread loads
// the skin and style and makes the window: Qt's font list (with the system's
// font configuration and the caches of its fonts) and the fallbacks of the
// application font. Qt's font database guards them with its lock, so the
// main thread that needs a font before they are ready waits for them
// instead of reading them a second time.
//
// Once the font list is read, the thread runs what the program gives it to
// read ahead (its data tables, say), in the order given, and then waits for
// more until the process ends.
//
// A second thread loads Qt's image-format plug-ins, which the first image
// read by its file name loads: the application icon, then the style sheet's
// pictures. On the main thread that took about 2 sampled ms, in the loader
// and in page faults. Then it connects to the session bus, which the
// accessibility bridge asks for at the first widget text, after the icon:
// the main thread waited 2 to 4 ms there, for Qt's D-Bus thread to start and
// the bus to answer, or, with no bus, for the attempt to find one to fail
// (libdbus then forks to launch one). On a thread of its own, started with
// the other two, the bus took the cores the main thread and the font list
// needed, and the first paint came later.
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
    // Runs the task on the preload thread after the font list and the
    // tasks given before. Nothing runs when the preload never started or
    // has ended: a task only reads ahead what its reader would read anyway.
    void add(std::function<void()> task);
    // Until the reading and the tasks given have ended (or at once, when it
    // never started): Qt's font database and plug-ins, and what the tasks
    // read, must not be in use when the process ends. No task runs after.
    void wait();

private:
    void runTasks();

    std::thread m_thread;
    std::thread m_pluginsAndBusThread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<std::function<void()>> m_tasks;
    bool m_closed = false;
};

} // namespace apt
