#include "Scenes.h"

#include <algorithm>

namespace SceneDrawing {

namespace {

void drawBoxStack(Canvas& c, const QRectF& area, int columns)
{
    QPainter& p = c.p;
    const std::vector<QColor> boxes = {tint(kIndigo, 0.45), tint(kCyan, 0.45), tint(kMint, 0.05), tint(kBlue, 0.5),
                                       kGrey300};
    // Pallet under the boxes.
    const qreal palletH = std::max(3.0, area.height() * 0.13);
    fillRect(p, QRectF(area.left(), area.bottom() - palletH, area.width(), palletH), kGrey400);
    if (c.detail >= 1) {
        for (int s = 0; s < 3; ++s)
            fillRect(p, QRectF(area.left() + area.width() * (0.12 + s * 0.32), area.bottom() - palletH * 0.6,
                               area.width() * 0.12, palletH * 0.6),
                     kGrey600);
    }
    const qreal top = area.top();
    const qreal floor = area.bottom() - palletH;
    const qreal colW = area.width() / columns;
    for (int col = 0; col < columns; ++col) {
        const int high = 1 + c.rng.below(2);
        const qreal boxH = (floor - top) / 2.0;
        for (int b = 0; b < high; ++b) {
            const QColor colour = c.rng.pick(boxes);
            const QRectF box(area.left() + col * colW + 0.6, floor - (b + 1) * boxH + 0.6, colW - 1.2, boxH - 1.2);
            fillRect(p, box, colour, 0.8);
            if (c.detail >= 1)
                fillRect(p, QRectF(box.center().x() - box.width() * 0.07, box.top(), box.width() * 0.14, box.height()),
                         shade(colour, 0.1));
            if (c.detail >= 2)
                fillRect(p, QRectF(box.left() + box.width() * 0.12, box.bottom() - box.height() * 0.4, box.width() * 0.26,
                                   box.height() * 0.26),
                         Qt::white, 0.4);
            if (c.detail >= 3) {
                for (int k = 0; k < 5; ++k)
                    fillRect(p, QRectF(box.left() + box.width() * (0.14 + k * 0.045), box.bottom() - box.height() * 0.34,
                                       box.width() * 0.022, box.height() * 0.15),
                             kGrey700);
            }
        }
    }
}

void drawRack(Canvas& c, const QRectF& rack, int bays)
{
    QPainter& p = c.p;
    const int levels = 3;
    const qreal levelH = (rack.height() - 6) / levels;
    const qreal bayW = rack.width() / bays;
    for (int l = 0; l < levels; ++l) {
        const qreal beamY = rack.top() + 6 + (l + 1) * levelH;
        for (int b = 0; b < bays; ++b) {
            const bool stocked = c.rng.below(6) != 0;
            const int columns = 2 + c.rng.below(2);
            if (stocked)
                drawBoxStack(c, QRectF(rack.left() + b * bayW + 6, beamY - levelH + 8, bayW - 12, levelH - 8), columns);
        }
        fillRect(p, QRectF(rack.left(), beamY - 1, rack.width(), 5), kIndigo);
        if (c.detail >= 2)
            fillRect(p, QRectF(rack.left(), beamY - 1, rack.width(), 1.2), tint(kIndigo, 0.35));
    }
    for (int b = 0; b <= bays; ++b) {
        const qreal x = rack.left() + b * bayW - 2;
        fillRect(p, QRectF(x, rack.top(), 4, rack.height()), kBlue);
        if (c.detail >= 2)
            for (qreal hy = rack.top() + 4; hy < rack.bottom() - 2; hy += 5)
                fillRect(p, QRectF(x + 1.4, hy, 1.2, 1.6), shade(kBlue, 0.35));
    }
    fillRect(p, QRectF(rack.left() - 3, rack.bottom() - 2, rack.width() + 6, 3), kGrey500);
}

void drawForklift(Canvas& c, const QPointF& ground, qreal s)
{
    QPainter& p = c.p;
    const qreal x = ground.x();
    const qreal y = ground.y();
    fillEllipse(p, QPointF(x + 8 * s, y), 40 * s, 3.5 * s, withAlpha(kGrey800, 45));
    // Mast and forks with a load.
    fillRect(p, QRectF(x - 30 * s, y - 66 * s, 4 * s, 64 * s), kGrey700);
    fillRect(p, QRectF(x - 24 * s, y - 66 * s, 4 * s, 64 * s), kGrey700);
    if (c.detail >= 2)
        for (int k = 0; k < 4; ++k)
            fillRect(p, QRectF(x - 30 * s, y - (60 - k * 15) * s, 10 * s, 1.4 * s), kGrey600);
    fillRect(p, QRectF(x - 62 * s, y - 12 * s, 38 * s, 3 * s), kGrey800);
    drawBoxStack(c, QRectF(x - 62 * s, y - 42 * s, 36 * s, 30 * s), 2);
    // Overhead guard and cab.
    fillRect(p, QRectF(x - 16 * s, y - 66 * s, 3 * s, 38 * s), kGrey800);
    fillRect(p, QRectF(x + 17 * s, y - 66 * s, 3 * s, 38 * s), kGrey800);
    fillRect(p, QRectF(x - 18 * s, y - 68 * s, 40 * s, 4 * s), kGrey800, 1);
    drawBust(c, QPointF(x + 2 * s, y - 42 * s), 16 * s, kMint);
    // Body.
    fillRect(p, QRectF(x - 22 * s, y - 32 * s, 52 * s, 24 * s), kCyan, 4 * s);
    fillRect(p, QRectF(x + 20 * s, y - 36 * s, 16 * s, 28 * s), kGrey600, 3 * s);
    if (c.detail >= 1)
        fillRect(p, QRectF(x - 18 * s, y - 26 * s, 34 * s, 3 * s), tint(kCyan, 0.5), 1);
    if (c.detail >= 2)
        drawText(p, QRectF(x - 20 * s, y - 22 * s, 38 * s, 10 * s), QStringLiteral("FL-03"), Qt::white, 7 * s, true);
    for (qreal wx : {-12.0, 22.0}) {
        fillEllipse(p, QPointF(x + wx * s, y - 6 * s), 8 * s, 8 * s, kGrey800);
        fillEllipse(p, QPointF(x + wx * s, y - 6 * s), 3.5 * s, 3.5 * s, kGrey400);
    }
    if (c.detail >= 1)
        fillEllipse(p, QPointF(x + 10 * s, y - 71 * s), 2.4 * s, 2.4 * s, kCyan);
}

} // namespace

void drawWarehouse(Canvas& c)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(0, 0, 320, 160), kGrey100);
    fillRect(p, QRectF(0, 0, 320, 22), kGrey200);
    for (int i = 0; i < 4; ++i)
        fillRect(p, QRectF(18 + i * 80, 4, 50, 10), QColor(0xd8, 0xf2, 0xfb), 1);
    if (c.detail >= 1) {
        for (int i = 0; i <= 16; ++i) {
            const qreal x = i * 20;
            strokeLine(p, QPointF(x, 22), QPointF(x + 10, 16), kGrey300, 1);
            strokeLine(p, QPointF(x + 10, 16), QPointF(x + 20, 22), kGrey300, 1);
        }
        strokeLine(p, QPointF(0, 16), QPointF(320, 16), kGrey300, 1);
    }
    strokeLine(p, QPointF(0, 22), QPointF(320, 22), kGrey300, 1.5);
    for (qreal x : {60.0, 160.0, 260.0}) {
        strokeLine(p, QPointF(x, 22), QPointF(x, 30), kGrey500, 0.7);
        fillPoly(p, QPolygonF({QPointF(x - 7, 36), QPointF(x - 3, 30), QPointF(x + 3, 30), QPointF(x + 7, 36)}), kGrey600);
        fillRect(p, QRectF(x - 6, 35.5, 12, 1.6), QColor(0xff, 0xfb, 0xe8));
    }
    // Loading door at the back.
    fillRect(p, QRectF(128, 64, 64, 96), kGrey300, 1);
    if (c.detail >= 1)
        for (qreal y = 68; y < 158; y += 5)
            fillRect(p, QRectF(130, y, 60, 1.2), kGrey400);
    fillRect(p, QRectF(124, 58, 72, 6), kGrey500);

    fillRect(p, QRectF(0, 160, 320, 80), QColor(0xdb, 0xdf, 0xe6));
    fillRect(p, QRectF(0, 158, 320, 3), kGrey400);
    // Walkway markings.
    fillRect(p, QRectF(0, 222, 320, 2.5), kCyan);
    fillRect(p, QRectF(0, 234, 320, 2.5), kCyan);
    if (c.detail >= 1)
        for (int h = 0; h < 26; ++h)
            fillPoly(p, QPolygonF({QPointF(h * 14, 224.5), QPointF(h * 14 + 6, 224.5), QPointF(h * 14 + 12, 234),
                                   QPointF(h * 14 + 6, 234)}),
                     withAlpha(kCyan, 90));

    drawRack(c, QRectF(6, 40, 116, 140), 2);
    drawRack(c, QRectF(198, 40, 116, 140), 2);

    drawBoxStack(c, QRectF(262, 186, 48, 32), 3);
    drawForklift(c, QPointF(164, 218), 1.05);
    drawPerson(c, QPointF(246, 232), 62, kMint, kGrey700);
    if (c.detail >= 1) {
        // Reflective stripes on the worker's vest.
        fillRect(p, QRectF(246 - 62 * 0.16, 232 - 62 * 0.7, 62 * 0.32, 1.6), withAlpha(Qt::white, 210));
    }
}

} // namespace SceneDrawing
