#include "ScenePrimitives.h"

#include <algorithm>
#include <cmath>

#include <QFont>

namespace SceneDrawing {

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

void fillRect(QPainter& p, const QRectF& r, const QColor& c, qreal radius)
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
              int flags)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setBold(bold);
    p.setFont(font);
    p.setPen(c);
    p.drawText(r, flags, text);
}

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

void drawTree(Canvas& c, const QPointF& base, qreal size)
{
    QPainter& p = c.p;
    const QColor dark(0x74, 0xd0, 0xa8);
    fillRect(p, QRectF(base.x() - size * 0.06, base.y() - size * 0.6, size * 0.12, size * 0.6), kGrey500);
    fillEllipse(p, QPointF(base.x(), base.y() - size * 0.95), size * 0.42, size * 0.48, dark);
    fillEllipse(p, QPointF(base.x() - size * 0.12, base.y() - size * 1.05), size * 0.26, size * 0.3, kMint);
}

} // namespace SceneDrawing
