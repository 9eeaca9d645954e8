// Renders the toolkit's window frame offscreen with the shipped skin, so a
// change of the frame or its style sheet can be looked at without a desktop.

#include <Fenwork/DialogAbout.h>
#include <Fenwork/File.h>
#include <Fenwork/Menu.h>
#include <Fenwork/ToolMainWindow.h>
#include <Fenwork/ToolTitleBar.h>

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPluginLoader>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTextStream>

namespace {
bool save(QWidget* widget, const QString& folder, const QString& name)
{
    const QString path = QDir(folder).filePath(name);
    const bool ok = widget->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: render_frame <output folder>\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString bin = QCoreApplication::applicationDirPath();
    QPluginLoader skin(bin + QStringLiteral("/plugins/skins/libCommonSkin.so"));
    if (!skin.instance())
        QTextStream(stderr) << "skin not loaded: " << skin.errorString() << '\n';
    QCoreApplication::addLibraryPath(bin + QStringLiteral("/plugins"));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("CommonStyle")))
        QApplication::setStyle(style);
    // Every style sheet of the program's skin folder, in name order, as the shell reads them.
    const QString sheets = QStringLiteral(":/AppSkin/Qss/Vantrel/");
    app.setStyleSheet(aptui::File::ReadAll(QDir(sheets).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase), sheets));

    aptui::ToolMainWindow window;
    window.setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/logo_qzt_36.png")));
    window.setAppTitle(QStringLiteral("Vantrel"));
    auto* tabs = new QWidget;
    auto* tabLayout = new QHBoxLayout(tabs);
    tabLayout->setContentsMargins(0, 0, 0, 0);
    for (const QString& text : {QStringLiteral("Bandwidth"), QStringLiteral("Encoidng")}) {
        auto* tab = new QPushButton(text);
        tab->setFlat(true);
        tab->setStyleSheet(QStringLiteral("color: white; font-size: 14px; padding: 0 18px;"));
        tabLayout->addWidget(tab);
    }
    window.setSpecialWidget(tabs, Qt::AlignLeft);
    auto* about = new aptui::DialogAbout(&window);
    about->SetNameValue(QStringLiteral("Vantrel"));
    about->SetVersionValue(QStringLiteral("v3.0.0.1build20151209"));
    about->SetBtn1Text(QStringLiteral("User Help"));
    about->SetBtn2Text(QStringLiteral("Update Scence"));
    window.setAboutDialog(about);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/Vantrel/Images/Vantrel/Vantrel.png")));
    window.windowTitle()->setRestoreSize(QSize(1024, 720), QSize(10000, 10000));
    window.show();
    QTest::qWait(50);

    bool ok = save(&window, out, QStringLiteral("frame.png"));
    window.showAboutMenu();
    QTest::qWait(50);
    ok &= save(window.aboutMenu(), out, QStringLiteral("frame_about.png"));
    window.aboutMenu()->close();
    window.enableCover();
    QTest::qWait(20);
    ok &= save(&window, out, QStringLiteral("frame_cover.png"));
    return ok ? 0 : 1;
}
