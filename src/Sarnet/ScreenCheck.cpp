#include "ScreenCheck.h"

#include <QGuiApplication>
#include <QScreen>

namespace apt {

bool ScreenCheck::screensLargeEnough(const QList<QRect>& screens)
{
    bool wide = false;
    bool tall = false;
    for (const QRect& screen : screens) {
        wide = wide || screen.right() + 1 >= MinimumWidth;
        tall = tall || screen.bottom() + 1 >= MinimumHeight;
    }
    return wide && tall;
}

QList<QRect> ScreenCheck::currentScreens()
{
    QList<QRect> rects;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens)
        rects.append(screen->geometry());
    return rects;
}

} // namespace apt
