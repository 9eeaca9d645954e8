#include "DeviceListWidget.h"

#include "DeviceCellDelegate.h"

#include <Fenwork/ShareTools.h>

#include <QListWidgetItem>
#include <QResizeEvent>
#include <QScrollBar>

DeviceListWidget::DeviceListWidget(QWidget* parent)
    : aptui::CellListWidget(parent)
{
    // The skins style this list's scroll bar by its name.
    verticalScrollBar()->setObjectName(QStringLiteral("DeviceListWidget_ScrollBar_Bandwidth"));
    ShareTools::reloadStyle(verticalScrollBar());
    setItemDelegate(new DeviceCellDelegate(this)); // owned by the list
}

DeviceListWidget::~DeviceListWidget() = default;

QSize DeviceListWidget::cellSizeForWidth(int width)
{
    if (width >= kOneRowWidth)
        return QSize(kCellWidth, kOneRowHeight);
    // The cards are narrower than the list by its scroll bar and frame: a
    // list near the limit rather gives a two-row card a taller cell than a
    // three-row card too short a one.
    return QSize(kCellWidth, width >= kTwoRowWidth + kWidthBesideCards ? kTwoRowHeight : kThreeRowHeight);
}

void DeviceListWidget::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
}

// The list's width decides how many rows the cards' fields take.
void DeviceListWidget::resizeEvent(QResizeEvent* event)
{
    const QSize cellSize = cellSizeForWidth(width());
    const bool heightChanged = count() > 0 && item(0)->sizeHint() != cellSize;
    setSizeHint(cellSize);
    // The view caches the row height of its uniform rows; new hints take
    // effect only with a fresh layout of the rows.
    if (heightChanged)
        scheduleDelayedItemsLayout();
    QListView::resizeEvent(event);
    // The view skips its own handling while a row layout is pending, and
    // would leave the shown cards at their old width until some later
    // layout: every width change places them at once.
    executeDelayedItemsLayout();
    placeCells();
}

void DeviceListWidget::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    placeCells();
}

void DeviceListWidget::updateEditorGeometries()
{
    // Rows first: the cards take their places from the row layout, which
    // places the cards itself when it was still pending.
    const int placements = m_placements;
    executeDelayedItemsLayout();
    if (placements == m_placements)
        placeCells();
}

void DeviceListWidget::insertRow(int row, const QSize& size)
{
    setSizeHint(size);
    auto* rowItem = new QListWidgetItem;
    rowItem->setSizeHint(size);
    insertItem(qBound(0, row, count()), rowItem); // the list owns it
}

void DeviceListWidget::removeRow(int row)
{
    if (row < 0 || row >= count())
        return;
    if (QWidget* cell = cellAt(row)) {
        removeCell(cell);
        return;
    }
    delete takeItem(row);
}

QWidget* DeviceListWidget::cellAt(int row) const
{
    return row >= 0 && row < count() ? itemWidget(item(row)) : nullptr;
}

QWidget* DeviceListWidget::ensureCell(int row)
{
    QWidget* cell = cellAt(row);
    if (cell || !m_cellMaker || row < 0 || row >= count())
        return cell;
    cell = m_cellMaker(row);
    setItemWidget(item(row), cell);
    return cell;
}

void DeviceListWidget::placeCells()
{
    const QRect shown = viewport()->rect();
    // A page above and below stays shown, so short scrolls find the cards
    // already laid out.
    const QRect nearby = shown.adjusted(0, -shown.height(), 0, shown.height());
    // Cards further than this are let go in a long list.
    const QRect kept = shown.adjusted(0, -4 * shown.height(), 0, 4 * shown.height());
    const bool keepAll = count() <= kAllCardsUpTo;
    ++m_placements;
    const QList<QRect> rects = rowRects();
    for (int row = 0; row < rects.size(); ++row) {
        const QRect& rect = rects.at(row);
        const bool near = rect.isValid() && rect.intersects(nearby);
        QWidget* cell = near ? ensureCell(row) : cellAt(row);
        if (!cell)
            continue;
        // Only a row whose place is known is far; a pending layout knows none.
        if (!keepAll && m_cellMaker && rect.isValid() && !rect.intersects(kept) && !cell->hasFocus()) {
            // Deleted with its row's widget slot; made again when it comes back.
            removeItemWidget(item(row));
            continue;
        }
        if (near) {
            cell->setGeometry(rect);
            cell->show();
        } else {
            // Hidden first, so the new size waits until the card is shown.
            cell->hide();
            cell->setGeometry(rect);
        }
    }
}

QList<QRect> DeviceListWidget::rowRects() const
{
    QList<QRect> rects;
    const int rows = count();
    rects.reserve(rows);
    if (rows == 0)
        return rects;
    // Uniform rows in one column follow each other at a fixed step; asking
    // the view for each row costs far more in a long list.
    if (uniformItemSizes() && flow() == QListView::TopToBottom && !isWrapping()) {
        const QRect first = visualItemRect(item(0));
        const int step = rows > 1 ? visualItemRect(item(1)).top() - first.top() : first.height();
        for (int row = 0; row < rows; ++row)
            rects.append(first.translated(0, row * step));
        return rects;
    }
    for (int row = 0; row < rows; ++row)
        rects.append(visualItemRect(item(row)));
    return rects;
}
