#include "Scenes.h"

namespace SceneDrawing {

namespace {

// A car seen from above, drawn around the origin with its front pointing up
// (negative y); the caller moves and turns the painter.
void drawCarTop(Canvas& c, qreal w, qreal len, const QColor& body)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(-w / 2 - 1.2, -len * 0.36, w + 2.4, len * 0.16), kGrey800, 1.5);
    fillRect(p, QRectF(-w / 2 - 1.2, len * 0.2, w + 2.4, len * 0.16), kGrey800, 1.5);
    fillRect(p, QRectF(-w / 2, -len / 2, w, len), body, w * 0.28);
    QPolygonF windscreen;
    windscreen << QPointF(-w * 0.40, -len * 0.17) << QPointF(-w * 0.33, -len * 0.30)
               << QPointF(w * 0.33, -len * 0.30) << QPointF(w * 0.40, -len * 0.17);
    fillPoly(p, windscreen, kGlass);
    QPolygonF rear;
    rear << QPointF(-w * 0.38, len * 0.26) << QPointF(-w * 0.32, len * 0.34)
         << QPointF(w * 0.32, len * 0.34) << QPointF(w * 0.38, len * 0.26);
    fillPoly(p, rear, kGlass);
    fillRect(p, QRectF(-w * 0.40, -len * 0.17, w * 0.80, len * 0.43), tint(body, 0.22), w * 0.12);
    fillRect(p, QRectF(-w / 2 - w * 0.12, -len * 0.2, w * 0.14, len * 0.05), shade(body, 0.25), 1);
    fillRect(p, QRectF(w / 2 - w * 0.02, -len * 0.2, w * 0.14, len * 0.05), shade(body, 0.25), 1);
    if (c.detail >= 2) {
        fillRect(p, QRectF(-w * 0.42, -len * 0.49, w * 0.22, len * 0.04), QColor(0xff, 0xfb, 0xe8), 1);
        fillRect(p, QRectF(w * 0.20, -len * 0.49, w * 0.22, len * 0.04), QColor(0xff, 0xfb, 0xe8), 1);
        fillRect(p, QRectF(-w * 0.42, len * 0.45, w * 0.18, len * 0.035), kTailLight, 1);
        fillRect(p, QRectF(w * 0.24, len * 0.45, w * 0.18, len * 0.035), kTailLight, 1);
    }
    if (c.detail >= 3) {
        // Roof bars and the bonnet line that only a crisp picture shows.
        strokeLine(p, QPointF(-w * 0.28, -len * 0.12), QPointF(-w * 0.28, len * 0.2), shade(body, 0.2), 0.6);
        strokeLine(p, QPointF(w * 0.28, -len * 0.12), QPointF(w * 0.28, len * 0.2), shade(body, 0.2), 0.6);
        strokeLine(p, QPointF(0, -len * 0.46), QPointF(0, -len * 0.33), shade(body, 0.15), 0.5);
    }
}

} // namespace

