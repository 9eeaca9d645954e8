#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QVector>

class PlanReport;
class QPainter;
class QPaintDevice;
class QPointF;

// The groups table of a printed report, fitted to a width: one line per
// group, no figure and no word ever broken. Figures keep their full width;
// when the columns need more room than the page has, the type gets smaller
// first, then long texts (names, types, resolutions, encodings) end in "…".
// Its heading may take two or more lines, broken between words only. Every
// row has the same height, so a page holds a fixed number of them and the
// cost of a page does not grow with the plan.
class GroupTable
{
public:
    enum Column { Number, Name, Type, ChannelsStreams, Resolution, FrameRate, Encoding, Rate, Bandwidth, Share, Storage };

    // Measured for the device the table is drawn on; width in its pixels.
    GroupTable(const PlanReport& report, const QPaintDevice* device, qreal width);

    int rowCount() const { return m_rows; }
    int columnCount() const { return int(m_heads.size()); }
    qreal headerHeight() const { return m_headerHeight; }
    qreal rowHeight() const { return m_rowHeight; }
    qreal width() const;
    qreal typePoints() const { return m_points; }
    // A cell as it is drawn, "…" included where a text was cut.
    QString text(int row, int column) const;
    bool isFigure(int column) const;

    void paintHeader(QPainter* painter, const QPointF& topLeft) const;
    void paintRows(QPainter* painter, const QPointF& topLeft, int first, int count) const;

private:
    struct Cell
    {
        QString text;
        float width = 0;
        bool cjk = false;
        // Set from the font's glyphs, without shaping.
        bool quick = false;
    };

    void measure(const PlanReport& report);
    void fit(qreal width);
    QFont cellFont(const Cell& cell, bool bold = false) const;

    const QPaintDevice* m_device;
    QStringList m_heads;
    // The detail's text column, -1 without one.
    int m_detailColumn = -1;
    int m_rows = 0;
    QVector<Cell> m_cells;
    // Per column, at the base size: the widest cell, the widest heading word.
    QVector<qreal> m_need;
    QVector<qreal> m_least;
    QVector<qreal> m_columnWidth;
    QVector<QStringList> m_headLines;
    qreal m_points = 0;
    qreal m_padding = 0;
    qreal m_headerHeight = 0;
    qreal m_rowHeight = 0;
    qreal m_ascent = 0;
    bool m_anyCjk = false;
};
