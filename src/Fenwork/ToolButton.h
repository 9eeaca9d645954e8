#pragma once

#include "FenworkGlobal.h"

#include <QToolButton>

namespace aptui {

// Toolkit QToolButton: the class name is what the skin's style sheets address.
class FENWORK_EXPORT ToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit ToolButton(QWidget* parent = nullptr);
    ~ToolButton() override;
};

} // namespace aptui
