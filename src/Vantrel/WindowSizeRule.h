#pragma once

#include <QRect>
#include <QSize>

namespace aptui {
class ToolMainWindow;
}

// The main window's size when it first shows: 1200 x 750, except on a small
// screen, where the window fills the available area and may not get smaller.
class WindowSizeRule
{
public:
    static constexpr int SmallScreenLimit = 750;
    static QSize startSize() { return QSize(1200, 750); }

    static bool isSmallScreen(const QSize& available);
    static void apply(aptui::ToolMainWindow& window, const QRect& available);
};
