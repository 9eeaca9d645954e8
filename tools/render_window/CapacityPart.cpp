// The capacity page (both sections, with figures), the widest bandwidth
// total, the section bar and its export panel.

#include "BandWidthPage/BandWidthPage.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "PlanDocument.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "Parts.h"
#include "RenderSupport.h"
#include "SectionBar/SectionBar.h"

#include <QWidget>

bool renderCapacity(const QDir& outDir)
{
    PlanDocument document{ QString() };
    CapacityCalculation page;
    page.setDocument(&document);
    page.resize(1000, 700);
    page.show();
    bool ok = saveShot(page, outDir, QStringLiteral("capacity_empty.png"));

    ok &= loadFirstExample(document);
    page.showNormalPage();
    page.setCurrentSection(0);
    ok &= saveShot(page, outDir, QStringLiteral("capacity_bandwidth.png"));

    CodeParameter question;
    question.bandwidth = 20 * 1024;
    question.streamCount = 4;
    question.encodingType = QStringLiteral("H.264");
    page.onCalculationCodeParameter(question);
    page.setCurrentSection(1);
    page.setMinimumWidth(400);
    ok &= saveShot(page, outDir, QStringLiteral("capacity_encoding.png"));

    // The fonts follow the page height: a large and a small window.
    page.resize(1400, 900);
    ok &= saveShot(page, outDir, QStringLiteral("capacity_encoding_large.png"));
    page.resize(760, 650);
    ok &= saveShot(page, outDir, QStringLiteral("capacity_encoding_small.png"));

    // The widest total the device list can report.
    BandWidthPage totals;
    totals.onSetAllCount(QStringLiteral("1536"), QStringLiteral("1024"), QStringLiteral("512"),
                         QStringLiteral("1024.0"), QStringLiteral("Mpbs"));
    totals.resize(228, 687);
    totals.show();
    ok &= saveShot(totals, outDir, QStringLiteral("bandwidth_page_wide.png"));

    SectionBar bar;
    bar.resize(110, 675);
    bar.show();
    ok &= saveShot(bar, outDir, QStringLiteral("section_bar.png"));
    bar.switchEncodingTab();
    ok &= saveShot(bar, outDir, QStringLiteral("section_bar_encoding.png"));

    // The export panel lives inside the (hidden) popup menu.
    if (auto* panel = bar.findChild<QWidget*>(QStringLiteral("ExportMenuAction_ID_FX_CANNOT_BE_MULTI"))) {
        bar.onPopupExport();
        ok &= saveShot(*panel, outDir, QStringLiteral("export_menu.png"));
    }
    return ok;
}
