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

void readFontConfiguration()
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

void SystemPreload::start()
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([] {
        readFontConfiguration();
        loadImagePlugins();
        readFonts();
    });
}

void SystemPreload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace apt
