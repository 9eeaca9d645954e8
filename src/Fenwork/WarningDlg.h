#pragma once

#include "FenworkGlobal.h"

#include <QString>

class QWidget;

namespace aptui {

class FENWORK_EXPORT WarningDlg
{
public:
    // Asks a yes/no question in a modal dialog; 1 when the user confirms,
    // 0 otherwise.
    static int CheckMessageInfo(const QString& title, const QString& text, QWidget* parent);
    // Asks with three answers, as Save / Discard / Cancel: 1 for the first,
    // 2 for the second, 0 for the third or a closed dialog.
    static int ChooseMessageInfo(const QString& title, const QString& text, const QString& firstText,
                                 const QString& secondText, const QString& cancelText, QWidget* parent);
    // Shows a notice with a single OK button and waits for it to close.
    static void ShowMessageInfo(const QString& title, const QString& text, QWidget* parent);
};

} // namespace aptui
