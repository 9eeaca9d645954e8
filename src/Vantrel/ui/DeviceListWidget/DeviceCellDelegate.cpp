#include "DeviceCellDelegate.h"

#include <Fenwork/CellListWidget.h>

DeviceCellDelegate::DeviceCellDelegate(aptui::CellListWidget* list)
    : QStyledItemDelegate(list)
    , m_list(list)
{
}

DeviceCellDelegate::~DeviceCellDelegate() = default;

QSize DeviceCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option);
    const QVariant hint = index.data(Qt::SizeHintRole);
    if (hint.isValid())
        return hint.toSize();
    // With uniform rows the view samples the last row, which is the one
    // being appended and has no size yet.
    return m_list->cellSizeHint();
}
