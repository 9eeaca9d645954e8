#pragma once

#include "FenworkGlobal.h"
#include "Label.h"

#include <QFont>
#include <QSize>
#include <QString>

namespace aptui {

// A word-wrapping label that asks for the width of its text on one line and
// wraps only when it is given less. QLabel's own word wrap asks for a box of
// about five to three, so a short sentence broke into three lines even
// where there was room for it on one (and laid its text out four times to
// find that box).
class FENWORK_EXPORT WrappingLabel : public Label
{
    Q_OBJECT

public:
    explicit WrappingLabel(QWidget* parent = nullptr);
    ~WrappingLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // Measures the text on one line and at its longest word, without the
    // label's margins; again only when the text or the font changed.
    void measure() const;
    QSize withMargins(QSize text) const;

    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable QSize m_oneLine;
    mutable QSize m_longestWord;
};

} // namespace aptui
