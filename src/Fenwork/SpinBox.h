#pragma once

#include "FenworkGlobal.h"

#include <QSpinBox>

namespace aptui {

// Toolkit QSpinBox: the class name is what the skin's style sheets address.
class FENWORK_EXPORT SpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit SpinBox(QWidget* parent = nullptr);
    ~SpinBox() override;
};

} // namespace aptui
