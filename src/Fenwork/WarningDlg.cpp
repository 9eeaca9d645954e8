#include "WarningDlg.h"

#include "BaseDialog.h"

#include <QDialog>

namespace aptui {

namespace {
int runMessage(const QString& title, const QString& text, QWidget* parent, bool withCancel)
{
    BaseDialog dialog(false, false, false, false, true, true, true, parent);
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    dialog.setTitle(title);
    dialog.setDefaultText(text);
    dialog.setCancelVisible(withCancel);
    dialog.SetFixedSize(400, 220);
    return dialog.exec();
}
} // namespace

int WarningDlg::CheckMessageInfo(const QString& title, const QString& text, QWidget* parent)
{
    return runMessage(title, text, parent, true) == QDialog::Accepted ? 1 : 0;
}

void WarningDlg::ShowMessageInfo(const QString& title, const QString& text, QWidget* parent)
{
    runMessage(title, text, parent, false);
}

} // namespace aptui
