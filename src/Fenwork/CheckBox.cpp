#include "CheckBox.h"

namespace aptui {

CheckBox::CheckBox(QWidget* parent)
    : QCheckBox(parent)
{
}

CheckBox::~CheckBox() = default;

} // namespace aptui
