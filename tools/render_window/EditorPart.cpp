// The device editor in the states a user sees, at the width the main window
// gives it: fixed and variable rate, a rejected rate, the encoding page and
// the collapsed panel.

#include "DeviceEditor/DeviceEditor.h"
#include "Parts.h"
#include "RenderSupport.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace {

constexpr int kPanelHeight = 760;

void click(DeviceEditor& editor, const char* name)
{
    if (auto* button = editor.findChild<QAbstractButton*>(QLatin1String(name)))
        button->click();
}

} // namespace

bool renderEditor(const QDir& outDir)
{
    DeviceEditor editor;
    // As the main window shows it: 320 wide, on the bandwidth tab.
    editor.setFixedWidth(320);
    editor.resize(320, kPanelHeight);
    editor.setCurrentPage(0);
    editor.show();

    bool ok = saveShot(editor, outDir, QStringLiteral("editor_bandwidth_fixed.png"));

    click(editor, "m_radioButtonVarRate");
    ok &= saveShot(editor, outDir, QStringLiteral("editor_bandwidth_variable.png"));

    if (auto* rate = editor.findChild<QLineEdit*>(QStringLiteral("m_lineEditScenceRecommandRate")))
        rate->setText(QStringLiteral("-1"));
    click(editor, "m_btnAddDevice");
    ok &= saveShot(editor, outDir, QStringLiteral("editor_rate_rejected.png"));

    click(editor, "m_radioButtonFixedRate");
    editor.setCurrentPage(1);
    ok &= saveShot(editor, outDir, QStringLiteral("editor_encoding.png"));

    click(editor, "m_checkBoxSpread");
    ok &= saveShot(editor, outDir, QStringLiteral("editor_collapsed.png"));
    return ok;
}
