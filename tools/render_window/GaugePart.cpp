// The bandwidth column with its uplink gauge in each state, dressed by the
// shipped skin: no uplink, 0 %, 69.9 %, 70 %, 100 % and 140 % of a link.

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

    struct State
    {
        const char* name;
        double totalKbps;
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
        const BandwidthTotal total(state.totalKbps * 0.7);
        const QString unit = total.unit() == BandwidthTotal::Unit::Gpbs ? QStringLiteral("Gpbs")
            : total.unit() == BandwidthTotal::Unit::Mpbs                ? QStringLiteral("Mpbs")
                                                                        : QStringLiteral("Kpbs");
        page.onSetAllCount(QStringLiteral("13"), QStringLiteral("9"), QStringLiteral("4"), total.text(), unit);
        page.showUplinkCheck(UplinkCheck(state.totalKbps, state.uplink));
        page.showUplink(state.uplink);
        page.resize(228, 720);
        page.show();
        ok &= saveShot(page, outDir, QStringLiteral("gauge-%1.png").arg(QLatin1String(state.name)));
    }
    return ok;
}
