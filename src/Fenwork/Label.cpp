#include "Label.h"

namespace aptui {

Label::Label(QWidget* parent)
    : QLabel(parent)
{
}

Label::~Label() = default;

} // namespace aptui