void drawParkingLot(Canvas& c)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(0, 0, 320, 40), QColor(0xe2, 0xf5, 0xfd));
    // Building behind the lot.
    fillRect(p, QRectF(36, 6, 190, 34), kGrey200);
    fillRect(p, QRectF(36, 6, 190, 4), kGrey300);
    for (int col = 0; col < 12; ++col)
        for (int row = 0; row < 2; ++row)
            fillRect(p, QRectF(44 + col * 15.2, 14 + row * 11, 9, 7), c.detail >= 1 ? tint(kCyan, 0.55) : tint(kCyan, 0.7));
    fillRect(p, QRectF(120, 28, 22, 12), kGrey700);
    if (c.detail >= 2)
        fillRect(p, QRectF(121, 29, 20, 11), kGlass);
    for (int t = 0; t < 12; ++t) {
        const qreal x = 6 + t * 28 + c.rng.between(-4, 4);
        const qreal size = c.rng.between(18, 26);
        if (x > 30 && x < 232)
            continue;
        drawTree(c, QPointF(x, 44), size);
    }
    fillRect(p, QRectF(0, 38, 320, 8), QColor(0xc8, 0xee, 0xdc));
    fillRect(p, QRectF(0, 44, 320, 196), QColor(0xbe, 0xc4, 0xce));
    fillRect(p, QRectF(0, 44, 320, 2.5), kGrey300);

    // Two rows of bays, the near row larger.
    struct Row
    {
        qreal top;
        qreal depth;
        qreal bayWidth;
        qreal left;
        int bays;
        bool frontUp;
        QChar letter;
    };
    const std::vector<Row> rows = {{52, 52, 36, 16, 8, false, QLatin1Char('A')},
                                   {158, 78, 50, 10, 6, true, QLatin1Char('B')}};
    const std::vector<QColor> carColours = {kIndigo, kBlue, Qt::white, kCyan, kGrey400, kMint, kGrey600};
    for (const Row& row : rows) {
        int number = 1;
        const qreal lineW = row.bayWidth / 22.0;
        const qreal back = row.frontUp ? row.top + row.depth : row.top;
        strokeLine(p, QPointF(row.left, back), QPointF(row.left + row.bays * row.bayWidth, back), Qt::white, lineW);
        for (int b = 0; b <= row.bays; ++b) {
            const qreal x = row.left + b * row.bayWidth;
            strokeLine(p, QPointF(x, row.top), QPointF(x, row.top + row.depth), Qt::white, lineW);
        }
        for (int b = 0; b < row.bays; ++b) {
            const qreal x = row.left + b * row.bayWidth;
            const bool parked = c.rng.below(5) != 0;
            const QColor colour = c.rng.pick(carColours);
            const qreal offset = c.rng.between(-1.5, 1.5);
            if (c.detail >= 1) {
                const qreal stopY = row.frontUp ? row.top + row.depth - row.depth * 0.1 : row.top + row.depth * 0.06;
                fillRect(p, QRectF(x + row.bayWidth * 0.3, stopY, row.bayWidth * 0.4, row.depth * 0.04), kGrey300, 1);
            }
            if (c.detail >= 2) {
                const QString label = QStringLiteral("%1%2").arg(row.letter).arg(number, 2, 10, QLatin1Char('0'));
                const qreal ly = row.frontUp ? row.top + 2 : row.top + row.depth + 2;
                drawText(p, QRectF(x, ly, row.bayWidth, 8), label, withAlpha(Qt::white, 230), row.bayWidth * 0.17, true);
            }
            ++number;
            if (!parked)
                continue;
            p.save();
            p.translate(x + row.bayWidth / 2 + offset, row.top + row.depth / 2 + (row.frontUp ? 2 : -2));
            if (!row.frontUp)
                p.rotate(180);
            fillEllipse(p, QPointF(1.5, 2), row.bayWidth * 0.36, row.depth * 0.45, withAlpha(kGrey800, 35));
            drawCarTop(c, row.bayWidth * 0.62, row.depth * 0.8, colour == Qt::white ? QColor(0xf6, 0xf7, 0xf9) : colour);
            p.restore();
        }
    }

    // Aisle: arrows, a car looking for a bay, a pedestrian.
    if (c.detail >= 1) {
        for (qreal x : {40.0, 150.0, 262.0}) {
            strokeLine(p, QPointF(x, 131), QPointF(x + 22, 131), withAlpha(Qt::white, 220), 2.2);
            fillPoly(p, QPolygonF({QPointF(x + 22, 126.5), QPointF(x + 29, 131), QPointF(x + 22, 135.5)}),
                     withAlpha(Qt::white, 220));
        }
    }
    for (int d = 0; d < 12; ++d)
        fillRect(p, QRectF(6 + d * 27, 144, 13, 1.6), withAlpha(Qt::white, 160));
    p.save();
    p.translate(200, 130);
    p.rotate(90);
    fillEllipse(p, QPointF(1.5, 2), 13, 26, withAlpha(kGrey800, 35));
    drawCarTop(c, 26, 50, kIndigo);
    p.restore();
    drawPerson(c, QPointF(96, 150), 38, kCyan, kGrey700);

    // Parking sign.
    fillRect(p, QRectF(262.8, 40, 2.4, 10), kGrey600);
    fillRect(p, QRectF(252, 24, 24, 24), kBlue, 3);
    drawText(p, QRectF(252, 24, 24, 24), QStringLiteral("P"), Qt::white, 18, true);
}

} // namespace SceneDrawing
