// The Network tab of the campus example at 1200 x 750, its tree open with a
// switch chosen, and the tab on the first example whose site has problems,
// the list of them in view, in the language setup.xml chooses ("-zh" names
// for Chinese).

#include "Parts.h"
#include "RenderSupport.h"
#include "ExamplePlans.h"
#include "NetworkPage/NetworkPage.h"
#include "PlanDocument.h"
#include "PlanFileController.h"
#include "SectionBar/SectionBar.h"
#include "Vantrel.h"

#include <data/Plan.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTextStream>

#include <algorithm>

namespace {

void openExample(Vantrel& window, int index)
{
    window.planFiles()->examplesMenu()->actions().at(index)->trigger();
    settle();
}

} // namespace

bool renderNetwork(int& argc, char** argv, const QDir& outDir)
{
    const QString suffix = startLikeTheProgram(argc, argv);

    Vantrel window;
    window.resize(1200, 750);
    window.show();
    settle();
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    int campus = -1;
    for (int i = 0; i < examples.size(); ++i) {
        if (examples.at(i).path.endsWith(QLatin1String("campus.vantrel")))
            campus = i;
    }
    if (campus < 0) {
        QTextStream(stderr) << "render_window: no campus example\n";
        return false;
    }
    openExample(window, campus);
    window.sectionBar()->switchNetworkTab();
    settle();
    NetworkPage* page = window.networkPage();
    const PlanNetwork& network = window.document()->plan()->network();
    if (!network.switches.isEmpty())
        page->selectNode(network.switches.at(std::min<qsizetype>(1, network.switches.size() - 1)).id);
    settle();
    bool ok = saveShot(window, outDir, QStringLiteral("network-tab%1.png").arg(suffix));

    // The first example whose site breaks or nears a rule, its first
    // problem clicked.
    for (int i = 0; i < examples.size(); ++i) {
        openExample(window, i);
        if (window.document()->siteCheck().problems().isEmpty())
            continue;
        QListWidget* problems = page->problemList();
        problems->setCurrentRow(0);
        Q_EMIT problems->itemClicked(problems->item(0));
        settle();
        ok &= saveShot(window, outDir, QStringLiteral("network-problems%1.png").arg(suffix));
        return ok;
    }
    QTextStream(stderr) << "render_window: no example with problems\n";
    return false;
}
