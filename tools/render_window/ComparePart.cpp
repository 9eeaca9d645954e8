// The comparison of the warehouse example with a copy of itself in H.264,
// three of its cards chosen on the Bandwidth tab and "Edit selected..." of
// them, in the language
// setup.xml chooses ("-zh" names for Chinese).

#include "Parts.h"
#include "RenderSupport.h"
#include "PlanDocument.h"
#include "PlanFileController.h"
#include "Vantrel.h"
#include "ui/CapacityCalculation/CapacityCalculation.h"
#include "ui/BulkEditDialog/BulkEditDialog.h"
#include "ui/CompareDialog/CompareDialog.h"
#include "ui/DeviceAddPage/CardSelection.h"
#include "ui/DeviceAddPage/DeviceAddPage.h"

#include <data/DeviceConfigStore.h>
#include <data/Plan.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

bool renderCompare(int& argc, char** argv, const QDir& outDir)
{
    const QString suffix = startLikeTheProgram(argc, argv);

    Vantrel window;
    window.resize(1200, 750);
    window.show();
    settle();
    const QList<QAction*> examples = window.planFiles()->examplesMenu()->actions();
    if (examples.size() > 2)
        examples.at(2)->trigger();
    settle();
    const Plan* plan = window.document()->plan();
    if (plan->groupCount() < 4)
        return false;

    bool ok = true;
    DeviceAddPage* page = window.capacityCalculation()->deviceAddPage();
    page->selection()->click(plan->groupAt(0).device.groupNumber, Qt::NoModifier);
    page->selection()->click(plan->groupAt(1).device.groupNumber, Qt::ShiftModifier);
    page->selection()->click(plan->groupAt(3).device.groupNumber, Qt::ControlModifier);
    settle();
    ok &= saveShot(window, outDir, QStringLiteral("cards-selected%1.png").arg(suffix));

    QVector<PlanGroup> chosen;
    for (const int row : page->selection()->rows())
        chosen.append(plan->groupAt(row));
    const DeviceConfigStore store;
    BulkEditDialog bulkEdit(chosen, plan->videoStandard(), store, &window);
    bulkEdit.show();
    settle();
    ok &= saveShot(bulkEdit, outDir, QStringLiteral("bulk-edit%1.png").arg(suffix));

    CompareDialog dialog(plan->data(), QStringLiteral("warehouse-yard.vantrel"), &window);
    if (auto* choice = named<QComboBox>(dialog, "m_comboCompareWith"))
        choice->setCurrentIndex(1);
    if (auto* encoding = named<QComboBox>(dialog, "m_comboEncoding"))
        encoding->setCurrentIndex(std::max(encoding->findText(QStringLiteral("H.264")), 0));
    if (auto* compare = named<QPushButton>(dialog, "m_buttonCompare"))
        compare->click();
    dialog.show();
    settle();
    ok &= saveShot(dialog, outDir, QStringLiteral("compare-dialog%1.png").arg(suffix));
    return ok;
}
