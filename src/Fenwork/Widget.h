#pragma once

#include "FenworkGlobal.h"

#include <QWidget>

namespace aptui {

// A plain widget that paints its style-sheet background and border, which a
// bare QWidget subclass does not do by itself (Qt does, once, for one marked
// Qt::WA_StyledBackground).
class FENWORK_EXPORT Widget : public QWidget
{
    Q_OBJECT
    // Qt's style sheet reads this by name from every ancestor of each widget
    // it polishes; declared again here, the name is found in this class
    // instead of after QWidget's sixty other properties.
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)

public:
    explicit Widget(QWidget* parent = nullptr);
    ~Widget() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace aptui
