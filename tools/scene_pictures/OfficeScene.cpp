#include "Scenes.h"

#include <cmath>

namespace SceneDrawing {

namespace {

void drawPlant(Canvas& c, const QPointF& potBottom, qreal size)
{
    QPainter& p = c.p;
    const QColor leafDark(0x6f, 0xcf, 0xa4);
    const qreal x = potBottom.x();
    const qreal y = potBottom.y();
    const std::vector<QPointF> leaves = {{-0.28, -0.95}, {0.25, -1.0}, {0.0, -1.25}, {-0.38, -0.62},
                                         {0.36, -0.66}, {0.12, -0.9}, {-0.12, -1.05}};
    int i = 0;
    for (const QPointF& l : leaves)
        fillEllipse(p, QPointF(x + l.x() * size, y - size * 0.35 + l.y() * size * 0.6), size * 0.22, size * 0.32,
                    (i++ % 2) ? kMint : leafDark);
    QPolygonF pot;
    pot << QPointF(x - size * 0.3, y - size * 0.42) << QPointF(x + size * 0.3, y - size * 0.42)
        << QPointF(x + size * 0.22, y) << QPointF(x - size * 0.22, y);
    fillPoly(p, pot, kGrey500);
    if (c.detail >= 1)
        fillRect(p, QRectF(x - size * 0.3, y - size * 0.42, size * 0.6, size * 0.07), kGrey600);
}

} // namespace

void drawOffice(Canvas& c)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(0, 0, 320, 152), kGrey100);
    fillRect(p, QRectF(0, 0, 320, 18), kGrey50);
    strokeLine(p, QPointF(0, 18), QPointF(320, 18), kGrey200, 1);
    for (int i = 0; i < 4; ++i) {
        const qreal x = 22 + i * 76;
        fillRect(p, QRectF(x, 7, 48, 5), Qt::white, 2);
        if (c.detail >= 1)
            fillRect(p, QRectF(x + 2, 12, 44, 1.2), withAlpha(kCyan, 60));
    }

    // Windows onto the city.
    for (int w = 0; w < 3; ++w) {
        const QRectF frame(16 + w * 84, 30, 76, 72);
        fillRect(p, frame, kGrey300, 2);
        const QRectF sky = frame.adjusted(3, 3, -3, -3);
        fillRect(p, sky, QColor(0xdc, 0xf4, 0xfc));
        p.save();
        p.setClipRect(sky);
        qreal bx = sky.left() - 4;
        while (bx < sky.right()) {
            const qreal bw = c.rng.between(10, 20);
            const qreal bh = c.rng.between(18, 48);
            const bool far = c.rng.below(2) == 0;
            const QRectF b(bx, sky.bottom() - bh, bw, bh);
            fillRect(p, b, far ? QColor(0xc4, 0xe6, 0xf4) : QColor(0xaa, 0xd6, 0xef));
            if (c.detail >= 2) {
                for (qreal wy = b.top() + 4; wy < b.bottom() - 3; wy += 5)
                    for (qreal wx = b.left() + 2.5; wx < b.right() - 2.5; wx += 4.5)
                        fillRect(p, QRectF(wx, wy, 2, 2.2), withAlpha(Qt::white, 150));
            }
            bx += bw + c.rng.between(1, 5);
        }
        p.restore();
        if (c.detail >= 2) {
            for (int s = 0; s < 5; ++s)
                fillRect(p, QRectF(sky.left(), sky.top() + s * 2.6, sky.width(), 1.5), withAlpha(kGrey300, 190));
        }
        fillRect(p, QRectF(frame.center().x() - 1, frame.top(), 2, frame.height()), kGrey300);
        if (c.detail >= 1)
            fillRect(p, QRectF(frame.left(), frame.top() + 42, frame.width(), 2), kGrey300);
        fillRect(p, QRectF(frame.left() - 2, frame.bottom() - 1, frame.width() + 4, 4), kGrey200, 1);
    }

    // Door and clock on the right-hand wall.
    fillRect(p, QRectF(272, 46, 38, 106), tint(kIndigo, 0.55), 1.5);
    fillRect(p, QRectF(275, 49, 32, 103), tint(kIndigo, 0.45));
    fillRect(p, QRectF(300, 98, 4, 9), kGrey600, 1);
    if (c.detail >= 2)
        fillRect(p, QRectF(281, 56, 20, 30), tint(kIndigo, 0.62), 1);
    fillEllipse(p, QPointF(291, 32), 8.5, 8.5, Qt::white);
    p.setPen(QPen(kGrey400, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(291, 32), 8.5, 8.5);
    strokeLine(p, QPointF(291, 32), QPointF(291, 26.5), kGrey700, 1.1);
    strokeLine(p, QPointF(291, 32), QPointF(295, 33.5), kGrey700, 1.1);
    if (c.detail >= 3) {
        for (int h = 0; h < 12; ++h) {
            const double a = h * M_PI / 6;
            strokeLine(p, QPointF(291 + std::sin(a) * 6.8, 32 - std::cos(a) * 6.8),
                       QPointF(291 + std::sin(a) * 7.8, 32 - std::cos(a) * 7.8), kGrey500, 0.6);
        }
    }

    // Floor with its carpet tiles.
    fillRect(p, QRectF(0, 150, 320, 90), QColor(0xe0, 0xe4, 0xeb));
    fillRect(p, QRectF(0, 148, 320, 3), kGrey300);
    if (c.detail >= 1) {
        p.save();
        p.setClipRect(QRectF(0, 151, 320, 89));
        for (int i = -8; i <= 8; ++i)
            strokeLine(p, QPointF(160, 70), QPointF(160 + i * 48, 240 + 0), QColor(0xd4, 0xd9, 0xe2), 0.8);
        for (qreal y : {160.0, 174.0, 193.0, 219.0})
            strokeLine(p, QPointF(0, y), QPointF(320, y), QColor(0xd4, 0xd9, 0xe2), 0.8);
        p.restore();
    }

    // Back row of desks, people facing the camera.
    for (int d = 0; d < 3; ++d) {
        const qreal x = 30 + d * 84;
        const qreal w = 62;
        const bool occupied = d != 1;
        fillRect(p, QRectF(x + w / 2 + 8, 106, 22, 24), kIndigo, 5);
        if (occupied)
            drawBust(c, QPointF(x + w / 2 + 19, 118), 20, d == 0 ? kMint : kCyan);
        fillRect(p, QRectF(x + w / 2 - 4, 118, 3, 10), kGrey600);
        fillRect(p, QRectF(x + w / 2 - 17, 98, 30, 21), kGrey800, 1.5);
        fillRect(p, QRectF(x + w / 2 - 15, 100, 26, 17), kBlue);
        if (c.detail >= 1) {
            for (int l = 0; l < 4; ++l)
                fillRect(p, QRectF(x + w / 2 - 13, 102.5 + l * 3.5, 8 + (l * 7 % 13), 1.6),
                         l % 2 ? kMint : withAlpha(Qt::white, 200));
        }
        QPolygonF top;
        top << QPointF(x, 127) << QPointF(x + w, 127) << QPointF(x + w + 5, 133) << QPointF(x - 5, 133);
        fillPoly(p, top, Qt::white);
        fillRect(p, QRectF(x - 5, 133, w + 10, 15), kGrey300);
        fillRect(p, QRectF(x - 5, 133, w + 10, 2), kGrey400);
    }

    // Front row: two desks close to the camera.
    const std::vector<qreal> deskX = {26, 186};
    for (size_t d = 0; d < deskX.size(); ++d) {
        const qreal x = deskX.at(d);
        const qreal w = 108;
        fillRect(p, QRectF(x + 66, 150, 30, 34), kIndigo, 7);
        if (d == 0)
            drawBust(c, QPointF(x + 81, 158), 36, kMint);
        else
            fillRect(p, QRectF(x + 66, 176, 30, 8), shade(kIndigo, 0.2), 3);
        // Monitor(s)
        const int screens = d == 0 ? 1 : 2;
        for (int s = 0; s < screens; ++s) {
            const qreal mx = x + 8 + s * 46;
            fillRect(p, QRectF(mx + 19, 174, 6, 10), kGrey600);
            fillRect(p, QRectF(mx + 11, 183, 22, 2.5), kGrey600, 1);
            fillRect(p, QRectF(mx, 143, 44, 32), kGrey800, 2);
            const QRectF screen(mx + 2.5, 145.5, 39, 27);
            fillRect(p, screen, s == 0 ? kBlue : kCyan);
            if (c.detail >= 1) {
                fillRect(p, QRectF(screen.left(), screen.top(), screen.width(), 4), shade(s == 0 ? kBlue : kCyan, 0.2));
                for (int l = 0; l < 5; ++l)
                    fillRect(p, QRectF(screen.left() + 3 + (l % 2) * 4, screen.top() + 7 + l * 3.8,
                                       10 + (l * 11 % 19), 1.8),
                             l == 2 ? kMint : withAlpha(Qt::white, 210));
            }
            if (c.detail >= 3) {
                fillRect(p, QRectF(screen.right() - 12, screen.top() + 8, 9, 14), withAlpha(Qt::white, 90), 1);
                for (int b = 0; b < 3; ++b)
                    fillRect(p, QRectF(screen.right() - 10.5 + b * 2.8, screen.top() + 18 - b * 3, 1.8, 2.5 + b * 3),
                             kMint);
            }
        }
        QPolygonF top;
        top << QPointF(x, 183) << QPointF(x + w, 183) << QPointF(x + w + 9, 193) << QPointF(x - 9, 193);
        fillPoly(p, top, Qt::white);
        fillRect(p, QRectF(x - 9, 193, w + 18, 26), kGrey300);
        fillRect(p, QRectF(x - 9, 193, w + 18, 3), kGrey400);
        fillEllipse(p, QPointF(x + w / 2, 221), w * 0.62, 3, withAlpha(kGrey800, 30));
        if (c.detail >= 1) {
            fillRect(p, QRectF(x + 16, 186, 32, 4), kGrey300, 1);
            fillRect(p, QRectF(x + 54, 186, 6, 5), kGrey400, 2.5);
            fillRect(p, QRectF(x + w - 26, 185, 18, 6), tint(kBlue, 0.7), 0.5);
        }
        if (c.detail >= 2) {
            fillRect(p, QRectF(x + 2, 182, 7, 8), Qt::white, 1);
            fillRect(p, QRectF(x + 2, 182, 7, 2), kCyan);
            p.setPen(QPen(kGrey300, 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(x + 2, 182, 7, 8), 1, 1);
        }
        if (c.detail >= 3) {
            for (int k = 0; k < 9; ++k)
                fillRect(p, QRectF(x + 17.5 + k * 3.3, 187, 2.2, 1.2), kGrey500);
        }
    }

    drawPlant(c, QPointF(14, 236), 22);
    drawPerson(c, QPointF(160, 232), 72, kCyan, kGrey700);
}

} // namespace SceneDrawing
