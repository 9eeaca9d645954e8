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
    // Shows a notice with a single OK button and waits for it to close.
    static void ShowMessageInfo(const QString& title, const QString& text, QWidget* parent);
};

} // namespace aptui
