#pragma once

#include "FenworkGlobal.h"

#include <QLabel>

namespace aptui {

// Toolkit QLabel: the class name is what the skin's style sheets address.
// It shows its text as written: most texts carry names from files, and a
// name read as HTML could load any file ("<img src=...>"). A label whose
// text is the program's own markup asks for Qt::RichText itself.
class FENWORK_EXPORT Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(QWidget* parent = nullptr);
    ~Label() override;
};

} // namespace aptui
