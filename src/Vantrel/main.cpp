#include "RememberedChoices.h"
#include "StartupProbe.h"
#include "Vantrel.h"
#include "WindowSizeRule.h"

#include <data/SceneSetInstaller.h>

#include <Sarnet/ToolApplicationHull.h>

#include <QApplication>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>

int main(int argc, char** argv)
{
    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    hull->addTranslationCatalogue(QStringLiteral("VantrelData")); // the names the data files show
    hull->initialize(argc, argv, QStringLiteral("setup.xml"), QStringLiteral("Vantrel"));
    // Recent plans, remembered choices and the recovery file live under this name.
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    // After initialize(), so the name is already translated.
    hull->setAppName(QObject::tr("Vantrel"));
    if (!hull->startApp())
        return 0;
    // A scene import cut short after its switch began is finished before
    // anything reads the scene table.
    SceneSetInstaller::recover();

    int exitCode = 0;
    {
        Vantrel window;
        if (StartupProbe::isWanted())
            new StartupProbe(&window); // owned by the window
        const auto* choices = new RememberedChoices(&window); // owned by the window
        window.show();
        WindowSizeRule::apply(window, QGuiApplication::primaryScreen()->availableGeometry(), choices->windowPlace());
        window.openAtStart(QCoreApplication::arguments());
        exitCode = QApplication::exec();
        hull->distory();
    }
    return exitCode;
}
