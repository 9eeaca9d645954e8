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

int WarningDlg::ChooseMessageInfo(const QString& title, const QString& text, const QString& firstText,
                                  const QString& secondText, const QString& cancelText, QWidget* parent)
{
    constexpr int kSecond = 2;
    BaseDialog dialog(false, false, false, false, true, true, true, parent);
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    dialog.setTitle(title);
    dialog.setDefaultText(text);
    dialog.setButtonTexts(firstText, cancelText);
    dialog.addButton(secondText, kSecond);
    dialog.SetFixedSize(440, 220);
    const int result = dialog.exec();
    if (result == QDialog::Accepted)
        return 1;
    return result == kSecond ? kSecond : 0;
}

void WarningDlg::ShowMessageInfo(const QString& title, const QString& text, QWidget* parent)
{
    runMessage(title, text, parent, false);
}

} // namespace aptui
