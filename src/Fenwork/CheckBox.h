#pragma once

#include "FenworkGlobal.h"

#include <QCheckBox>

namespace aptui {

// Toolkit QCheckBox: the class name is what the skin's style sheets address.
class FENWORK_EXPORT CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget* parent = nullptr);
    ~CheckBox() override;
};

} // namespace aptui
