#pragma once

#include "FenworkGlobal.h"

#include <QMenu>

namespace aptui {

// Toolkit QMenu: the class name is what the skin's style sheets address.
class FENWORK_EXPORT Menu : public QMenu
{
    Q_OBJECT

public:
    explicit Menu(QWidget* parent = nullptr);
    ~Menu() override;
};

} // namespace aptui
