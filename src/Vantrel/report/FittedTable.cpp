#include "FittedTable.h"

#include "ReportStyle.h"

#include <QLineF>
#include <QPainter>
#include <QPaintDevice>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr qreal kPaddingPoints = 2.5;
constexpr qreal kPaddingTopPoints = 2;
// Widths are measured once at the base size and scaled: a little room keeps
// rounding from ever touching the next column.
constexpr qreal kSlack = 1.02;
const std::array<qreal, 4> kSizes{ReportStyle::kTablePoints, 7.0, 6.5, ReportStyle::kSmallestTablePoints};

qreal pixelsPerPoint(const QPaintDevice* device)
{
    return device->logicalDpiX() / 72.0;
}

// Line and paragraph breaks in a name become spaces.
void oneLine(QString& text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == u'\t' || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
}

QStringList words(const QString& head)
{
    return head.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

FittedTable::FittedTable(const QStringList& heads, const QVector<bool>& figures, const QPaintDevice* device)
    : m_device(device)
    , m_heads(heads)
    , m_figures(figures)
    , m_unique(int(heads.size()), false)
    , m_known(int(heads.size()))
    , m_need(int(heads.size()), 0)
    , m_least(int(heads.size()), 0)
{
    m_figures.resize(heads.size());
    const qreal base = ReportStyle::kTablePoints;
    const QFont latin = ReportStyle::font(QString(), base);
    m_measure.emplace(Measure{QFontMetricsF(latin, m_device), QuickText(latin, m_device),
                              QFontMetricsF(ReportStyle::font(QStringLiteral("\u4e00"), base), m_device)});
    const QFontMetricsF latinBold(ReportStyle::font(QString(), base, true), m_device);
    const QFontMetricsF cjkBold(ReportStyle::font(QStringLiteral("\u4e00"), base, true), m_device);
    // A cut text keeps a few characters before its "…".
    const qreal shortest = m_measure->latin.horizontalAdvance(QStringLiteral("MMMM…"));
    for (int column = 0; column < columnCount(); ++column) {
        const QString& head = m_heads.at(column);
        const QFontMetricsF& metrics = ReportStyle::hasCjk(head) ? cjkBold : latinBold;
        for (const QString& word : words(head))
            m_least[column] = std::max(m_least.at(column), metrics.horizontalAdvance(word));
        if (!isFigure(column))
            m_least[column] = std::max(m_least.at(column), shortest);
        m_anyCjk = m_anyCjk || ReportStyle::hasCjk(head);
    }
}

qreal FittedTable::width() const
{
    qreal sum = 0;
    for (const qreal column : m_columnWidth)
        sum += column;
    return sum;
}

QFont FittedTable::cellFont(const Cell& cell, bool bold) const
{
    return ReportStyle::font(cell.cjk ? QStringLiteral("\u4e00") : QString(), m_points, bold);
}

void FittedTable::addRow(const QStringList& values)
{
    const Measure& measure = *m_measure;
    for (int column = 0; column < columnCount(); ++column) {
        Cell cell;
        cell.text = values.value(column);
        // A line break in a name would break the row.
        if (!isFigure(column))
            oneLine(cell.text);
        cell.cjk = !isFigure(column) && ReportStyle::hasCjk(cell.text);
        m_anyCjk = m_anyCjk || cell.cjk;
        const auto found = m_known.at(column).constFind(cell.text);
        if (found != m_known.at(column).cend()) {
            cell.width = std::abs(*found);
            cell.quick = *found < 0;
        } else {
            const qreal quickWidth = cell.cjk ? -1 : measure.quick.width(cell.text);
            cell.quick = quickWidth >= 0;
            cell.width = float(cell.quick ? quickWidth : (cell.cjk ? measure.cjk : measure.latin).horizontalAdvance(cell.text));
            if (!m_unique.at(column))
                m_known[column].insert(cell.text, cell.quick ? -cell.width : cell.width);
        }
        m_need[column] = std::max(m_need.at(column), qreal(cell.width));
        m_cells.append(cell);
    }
    ++m_rows;
}

void FittedTable::fit(qreal width)
{
    m_measure.reset();
    m_known = {};
    const int columns = columnCount();
    const qreal perPoint = pixelsPerPoint(m_device);
    m_padding = kPaddingPoints * perPoint;
    const qreal padding = 2 * m_padding;

    // Widths at a size, the texts' columns at their needs or, where the
    // page is too narrow, at one level that the longest ones give way to.
    auto widthsAt = [&](qreal points, bool cut, QVector<qreal>* result) {
        const qreal scale = points / ReportStyle::kTablePoints * kSlack;
        qreal fixed = columns * padding;
        qreal needed = 0;
        for (int column = 0; column < columns; ++column) {
            const qreal need = std::max(m_need.at(column), m_least.at(column)) * scale;
            if (isFigure(column))
                fixed += need;
            else
                needed += need;
        }
        const qreal room = width - fixed;
        if (!cut && needed > room)
            return false;
        qreal level = 0;
        if (needed > room) {
            // The level at which the texts' columns fill the room exactly.
            qreal low = 0;
            qreal high = width;
            for (int step = 0; step < 50; ++step) {
                const qreal mid = (low + high) / 2;
                qreal sum = 0;
                for (int column = 0; column < columns; ++column) {
                    if (!isFigure(column))
                        sum += std::clamp(mid, m_least.at(column) * scale,
                                          std::max(m_need.at(column), m_least.at(column)) * scale);
                }
                (sum > room ? high : low) = mid;
            }
            level = low;
        }
        result->resize(columns);
        qreal total = 0;
        for (int column = 0; column < columns; ++column) {
            const qreal need = std::max(m_need.at(column), m_least.at(column)) * scale;
            qreal content = need;
            if (!isFigure(column) && needed > room)
                content = std::clamp(level, m_least.at(column) * scale, need);
            (*result)[column] = content;
            total += content + padding;
        }
        // Room to spare widens every column by its share, so the table
        // spans the page.
        const qreal spare = width - total;
        qreal contents = total - columns * padding;
        for (int column = 0; column < columns; ++column) {
            if (spare > 0 && contents > 0)
                (*result)[column] += spare * (*result)[column] / contents;
            (*result)[column] += padding;
        }
        return true;
    };

    QVector<qreal> widths;
    m_points = 0;
    for (const qreal points : kSizes) {
        if (widthsAt(points, false, &widths)) {
            m_points = points;
            break;
        }
    }
    // Nothing fits whole: long texts give way at the base size, or at the
    // smallest where even their shortest forms need less room there.
    if (m_points == 0) {
        m_points = ReportStyle::kTablePoints;
        qreal fixed = 0;
        const qreal scale = kSlack;
        for (int column = 0; column < columns; ++column)
            fixed += padding + (isFigure(column) ? std::max(m_need.at(column), m_least.at(column))
                                                 : m_least.at(column)) * scale;
        if (fixed > width)
            m_points = ReportStyle::kSmallestTablePoints;
        widthsAt(m_points, true, &widths);
    }
    m_columnWidth = widths;

    const QFontMetricsF latin(ReportStyle::font(QString(), m_points), m_device);
    const QFontMetricsF cjk(ReportStyle::font(QStringLiteral("\u4e00"), m_points), m_device);
    const qreal top = kPaddingTopPoints * perPoint;
    qreal line = latin.height();
    m_ascent = latin.ascent();
    if (m_anyCjk) {
        line = std::max(line, cjk.height());
        m_ascent = std::max(m_ascent, cjk.ascent());
    }
    m_rowHeight = line + 2 * top;

    // The heading's words, as many to a line as its column holds.
    m_headLines.clear();
    int lines = 1;
    for (int column = 0; column < columns; ++column) {
        const QString& head = m_heads.at(column);
        const QFontMetricsF metrics(ReportStyle::font(head, m_points, true), m_device);
        const qreal room = m_columnWidth.at(column) - padding;
        QStringList headLines;
        QString current;
        for (const QString& word : words(head)) {
            const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && metrics.horizontalAdvance(joined) > room) {
                headLines << current;
                current = word;
            } else {
                current = joined;
            }
        }
        headLines << current;
        lines = std::max(lines, int(headLines.size()));
        m_headLines << headLines;
    }
    m_headerHeight = lines * line + 2 * top;
}

