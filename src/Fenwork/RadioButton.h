#pragma once

#include "FenworkGlobal.h"

#include <QRadioButton>

namespace aptui {

// Toolkit QRadioButton: the class name is what the skin's style sheets address.
class FENWORK_EXPORT RadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit RadioButton(QWidget* parent = nullptr);
    ~RadioButton() override;
};

} // namespace aptui
