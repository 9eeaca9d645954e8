#pragma once

#include "FenworkGlobal.h"

#include <QStackedWidget>

namespace aptui {

// Toolkit QStackedWidget: the class name is what the skin's style sheets address.
//
// Forms declare it as a plain container, so uic makes each page as a child
// of the stack rather than as a window handed over afterwards: a widget
// handed to a new parent is restyled with everything it holds, and under an
// application style sheet that was a good part of the program's start. The
// form's owner calls takeChildPages() after setupUi(), once the pages hold
// what they show: the current page is styled and laid out as it joins. An
// index the form set before its pages existed takes effect then.
class FENWORK_EXPORT StackedWidget : public QStackedWidget
{
    Q_OBJECT
    // Found here sooner by Qt's style sheet; see aptui::Widget.
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)

public:
    explicit StackedWidget(QWidget* parent = nullptr);
    ~StackedWidget() override;

    // Hides QStackedWidget's slot for the calls a form makes before its
    // pages exist; the property and the slot itself work as before.
    void setCurrentIndex(int index);

    // Makes every child widget that is not yet a page a page, in the order
    // the children were made.
    void takeChildPages();

private:
    int m_pendingIndex = -1;
};

} // namespace aptui
