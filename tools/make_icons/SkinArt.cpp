#include "SkinArt.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace SkinArt {

namespace {

QPen line(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void stroke(QPainter& p, const QColor& colour, qreal width)
{
    p.setPen(line(colour, width));
    p.setBrush(Qt::NoBrush);
}

void fill(QPainter& p, const QBrush& brush)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
}

QPointF polar(const QPointF& centre, qreal radius, qreal degrees)
{
    const qreal radians = degrees * M_PI / 180.0;
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& from, const QColor& to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

// A video camera (body and lens cone) over three linked network nodes, drawn
// on a 100 x 100 grid.
void networkCamera(QPainter& p, const QColor& colour)
{
    fill(p, colour);
    p.drawRoundedRect(QRectF(16, 26, 46, 32), 7, 7);
    QPainterPath cone;
    cone.moveTo(65, 37);
    cone.lineTo(84, 27);
    cone.lineTo(84, 57);
    cone.lineTo(65, 47);
    cone.closeSubpath();
    p.drawPath(cone);

    stroke(p, colour, 4.0);
    p.drawLine(QPointF(39, 58), QPointF(39, 70));
    p.drawLine(QPointF(22, 78), QPointF(78, 78));
    fill(p, colour);
    for (const qreal x : {22.0, 50.0, 78.0})
        p.drawEllipse(QPointF(x, 78), 6.5, 6.5);
    p.drawEllipse(QPointF(39, 70), 4.5, 4.5);
}

// The white camera of the IPC badge; `hole` is the badge colour that shows
// through the lens.
void badgeCamera(QPainter& p, const QColor& hole)
{
    fill(p, Qt::white);
    p.drawRoundedRect(QRectF(5, 9.5, 12.5, 8), 2, 2);
    p.drawPolygon(QPolygonF({QPointF(18.5, 12), QPointF(23, 9.5), QPointF(23, 18), QPointF(18.5, 15.5)}));
    fill(p, hole);
    p.drawEllipse(QPointF(9, 13.5), 1.5, 1.5);
    stroke(p, Qt::white, 1.6);
    p.drawLine(QPointF(11.25, 17.5), QPointF(11.25, 20.5));
    p.drawLine(QPointF(8, 20.8), QPointF(14.5, 20.8));
}

// One card of the empty-list picture: an icon dot and two lines of text.
void emptyCard(QPainter& p, const QRectF& card, const QColor& border, const QColor& ink)
{
    p.setPen(QPen(border, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 5, 5);
    fill(p, ink);
    const qreal middle = card.center().y();
    p.drawEllipse(QPointF(card.left() + 10, middle), 4.5, 4.5);
    p.drawRoundedRect(QRectF(card.left() + 19, middle - 5, card.width() * 0.42, 3.5), 1.75, 1.75);
    p.drawRoundedRect(QRectF(card.left() + 19, middle + 1.5, card.width() * 0.62, 3.5), 1.75, 1.75);
}

} // namespace

void appIcon(QPainter& p, qreal size)
{
    p.scale(size / 100.0, size / 100.0);
    QLinearGradient body(0, 0, 0, 100);
    body.setColorAt(0, Colour::accent.lighter(112));
    body.setColorAt(1, Colour::accentDark);
    fill(p, body);
    p.drawRoundedRect(QRectF(4, 4, 92, 92), 22, 22);
    networkCamera(p, Qt::white);
}

void logo(QPainter& p, qreal size)
{
    // A white tile that stands out on the accent title bar.
    p.scale(size / 100.0, size / 100.0);
    fill(p, Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 24, 24);
    networkCamera(p, Colour::accent);
}

void stateIcon(QPainter& p, qreal size, bool ok)
{
    p.scale(size / 100.0, size / 100.0);
    fill(p, ok ? Colour::ok : Colour::danger);
    p.drawEllipse(QRectF(4, 4, 92, 92));
    stroke(p, Qt::white, 12.0);
    if (ok) {
        p.drawPolyline(QPolygonF({QPointF(29, 52), QPointF(44, 67), QPointF(72, 36)}));
    } else {
        p.drawLine(QPointF(34, 34), QPointF(66, 66));
        p.drawLine(QPointF(66, 34), QPointF(34, 66));
    }
}

void tabBandwidth(QPainter& p, const QColor& colour)
{
    // A speed gauge: an arc open at the bottom, a needle and its hub.
    const QPointF hub(14, 15.5);
    const qreal radius = 10.5;
    stroke(p, colour, 2.2);
    p.drawArc(QRectF(hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius), -30 * 16, 240 * 16);
    stroke(p, colour, 1.6);
    for (const qreal angle : {150.0, 90.0, 30.0})
        p.drawLine(polar(hub, radius - 4.2, angle), polar(hub, radius - 2.6, angle));
    stroke(p, colour, 2.2);
    p.drawLine(hub, polar(hub, 7.0, 52));
    fill(p, colour);
    p.drawEllipse(hub, 2.4, 2.4);
}

void tabEncoding(QPainter& p, const QColor& colour)
{
    // A video screen with a play mark, on its stand.
    stroke(p, colour, 2.2);
    p.drawRoundedRect(QRectF(4, 5, 20, 15), 3.5, 3.5);
    p.drawLine(QPointF(10, 24), QPointF(18, 24));
    p.drawLine(QPointF(14, 20.5), QPointF(14, 23.5));
    fill(p, colour);
    QPainterPath play;
    play.moveTo(11.8, 9);
    play.lineTo(17.6, 12.5);
    play.lineTo(11.8, 16);
    play.closeSubpath();
    p.setPen(line(colour, 1.2));
    p.drawPath(play);
}

void tabStorage(QPainter& p, const QColor& colour)
{
    // A stack of two disks, the way recorders keep their footage.
    stroke(p, colour, 2.2);
    for (const qreal top : {5.0, 14.5}) {
        p.drawRoundedRect(QRectF(5, top, 18, 8.5), 2.5, 2.5);
    }
    fill(p, colour);
    for (const qreal top : {5.0, 14.5})
        p.drawEllipse(QPointF(18.5, top + 4.25), 1.4, 1.4);
}

void tabNetwork(QPainter& p, const QColor& colour)
{
    // A switch above two more, joined as the site's switches hang together.
    stroke(p, colour, 2.0);
    p.drawRoundedRect(QRectF(9, 3.5, 10, 7), 2, 2);
    p.drawRoundedRect(QRectF(2.5, 17.5, 10, 7), 2, 2);
    p.drawRoundedRect(QRectF(15.5, 17.5, 10, 7), 2, 2);
    p.drawPolyline(QPolygonF({QPointF(14, 10.5), QPointF(14, 14), QPointF(7.5, 14), QPointF(7.5, 17.5)}));
    p.drawPolyline(QPolygonF({QPointF(14, 14), QPointF(20.5, 14), QPointF(20.5, 17.5)}));
}

void chevronLeft(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.8);
    p.drawPolyline(QPolygonF({QPointF(5.5, 1.5), QPointF(2, 6), QPointF(5.5, 10.5)}));
}

void chevronRight(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.8);
    p.drawPolyline(QPolygonF({QPointF(2.5, 1.5), QPointF(6, 6), QPointF(2.5, 10.5)}));
}

