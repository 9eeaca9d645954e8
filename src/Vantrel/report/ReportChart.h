#pragma once

#include <data/BandwidthTotal.h>

#include <QString>
#include <QVector>

class PlanReport;
class QPainter;
class QPaintDevice;
class QPointF;
class QuickText;

// The bar chart of the bandwidth per group, drawn with a painter: one bar a
// line, its label (number and name, cut with "…" when long) on the left and
// its figure with the unit after the bar. Drawn rather than pasted as a
// picture, it stays sharp at any zoom and its labels are text a reader can
// search. Every line has the same height, so the page flow places as many
// as a page holds and goes on with the next.
class ReportChart
{
public:
    // Measured for the device it is drawn on; width in its pixels.
    ReportChart(const PlanReport& report, const QPaintDevice* device, qreal width);

    int barCount() const { return int(m_bars.size()); }
    qreal rowHeight() const { return m_rowHeight; }
    // A bar's label and figure as drawn.
    QString label(int bar) const;
    QString value(int bar) const;

    void paint(QPainter* painter, const QPointF& topLeft, int first, int count) const;

private:
    struct Bar
    {
        QString label;
        double kbps = 0;
    };

    QString shownLabel(int bar, const QuickText& quick) const;

    const QPaintDevice* m_device;
    qreal m_width;
    qreal m_rowHeight = 0;
    QVector<Bar> m_bars;
    double m_maxKbps = 0;
    BandwidthTotal::Unit m_unit = BandwidthTotal::Unit::Mpbs;
};
