#pragma once

#include "PlanTypes.h"

#include <QCoreApplication>
#include <QString>

// Whether the devices' total fits through the site's uplink. The total is
// the bandwidth tab's, headroom included, so a link that is "70 % used"
// already carries the devices at half of it; beyond 70 % the headroom is
// eaten, beyond 100 % the link cannot carry them at all.
class UplinkCheck
{
    Q_DECLARE_TR_FUNCTIONS(UplinkCheck)

public:
    enum class Level { NoUplink, Comfortable, Tight, Over };

    // totalKbps: the total with headroom, as BandwidthTotal::total() gives it.
    UplinkCheck(double totalKbps, const UplinkSettings& uplink);
    UplinkCheck() = default;

    bool hasUplink() const { return m_uplink.isSet(); }
    const UplinkSettings& uplink() const { return m_uplink; }
    double totalKbps() const { return m_totalKbps; }
    // The total over the link's capacity; 0 without an uplink.
    double share() const;
    Level level() const;
    // The share in percent rounded up to a tenth, so a figure never looks
    // greener than its colour: "70 %", "69.9 %", "140 %".
    QString percentText() const;
    // One line for the gauge and the report.
    QString message() const;

    // A rate in the largest unit that keeps it at 1 or more (units step by
    // 1024), rounded up to a tenth: "1.4 Gbps", "100 Mbps".
    static QString rateText(double kbps);

private:
    double m_totalKbps = 0.0;
    UplinkSettings m_uplink;
};
