#pragma once

#include "QuickText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class QPainter;
class QPaintDevice;
class QPointF;

// A table of a printed report, fitted to a width: one line per row, no
// figure and no word ever broken. Figures keep their full width and stand
// right; when the columns need more room than the page has, the type gets
// smaller first, then long texts end in "…". Its heading may take two or
// more lines, broken between words only. Every row has the same height, so
// a page holds a fixed number of them and the cost of a page does not grow
// with the table.
class FittedTable
{
public:
    // Measured for the device the table is drawn on. figures: the columns
    // that hold figures. Fill with addRow(), then fit() once.
    FittedTable(const QStringList& heads, const QVector<bool>& figures, const QPaintDevice* device);

    // values: one per column. A text that repeats down a column (a type, a
    // unit) is measured once; columns in unique are measured every time,
    // since remembering their texts would only cost memory.
    void addRow(const QStringList& values);
    void setUnique(int column) { m_unique[column] = true; }
    void reserve(int rows) { m_cells.reserve(qsizetype(rows) * columnCount()); }
    // Width in the device's pixels.
    void fit(qreal width);

    int rowCount() const { return m_rows; }
    int columnCount() const { return int(m_heads.size()); }
    qreal headerHeight() const { return m_headerHeight; }
    qreal rowHeight() const { return m_rowHeight; }
    qreal width() const;
    qreal typePoints() const { return m_points; }
    // A cell as it is drawn, "…" included where a text was cut.
    QString text(int row, int column) const;
    bool isFigure(int column) const { return m_figures.at(column); }

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

    // The fonts a cell is measured in at the base size, while rows come.
    struct Measure
    {
        QFontMetricsF latin;
        QuickText quick;
        QFontMetricsF cjk;
    };

    QFont cellFont(const Cell& cell, bool bold = false) const;

    const QPaintDevice* m_device;
    QStringList m_heads;
    QVector<bool> m_figures;
    QVector<bool> m_unique;
    int m_rows = 0;
    QVector<Cell> m_cells;
    std::optional<Measure> m_measure;
    // Texts measured so far, per column; a quick text as a negative width.
    // Dropped once the table is fitted.
    QVector<QHash<QString, float>> m_known;
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
