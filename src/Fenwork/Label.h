#pragma once

#include "FenworkGlobal.h"

#include <QLabel>

namespace aptui {

// Toolkit QLabel: the class name is what the skin's style sheets address.
class FENWORK_EXPORT Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);
    ~Label() override;
};

} // namespace aptui
