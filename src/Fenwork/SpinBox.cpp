#include "SpinBox.h"

namespace aptui {

SpinBox::SpinBox(QWidget* parent)
    : QSpinBox(parent)
{
}

SpinBox::~SpinBox() = default;

} // namespace aptui
