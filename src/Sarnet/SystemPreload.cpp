#include "SystemPreload.h"

#include <QApplication>
#include <QBuffer>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageReader>

namespace apt {

namespace {

void readFonts()
{
    // Qt's font list: the system's font configuration with the caches of
    // every installed font, read under the font database's lock. The main
    // thread, asking for a font meanwhile, waits at that lock; reading the
    // configuration outside it would let both threads read it whole.
    QFontDatabase::families();
    // The application font's family is looked up with its fallbacks, which
    // the font database keeps for every thread. The engine made here stays
    // with this thread.
    QFontMetrics(QApplication::font()).height();
}

void loadImagePlugins()
{
    // Before Qt reads a picture whose name ends in ".png" with its own
    // reader, it asks every image-format plug-in whether it reads PNG too,
    // and so loads them all. Asked here, of an empty buffer, they are
    // loaded under Qt's plug-in lock, which the main thread's first picture
    // then waits at.
    QBuffer nothing;
    nothing.open(QIODevice::ReadOnly);
    QImageReader(&nothing, "png").canRead();
}

void connectSessionBus()
{
    // The connection is made on Qt's D-Bus thread while the caller waits;
    // Qt keeps it, or the failure to make it, for every later caller.
    QDBusConnection::sessionBus();
}

// The accessibility bridge of the desktop platforms asks for the session
// bus at the first text a widget is given; the other platforms have none.
bool platformReachesSessionBus()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

} // namespace

SystemPreload::~SystemPreload()
{
    wait();
}

void SystemPreload::start()
{
    if (m_thread.joinable())
        return;
    // Threads of their own: neither the loading of the plug-ins nor the
    // wait for the bus may hold up the font list the main thread needs
    // next. The plug-ins' thread goes first: the main thread needs its work
    // soonest, at the application icon, and the bus only after it.
    const bool bus = platformReachesSessionBus();
    m_pluginsAndBusThread = std::thread([bus] {
        loadImagePlugins();
        if (bus)
            connectSessionBus();
    });
    m_thread = std::thread([this] {
        readFonts();
        runTasks();
    });
}

void SystemPreload::add(std::function<void()> task)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_thread.joinable() || m_closed)
            return;
        m_tasks.push_back(std::move(task));
    }
    m_wake.notify_one();
}

void SystemPreload::runTasks()
{
    for (;;) {
        std::vector<std::function<void()>> tasks;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_tasks.empty() || m_closed; });
            if (m_tasks.empty())
                return;
            tasks.swap(m_tasks);
        }
        for (const std::function<void()>& task : tasks)
            task();
    }
}

void SystemPreload::wait()
{
    {
        // Tasks given before this still run: what they read may be in use.
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
    if (m_pluginsAndBusThread.joinable())
        m_pluginsAndBusThread.join();
}

} // namespace apt
