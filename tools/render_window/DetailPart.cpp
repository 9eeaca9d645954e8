// The View section unfolded on a 4 MP camera short of its level, and the
// Storage tab of the warehouse example with its disks available (enough,
// then too few), in the language setup.xml chooses ("-zh" names for
// Chinese).

#include "Parts.h"
#include "RenderSupport.h"
#include "PlanFileController.h"
#include "Vantrel.h"


#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QSpinBox>

bool renderDetail(int& argc, char** argv, const QDir& outDir)
{
    const QString suffix = startLikeTheProgram(argc, argv);

    Vantrel window;
    window.resize(1200, 750);
    window.show();
    settle();
    // The warehouse: its docks fall short of Recognise, its disks suffice.
    const QList<QAction*> examples = window.planFiles()->examplesMenu()->actions();
    if (examples.size() > 2)
        examples.at(2)->trigger();
    settle();
    bool ok = true;
    if (auto* resolutions = named<QComboBox>(window, "m_comboBoxResolution"))
        resolutions->setCurrentIndex(std::max(resolutions->findText(QStringLiteral("4MP(2560x1440)")), 0));
    if (auto* view = named<QAbstractButton>(window, "m_btnView"))
        view->click();
    if (auto* kind = named<QComboBox>(window, "m_comboViewKind"))
        kind->setCurrentIndex(1);
    if (auto* angle = named<QDoubleSpinBox>(window, "m_spinViewAngle"))
        angle->setValue(92);
    if (auto* distance = named<QDoubleSpinBox>(window, "m_spinViewDistance"))
        distance->setValue(12);
    if (auto* required = named<QComboBox>(window, "m_comboRequiredLevel"))
        required->setCurrentIndex(4); // None, Monitor, Detect, Observe, Recognise
    settle();
    ok &= saveShot(window, outDir, QStringLiteral("view-section%1.png").arg(suffix));

    window.switchStorageTab();
    settle();
    ok &= saveShot(window, outDir, QStringLiteral("storage-disks-available%1.png").arg(suffix));
    if (auto* disks = named<QSpinBox>(window, "m_spinDisksAvailable"))
        disks->setValue(12);
    settle();
    ok &= saveShot(window, outDir, QStringLiteral("storage-disks-short%1.png").arg(suffix));
    return ok;
}
