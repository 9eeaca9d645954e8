#include "DeviceListWidget.h"

#include "DeviceItemWidget/CardWidths.h"

#include <Fenwork/ShareTools.h>

#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

// Cards made for rows of a long list beyond this many stay as spares for
// the rows to come; more than a screenful is never needed at once.
constexpr int kMostSpareCells = 64;

void prepareCell(QWidget* cell)
{
    // The skin styles a card as a row of the list: its line and its hover.
    cell->setAttribute(Qt::WA_StyledBackground);
    cell->setAttribute(Qt::WA_Hover);
}

} // namespace

DeviceListWidget::DeviceListWidget(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The skins style this list's scroll bar by its name.
    verticalScrollBar()->setObjectName(QStringLiteral("DeviceListWidget_ScrollBar_Bandwidth"));
    ShareTools::reloadStyle(verticalScrollBar());
}

DeviceListWidget::~DeviceListWidget() = default;

QSize DeviceListWidget::cellSizeForWidth(int cardWidth)
{
    if (cardWidth >= CardWidths::kOneRow)
        return QSize(kCellWidth, kOneRowHeight);
    if (cardWidth >= CardWidths::kTwoRow)
        return QSize(kCellWidth, kTwoRowHeight);
    return QSize(kCellWidth, cardWidth >= CardWidths::kThreeRow ? kThreeRowHeight : kFiveRowHeight);
}

void DeviceListWidget::insertRow(int row)
{
    row = qBound(0, row, count());
    m_cellOfRow.insert(row, nullptr);
    updateScrollBar();
    placeCells();
}

void DeviceListWidget::removeRow(int row)
{
    if (row < 0 || row >= count())
        return;
    releaseCell(row);
    m_cellOfRow.remove(row);
    updateScrollBar();
    placeCells();
}

void DeviceListWidget::resetRows(int rows)
{
    for (int row = 0; row < count(); ++row)
        releaseCell(row);
    m_cellOfRow = QVector<QWidget*>(std::max(rows, 0), nullptr);
    // A new list starts at its top, and an empty one holds no spare card
    // either: after Clear the memory of the cards goes back.
    if (rows == 0) {
        qDeleteAll(m_spareCells);
        m_spareCells.clear();
    }
    updateScrollBar();
    // The scroll bar comes or goes with the new rows only once control is
    // back in the event loop; the viewport takes its width now instead, so
    // the cards are made for it rather than all laid out again a moment
    // later.
    QEvent layout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(this, &layout);
    verticalScrollBar()->setValue(0);
    placeCells();
}

QWidget* DeviceListWidget::cellAt(int row) const
{
    return row >= 0 && row < count() ? m_cellOfRow.at(row) : nullptr;
}

QWidget* DeviceListWidget::ensureCell(int row)
{
    if (row < 0 || row >= count())
        return nullptr;
    QWidget*& cell = m_cellOfRow[row];
    if (!cell) {
        cell = takeSpareCell(row);
        if (cell) {
            const QRect rect = rowRect(row);
            cell->setGeometry(rect);
            cell->setVisible(rect.intersects(viewport()->rect()));
        }
    }
    return cell;
}

int DeviceListWidget::rowOf(const QWidget* cell) const
{
    if (!cell)
        return -1;
    return int(m_cellOfRow.indexOf(const_cast<QWidget*>(cell)));
}

QList<QWidget*> DeviceListWidget::cellList() const
{
    QList<QWidget*> cells;
    for (QWidget* cell : m_cellOfRow) {
        if (cell)
            cells.append(cell);
    }
    return cells;
}

QRect DeviceListWidget::rowRect(int row) const
{
    return QRect(0, row * m_rowHeight - verticalScrollBar()->value(), viewport()->width(), m_rowHeight);
}

int DeviceListWidget::rowAt(const QPoint& point) const
{
    if (point.y() < 0 || m_rowHeight <= 0)
        return -1;
    const int row = (point.y() + verticalScrollBar()->value()) / m_rowHeight;
    return row < count() ? row : -1;
}

void DeviceListWidget::scrollToRow(int row, QAbstractItemView::ScrollHint hint)
{
    if (row < 0 || row >= count())
        return;
    QScrollBar* bar = verticalScrollBar();
    const int top = row * m_rowHeight;
    const int shown = viewport()->height();
    switch (hint) {
    case QAbstractItemView::PositionAtTop:
        bar->setValue(top);
        break;
    case QAbstractItemView::PositionAtBottom:
        bar->setValue(top + m_rowHeight - shown);
        break;
    case QAbstractItemView::PositionAtCenter:
        bar->setValue(top - (shown - m_rowHeight) / 2);
        break;
    case QAbstractItemView::EnsureVisible:
        if (top < bar->value())
            bar->setValue(top);
        else if (top + m_rowHeight > bar->value() + shown)
            bar->setValue(top + m_rowHeight - shown);
        break;
    }
}

