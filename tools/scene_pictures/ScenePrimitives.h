#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <random>
#include <vector>

// What every scene drawing is made of: the palette, colour arithmetic, a
// reproducible random generator, the canvas a scene draws on, and the few
// shapes and figures several scenes share.
namespace SceneDrawing {

inline const QColor kIndigo(0x5e, 0x6f, 0xec);
inline const QColor kCyan(0x00, 0xc8, 0xec);
inline const QColor kMint(0xa2, 0xe4, 0xc4);
inline const QColor kBlue(0x00, 0x98, 0xf8);

inline const QColor kGrey50(0xf8, 0xf9, 0xfb);
inline const QColor kGrey100(0xef, 0xf1, 0xf5);
inline const QColor kGrey200(0xe2, 0xe6, 0xec);
inline const QColor kGrey300(0xcb, 0xd1, 0xda);
inline const QColor kGrey400(0xac, 0xb3, 0xbf);
inline const QColor kGrey500(0x8c, 0x94, 0xa3);
inline const QColor kGrey600(0x6c, 0x74, 0x85);
inline const QColor kGrey700(0x4b, 0x52, 0x62);
inline const QColor kGrey800(0x34, 0x39, 0x46);
inline const QColor kGlass(0x3f, 0x4d, 0x66);
inline const QColor kSkin(0xf1, 0xc8, 0xa6);
inline const QColor kHair(0x4b, 0x44, 0x4a);
inline const QColor kTailLight(0xf0, 0x70, 0x7a);

QColor mix(const QColor& a, const QColor& b, double t);
QColor tint(const QColor& c, double towardsWhite);
QColor shade(const QColor& c, double towardsBlack);
QColor withAlpha(QColor c, int alpha);

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

void fillRect(QPainter& p, const QRectF& r, const QColor& c, qreal radius = 0);
void fillPoly(QPainter& p, const QPolygonF& poly, const QColor& c);
void fillEllipse(QPainter& p, const QPointF& centre, qreal rx, qreal ry, const QColor& c);
void strokeLine(QPainter& p, const QPointF& a, const QPointF& b, const QColor& c, qreal width);
void drawText(QPainter& p, const QRectF& r, const QString& text, const QColor& c, qreal pixelSize, bool bold,
              int flags = Qt::AlignCenter);

// A standing person seen from the front or back; feet at `feet`, h tall.
void drawPerson(Canvas& c, const QPointF& feet, qreal h, const QColor& shirt, const QColor& legs);
// Head and shoulders of someone sitting behind a desk.
void drawBust(Canvas& c, const QPointF& shoulderCentre, qreal size, const QColor& shirt);
void drawTree(Canvas& c, const QPointF& base, qreal size);

} // namespace SceneDrawing
