#include "ReportChart.h"

#include "QuickText.h"
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
    const QuickText quick(ReportStyle::font(QString(), kFontPoints), m_device);
    return shownLabel(bar, quick);
}

QString ReportChart::shownLabel(int bar, const QuickText& quick) const
{
    const QString& text = m_bars.at(bar).label;
    const qreal room = m_width * kLabelShare - kGapPoints * m_device->logicalDpiX() / 72.0;
    const qreal width = quick.width(text);
    if (width >= 0 && width <= room)
        return text;
    const QFontMetricsF metrics(ReportStyle::font(text, kFontPoints), m_device);
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
    const QFont cjk = ReportStyle::font(QStringLiteral("\u4e00"), kFontPoints);
    const QFontMetricsF latinMetrics(latin, m_device);
    const QFontMetricsF cjkMetrics(cjk, m_device);
    const QuickText quick(latin, m_device);
    const int last = std::min(barCount(), first + count);
    // The longest figure still fits after the longest bar.
    QVector<QString> values;
    values.reserve(last - first);
    qreal valueWidth = 0;
    for (int bar = first; bar < last; ++bar) {
        values.append(value(bar));
        valueWidth = std::max(valueWidth, quick.width(values.last()));
    }
    const qreal labelWidth = m_width * kLabelShare;
    const qreal barSpace = std::max<qreal>(0, m_width - labelWidth - valueWidth - 2 * gap);

    painter->save();
    painter->setPen(QPen(ReportStyle::kGrid, 0));
    painter->drawLine(QPointF(topLeft.x() + labelWidth, topLeft.y()),
                      QPointF(topLeft.x() + labelWidth, topLeft.y() + (last - first) * m_rowHeight));
    painter->setPen(ReportStyle::kText);
    painter->setFont(latin);
    const qreal latinBaseline = (m_rowHeight - latinMetrics.height()) / 2 + latinMetrics.ascent();
    const qreal cjkBaseline = (m_rowHeight - cjkMetrics.height()) / 2 + cjkMetrics.ascent();
    for (int bar = first; bar < last; ++bar) {
        const qreal top = topLeft.y() + (bar - first) * m_rowHeight;
        const QString shown = shownLabel(bar, quick);
        const qreal quickWidth = quick.width(shown);
        if (quickWidth >= 0) {
            quick.draw(painter, QPointF(topLeft.x() + labelWidth - gap - quickWidth, top + latinBaseline), shown);
        } else {
            const bool inCjk = ReportStyle::hasCjk(shown);
            const QFontMetricsF& metrics = inCjk ? cjkMetrics : latinMetrics;
            painter->setFont(inCjk ? cjk : latin);
            painter->drawText(QPointF(topLeft.x() + labelWidth - gap - metrics.horizontalAdvance(shown),
                                      top + (inCjk ? cjkBaseline : latinBaseline)),
                              shown);
        }
        const qreal length = m_maxKbps > 0 ? barSpace * m_bars.at(bar).kbps / m_maxKbps : 0;
        const QRectF barRect(topLeft.x() + labelWidth, top + m_rowHeight * 0.2, length, m_rowHeight * 0.6);
        painter->fillRect(barRect, ReportStyle::kBar);
        quick.draw(painter, QPointF(barRect.right() + gap, top + latinBaseline), values.at(bar - first));
    }
    painter->restore();
}
