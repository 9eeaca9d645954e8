#include "Widget.h"

#include <QPainter>
#include <QStyleOption>

namespace aptui {

Widget::Widget(QWidget* parent)
    : QWidget(parent)
{
}

Widget::~Widget() = default;

void Widget::paintEvent(QPaintEvent* event)
{
    // A widget marked for a styled background (the title bar, the about
    // box) has had it painted by Qt before this event: a second time darkens
    // a translucent one, and repaints a gradient across the whole width.
    if (!testAttribute(Qt::WA_StyledBackground)) {
        QStyleOption option;
        option.initFrom(this);
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    }
    QWidget::paintEvent(event);
}

} // namespace aptui
