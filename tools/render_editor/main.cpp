// Renders the device editor offscreen in the states a user sees, at the
// width the main window gives it, so the layout can be checked by eye.

#include "DeviceEditor/DeviceEditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QStyleFactory>
#include <QTextStream>

namespace {

constexpr int kPanelHeight = 760;

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

bool save(QWidget& widget, const QDir& outDir, const QString& name)
{
    settle();
    const QString path = outDir.filePath(name);
    const bool saved = widget.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << " (" << widget.width() << "x"
                        << widget.height() << ")\n";
    return saved;
}

void click(DeviceEditor& editor, const char* name)
{
    if (auto* button = editor.findChild<QAbstractButton*>(QLatin1String(name)))
        button->click();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The font the shell sets at start-up (falls back to the system sans).
    QFont font(QStringLiteral("Microsoft YaHei"), 9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    QApplication::setFont(font);
    const QStringList arguments = QApplication::arguments();
    const QDir outDir(arguments.size() > 1 ? arguments.at(1) : QStringLiteral("/tmp"));

    DeviceEditor editor;
    // As the main window shows it: 320 wide, on the bandwidth tab.
    editor.setFixedWidth(320);
    editor.resize(320, kPanelHeight);
    editor.setCurrentPage(0);
    editor.show();

    bool ok = save(editor, outDir, QStringLiteral("editor_bandwidth_fixed.png"));

    click(editor, "m_radioButtonVarRate");
    ok &= save(editor, outDir, QStringLiteral("editor_bandwidth_variable.png"));

    if (auto* rate = editor.findChild<QLineEdit*>(QStringLiteral("m_lineEditScenceRecommandRate")))
        rate->setText(QStringLiteral("-1"));
    click(editor, "m_btnAddDevice");
    ok &= save(editor, outDir, QStringLiteral("editor_rate_rejected.png"));

    click(editor, "m_radioButtonFixedRate");
    editor.setCurrentPage(1);
    ok &= save(editor, outDir, QStringLiteral("editor_encoding.png"));

    click(editor, "m_checkBoxSpread");
    ok &= save(editor, outDir, QStringLiteral("editor_collapsed.png"));

    return ok ? 0 : 1;
}
