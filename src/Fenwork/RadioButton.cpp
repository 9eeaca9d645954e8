#include "RadioButton.h"

namespace aptui {

RadioButton::RadioButton(QWidget* parent)
    : QRadioButton(parent)
{
}

RadioButton::~RadioButton() = default;

} // namespace aptui
