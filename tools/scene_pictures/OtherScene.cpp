#include "Scenes.h"

namespace SceneDrawing {

void drawOther(Canvas& c, const QString& sceneName)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(0, 0, 320, 160), kGrey100);
    fillRect(p, QRectF(0, 160, 320, 80), kGrey200);
    fillRect(p, QRectF(0, 158, 320, 3), kGrey300);
    for (int w = 0; w < 3; ++w)
        fillRect(p, QRectF(30 + w * 96, 40, 68, 60), QColor(0xdc, 0xf4, 0xfc), 2);
    drawPerson(c, QPointF(120, 220), 76, kBlue, kGrey700);
    drawPerson(c, QPointF(210, 210), 64, kMint, kGrey600);
    drawText(p, QRectF(0, 104, 320, 40), sceneName, kGrey600, 18, true);
}

} // namespace SceneDrawing
