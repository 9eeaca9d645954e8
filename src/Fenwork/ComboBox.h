#pragma once

#include "FenworkGlobal.h"

#include <QComboBox>

namespace aptui {

// Toolkit QComboBox: the class name is what the skin's style sheets address.
class FENWORK_EXPORT ComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ComboBox(QWidget* parent = nullptr);
    ~ComboBox() override;

    // A list whose width its layout sets (a column of a fixed-width panel,
    // say) need not measure every entry for a width the layout overrides:
    // off, its size hints are those of an empty list, one text line high.
    // Qt's own switch for that (AdjustToMinimumContentsLengthWithIcon) makes
    // the list's popup at once. On by default.
    void setHintMeasuresEntries(bool measures);
    bool hintMeasuresEntries() const { return m_hintMeasuresEntries; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QSize emptyListHint() const;

    bool m_hintMeasuresEntries = true;
};

} // namespace aptui
