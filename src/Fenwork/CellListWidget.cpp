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
    if (!cell)
        return;
    m_cellSize = size;
    auto* item = new QListWidgetItem(this); // owned by the list
    item->setSizeHint(size);
    setItemWidget(item, cell);
}

void CellListWidget::removeCell(QWidget* cell)
{
    for (int row = 0; row < count(); ++row) {
        QListWidgetItem* candidate = item(row);
        if (itemWidget(candidate) != cell)
            continue;
        cell->hide();
        cell->setParent(nullptr);
        removeItemWidget(candidate);
        delete takeItem(row);
        cell->deleteLater();
        return;
    }
}

void CellListWidget::clearCell()
{
    for (QWidget* cell : cellList()) {
        cell->hide();
        cell->setParent(nullptr);
        cell->deleteLater();
    }
    clear();
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
