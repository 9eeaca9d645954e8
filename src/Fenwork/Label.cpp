#include "Label.h"

namespace aptui {

Label::Label(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

Label::~Label() = default;

} // namespace aptui
