#include "ComboBox.h"

namespace aptui {

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

ComboBox::~ComboBox() = default;

} // namespace aptui
