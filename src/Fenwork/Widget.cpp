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
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}

} // namespace aptui