void arrowDown(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.6);
    p.drawPolyline(QPolygonF({QPointF(1.2, 1.2), QPointF(5, 4.8), QPointF(8.8, 1.2)}));
}

void arrowUp(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.6);
    p.drawPolyline(QPolygonF({QPointF(1.2, 4.8), QPointF(5, 1.2), QPointF(8.8, 4.8)}));
}

void spinUp(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.4);
    p.drawPolyline(QPolygonF({QPointF(1, 4), QPointF(4, 1), QPointF(7, 4)}));
}

void spinDown(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.4);
    p.drawPolyline(QPolygonF({QPointF(1, 1), QPointF(4, 4), QPointF(7, 1)}));
}

void checkMark(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.8);
    p.drawPolyline(QPolygonF({QPointF(1.2, 4.2), QPointF(3.9, 6.8), QPointF(8.8, 1.3)}));
}

void trash(QPainter& p, const QColor& colour)
{
    stroke(p, colour, 1.4);
    p.drawLine(QPointF(2.5, 4.3), QPointF(13.5, 4.3));
    p.drawPolyline(QPolygonF({QPointF(6, 4.3), QPointF(6.4, 2.3), QPointF(9.6, 2.3), QPointF(10, 4.3)}));
    QPainterPath body;
    body.moveTo(3.9, 4.3);
    body.lineTo(4.6, 12.6);
    body.quadTo(4.75, 14, 6.1, 14);
    body.lineTo(9.9, 14);
    body.quadTo(11.25, 14, 11.4, 12.6);
    body.lineTo(12.1, 4.3);
    p.drawPath(body);
    p.drawLine(QPointF(6.8, 6.8), QPointF(6.95, 11.4));
    p.drawLine(QPointF(9.2, 6.8), QPointF(9.05, 11.4));
}

