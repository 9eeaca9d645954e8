#include "PlanReport.h"

#include "NetworkCheck.h"
#include "PlanFile.h"

#include <cmath>

PlanReport::PlanReport(const PlanData& plan, const QDate& date, StoragePart storage)
    : m_siteName(plan.siteName)
    , m_notes(plan.notes)
    , m_properties{plan.customer, plan.address, plan.designer, plan.logo}
    , m_date(date)
    , m_videoStandard(plan.videoStandard)
    , m_totals(plan.groups)
    // The flows that leave the site, as the window's gauge counts them.
    , m_uplinkCheck(NetworkCheck(plan).siteLoadKbps(), plan.uplink)
{
    if (storage == StoragePart::Included)
        m_storage.emplace(plan);

    // The same sanitised sum the total is made of, so the shares add up to 1.
    const double sum = m_totals.bandwidth().sum();
    m_groups.reserve(plan.groups.size());
    for (int index = 0; index < plan.groups.size(); ++index) {
        const StructDeviceItem& device = plan.groups.at(index).device;
        Group group;
        group.number = device.groupNumber;
        group.name = PlanFile::nameWithoutNumber(device);
        group.deviceType = device.deviceType;
        group.channels = device.channelCount;
        group.streams = device.streamCount;
        group.resolution = device.resolution;
        group.frameRate = device.frameRate;
        group.scene = device.sceneName;
        group.encoding = device.encodingType;
        group.rateKbps = device.bitrate;
        const double load = PlanTotals::groupLoad(device);
        const bool counts = std::isfinite(load) && load > 0;
        group.bandwidthKbps = counts ? withMargin(load) : 0.0;
        group.share = counts && sum > 0 ? load / sum : 0.0;
        if (m_storage)
            group.storageBytes = m_storage->groupBytes(index);
        const ViewSettings& view = plan.groups.at(index).view;
        if (view.isSet()) {
            group.detail = PixelDensity::figures(view, device.resolution);
            group.required = view.required;
            m_hasDetail = m_hasDetail || group.detail.has_value();
        }
        m_groups.append(group);
    }
}
