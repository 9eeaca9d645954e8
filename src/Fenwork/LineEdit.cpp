#include "LineEdit.h"

#include <QFocusEvent>

namespace aptui {

LineEdit::LineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

LineEdit::~LineEdit() = default;

void LineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // The press that gave the focus places the cursor after this; the
    // selection waits for the release.
    m_selectOnRelease = m_selectAllOnFocus && event->reason() == Qt::MouseFocusReason;
}

void LineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // A drag that selected a part is what the user wanted instead.
    if (m_selectOnRelease && !hasSelectedText())
        selectAll();
    m_selectOnRelease = false;
}

} // namespace aptui
