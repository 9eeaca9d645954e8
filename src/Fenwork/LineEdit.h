#pragma once

#include "FenworkGlobal.h"

#include <QLineEdit>

namespace aptui {

// Toolkit QLineEdit: the class name is what the skin's style sheets address.
class FENWORK_EXPORT LineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit LineEdit(QWidget* parent = nullptr);
    ~LineEdit() override;
};

} // namespace aptui
