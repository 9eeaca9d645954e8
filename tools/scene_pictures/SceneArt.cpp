#include "SceneArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

const QColor kIndigo(0x5e, 0x6f, 0xec);
const QColor kCyan(0x00, 0xc8, 0xec);
const QColor kMint(0xa2, 0xe4, 0xc4);
const QColor kBlue(0x00, 0x98, 0xf8);

const QColor kGrey50(0xf8, 0xf9, 0xfb);
const QColor kGrey100(0xef, 0xf1, 0xf5);
const QColor kGrey200(0xe2, 0xe6, 0xec);
const QColor kGrey300(0xcb, 0xd1, 0xda);
const QColor kGrey400(0xac, 0xb3, 0xbf);
const QColor kGrey500(0x8c, 0x94, 0xa3);
const QColor kGrey600(0x6c, 0x74, 0x85);
const QColor kGrey700(0x4b, 0x52, 0x62);
const QColor kGrey800(0x34, 0x39, 0x46);
const QColor kGlass(0x3f, 0x4d, 0x66);
const QColor kSkin(0xf1, 0xc8, 0xa6);
const QColor kHair(0x4b, 0x44, 0x4a);
const QColor kTailLight(0xf0, 0x70, 0x7a);

// The fixed date in every picture's on-screen display: the pictures must not
// change from one run to the next.
const QString kTimestamp = QStringLiteral("2024-06-18  09:42:17");

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor tint(const QColor& c, double towardsWhite) { return mix(c, Qt::white, towardsWhite); }
QColor shade(const QColor& c, double towardsBlack) { return mix(c, QColor(0x22, 0x26, 0x33), towardsBlack); }

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A small generator with a fixed seed per scene. std::mt19937 yields the same
// sequence everywhere; the distributions of <random> do not, so the helpers
// below do their own arithmetic.
class Rng
{
public:
    explicit Rng(quint32 seed) : m_engine(seed) {}
    int below(int n) { return int(m_engine() % quint32(n)); }
    double unit() { return double(m_engine()) / 4294967296.0; }
    double between(double a, double b) { return a + (b - a) * unit(); }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items.at(size_t(below(int(items.size())))); }

private:
    std::mt19937 m_engine;
};

// What a drawing needs: the painter (already scaled to 320 x 240 logical
// units), how much detail the resolution shows, and the scene's generator.
struct Canvas
{
    QPainter& p;
    int detail; // 0 (720P) .. 3 (4K)
    Rng rng;
};

void fillRect(QPainter& p, const QRectF& r, const QColor& c, qreal radius = 0)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    if (radius > 0)
        p.drawRoundedRect(r, radius, radius);
    else
        p.drawRect(r);
}

void fillPoly(QPainter& p, const QPolygonF& poly, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(poly);
}

void fillEllipse(QPainter& p, const QPointF& centre, qreal rx, qreal ry, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(centre, rx, ry);
}

void strokeLine(QPainter& p, const QPointF& a, const QPointF& b, const QColor& c, qreal width)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(a, b);
}

void drawText(QPainter& p, const QRectF& r, const QString& text, const QColor& c, qreal pixelSize, bool bold,
              int flags = Qt::AlignCenter)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, flags, text);
}

