#pragma once

#include <QList>
#include <QRect>

namespace apt {

// Whether the desktop offers the room the programs are laid out for.
class ScreenCheck
{
public:
    static constexpr int MinimumWidth = 1024;
    static constexpr int MinimumHeight = 768;

    // Wide enough when some screen reaches x = 1023, tall enough when some
    // screen (not necessarily the same one) reaches y = 767.
    static bool screensLargeEnough(const QList<QRect>& screens);
    static QList<QRect> currentScreens();
};

} // namespace apt
