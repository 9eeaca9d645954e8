#include "ReportChart.h"

#include "ReportStyle.h"
#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <QFontMetricsF>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>

namespace {

constexpr qreal kFontPoints = ReportStyle::kTablePoints;
constexpr qreal kLabelShare = 0.32;
constexpr qreal kGapPoints = 4;

} // namespace

ReportChart::ReportChart(const PlanReport& report, const QPaintDevice* device, qreal width)
    : m_device(device)
    , m_width(width)
    , m_unit(ReportTexts::groupUnit(report))
{
    m_bars.reserve(report.groups().size());
    for (const PlanReport::Group& group : report.groups()) {
        QString name = group.name;
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_bars.append({QStringLiteral("%1 %2").arg(group.number).arg(name), group.bandwidthKbps});
        m_maxKbps = std::max(m_maxKbps, group.bandwidthKbps);
    }
    const QFontMetricsF latin(ReportStyle::font(QString(), kFontPoints), device);
    const QFontMetricsF cjk(ReportStyle::font(QStringLiteral("\u4e00"), kFontPoints), device);
    m_rowHeight = std::max(latin.height(), cjk.height()) * 1.35;
}

QString ReportChart::label(int bar) const
{
    const QString& text = m_bars.at(bar).label;
    const QFontMetricsF metrics(ReportStyle::font(text, kFontPoints), m_device);
    const qreal room = m_width * kLabelShare - kGapPoints * m_device->logicalDpiX() / 72.0;
    return metrics.elidedText(text, Qt::ElideRight, room);
}

QString ReportChart::value(int bar) const
{
    return ReportTexts::groupBandwidth(m_bars.at(bar).kbps, m_unit) + QLatin1Char(' ') + ReportTexts::unitText(m_unit);
}

void ReportChart::paint(QPainter* painter, const QPointF& topLeft, int first, int count) const
{
    const qreal perPoint = m_device->logicalDpiX() / 72.0;
    const qreal gap = kGapPoints * perPoint;
    const QFont latin = ReportStyle::font(QString(), kFontPoints);
    const QFontMetricsF figures(latin, m_device);
    // The longest figure still fits after the longest bar.
    qreal valueWidth = 0;
    for (int bar = first; bar < std::min(barCount(), first + count); ++bar)
        valueWidth = std::max(valueWidth, figures.horizontalAdvance(value(bar)));
    const qreal labelWidth = m_width * kLabelShare;
    const qreal barSpace = std::max<qreal>(0, m_width - labelWidth - valueWidth - 2 * gap);
    const int last = std::min(barCount(), first + count);

    painter->save();
    painter->setPen(QPen(ReportStyle::kGrid, 0));
    painter->drawLine(QPointF(topLeft.x() + labelWidth, topLeft.y()),
                      QPointF(topLeft.x() + labelWidth, topLeft.y() + (last - first) * m_rowHeight));
    for (int bar = first; bar < last; ++bar) {
        const qreal top = topLeft.y() + (bar - first) * m_rowHeight;
        const QString shown = label(bar);
        const QFont font = ReportStyle::font(shown, kFontPoints);
        const QFontMetricsF metrics(font, m_device);
        const qreal baseline = top + (m_rowHeight - metrics.height()) / 2 + metrics.ascent();
        painter->setFont(font);
        painter->setPen(ReportStyle::kText);
        painter->drawText(QPointF(topLeft.x() + labelWidth - gap - metrics.horizontalAdvance(shown), baseline), shown);
        const qreal length = m_maxKbps > 0 ? barSpace * m_bars.at(bar).kbps / m_maxKbps : 0;
        const QRectF barRect(topLeft.x() + labelWidth, top + m_rowHeight * 0.2, length, m_rowHeight * 0.6);
        painter->fillRect(barRect, ReportStyle::kBar);
        painter->setFont(latin);
        const qreal figureBaseline = top + (m_rowHeight - figures.height()) / 2 + figures.ascent();
        painter->drawText(QPointF(barRect.right() + gap, figureBaseline), value(bar));
    }
    painter->restore();
}
