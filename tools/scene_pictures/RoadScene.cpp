#include "Scenes.h"

#include <algorithm>

namespace SceneDrawing {

namespace {

// A car seen from the front (headlights) or the back (tail lights);
// `bottom` is the middle of its contact line with the road, w its width.
void drawCarFacing(Canvas& c, const QPointF& bottom, qreal w, const QColor& body, bool front, const QString& plate)
{
    QPainter& p = c.p;
    const qreal x = bottom.x();
    const qreal y = bottom.y();
    fillEllipse(p, QPointF(x, y), w * 0.56, w * 0.06, withAlpha(kGrey800, 50));
    fillRect(p, QRectF(x - w * 0.44, y - w * 0.13, w * 0.17, w * 0.13), kGrey800, w * 0.03);
    fillRect(p, QRectF(x + w * 0.27, y - w * 0.13, w * 0.17, w * 0.13), kGrey800, w * 0.03);
    QPolygonF cabin;
    cabin << QPointF(x - w * 0.40, y - w * 0.40) << QPointF(x - w * 0.30, y - w * 0.66)
          << QPointF(x + w * 0.30, y - w * 0.66) << QPointF(x + w * 0.40, y - w * 0.40);
    fillPoly(p, cabin, shade(body, 0.12));
    QPolygonF glass;
    glass << QPointF(x - w * 0.35, y - w * 0.41) << QPointF(x - w * 0.27, y - w * 0.62)
          << QPointF(x + w * 0.27, y - w * 0.62) << QPointF(x + w * 0.35, y - w * 0.41);
    fillPoly(p, glass, kGlass);
    if (c.detail >= 2) {
        QPolygonF glare;
        glare << QPointF(x - w * 0.22, y - w * 0.41) << QPointF(x - w * 0.12, y - w * 0.62)
              << QPointF(x - w * 0.04, y - w * 0.62) << QPointF(x - w * 0.14, y - w * 0.41);
        fillPoly(p, glare, withAlpha(Qt::white, 45));
    }
    fillRect(p, QRectF(x - w * 0.5, y - w * 0.42, w, w * 0.32), body, w * 0.07);
    fillRect(p, QRectF(x - w * 0.47, y - w * 0.16, w * 0.94, w * 0.05), shade(body, 0.25), w * 0.02);
    const QColor lamp = front ? QColor(0xff, 0xfb, 0xe8) : kTailLight;
    fillRect(p, QRectF(x - w * 0.45, y - w * 0.36, w * 0.16, w * 0.08), lamp, w * 0.03);
    fillRect(p, QRectF(x + w * 0.29, y - w * 0.36, w * 0.16, w * 0.08), lamp, w * 0.03);
    if (front && c.detail >= 1) {
        for (int i = 0; i < 3; ++i)
            fillRect(p, QRectF(x - w * 0.17, y - w * (0.36 - i * 0.035), w * 0.34, w * 0.018), shade(body, 0.35));
    }
    if (c.detail >= 1) {
        fillRect(p, QRectF(x - w * 0.14, y - w * 0.25, w * 0.28, w * 0.09), Qt::white, w * 0.01);
        if (c.detail >= 3 && w > 36)
            drawText(p, QRectF(x - w * 0.14, y - w * 0.25, w * 0.28, w * 0.09), plate, kGrey800, w * 0.075, true);
        else if (c.detail >= 2)
            fillRect(p, QRectF(x - w * 0.1, y - w * 0.215, w * 0.2, w * 0.025), kGrey500);
    }
    fillRect(p, QRectF(x - w * 0.56, y - w * 0.44, w * 0.08, w * 0.05), shade(body, 0.2), w * 0.015);
    fillRect(p, QRectF(x + w * 0.48, y - w * 0.44, w * 0.08, w * 0.05), shade(body, 0.2), w * 0.015);
}

struct RoadView
{
    static constexpr qreal horizon = 80;
    static qreal y(qreal t) { return horizon + (240 - horizon) * t; }
    static qreal halfWidth(qreal t) { return 12 + 228 * t; }
    static qreal x(qreal u, qreal t) { return 160 + u * halfWidth(t); }
    // Depth along the road (0 at the bottom edge) to screen position.
    static qreal tAt(qreal z) { return 1.0 / (1.0 + z * 0.4); }
};

void drawStreetLight(Canvas& c, qreal u, qreal t)
{
    QPainter& p = c.p;
    const qreal baseX = RoadView::x(u, t);
    const qreal baseY = RoadView::y(t);
    const qreal h = 150 * t + 8;
    const qreal poleW = std::max(1.0, 3.4 * t);
    const qreal towardsRoad = u < 0 ? 1 : -1;
    fillRect(p, QRectF(baseX - poleW / 2, baseY - h, poleW, h), kGrey600);
    const qreal armLen = 42 * t + 3;
    const QPointF armEnd(baseX + towardsRoad * armLen, baseY - h - 4 * t);
    strokeLine(p, QPointF(baseX, baseY - h), armEnd, kGrey600, poleW * 0.8);
    const QRectF head(armEnd.x() - 9 * t - 2, armEnd.y() - 1, 18 * t + 4, 4.5 * t + 1.5);
    if (c.detail >= 2)
        fillEllipse(p, QPointF(head.center().x(), head.bottom() + 6 * t), 16 * t + 3, 10 * t + 2, withAlpha(kCyan, 40));
    fillRect(p, head, kGrey700, 2 * t + 0.5);
    fillRect(p, QRectF(head.left() + head.width() * 0.15, head.bottom() - 1.3 * t - 0.4, head.width() * 0.7, 1.3 * t + 0.6),
             tint(kCyan, 0.35));
}

} // namespace

void drawRoad(Canvas& c)
{
    QPainter& p = c.p;
    const qreal hz = RoadView::horizon;
    fillRect(p, QRectF(0, 0, 320, hz), QColor(0xe2, 0xf5, 0xfd));
    for (const QPointF& cloud : {QPointF(58, 26), QPointF(238, 18), QPointF(170, 40)}) {
        fillEllipse(p, cloud, 18, 6, Qt::white);
        fillEllipse(p, cloud + QPointF(-8, -4), 9, 7, Qt::white);
        fillEllipse(p, cloud + QPointF(6, -6), 10, 8, Qt::white);
    }
    // Distant town on the horizon.
    qreal bx = 0;
    while (bx < 320) {
        const qreal bw = c.rng.between(8, 22);
        const qreal bh = c.rng.between(6, 26);
        const QRectF b(bx, hz - bh, bw, bh);
        fillRect(p, b, c.rng.below(2) ? QColor(0xc9, 0xe5, 0xf2) : QColor(0xb8, 0xdc, 0xee));
        if (c.detail >= 2) {
            for (qreal wy = b.top() + 3; wy < b.bottom() - 2; wy += 4)
                for (qreal wx = b.left() + 2; wx < b.right() - 2; wx += 3.5)
                    fillRect(p, QRectF(wx, wy, 1.4, 1.6), withAlpha(Qt::white, 150));
        }
        bx += bw + c.rng.between(0, 6);
    }
    fillRect(p, QRectF(0, hz, 320, 240 - hz), QColor(0xd3, 0xf1, 0xe3));
    if (c.detail >= 1) {
        for (int i = 1; i < 6; ++i) {
            const qreal y = RoadView::y(RoadView::tAt(i * 2.0));
            strokeLine(p, QPointF(0, y), QPointF(320, y), QColor(0xc4, 0xeb, 0xd8), 0.8);
        }
    }

    // Trees and lamps behind the road's far shoulder first, then the road.
    for (qreal z : {9.0, 5.0, 2.6, 1.0}) {
        const qreal t = RoadView::tAt(z);
        drawTree(c, QPointF(RoadView::x(-1.55, t), RoadView::y(t)), 60 * t + 6);
        drawTree(c, QPointF(RoadView::x(1.55, t), RoadView::y(t)), 60 * t + 6);
    }

    QPolygonF road;
    road << QPointF(RoadView::x(-1.08, 0), hz) << QPointF(RoadView::x(1.08, 0), hz)
         << QPointF(RoadView::x(1.08, 1), 240) << QPointF(RoadView::x(-1.08, 1), 240);
    fillPoly(p, road, QColor(0xa4, 0xab, 0xb8));
    auto roadLine = [&](qreal u, qreal t0, qreal t1, qreal halfW, const QColor& col) {
        QPolygonF strip;
        strip << QPointF(RoadView::x(u, t0) - halfW * RoadView::halfWidth(t0), RoadView::y(t0))
              << QPointF(RoadView::x(u, t0) + halfW * RoadView::halfWidth(t0), RoadView::y(t0))
              << QPointF(RoadView::x(u, t1) + halfW * RoadView::halfWidth(t1), RoadView::y(t1))
              << QPointF(RoadView::x(u, t1) - halfW * RoadView::halfWidth(t1), RoadView::y(t1));
        fillPoly(p, strip, col);
    };
    roadLine(-1.0, 0, 1, 0.012, Qt::white);
    roadLine(1.0, 0, 1, 0.012, Qt::white);
    roadLine(-0.018, 0, 1, 0.008, Qt::white);
    roadLine(0.018, 0, 1, 0.008, Qt::white);
    for (int i = 0; i < 40; ++i) {
        const qreal t0 = RoadView::tAt(i * 1.0 + 0.5);
        const qreal t1 = RoadView::tAt(i * 1.0);
        roadLine(-0.5, t0, t1, 0.01, withAlpha(Qt::white, 235));
        roadLine(0.5, t0, t1, 0.01, withAlpha(Qt::white, 235));
    }
    if (c.detail >= 1) {
        // Zebra crossing close to the camera.
        for (int s = 0; s < 11; ++s) {
            const qreal u = -0.95 + s * 0.18;
            QPolygonF stripe;
            const qreal t0 = 0.9;
            const qreal t1 = 0.985;
            stripe << QPointF(RoadView::x(u, t0), RoadView::y(t0)) << QPointF(RoadView::x(u + 0.1, t0), RoadView::y(t0))
                   << QPointF(RoadView::x(u + 0.1, t1), RoadView::y(t1)) << QPointF(RoadView::x(u, t1), RoadView::y(t1));
            fillPoly(p, stripe, withAlpha(Qt::white, 230));
        }
    }
    if (c.detail >= 2) {
        // Worn tyre tracks in each lane.
        for (qreal u : {-0.82, -0.68, -0.32, -0.18, 0.18, 0.32, 0.68, 0.82})
            roadLine(u, 0, 0.88, 0.02, withAlpha(kGrey500, 40));
    }

    struct Car
    {
        qreal u;
        qreal z;
        QColor colour;
        bool towards;
        QString plate;
    };
    std::vector<Car> cars = {
        {-0.75, 0.55, kIndigo, true, QStringLiteral("V 4821")},  {-0.25, 2.4, Qt::white, true, QStringLiteral("K 3307")},
        {-0.75, 6.5, kCyan, true, QStringLiteral("R 1150")},      {0.25, 1.3, kBlue, false, QStringLiteral("M 7742")},
        {0.75, 3.6, kGrey300, false, QStringLiteral("T 9015")},   {0.25, 8.0, kMint, false, QStringLiteral("L 2268")},
    };
    std::sort(cars.begin(), cars.end(), [](const Car& a, const Car& b) { return a.z > b.z; });
    for (const Car& car : cars) {
        const qreal t = RoadView::tAt(car.z);
        const qreal w = 0.34 * RoadView::halfWidth(t);
        drawCarFacing(c, QPointF(RoadView::x(car.u, t), RoadView::y(t)), w,
                      car.colour == Qt::white ? QColor(0xf6, 0xf7, 0xf9) : car.colour, car.towards, car.plate);
    }

    for (qreal z : {7.5, 3.8, 1.6, 0.2}) {
        const qreal t = RoadView::tAt(z);
        drawStreetLight(c, -1.2, t);
        drawStreetLight(c, 1.2, t);
    }

    if (c.detail >= 1) {
        // Lane sign on the right verge.
        const qreal t = RoadView::tAt(2.0);
        const qreal x = RoadView::x(1.35, t);
        const qreal y = RoadView::y(t);
        fillRect(p, QRectF(x - 1, y - 44, 2, 44), kGrey600);
        fillRect(p, QRectF(x - 12, y - 58, 24, 16), kBlue, 2);
        for (int a = 0; a < 2; ++a) {
            const qreal ax = x - 5 + a * 10;
            strokeLine(p, QPointF(ax, y - 45), QPointF(ax, y - 54), Qt::white, 1.4);
            fillPoly(p, QPolygonF({QPointF(ax - 2.5, y - 52.5), QPointF(ax + 2.5, y - 52.5), QPointF(ax, y - 56)}),
                     Qt::white);
        }
    }
}

} // namespace SceneDrawing
