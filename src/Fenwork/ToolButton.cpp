#include "ToolButton.h"

namespace aptui {

ToolButton::ToolButton(QWidget* parent)
    : QToolButton(parent)
{
}

ToolButton::~ToolButton() = default;

} // namespace aptui