// A standing person seen from the front or back; feet at `feet`, h tall.
void drawPerson(Canvas& c, const QPointF& feet, qreal h, const QColor& shirt, const QColor& legs)
{
    QPainter& p = c.p;
    const qreal headR = h * 0.095;
    const qreal hipY = feet.y() - h * 0.46;
    const qreal neckY = feet.y() - h + headR * 2.0;
    const qreal legW = h * 0.11;
    fillEllipse(p, QPointF(feet.x(), feet.y()), h * 0.2, h * 0.035, withAlpha(kGrey800, 40));
    fillRect(p, QRectF(feet.x() - legW - h * 0.01, hipY, legW, feet.y() - hipY), legs, legW * 0.3);
    fillRect(p, QRectF(feet.x() + h * 0.01, hipY, legW, feet.y() - hipY), legs, legW * 0.3);
    if (c.detail >= 1) {
        fillRect(p, QRectF(feet.x() - legW - h * 0.03, feet.y() - h * 0.03, legW + h * 0.03, h * 0.035), kGrey800, 1);
        fillRect(p, QRectF(feet.x() + h * 0.01, feet.y() - h * 0.03, legW + h * 0.03, h * 0.035), kGrey800, 1);
    }
    const qreal bodyW = h * 0.32;
    fillRect(p, QRectF(feet.x() - bodyW / 2 - h * 0.05, neckY + h * 0.02, h * 0.08, h * 0.34), shade(shirt, 0.18), h * 0.04);
    fillRect(p, QRectF(feet.x() + bodyW / 2 - h * 0.03, neckY + h * 0.02, h * 0.08, h * 0.34), shade(shirt, 0.18), h * 0.04);
    fillRect(p, QRectF(feet.x() - bodyW / 2, neckY, bodyW, hipY - neckY + h * 0.06), shirt, h * 0.07);
    if (c.detail >= 2)
        fillRect(p, QRectF(feet.x() - h * 0.03, neckY, h * 0.06, h * 0.05), kSkin, 1);
    const QPointF head(feet.x(), neckY - headR * 0.95);
    fillEllipse(p, QPointF(head.x(), head.y() - headR * 0.12), headR * 1.04, headR * 1.0, kHair);
    fillEllipse(p, QPointF(head.x(), head.y() + headR * 0.08), headR * 0.9, headR * 0.88, kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    p.drawChord(QRectF(head.x() - headR * 1.04, head.y() - headR * 1.12, headR * 2.08, headR * 1.6), 0, 180 * 16);
}

// Head and shoulders of someone sitting behind a desk.
void drawBust(Canvas& c, const QPointF& shoulderCentre, qreal size, const QColor& shirt)
{
    QPainter& p = c.p;
    fillRect(p, QRectF(shoulderCentre.x() - size * 0.5, shoulderCentre.y(), size, size * 0.7), shirt, size * 0.22);
    const qreal headR = size * 0.22;
    const QPointF head(shoulderCentre.x(), shoulderCentre.y() - headR * 0.8);
    fillEllipse(p, QPointF(head.x(), head.y() - headR * 0.12), headR * 1.04, headR * 1.0, kHair);
    fillEllipse(p, QPointF(head.x(), head.y() + headR * 0.08), headR * 0.9, headR * 0.88, kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(kHair);
    p.drawChord(QRectF(head.x() - headR * 1.04, head.y() - headR * 1.12, headR * 2.08, headR * 1.6), 0, 180 * 16);
}

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

// ---------------------------------------------------------------- office

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

// ---------------------------------------------------------------- road

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

void drawTree(Canvas& c, const QPointF& base, qreal size)
{
    QPainter& p = c.p;
    const QColor dark(0x74, 0xd0, 0xa8);
    fillRect(p, QRectF(base.x() - size * 0.06, base.y() - size * 0.6, size * 0.12, size * 0.6), kGrey500);
    fillEllipse(p, QPointF(base.x(), base.y() - size * 0.95), size * 0.42, size * 0.48, dark);
    fillEllipse(p, QPointF(base.x() - size * 0.12, base.y() - size * 1.05), size * 0.26, size * 0.3, kMint);
}

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

// ---------------------------------------------------------------- parking

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

// ---------------------------------------------------------------- shop

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

// ---------------------------------------------------------------- warehouse

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

// ---------------------------------------------------------------- hospital

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

// ---------------------------------------------------------------- other

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

void drawTimestamp(QPainter& p)
{
    const QRectF box(6, 6, 122, 15);
    fillRect(p, box, withAlpha(kGrey800, 120), 3);
    drawText(p, box, kTimestamp, Qt::white, 9, true);
}

QColor badgeColour(int detail)
{
    switch (detail) {
    case 3: return kIndigo;
    case 2: return kBlue;
    case 1: return QColor(0x00, 0xa6, 0xc6);
    default: return kGrey500;
    }
}

void drawBadge(QPainter& p, const QString& label, int detail)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(label) + 12;
    const QRectF badge(SceneArt::kWidth - w - 6, 6, w, 17);
    fillRect(p, badge.translated(0, 1), withAlpha(kGrey800, 40), 4);
    fillRect(p, badge, badgeColour(detail), 4);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(badge, Qt::AlignCenter, label);
}

quint32 seedFor(SceneArt::Kind kind)
{
    return 0x5eC0FFEEu + quint32(kind) * 7919u;
}

} // namespace

SceneArt::Kind SceneArt::kindFromSceneName(const QString& sceneName)
{
    const QString name = sceneName.toLower();
    if (name.contains(QLatin1String("office")))
        return Kind::Office;
    if (name.contains(QLatin1String("parking")))
        return Kind::ParkingLot;
    if (name.contains(QLatin1String("road")) || name.contains(QLatin1String("street")))
        return Kind::Road;
    if (name.contains(QLatin1String("shop")) || name.contains(QLatin1String("store")))
        return Kind::Shop;
    if (name.contains(QLatin1String("warehouse")))
        return Kind::Warehouse;
    if (name.contains(QLatin1String("hospital")))
        return Kind::Hospital;
    return Kind::Other;
}

double SceneArt::detailScale(qint64 pixels)
{
    if (pixels <= 0)
        return 1.0;
    return std::clamp(std::sqrt(double(pixels) / (2560.0 * 1440.0)), 0.4, 2.0);
}

QImage SceneArt::render(Kind kind, const QString& sceneName, const QString& resolutionLabel, qint64 pixels)
{
    const double scale = detailScale(pixels);
    const int detail = scale >= 1.25 ? 3 : scale >= 0.9 ? 2 : scale >= 0.65 ? 1 : 0;
    const QSize drawSize(int(std::lround(kWidth * scale)), int(std::lround(kHeight * scale)));

    QImage drawing(drawSize, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(double(drawSize.width()) / kWidth, double(drawSize.height()) / kHeight);
        Canvas canvas{painter, detail, Rng(seedFor(kind))};
        switch (kind) {
        case Kind::Office: drawOffice(canvas); break;
        case Kind::Road: drawRoad(canvas); break;
        case Kind::ParkingLot: drawParkingLot(canvas); break;
        case Kind::Shop: drawShop(canvas); break;
        case Kind::Warehouse: drawWarehouse(canvas); break;
        case Kind::Hospital: drawHospital(canvas); break;
        case Kind::Other: drawOther(canvas, sceneName); break;
        }
        drawTimestamp(painter);
    }

    QImage picture = drawSize == QSize(kWidth, kHeight)
        ? drawing
        : drawing.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = picture.convertToFormat(QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        drawBadge(painter, resolutionLabel, detail);
    }
    return picture;
}