QString FittedTable::text(int row, int column) const
{
    const Cell& cell = m_cells.at(qsizetype(row) * columnCount() + column);
    const qreal room = m_columnWidth.at(column) - 2 * m_padding;
    const qreal scale = m_points / ReportStyle::kTablePoints;
    if (isFigure(column) || cell.width * scale * kSlack <= room)
        return cell.text;
    return QFontMetricsF(cellFont(cell), m_device).elidedText(cell.text, Qt::ElideRight, room);
}

void FittedTable::paintHeader(QPainter* painter, const QPointF& topLeft) const
{
    painter->fillRect(QRectF(topLeft, QSizeF(width(), m_headerHeight)), ReportStyle::kTableHead);
    painter->setPen(ReportStyle::kText);
    const qreal top = kPaddingTopPoints * pixelsPerPoint(m_device);
    qreal x = topLeft.x();
    for (int column = 0; column < columnCount(); ++column) {
        const QString& head = m_heads.at(column);
        const QFont font = ReportStyle::font(head, m_points, true);
        painter->setFont(font);
        const QFontMetricsF metrics(font, m_device);
        const qreal line = (m_headerHeight - 2 * top) / std::max<qsizetype>(1, m_headLines.at(column).size());
        const qreal lineHeight = std::min(line, metrics.height());
        qreal y = topLeft.y() + top + metrics.ascent();
        for (const QString& text : m_headLines.at(column)) {
            const qreal shift = isFigure(column) ? m_columnWidth.at(column) - 2 * m_padding - metrics.horizontalAdvance(text) : 0;
            painter->drawText(QPointF(x + m_padding + shift, y), text);
            y += lineHeight;
        }
        x += m_columnWidth.at(column);
    }
    painter->setPen(QPen(ReportStyle::kFrame, 0));
    const qreal bottom = topLeft.y() + m_headerHeight;
    painter->drawLine(QPointF(topLeft.x(), bottom), QPointF(topLeft.x() + width(), bottom));
}