void DeviceListWidget::scrollToTop()
{
    verticalScrollBar()->setValue(0);
}

void DeviceListWidget::scrollToBottom()
{
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

// The cards' width decides how many rows their fields take, and so the
// rows' height. The cards are as wide as the viewport, which is narrower
// than the list by its frame and, when shown, its scroll bar: this handler
// also runs when the viewport alone is resized. Taller rows never take the
// scroll bar away, so the choice settles.
void DeviceListWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const int topRow = m_rowHeight > 0 ? verticalScrollBar()->value() / m_rowHeight : 0;
    const int height = cellSizeForWidth(viewport()->width()).height();
    const bool heightChanged = height != m_rowHeight;
    m_rowHeight = height;
    updateScrollBar();
    // The row on top stays on top when the rows change their height.
    if (heightChanged)
        verticalScrollBar()->setValue(topRow * m_rowHeight);
    placeCells();
}

void DeviceListWidget::scrollContentsBy(int, int)
{
    // The cards are placed anew rather than moved: far ones go to the pool.
    placeCells();
}

QWidget* DeviceListWidget::takeSpareCell(int row)
{
    if (!m_spareCells.isEmpty() && m_cellBinder) {
        QWidget* cell = m_spareCells.takeLast();
        m_cellBinder(cell, row);
        return cell;
    }
    if (!m_cellMaker)
        return nullptr;
    QWidget* cell = m_cellMaker(row);
    if (!cell)
        return nullptr;
    cell->setParent(viewport());
    prepareCell(cell);
    return cell;
}

void DeviceListWidget::releaseCell(int row)
{
    QWidget*& cell = m_cellOfRow[row];
    if (!cell)
        return;
    cell->hide();
    // A card may be the sender of the click that removes its row: it goes
    // once control is back in the event loop.
    if (m_cellBinder && m_spareCells.size() < kMostSpareCells && count() > kAllCardsUpTo)
        m_spareCells.append(cell);
    else
        cell->deleteLater();
    cell = nullptr;
}

void DeviceListWidget::updateScrollBar()
{
    QScrollBar* bar = verticalScrollBar();
    const int shown = viewport()->height();
    bar->setRange(0, std::max(0, count() * m_rowHeight - shown));
    bar->setPageStep(shown);
    bar->setSingleStep(m_rowHeight);
}

void DeviceListWidget::placeCells()
{
    const QRect shown = viewport()->rect();
    const int rows = count();
    if (rows == 0 || m_rowHeight <= 0)
        return;
    const int scrolled = verticalScrollBar()->value();
    const int pageRows = shown.height() / m_rowHeight + 1;
    const int firstShown = scrolled / m_rowHeight;
    const int lastShown = std::min(rows - 1, (scrolled + shown.height()) / m_rowHeight);
    // A page above and below is laid out ahead, so short scrolls find the
    // cards ready; a long list lets go of those further than four pages.
    const int firstNear = std::max(0, firstShown - pageRows);
    const int lastNear = std::min(rows - 1, lastShown + pageRows);
    const bool keepAll = rows <= kAllCardsUpTo;
    if (!keepAll) {
        const int firstKept = firstShown - 4 * pageRows;
        const int lastKept = lastShown + 4 * pageRows;
        for (int row = 0; row < rows; ++row) {
            QWidget* cell = m_cellOfRow.at(row);
            if (cell && (row < firstKept || row > lastKept) && !cell->hasFocus())
                releaseCell(row);
        }
    }
    for (int row = 0; row < rows; ++row) {
        const bool near = row >= firstNear && row <= lastNear;
        QWidget* cell = near || keepAll ? ensureCell(row) : m_cellOfRow.at(row);
        if (!cell)
            continue;
        const QRect rect = rowRect(row);
        if (near) {
            cell->setGeometry(rect);
            cell->show();
        } else if (!cell->isHidden() || cell->geometry() != rect) {
            // Hidden first, so the new size waits until the card is shown.
            cell->hide();
            cell->setGeometry(rect);
        }
    }
    viewport()->update();
}
