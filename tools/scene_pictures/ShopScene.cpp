#include "Scenes.h"

namespace SceneDrawing {

namespace {

void drawShelfUnit(Canvas& c, const QRectF& unit)
{
    QPainter& p = c.p;
    const std::vector<QColor> goods = {kIndigo, kCyan, kMint, kBlue, tint(kIndigo, 0.45), tint(kBlue, 0.5),
                                       tint(kCyan, 0.5), kGrey400, Qt::white};
    fillRect(p, unit, kGrey200, 1);
    fillRect(p, QRectF(unit.left(), unit.top(), unit.width(), 8), kIndigo, 1);
    if (c.detail >= 1)
        fillRect(p, QRectF(unit.left() + 6, unit.top() + 3, unit.width() - 12, 2), tint(kIndigo, 0.5));
    const int shelves = 4;
    const qreal spacing = (unit.height() - 10) / shelves;
    for (int s = 1; s <= shelves; ++s) {
        const qreal boardY = unit.top() + 8 + s * spacing;
        qreal x = unit.left() + 4;
        while (x < unit.right() - 6) {
            const qreal w = c.rng.between(5, 11);
            const qreal h = c.rng.between(spacing * 0.42, spacing * 0.8);
            const QColor col = c.rng.pick(goods);
            const bool bottle = c.rng.below(4) == 0;
            const qreal gap = c.rng.between(0.8, 2.0);
            if (x + w > unit.right() - 4)
                break;
            if (bottle) {
                fillRect(p, QRectF(x + w * 0.32, boardY - h - 3, w * 0.36, 4), shade(col, 0.2), 1);
                fillRect(p, QRectF(x, boardY - h, w, h), col, w * 0.3);
            } else {
                fillRect(p, QRectF(x, boardY - h, w, h), col, 0.8);
            }
            if (c.detail >= 1)
                fillRect(p, QRectF(x, boardY - h * 0.62, w, h * 0.22), withAlpha(Qt::white, 120));
            if (c.detail >= 3)
                fillRect(p, QRectF(x + w * 0.2, boardY - h * 0.56, w * 0.6, 0.8), withAlpha(kGrey700, 150));
            x += w + gap;
        }
        fillRect(p, QRectF(unit.left(), boardY, unit.width(), 3.5), kGrey400);
        if (c.detail >= 2) {
            for (qreal tx = unit.left() + 8; tx < unit.right() - 8; tx += 22)
                fillRect(p, QRectF(tx, boardY + 0.6, 7, 2.6), Qt::white, 0.4);
        }
    }
    fillRect(p, QRectF(unit.left(), unit.top(), 3, unit.height()), kGrey400);
    fillRect(p, QRectF(unit.right() - 3, unit.top(), 3, unit.height()), kGrey400);
    fillRect(p, QRectF(unit.left(), unit.bottom() - 4, unit.width(), 4), kGrey500);
}

} // namespace

void drawShop(Canvas& c)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(0, 0, 320, 170), QColor(0xf3, 0xf5, 0xf9));
    fillRect(p, QRectF(0, 0, 320, 14), kGrey50);
    strokeLine(p, QPointF(0, 14), QPointF(320, 14), kGrey200, 1);
    for (int i = 0; i < 3; ++i)
        fillRect(p, QRectF(30 + i * 100, 5, 60, 4), Qt::white, 2);

    fillRect(p, QRectF(0, 168, 320, 72), QColor(0xe5, 0xe8, 0xee));
    if (c.detail >= 1) {
        p.save();
        p.setClipRect(QRectF(0, 170, 320, 70));
        for (int i = -10; i <= 10; ++i)
            strokeLine(p, QPointF(160, 90), QPointF(160 + i * 40, 240), kGrey200, 0.8);
        for (qreal y : {178.0, 192.0, 212.0, 238.0})
            strokeLine(p, QPointF(0, y), QPointF(320, y), kGrey200, 0.8);
        p.restore();
    }

    drawShelfUnit(c, QRectF(8, 36, 92, 134));
    drawShelfUnit(c, QRectF(104, 36, 92, 134));

    // Hanging sale sign.
    strokeLine(p, QPointF(232, 14), QPointF(232, 26), kGrey500, 0.8);
    strokeLine(p, QPointF(288, 14), QPointF(288, 26), kGrey500, 0.8);
    fillRect(p, QRectF(222, 26, 76, 20), kCyan, 3);
    drawText(p, QRectF(222, 26, 76, 20), QStringLiteral("SALE -30%"), Qt::white, 10, true);

    // Counter with till and cashier.
    fillRect(p, QRectF(214, 64, 96, 60), Qt::white, 2);
    fillRect(p, QRectF(214, 64, 96, 12), kBlue, 2);
    if (c.detail >= 1)
        drawText(p, QRectF(214, 64, 96, 12), QStringLiteral("CHECKOUT"), Qt::white, 7, true);
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 4; ++k)
            fillRect(p, QRectF(220 + k * 22, 82 + r * 20, 18, 16), c.detail >= 2 ? tint(kMint, 0.2) : tint(kMint, 0.35), 1.5);
    drawBust(c, QPointF(276, 130), 30, kMint);
    fillRect(p, QRectF(228, 134, 24, 12), kGrey700, 1.5);
    fillRect(p, QRectF(231, 121, 18, 13), kGrey800, 1.5);
    fillRect(p, QRectF(233, 123, 14, 9), kCyan);
    if (c.detail >= 2) {
        fillRect(p, QRectF(256, 140, 7, 10), kGrey700, 1);
        fillRect(p, QRectF(257, 141, 5, 3), kMint);
    }
    fillRect(p, QRectF(206, 144, 110, 6), kIndigo, 1);
    fillRect(p, QRectF(210, 150, 102, 46), Qt::white);
    fillRect(p, QRectF(210, 166, 102, 6), kBlue);
    fillRect(p, QRectF(210, 192, 102, 4), kGrey300);
    if (c.detail >= 1) {
        fillRect(p, QRectF(216, 156, 40, 6), kGrey200, 1);
        fillRect(p, QRectF(270, 154, 36, 9), tint(kCyan, 0.6), 1);
    }

    // Customers.
    drawPerson(c, QPointF(60, 214), 74, kBlue, kGrey700);
    drawPerson(c, QPointF(160, 226), 82, kIndigo, kGrey600);
    // Basket in the customer's hand.
    fillRect(p, QRectF(170, 180, 20, 12), kCyan, 2);
    if (c.detail >= 1)
        for (int g = 0; g < 3; ++g)
            fillRect(p, QRectF(172.5 + g * 6, 182.5, 3.5, 7), withAlpha(Qt::white, 120), 0.6);
    strokeLine(p, QPointF(172, 180), QPointF(180, 172), kGrey700, 1.2);
    strokeLine(p, QPointF(188, 180), QPointF(180, 172), kGrey700, 1.2);
    drawPerson(c, QPointF(240, 232), 80, kGrey500, kGrey700);
}

} // namespace SceneDrawing
