#pragma once

#include "FenworkGlobal.h"

#include <QScrollBar>

namespace aptui {

// Vertical scroll bar of the toolkit, styled through its class name.
class FENWORK_EXPORT VerScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit VerScrollBar(QWidget* parent = nullptr);
    ~VerScrollBar() override;
};

} // namespace aptui
