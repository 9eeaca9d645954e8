#pragma once

#include "FittedTable.h"

class PlanReport;
class QPaintDevice;

// The printed tables of the site's network: one row per switch, one per
// recorder, each load beside its limit, the state in words.
class NetworkTables
{
public:
    // Measured and fitted for the device; width in its pixels.
    static FittedTable switches(const PlanReport& report, const QPaintDevice* device, qreal width);
    static FittedTable recorders(const PlanReport& report, const QPaintDevice* device, qreal width);
};
