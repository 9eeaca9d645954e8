// The bandwidth column with its uplink gauge in each state, dressed by the
// shipped skin: no uplink, 0 %, 69.9 %, 70 %, 100 % and 140 % of a link, in
// the language setup.xml chooses ("-zh" names for Chinese).

#include "BandWidthPage/BandWidthPage.h"
#include "Parts.h"
#include "RenderSupport.h"

#include <data/BandwidthTotal.h>
#include <data/UplinkCheck.h>


#include <QApplication>
#include <QCoreApplication>
#include <QStyle>

bool renderGauge(const QDir& outDir)
{
    dressLikeTheShell();
    const QString suffix = installLanguageOfSetup();

    struct State
    {
        const char* name;
        double loadKbps;
        UplinkSettings uplink;
    };
    // A 100 Mbps fibre is 102400 kbps; the last state is 1.4 Gbps on 1 Gbps.
    const UplinkSettings fibre{ QStringLiteral("Fibre 100 Mbps"), 100 };
    const State states[] = {
        { "none", 60080, UplinkSettings() },
        { "0", 0, fibre },
        { "69.9", 71577.6, fibre },
        { "70", 71680, fibre },
        { "100", 102400, fibre },
        { "140", 1.4 * 1024 * 1024, UplinkSettings{ QString(), 1024 } },
    };
    bool ok = true;
    for (const State& state : states) {
        BandWidthPage page;
        const BandwidthTotal total(state.loadKbps);
        // The unit as the device page hands it over: translated.
        const char* unitKey = total.unit() == BandwidthTotal::Unit::Gpbs ? "Gpbs"
            : total.unit() == BandwidthTotal::Unit::Mpbs                ? "Mpbs"
                                                                        : "Kpbs";
        const QString unit = QCoreApplication::translate("DeviceAddPage", unitKey);
        page.onSetAllCount(QStringLiteral("13"), QStringLiteral("9"), QStringLiteral("4"), total.text(), unit);
        page.showUplinkCheck(UplinkCheck(state.loadKbps, state.uplink));
        page.showUplink(state.uplink);
        page.resize(228, 720);
        page.show();
        ok &= saveShot(page, outDir, QStringLiteral("gauge-%1%2.png").arg(QLatin1String(state.name), suffix));
    }
    return ok;
}
