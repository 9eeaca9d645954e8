#include "UtilisationDelegate.h"

#include "NetworkTreeModel.h"
#include "SkinColours/SkinColours.h"

#include <data/CheckState.h>

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kBarMargin = 3;
constexpr int kBarWidth = 90;

const char* colourName(CheckState state)
{
    switch (state) {
    case CheckState::Warn:
        return "warning";
    case CheckState::Over:
        return "danger";
    case CheckState::Ok:
        break;
    }
    return "ok";
}

} // namespace

void UtilisationDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant utilisation = index.data(NetworkTreeModel::UtilisationRole);
    if (!utilisation.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The row's selection and hover come from the style; the bar goes on top.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const auto state = static_cast<CheckState>(index.data(NetworkTreeModel::StateRole).toInt());
    const QRect track = option.rect.adjusted(kBarMargin, kBarMargin, -kBarMargin, -kBarMargin);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(SkinColours::value("gauge-track")));
    painter->drawRect(track);
    const double share = std::clamp(utilisation.toDouble(), 0.0, 1.0);
    QRect filled = track;
    filled.setWidth(qRound(track.width() * share));
    painter->setBrush(QColor(SkinColours::value(colourName(state))));
    painter->drawRect(filled);
    painter->setPen(QColor(SkinColours::value("text")));
    painter->drawText(track, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize UtilisationDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), kBarWidth));
    return size;
}
