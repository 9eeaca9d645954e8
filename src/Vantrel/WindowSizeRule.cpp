#include "WindowSizeRule.h"

#include <Fenwork/ToolMainWindow.h>
#include <Fenwork/ToolTitleBar.h>

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

bool WindowSizeRule::isSmallScreen(const QSize& available)
{
    return available.height() < SmallScreenLimit || available.width() < SmallScreenLimit;
}

void WindowSizeRule::apply(aptui::ToolMainWindow& window, const QRect& available,
                           const std::optional<Place>& remembered)
{
    const QSize size = available.size();
    if (!isSmallScreen(size)) {
        if (!remembered || !remembered->normal.isValid()) {
            window.resize(startSize());
            return;
        }
        QList<QRect> screens{available};
        for (const QScreen* screen : QGuiApplication::screens())
            screens << screen->availableGeometry();
        window.setGeometry(onScreen(remembered->normal, window.minimumSize(), screens));
        if (remembered->maximized)
            window.showMaximized();
        return;
    }
    window.windowTitle()->setRestoreSize(size, QSize(10000, 10000));
    window.setMinimumSize(size);
    window.resize(size);
    window.move(0, 0);
}

QRect WindowSizeRule::onScreen(const QRect& remembered, const QSize& minimum, const QList<QRect>& availableScreens)
{
    if (availableScreens.isEmpty())
        return QRect(remembered.topLeft(), remembered.size().expandedTo(minimum));
    QRect screen = availableScreens.first();
    for (const QRect& candidate : availableScreens) {
        if (candidate.contains(remembered.center())) {
            screen = candidate;
            break;
        }
    }
    const QSize size = remembered.size().boundedTo(screen.size()).expandedTo(minimum);
    const int x = std::clamp(remembered.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    const int y = std::clamp(remembered.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return QRect(QPoint(x, y), size);
}
