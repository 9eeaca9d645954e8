#pragma once

#include "FittedTable.h"

class PlanReport;
class QPaintDevice;

// The groups table of a printed report, one group a row: names, types,
// resolutions and encodings are the texts that give way when the page is
// too narrow; numbers, counts and rates are figures.
class GroupTable : public FittedTable
{
public:
    enum Column { Number, Name, Type, ChannelsStreams, Resolution, FrameRate, Encoding, Rate, Bandwidth, Share, Storage };

    // Measured for the device the table is drawn on; width in its pixels.
    GroupTable(const PlanReport& report, const QPaintDevice* device, qreal width);
};
