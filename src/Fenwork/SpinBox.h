#pragma once

#include "FenworkGlobal.h"

#include <QSpinBox>

namespace aptui {

// Toolkit QSpinBox: the class name is what the skin's style sheets address.
//
// A typed number outside the range is clamped to the nearer limit instead of
// being refused key by key (which would keep "100" of a typed "1000"): above
// the maximum at once, below the minimum when the text is taken (focus out,
// Enter, commitText). The box then carries the property "invalid" and a tool
// tip naming the limit until the next edit within the range.
class FENWORK_EXPORT SpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinBox(QWidget* parent = nullptr);
    ~SpinBox() override;

    // Takes the typed text now, as losing the focus would, and clamps it.
    void commitText();
    bool wasClamped() const { return m_clampShown; }

    // The hint for a clamped value; %1 is the limit it was clamped to. The
    // toolkit's own wording is used while none is set.
    void setClampHint(const QString& aboveMaximum, const QString& belowMinimum);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

Q_SIGNALS:
    void signalClamped(int limit);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTextChanged();
    void showPendingClamp();
    void setClampShown(bool shown, int limit);

    // validate() and fixup() are const; what they clamped is shown once the
    // box has taken the new text.
    mutable bool m_clampPending = false;
    mutable int m_clampLimit = 0;
    bool m_clampShown = false;
    QString m_aboveHint;
    QString m_belowHint;
};

} // namespace aptui
