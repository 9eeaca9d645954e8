#pragma once

#include "CheckState.h"
#include "PlanTypes.h"

#include <QCoreApplication>
#include <QString>

// Whether the devices' load fits through the site's uplink. The load is the
// plain sum of the groups' rates, without the bandwidth total's headroom:
// the 70 % line is that headroom, so counting it in the load as well would
// turn the link amber at half of what it carries. Beyond 70 % the headroom
// is eaten, beyond 100 % the link cannot carry the devices at all.
class UplinkCheck
{
    Q_DECLARE_TR_FUNCTIONS(UplinkCheck)

public:
    enum class Level { NoUplink, Comfortable, Tight, Over };

    // loadKbps: the plain load, as BandwidthTotal::sum() gives it.
    UplinkCheck(double loadKbps, const UplinkSettings& uplink);
    UplinkCheck() = default;

    bool hasUplink() const { return m_uplink.isSet(); }
    const UplinkSettings& uplink() const { return m_uplink; }
    double loadKbps() const { return m_loadKbps; }
    // The load over the link's capacity; 0 without an uplink.
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
    // The one utilisation rule of every link of the site: ok up to 70 % of
    // the capacity, warn up to 100 %, over beyond; a capacity of 0 or less
    // carries nothing, so any load on it is over.
    static CheckState stateOf(double loadKbps, double capacityKbps);
    // A share in percent rounded up to a tenth, "70", "69.9", "140".
    static QString percentOf(double loadKbps, double capacityKbps);

private:
    double m_loadKbps = 0.0;
    UplinkSettings m_uplink;
};
