#include "SystemPreload.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

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

} // namespace

SystemPreload::~SystemPreload()
{
    wait();
}

void SystemPreload::start()
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread(readFonts);
}

void SystemPreload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace apt
