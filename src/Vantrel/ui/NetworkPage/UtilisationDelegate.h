#pragma once

#include <QStyledItemDelegate>

// A link's use as a bar in the site gauge's colours (green to 70 %, amber
// to 100 %, red beyond), with its percentage over it.
class UtilisationDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
