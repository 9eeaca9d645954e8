#pragma once

#include "FenworkGlobal.h"

#include <QLineEdit>

namespace aptui {

// Toolkit QLineEdit: the class name is what the skin's style sheets address.
class FENWORK_EXPORT LineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineEdit(QWidget* parent = nullptr);
    ~LineEdit() override;

    // For a field that holds a suggestion: a click into it selects the whole
    // text, so typing replaces the suggestion instead of mixing into it
    // (QLineEdit already does so when the focus comes by Tab).
    void setSelectAllOnFocus(bool select) { m_selectAllOnFocus = select; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_selectAllOnFocus = false;
    bool m_selectOnRelease = false;
};

} // namespace aptui
