#include "VerScrollBar.h"

namespace aptui {

VerScrollBar::VerScrollBar(QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
}

VerScrollBar::~VerScrollBar() = default;

} // namespace aptui
