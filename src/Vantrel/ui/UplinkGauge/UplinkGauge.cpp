#include "UplinkGauge.h"

#include "SkinColours/SkinColours.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

// The dial runs clockwise from 200 degrees (lower left) to -20 degrees
// (lower right), as Qt counts angles: counter-clockwise from three o'clock.
constexpr double kStartAngle = 200.0;
constexpr double kSweep = 220.0;
constexpr double kComfortableEnd = 0.7;
constexpr double kTightEnd = 1.0;
constexpr int kArcWidth = 10;

double angleOf(double share)
{
    return kStartAngle - kSweep * std::clamp(share, 0.0, UplinkGauge::kFullScaleShare) / UplinkGauge::kFullScaleShare;
}

QPointF polar(const QPointF& centre, double radius, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(radians), -radius * std::sin(radians));
}

// An arc between two shares, drawn clockwise.
void drawBand(QPainter& painter, const QRectF& dial, double from, double to, const QColor& colour)
{
    painter.setPen(QPen(colour, kArcWidth, Qt::SolidLine, Qt::FlatCap));
    const double start = angleOf(from);
    painter.drawArc(dial, qRound(start * 16), qRound((angleOf(to) - start) * 16));
}

} // namespace

UplinkGauge::UplinkGauge(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

UplinkGauge::~UplinkGauge() = default;

void UplinkGauge::setCheck(const UplinkCheck& check)
{
    m_check = check;
    setToolTip(check.message());
    update();
}

QColor UplinkGauge::levelColour(UplinkCheck::Level level)
{
    switch (level) {
    case UplinkCheck::Level::Comfortable:
        return QColor(SkinColours::value("ok"));
    case UplinkCheck::Level::Tight:
        return QColor(SkinColours::value("warning"));
    case UplinkCheck::Level::Over:
        return QColor(SkinColours::value("danger"));
    case UplinkCheck::Level::NoUplink:
        break;
    }
    return QColor(SkinColours::value("text-secondary"));
}

QString UplinkGauge::centreText() const
{
    return m_check.hasUplink() ? m_check.percentText() : tr("No uplink");
}

QSize UplinkGauge::sizeHint() const
{
    return QSize(200, 112);
}

QSize UplinkGauge::minimumSizeHint() const
{
    return QSize(120, 112);
}

void UplinkGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const double radius = std::min(width() / 2.0 - kArcWidth, height() * 0.62);
    const QPointF hub(width() / 2.0, kArcWidth + radius);
    const QRectF dial(hub.x() - radius, hub.y() - radius, 2 * radius, 2 * radius);
    const bool hasUplink = m_check.hasUplink();

    // The levels' bands stay faint; the needle and the figure carry the news.
    const QColor track(SkinColours::value("gauge-track"));
    auto faint = [&](UplinkCheck::Level level) {
        QColor colour = levelColour(level);
        colour.setAlphaF(0.35f);
        return hasUplink ? colour : track;
    };
    painter.setBrush(Qt::NoBrush);
    drawBand(painter, dial, 0.0, kComfortableEnd, faint(UplinkCheck::Level::Comfortable));
    drawBand(painter, dial, kComfortableEnd, kTightEnd, faint(UplinkCheck::Level::Tight));
    drawBand(painter, dial, kTightEnd, kFullScaleShare, faint(UplinkCheck::Level::Over));

    const QColor colour = levelColour(m_check.level());
    if (hasUplink) {
        // The used part of the dial in full colour.
        drawBand(painter, dial, 0.0, std::min(m_check.share(), kFullScaleShare), colour);
        painter.setPen(QPen(colour, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(hub, polar(hub, radius - kArcWidth - 4, angleOf(m_check.share())));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(hub, 6, 6);
        painter.setBrush(Qt::white);
        painter.drawEllipse(hub, 2.5, 2.5);
    }

    QFont figure(QStringLiteral("Arial"));
    figure.setPixelSize(hasUplink ? 20 : 14);
    figure.setWeight(hasUplink ? QFont::DemiBold : QFont::Normal);
    painter.setFont(figure);
    painter.setPen(colour);
    const QRectF below(0, hub.y() + 8, width(), height() - hub.y() - 8);
    painter.drawText(below, Qt::AlignHCenter | Qt::AlignTop, centreText());
}
