#include "PlanTotals.h"

#include "DeviceKind.h"

#include <algorithm>

PlanTotals::PlanTotals(const QVector<PlanGroup>& groups)
{
    for (const PlanGroup& group : groups)
        add(group.device);
}

void PlanTotals::add(const StructDeviceItem& group)
{
    // A negative count is no count of channels at all.
    const qint64 channels = std::max(group.channelCount, 0);
    m_channels += channels;
    const std::optional<DeviceKind> kind = deviceKindFromText(group.deviceType);
    if (kind == DeviceKind::Ipc)
        m_ipc += channels;
    else if (kind == DeviceKind::Dvr)
        m_dvr += channels;
    m_bandwidth.add(groupLoad(group));
}

double PlanTotals::groupLoad(const StructDeviceItem& group)
{
    return static_cast<double>(std::max(group.channelCount, 0)) * group.bitrate
        * static_cast<double>(std::max(group.streamCount, 0));
}
