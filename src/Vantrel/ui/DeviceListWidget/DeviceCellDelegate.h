#pragma once

#include <QStyledItemDelegate>

namespace aptui {
class CellListWidget;
}

// Sizes the rows of a cell list. A row that has no size of its own yet (a
// cell is being appended) takes the list's cell size, so that the row layout
// the view runs at that moment keeps every other card's size.
class DeviceCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit DeviceCellDelegate(aptui::CellListWidget* list);
    ~DeviceCellDelegate() override;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const aptui::CellListWidget* m_list;
};
