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
};

} // namespace aptui