void FittedTable::paintRows(QPainter* painter, const QPointF& topLeft, int first, int count) const
{
    const int columns = columnCount();
    const qreal top = kPaddingTopPoints * pixelsPerPoint(m_device);
    const qreal scale = m_points / ReportStyle::kTablePoints;
    const QFont latin = ReportStyle::font(QString(), m_points);
    const QFont cjk = ReportStyle::font(QStringLiteral("\u4e00"), m_points);
    const QuickText quick(latin, m_device);
    painter->setPen(ReportStyle::kText);
    painter->setFont(latin);
    bool inCjk = false;
    QVector<QLineF> rules;
    rules.reserve(count);
    const int last = std::min(m_rows, first + count);
    for (int row = first; row < last; ++row) {
        const qreal rowTop = topLeft.y() + (row - first) * m_rowHeight;
        const qreal baseline = rowTop + top + m_ascent;
        qreal x = topLeft.x();
        for (int column = 0; column < columns; ++column) {
            const Cell& cell = m_cells.at(qsizetype(row) * columns + column);
            if (cell.cjk != inCjk) {
                painter->setFont(cell.cjk ? cjk : latin);
                inCjk = cell.cjk;
            }
            const qreal room = m_columnWidth.at(column) - 2 * m_padding;
            const bool whole = isFigure(column) || cell.width * scale * kSlack <= room;
            const qreal left = isFigure(column) ? x + m_padding + room - cell.width * scale : x + m_padding;
            if (whole && cell.quick) {
                quick.draw(painter, QPointF(left, baseline), cell.text);
            } else if (whole) {
                painter->drawText(QPointF(left, baseline), cell.text);
            } else {
                painter->drawText(QPointF(x + m_padding, baseline), text(row, column));
            }
            x += m_columnWidth.at(column);
        }
        rules.append(QLineF(topLeft.x(), rowTop + m_rowHeight, topLeft.x() + width(), rowTop + m_rowHeight));
    }
    painter->setPen(QPen(ReportStyle::kGrid, 0));
    painter->drawLines(rules);
}
