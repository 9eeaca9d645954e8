#include "Scenes.h"

#include <algorithm>

namespace SceneDrawing {

namespace {

struct Corridor
{
    static constexpr qreal vx = 160;
    static constexpr qreal vy = 104;
    // A point of the corridor box: s is the depth factor (1 at the camera,
    // 0.25 at the end wall), px/py the point on the nearest frame.
    static QPointF at(qreal s, qreal px, qreal py) { return QPointF(vx + (px - vx) * s, vy + (py - vy) * s); }
};

void drawSideDoor(Canvas& c, bool left, qreal sNear, qreal sFar, const QColor& colour, const QString& number)
{
    QPainter& p = c.p;
    const qreal wallX = left ? -8 : 328;
    const qreal floorY = 240;
    const qreal ceilingY = 0;
    const qreal doorTop = floorY - (floorY - ceilingY) * 0.62;
    QPolygonF frame;
    frame << Corridor::at(sNear, wallX, floorY) << Corridor::at(sNear, wallX, doorTop)
          << Corridor::at(sFar, wallX, doorTop) << Corridor::at(sFar, wallX, floorY);
    fillPoly(p, frame, shade(colour, 0.15));
    const qreal inset = (sNear - sFar) * 0.1;
    QPolygonF door;
    door << Corridor::at(sNear - inset, wallX, floorY) << Corridor::at(sNear - inset, wallX, doorTop + 6)
         << Corridor::at(sFar + inset, wallX, doorTop + 6) << Corridor::at(sFar + inset, wallX, floorY);
    fillPoly(p, door, colour);
    if (c.detail >= 1) {
        const qreal a = sNear - (sNear - sFar) * 0.3;
        const qreal b = sNear - (sNear - sFar) * 0.6;
        QPolygonF window;
        window << Corridor::at(a, wallX, doorTop + 20) << Corridor::at(a, wallX, doorTop + 60)
               << Corridor::at(b, wallX, doorTop + 60) << Corridor::at(b, wallX, doorTop + 20);
        fillPoly(p, window, tint(kCyan, 0.55));
    }
    const QPointF handle = Corridor::at(sFar + (sNear - sFar) * 0.18, wallX, doorTop + 98);
    fillEllipse(p, handle, 2.2 * sNear + 0.5, 1.4 * sNear + 0.5, kGrey700);
    if (c.detail >= 2) {
        const QPointF signNear = Corridor::at(sNear + 0.04, wallX, doorTop + 30);
        const QPointF signFar = Corridor::at(sNear + 0.015, wallX, doorTop + 52);
        const QRectF sign(QPointF(std::min(signNear.x(), signFar.x()), signNear.y()),
                          QPointF(std::max(signNear.x(), signFar.x()), signFar.y()));
        fillRect(p, sign, Qt::white, 0.5);
        if (c.detail >= 3 && sign.width() > 5)
            drawText(p, sign, number, kGrey700, std::min(sign.height() * 0.55, sign.width() * 0.36), true);
    }
}

} // namespace

void drawHospital(Canvas& c)
{
    QPainter& p = c.p;
    const qreal back = 0.25;
    auto quad = [](QPointF a, QPointF b, QPointF cc, QPointF d) { return QPolygonF({a, b, cc, d}); };
    // Ceiling, walls, floor, end wall.
    fillPoly(p, quad(Corridor::at(1, -8, 0), Corridor::at(1, 328, 0), Corridor::at(back, 328, 0), Corridor::at(back, -8, 0)),
             kGrey100);
    fillPoly(p, quad(Corridor::at(1, -8, 0), Corridor::at(back, -8, 0), Corridor::at(back, -8, 240), Corridor::at(1, -8, 240)),
             QColor(0xf1, 0xf3, 0xf7));
    fillPoly(p, quad(Corridor::at(1, 328, 0), Corridor::at(back, 328, 0), Corridor::at(back, 328, 240), Corridor::at(1, 328, 240)),
             QColor(0xe9, 0xec, 0xf2));
    fillPoly(p, quad(Corridor::at(1, -8, 240), Corridor::at(back, -8, 240), Corridor::at(back, 328, 240), Corridor::at(1, 328, 240)),
             QColor(0xe3, 0xe8, 0xef));
    const QRectF endWall(Corridor::at(back, -8, 0), Corridor::at(back, 328, 240));
    fillRect(p, endWall, QColor(0xe4, 0xf6, 0xee));

    // Mint dado and the hand rail along both walls.
    for (qreal wallX : {-8.0, 328.0}) {
        fillPoly(p, quad(Corridor::at(1, wallX, 240), Corridor::at(1, wallX, 168), Corridor::at(back, wallX, 168),
                         Corridor::at(back, wallX, 240)),
                 QColor(0xd6, 0xf3, 0xe6));
        fillPoly(p, quad(Corridor::at(1, wallX, 160), Corridor::at(1, wallX, 168), Corridor::at(back, wallX, 168),
                         Corridor::at(back, wallX, 160)),
                 kCyan);
    }
    if (c.detail >= 2) {
        for (int i = -6; i <= 6; ++i)
            strokeLine(p, Corridor::at(1, 160 + i * 50, 240), Corridor::at(back, 160 + i * 50, 240), QColor(0xd8, 0xde, 0xe7), 0.7);
        for (qreal s : {0.9, 0.75, 0.62, 0.52, 0.44, 0.37, 0.31})
            strokeLine(p, Corridor::at(s, -8, 240), Corridor::at(s, 328, 240), QColor(0xd8, 0xde, 0xe7), 0.7);
    }

    // End wall: double doors with an exit sign.
    const QRectF doors(Corridor::at(back, 110, 240).x(), Corridor::at(back, 0, 70).y(),
                       Corridor::at(back, 210, 240).x() - Corridor::at(back, 110, 240).x(),
                       Corridor::at(back, 0, 240).y() - Corridor::at(back, 0, 70).y());
    fillRect(p, doors.adjusted(-2, -2, 2, 0), shade(kBlue, 0.2));
    fillRect(p, doors, tint(kBlue, 0.35));
    strokeLine(p, QPointF(doors.center().x(), doors.top()), QPointF(doors.center().x(), doors.bottom()), shade(kBlue, 0.2), 0.8);
    if (c.detail >= 1) {
        fillRect(p, QRectF(doors.left() + 3, doors.top() + 4, doors.width() / 2 - 6, 10), tint(kCyan, 0.6));
        fillRect(p, QRectF(doors.center().x() + 3, doors.top() + 4, doors.width() / 2 - 6, 10), tint(kCyan, 0.6));
        fillRect(p, QRectF(doors.center().x() - 6, doors.top() - 9, 12, 5), QColor(0x3c, 0xc4, 0x8a), 0.8);
    }

    drawSideDoor(c, true, 0.86, 0.70, tint(kBlue, 0.25), QStringLiteral("101"));
    drawSideDoor(c, true, 0.46, 0.39, tint(kBlue, 0.25), QStringLiteral("103"));
    drawSideDoor(c, false, 0.78, 0.62, tint(kIndigo, 0.3), QStringLiteral("102"));
    drawSideDoor(c, false, 0.42, 0.36, tint(kIndigo, 0.3), QStringLiteral("104"));

    // Ceiling lights and their reflections on the floor.
    for (qreal s : {0.95, 0.62, 0.44, 0.33}) {
        const qreal d = 0.05 * s;
        QPolygonF panel = quad(Corridor::at(s, 110, 0), Corridor::at(s, 210, 0), Corridor::at(s - d, 210, 0),
                               Corridor::at(s - d, 110, 0));
        fillPoly(p, panel, Qt::white);
        if (c.detail >= 1) {
            p.setPen(QPen(kGrey200, 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawPolygon(panel);
            const QPointF floorSpot = Corridor::at(s - d / 2, 160, 240);
            fillEllipse(p, floorSpot, 34 * s, 4 * s, withAlpha(Qt::white, 150));
        }
    }

    // Hanging ward sign with the cross.
    const QPointF signTop = Corridor::at(0.56, 160, 0);
    const qreal sw = 94 * 0.56;
    const qreal sh = 26 * 0.56;
    strokeLine(p, signTop + QPointF(-sw * 0.35, 0), signTop + QPointF(-sw * 0.35, 10), kGrey500, 0.7);
    strokeLine(p, signTop + QPointF(sw * 0.35, 0), signTop + QPointF(sw * 0.35, 10), kGrey500, 0.7);
    const QRectF sign(signTop.x() - sw / 2, signTop.y() + 10, sw, sh);
    fillRect(p, sign, kBlue, 2);
    const QRectF crossBox(sign.left() + 3, sign.top() + 2.5, sh - 5, sh - 5);
    fillRect(p, crossBox, Qt::white, 1.5);
    const qreal arm = crossBox.width() * 0.24;
    fillRect(p, QRectF(crossBox.center().x() - arm / 2, crossBox.top() + 2, arm, crossBox.height() - 4), kCyan);
    fillRect(p, QRectF(crossBox.left() + 2, crossBox.center().y() - arm / 2, crossBox.width() - 4, arm), kCyan);
    drawText(p, QRectF(crossBox.right() + 2, sign.top(), sign.right() - crossBox.right() - 4, sign.height()),
             QStringLiteral("WARD A"), Qt::white, 7.5, true);

    // Bed along the left wall and its drip stand.
    if (c.detail >= 1) {
        fillRect(p, QRectF(100, 132, 1.6, 70), kGrey500);
        fillRect(p, QRectF(94, 132, 14, 1.4), kGrey500);
        fillRect(p, QRectF(103, 136, 7, 12), withAlpha(kCyan, 140), 2);
        fillEllipse(p, QPointF(100.8, 203), 7, 1.6, kGrey500);
    }
    fillEllipse(p, QPointF(52, 227), 50, 5, withAlpha(kGrey800, 35));
    fillRect(p, QRectF(10, 204, 3, 20), kGrey500);
    fillRect(p, QRectF(88, 204, 3, 20), kGrey500);
    fillEllipse(p, QPointF(11.5, 226), 3.4, 3.4, kGrey700);
    fillEllipse(p, QPointF(89.5, 226), 3.4, 3.4, kGrey700);
    fillRect(p, QRectF(4, 198, 92, 8), kIndigo, 2);
    fillRect(p, QRectF(4, 184, 8, 20), kIndigo, 2);
    fillRect(p, QRectF(6, 186, 88, 13), Qt::white, 4);
    fillRect(p, QRectF(12, 181, 20, 9), kGrey100, 4);
    fillRect(p, QRectF(34, 184, 60, 15), kMint, 4);
    if (c.detail >= 1) {
        fillRect(p, QRectF(34, 187, 60, 2), tint(kMint, 0.45));
        fillRect(p, QRectF(40, 192, 44, 1.6), withAlpha(Qt::white, 160));
    }
    if (c.detail >= 2) {
        for (int r = 0; r < 6; ++r)
            fillRect(p, QRectF(40 + r * 9, 178, 1.4, 8), kGrey400);
        fillRect(p, QRectF(38, 178, 50, 1.6), kGrey400);
    }

    // Nurse walking towards the camera, a visitor further down the corridor.
    drawPerson(c, QPointF(150, 168), 30, kIndigo, kGrey700);
    drawPerson(c, QPointF(222, 226), 84, kMint, shade(kMint, 0.12));
    if (c.detail >= 1) {
        fillRect(p, QRectF(226, 172, 8, 2), Qt::white);
        fillRect(p, QRectF(229, 169, 2, 8), Qt::white);
    }
}

} // namespace SceneDrawing
