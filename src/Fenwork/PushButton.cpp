#include "PushButton.h"

namespace aptui {

PushButton::PushButton(QWidget* parent)
    : QPushButton(parent)
{
}

PushButton::~PushButton() = default;

} // namespace aptui
