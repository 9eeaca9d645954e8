#include "StackedWidget.h"

namespace aptui {

StackedWidget::StackedWidget(QWidget* parent)
    : QStackedWidget(parent)
{
}

StackedWidget::~StackedWidget() = default;

} // namespace aptui