void exportMark(QPainter& p, const QColor& colour)
{
    // Down into a tray: the template is saved to a file.
    stroke(p, colour, 1.5);
    p.drawLine(QPointF(8, 2), QPointF(8, 10));
    p.drawPolyline(QPolygonF({QPointF(4.8, 7), QPointF(8, 10.2), QPointF(11.2, 7)}));
    p.drawPolyline(QPolygonF({QPointF(2.5, 10), QPointF(2.5, 13.5), QPointF(13.5, 13.5), QPointF(13.5, 10)}));
}

void importMark(QPainter& p, const QColor& colour)
{
    // Up out of a tray: a filled table is brought in.
    stroke(p, colour, 1.5);
    p.drawLine(QPointF(8, 10), QPointF(8, 2.2));
    p.drawPolyline(QPolygonF({QPointF(4.8, 5.2), QPointF(8, 2), QPointF(11.2, 5.2)}));
    p.drawPolyline(QPolygonF({QPointF(2.5, 10), QPointF(2.5, 13.5), QPointF(13.5, 13.5), QPointF(13.5, 10)}));
}

void deviceIpc(QPainter& p)
{
    const QColor top(0x2c, 0xd7, 0xf4);
    const QColor bottom(0x00, 0xae, 0xde);
    fill(p, vertical(0, 28, top, bottom));
    p.drawRoundedRect(QRectF(0.5, 0.5, 27, 27), 7, 7);
    badgeCamera(p, QColor(0x12, 0xc0, 0xe8));
}

void deviceDvr(QPainter& p)
{
    const QColor top(0x95, 0xe2, 0xbe);
    const QColor bottom(0x52, 0xc2, 0x90);
    fill(p, vertical(0, 26, top, bottom));
    p.drawRoundedRect(QRectF(0.5, 0.5, 25, 25), 6.5, 6.5);
    // A recorder: a flat box with two lights and a disk slot, on feet.
    stroke(p, Qt::white, 1.6);
    p.drawRoundedRect(QRectF(4.5, 8, 17, 9.5), 2, 2);
    p.drawLine(QPointF(14.2, 12.75), QPointF(18.3, 12.75));
    p.drawLine(QPointF(7, 19.8), QPointF(8.6, 19.8));
    p.drawLine(QPointF(17.4, 19.8), QPointF(19, 19.8));
    fill(p, Qt::white);
    p.drawEllipse(QPointF(8, 12.75), 1.25, 1.25);
    p.drawEllipse(QPointF(11.2, 12.75), 1.25, 1.25);
}

void emptyList(QPainter& p)
{
    // Two blank cards on a soft disc, and the accent plus that adds one.
    fill(p, Colour::accentTint);
    p.drawEllipse(QRectF(3, 3, 84, 84));
    const QColor border(0xd3, 0xd8, 0xf7);
    const QColor ink(0xe1, 0xe5, 0xfa);
    p.save();
    p.translate(45, 45);
    p.rotate(-6);
    emptyCard(p, QRectF(-30, -21, 58, 20), border, ink);
    p.restore();
    emptyCard(p, QRectF(15, 44, 58, 20), border, ink);

    fill(p, QColor(0x5e, 0x6f, 0xec, 40));
    p.drawEllipse(QPointF(68, 68), 15, 15);
    fill(p, vertical(56, 80, Colour::accent.lighter(110), Colour::accentDark));
    p.drawEllipse(QPointF(68, 68), 11.5, 11.5);
    stroke(p, Qt::white, 2.4);
    p.drawLine(QPointF(68, 62.5), QPointF(68, 73.5));
    p.drawLine(QPointF(62.5, 68), QPointF(73.5, 68));
}

