#pragma once

#include "FenworkGlobal.h"

#include <QStackedWidget>

namespace aptui {

// Toolkit QStackedWidget: the class name is what the skin's style sheets address.
class FENWORK_EXPORT StackedWidget : public QStackedWidget
{
    Q_OBJECT

public:
    explicit StackedWidget(QWidget* parent = nullptr);
    ~StackedWidget() override;
};

} // namespace aptui
