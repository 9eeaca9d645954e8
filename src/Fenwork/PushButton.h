#pragma once

#include "FenworkGlobal.h"

#include <QPushButton>

namespace aptui {

// Toolkit QPushButton: the class name is what the skin's style sheets address.
class FENWORK_EXPORT PushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButton(QWidget* parent = nullptr);
    ~PushButton() override;
};

} // namespace aptui
