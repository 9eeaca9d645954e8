#include "SystemPreload.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageReader>

#ifdef SARNET_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace apt {

namespace {

void readFontConfigurationNow()
{
#ifdef SARNET_HAS_FONTCONFIG
    // The configuration files and the caches of every installed font: most
    // of what Qt's font list takes, and Qt's list starts from this one.
    FcInit();
#endif
}

void loadImagePlugins()
{
    // A reader picks its handler among all plug-ins, loading each, before
    // it looks at a single byte; an empty buffer is enough.
    QByteArray nothing;
    QBuffer buffer(&nothing);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.canRead();
}

void readFonts()
{
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

void SystemPreload::readFontConfiguration()
{
    if (m_thread.joinable() || m_released)
        return;
    m_thread = std::thread([goOn = m_goOn.get_future()]() mutable {
        readFontConfigurationNow();
        if (!goOn.get())
            return;
        loadImagePlugins();
        readFonts();
    });
}

void SystemPreload::start()
{
    readFontConfiguration();
    release(true);
}

void SystemPreload::wait()
{
    release(false);
    if (m_thread.joinable())
        m_thread.join();
}

void SystemPreload::release(bool goOn)
{
    if (m_released)
        return;
    m_released = true;
    m_goOn.set_value(goOn);
}

} // namespace apt
