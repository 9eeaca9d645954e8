#pragma once

#include <QObject>

class QWidget;

// A combo box or number box takes the mouse wheel only while it has the
// focus; otherwise the wheel goes on to what holds it, so a form that scrolls
// keeps scrolling when the pointer passes over a field instead of changing it.
class FocusedWheelFilter : public QObject
{
    Q_OBJECT

public:
    // Guards every combo box and number box inside root; the filter is a
    // child of root.
    static void guardFieldsOf(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusedWheelFilter(QObject* parent);
};
