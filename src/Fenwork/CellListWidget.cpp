#include "CellListWidget.h"

namespace aptui {

CellListWidget::CellListWidget(QWidget* parent)
    : QListWidget(parent)
    , m_cellSize(50, 60)
{
    setSelectionMode(QAbstractItemView::NoSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
}

CellListWidget::~CellListWidget() = default;

void CellListWidget::addCell(QWidget* cell, const QSize& size)
{
    insertCell(count(), cell, size);
}

void CellListWidget::insertCell(int row, QWidget* cell, const QSize& size)
{
    if (!cell)
        return;
    m_cellSize = size;
    // Sized before it joins the list, so the view lays the row out once.
    auto* item = new QListWidgetItem;
    item->setSizeHint(size);
    insertItem(qBound(0, row, count()), item); // the list owns it from here
    setItemWidget(item, cell);
}

void CellListWidget::removeCell(QWidget* cell)
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* candidate = item(row);
        if (itemWidget(candidate) != cell)
            continue;
        // The view lets go of the cell with its row; it is deleted later, so
        // it may be the one asking for its removal.
        cell->hide();
        delete takeItem(row);
        cell->deleteLater();
        return;
    }
}

void CellListWidget::clearCell()
{
    const QList<QWidget*> cells = cellList();
    clear();
    for (QWidget* cell : cells) {
        cell->hide();
        cell->deleteLater();
    }
}

QList<QWidget*> CellListWidget::cellList() const
{
    QList<QWidget*> cells;
    cells.reserve(count());
    for (int row = 0; row < count(); ++row) {
        if (QWidget* cell = itemWidget(item(row)))
            cells.append(cell);
    }
    return cells;
}

int CellListWidget::cellCount() const
{
    return count();
}

void CellListWidget::setSizeHint(const QSize& size)
{
    if (size == m_cellSize && (count() == 0 || item(0)->sizeHint() == size))
        return;
    m_cellSize = size;
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(size);
}

} // namespace aptui
