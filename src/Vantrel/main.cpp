#include "HandedPlans.h"
#include "RememberedChoices.h"
#include "StartOptions.h"
#include "StartupProbe.h"
#include "Vantrel.h"
#include "WindowSizeRule.h"

#include <data/DeviceTablesLoader.h>
#include <data/SceneSetInstaller.h>
#include <data/SceneSetLocation.h>
#include <data/SceneTable.h>

#include <Fenwork/TargetPath.h>
#include <Sarnet/ToolApplicationHull.h>

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>

int main(int argc, char** argv)
{
    // Before any window, display or running instance is looked at.
    if (const std::optional<int> answered = StartOptions::answer(argc, argv))
        return *answered;
    // Recent plans, the recovery file, the user's setup.xml and imported
    // scenes live under this name; set before the shell reads its setup.
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.vantrel"));
    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    hull->addTranslationCatalogue(QStringLiteral("VantrelData")); // the names the data files show
    hull->initialize(argc, argv, QStringLiteral("setup.xml"), QStringLiteral("Vantrel"));
    // After initialize(), so the name is already translated.
    hull->setAppName(QObject::tr("Vantrel"));
    // A plan double-clicked while Vantrel runs goes to the running window;
    // that one knows nothing of this folder, so relative paths are resolved
    // here. (Qt's own options are gone from the arguments by now.)
    const QStringList plans = StartOptions::planPaths(QCoreApplication::arguments().mid(1), QDir::currentPath());
    if (!hull->startApp(plans))
        return 0;
    // A scene import cut short after its switch began is finished before
    // anything reads the scene table.
    SceneSetInstaller::recover();
    // The editor's first questions need the data tables and the scene
    // table; they are read on the start's second thread while the window's
    // frame and forms are made. The folder is found here first: Qt keeps
    // the program's path unguarded.
    aptui::GetTargetPath();
    hull->preload([] { DeviceTablesLoader::shared(); });
    hull->preload([] {
        QVector<SceneTable::Row> rows;
        SceneTable::read(SceneSetLocation::tablePath(), rows);
    });

    int exitCode = 0;
    {
        Vantrel window;
        if (StartupProbe::isWanted())
            new StartupProbe(&window); // owned by the window
        const auto* choices = new RememberedChoices(&window); // owned by the window
        // Sized before it is shown: the window appears once, at its size,
        // instead of being laid out and drawn at the minimum first.
        WindowSizeRule::apply(window, QGuiApplication::primaryScreen()->availableGeometry(), choices->windowPlace());
        window.show();
        window.openAtStart(QCoreApplication::arguments());
        HandedPlans* handed = window.handedPlans();
        hull->setDocumentReceiver([handed](const QStringList& paths) { handed->receive(paths); });
        exitCode = QApplication::exec();
        hull->setDocumentReceiver({});
        hull->distory();
    }
    return exitCode;
}
