#include "LineEdit.h"

namespace aptui {

LineEdit::LineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

LineEdit::~LineEdit() = default;

} // namespace aptui
