#pragma once

#include "BandwidthTotal.h"
#include "PlanTypes.h"

#include <QtGlobal>

// The figures of the bandwidth tab for a set of groups: the channel counts
// and the total load with its margin. The window and the command line both
// take them from here, so they cannot disagree.
class PlanTotals
{
public:
    PlanTotals() = default;
    explicit PlanTotals(const QVector<PlanGroup>& groups);

    void add(const StructDeviceItem& group);

    qint64 channels() const { return m_channels; }
    qint64 ipcChannels() const { return m_ipc; }
    qint64 dvrChannels() const { return m_dvr; }
    const BandwidthTotal& bandwidth() const { return m_bandwidth; }

    // One group's load in kbps: channels × streams × rate, with negative
    // counts taken as none.
    static double groupLoad(const StructDeviceItem& group);

private:
    qint64 m_channels = 0;
    qint64 m_ipc = 0;
    qint64 m_dvr = 0;
    BandwidthTotal m_bandwidth;
};