void bandwidthArt(QPainter& p)
{
    // A speed gauge over a small network: the recorder hub in the middle,
    // cameras and a monitor on its links.
    QRadialGradient glow(QPointF(100, 92), 96);
    glow.setColorAt(0, QColor(0xee, 0xf0, 0xfd));
    glow.setColorAt(1, QColor(0xee, 0xf0, 0xfd, 0));
    fill(p, glow);
    p.drawEllipse(QPointF(100, 92), 96, 92);

    const QPointF hub(100, 92);
    const qreal radius = 62;
    const QRectF dial(hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius);
    QPen track(QColor(0xdf, 0xe3, 0xf6), 12, Qt::SolidLine, Qt::RoundCap);
    p.setPen(track);
    p.setBrush(Qt::NoBrush);
    p.drawArc(dial, -20 * 16, 220 * 16);

    // The conical gradient runs counter-clockwise from the arc's right end
    // (40 degrees): blue there, accent at the top, cyan at the left end.
    QConicalGradient sweep(hub, 40);
    sweep.setColorAt(0.0, Colour::blue);
    sweep.setColorAt(0.22, Colour::accent);
    sweep.setColorAt(0.444, Colour::cyan);
    sweep.setColorAt(1.0, Colour::blue);
    p.setPen(QPen(QBrush(sweep), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(dial, 40 * 16, 160 * 16);

    stroke(p, QColor(0xb9, 0xc0, 0xea), 2);
    for (int step = 0; step <= 10; ++step) {
        const qreal angle = 200 - step * 22;
        const qreal inner = step % 5 == 0 ? radius - 20 : radius - 16;
        p.drawLine(polar(hub, inner, angle), polar(hub, radius - 11, angle));
    }

    // Needle with a soft shadow, then the hub.
    const QPointF tip = polar(hub, radius - 16, 48);
    stroke(p, QColor(0x1f, 0x2a, 0x6b, 40), 6);
    p.drawLine(hub + QPointF(1, 2), tip + QPointF(1, 2));
    stroke(p, Colour::accentDark, 4.5);
    p.drawLine(hub, tip);
    fill(p, Colour::accentDark);
    p.drawEllipse(hub, 9, 9);
    fill(p, Qt::white);
    p.drawEllipse(hub, 3.6, 3.6);

    // The network below the dial.
    const QPointF centre(100, 140);
    const QPointF left(38, 166);
    const QPointF right(162, 166);
    const QPointF bottom(100, 178);
    QPen link(QColor(0xb9, 0xc0, 0xea), 2, Qt::DashLine, Qt::RoundCap);
    link.setDashPattern({2.5, 2.5});
    p.setPen(link);
    p.drawLine(centre, left);
    p.drawLine(centre, right);
    p.drawLine(centre, bottom);

    fill(p, QColor(0x1f, 0x2a, 0x6b, 28));
    p.drawRoundedRect(QRectF(76, 130, 48, 24), 7, 7);
    fill(p, vertical(126, 150, Colour::accent.lighter(112), Colour::accentDark));
    p.drawRoundedRect(QRectF(76, 127, 48, 24), 7, 7);
    fill(p, Qt::white);
    for (const qreal x : {86.0, 93.0})
        p.drawEllipse(QPointF(x, 139), 2, 2);
    stroke(p, Qt::white, 2);
    p.drawLine(QPointF(101, 139), QPointF(115, 139));

    // Camera bubbles, IPC on the left and a recorder link on the right.
    const auto bubble = [&p](const QPointF& at, const QColor& top, const QColor& low) {
        fill(p, QColor(0x1f, 0x2a, 0x6b, 24));
        p.drawEllipse(at + QPointF(0, 1.5), 15, 15);
        fill(p, vertical(at.y() - 14, at.y() + 14, top, low));
        p.drawEllipse(at, 14, 14);
    };
    bubble(left, QColor(0x2c, 0xd7, 0xf4), QColor(0x00, 0xae, 0xde));
    bubble(right, QColor(0x95, 0xe2, 0xbe), QColor(0x52, 0xc2, 0x90));
    for (const QPointF& at : {left, right}) {
        p.save();
        p.translate(at - QPointF(14, 14.5));
        badgeCamera(p, at == left ? QColor(0x12, 0xc0, 0xe8) : QColor(0x70, 0xd0, 0xa6));
        p.restore();
    }
    // A monitor at the foot of the hub.
    fill(p, Qt::white);
    p.setPen(QPen(QColor(0x33, 0xa9, 0xf9), 2));
    p.drawRoundedRect(QRectF(89, 172, 22, 14), 3, 3);
    fill(p, Colour::blue);
    p.drawRoundedRect(QRectF(92.5, 175.5, 15, 7), 1.5, 1.5);
}

} // namespace SkinArt
