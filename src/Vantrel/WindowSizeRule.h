#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

namespace aptui {
class ToolMainWindow;
}

// The main window's size when it first shows: where the user left it last
// run, or else 1200 x 750; on a small screen the window fills the available
// area and may not get smaller.
class WindowSizeRule
{
public:
    static constexpr int SmallScreenLimit = 750;
    static QSize startSize() { return QSize(1200, 750); }

    // Where the window was at the end of the last run.
    struct Place
    {
        QRect normal; // its geometry when not maximised
        bool maximized = false;
    };

    static bool isSmallScreen(const QSize& available);
    static void apply(aptui::ToolMainWindow& window, const QRect& available,
                      const std::optional<Place>& remembered = std::nullopt);
    // A remembered geometry on the screen it was on, if that screen is still
    // there (its centre decides), else on the first; moved and shrunk to lie
    // wholly on it, and no smaller than minimum.
    static QRect onScreen(const QRect& remembered, const QSize& minimum, const QList<QRect>& availableScreens);
};
