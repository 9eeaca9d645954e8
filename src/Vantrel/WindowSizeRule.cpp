#include "WindowSizeRule.h"

#include <Fenwork/ToolMainWindow.h>
#include <Fenwork/ToolTitleBar.h>

bool WindowSizeRule::isSmallScreen(const QSize& available)
{
    return available.height() < SmallScreenLimit || available.width() < SmallScreenLimit;
}

void WindowSizeRule::apply(aptui::ToolMainWindow& window, const QRect& available)
{
    const QSize size = available.size();
    if (!isSmallScreen(size)) {
        window.resize(startSize());
        return;
    }
    window.windowTitle()->setRestoreSize(size, QSize(10000, 10000));
    window.setMinimumSize(size);
    window.resize(size);
    window.move(0, 0);
}
