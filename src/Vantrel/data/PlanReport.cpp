#include "PlanReport.h"

#include "PlanFile.h"

#include <cmath>

namespace {

// The name of what a problem is about, as the plan names it.
QString problemName(const PlanData& plan, const SiteProblem& problem)
{
    if (problem.row >= 0 && problem.row < plan.groups.size())
        return PlanFile::nameWithoutNumber(plan.groups.at(problem.row).device);
    if (problem.object == QLatin1String("switch") && problem.index >= 0
        && problem.index < plan.network.switches.size())
        return plan.network.switches.at(problem.index).name;
    if (problem.object == QLatin1String("recorder") && problem.index >= 0
        && problem.index < plan.network.recorders.size())
        return plan.network.recorders.at(problem.index).name;
    return QString();
}

} // namespace

PlanReport::PlanReport(const PlanData& plan, const QDate& date, StoragePart storage)
    : PlanReport(plan, SiteCheck(plan), date, storage)
{
}

PlanReport::PlanReport(const PlanData& plan, const SiteCheck& check, const QDate& date, StoragePart storage)
    : m_siteName(plan.siteName)
    , m_notes(plan.notes)
    , m_properties{plan.customer, plan.address, plan.designer, plan.logo}
    , m_date(date)
    , m_videoStandard(plan.videoStandard)
    , m_totals(plan.groups)
    // The gauge's load: with a network, only the flows that leave the site.
    , m_uplinkCheck(check.siteLoadKbps(), plan.uplink)
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
        group.recording = plan.groups.at(index).recording;
        group.view = view;
        group.network = plan.groups.at(index).network;
        if (view.isSet()) {
            m_hasView = true;
            group.detail = PixelDensity::figures(view, device.resolution);
            group.required = view.required;
            m_hasDetail = m_hasDetail || group.detail.has_value();
        }
        m_groups.append(group);
    }

    // The checker's figures as they are: the report never works one out again.
    m_switches.reserve(check.switches().size());
    for (const SwitchFigures& figures : check.switches()) {
        const NetworkSwitch& unit = plan.network.switches.value(figures.index);
        m_switches.append({unit.name, unit.parent, figures});
    }
    m_recorders.reserve(check.recorders().size());
    for (const RecorderFigures& figures : check.recorders()) {
        const NetworkRecorder& unit = plan.network.recorders.value(figures.index);
        m_recorders.append({unit.name, unit.switchId, figures});
    }
    m_problems.reserve(check.problems().size());
    for (const SiteProblem& problem : check.problems())
        m_problems.append({problem, problemName(plan, problem)});
}
