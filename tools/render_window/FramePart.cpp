// The toolkit's window frame with the shipped skin, its about popup and its
// cover, without the program's widgets in it.

#include "Parts.h"
#include "RenderSupport.h"

#include <Fenwork/DialogAbout.h>
#include <Fenwork/Menu.h>
#include <Fenwork/ToolMainWindow.h>
#include <Fenwork/ToolTitleBar.h>
#include <Sarnet/StyleSheetBuilder.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QPluginLoader>
#include <QPushButton>
#include <QStyleFactory>
#include <QTextStream>

bool renderFrame(const QDir& outDir)
{
    const QString bin = QCoreApplication::applicationDirPath();
    QPluginLoader skin(bin + QStringLiteral("/plugins/skins/libCommonSkin.so"));
    if (!skin.instance())
        QTextStream(stderr) << "skin not loaded: " << skin.errorString() << '\n';
    QCoreApplication::addLibraryPath(bin + QStringLiteral("/plugins"));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("CommonStyle")))
        QApplication::setStyle(style);
    // The program's style sheets, as the shell reads them.
    apt::StyleSheetBuilder::apply(QStringLiteral("Vantrel"));

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

    bool ok = saveShot(window, outDir, QStringLiteral("frame.png"));
    window.showAboutMenu();
    ok &= saveShot(*window.aboutMenu(), outDir, QStringLiteral("frame_about.png"));
    window.aboutMenu()->close();
    window.enableCover();
    ok &= saveShot(window, outDir, QStringLiteral("frame_cover.png"));
    return ok;
}
