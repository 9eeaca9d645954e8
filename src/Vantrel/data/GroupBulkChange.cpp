#include "GroupBulkChange.h"

#include "DeviceConfigStore.h"
#include "DeviceKind.h"
#include "EncodingCalculator.h"
#include "GroupRule.h"
#include "ShownRate.h"

namespace {

// Keeps a field's value while every group has the same one.
template <typename T, typename Get>
void keepShared(std::optional<T>& field, bool first, const PlanGroup& group, Get get)
{
    const T value = get(group);
    if (first)
        field = value;
    else if (field && !(*field == value))
        field.reset();
}

bool sameDevice(const PlanGroup& a, const PlanGroup& b)
{
    const StructDeviceItem& x = a.device;
    const StructDeviceItem& y = b.device;
    return x.deviceType == y.deviceType && x.channelCount == y.channelCount && x.streamCount == y.streamCount
        && x.encodingType == y.encodingType && x.resolution == y.resolution && x.frameRate == y.frameRate
        && x.bitrate == y.bitrate;
}

} // namespace

bool GroupBulkChange::Fields::isEmpty() const
{
    return !deviceType && !channels && !streams && !encoding && !resolution && !frameRate && !mode && !hoursPerDay
        && !retentionDays && !recordedStreams;
}

GroupBulkChange::Fields GroupBulkChange::shared(const QVector<PlanGroup>& groups)
{
    Fields fields;
    bool first = true;
    for (const PlanGroup& group : groups) {
        keepShared(fields.deviceType, first, group, [](const PlanGroup& g) { return g.device.deviceType; });
        keepShared(fields.channels, first, group, [](const PlanGroup& g) { return g.device.channelCount; });
        keepShared(fields.streams, first, group, [](const PlanGroup& g) { return g.device.streamCount; });
        keepShared(fields.encoding, first, group, [](const PlanGroup& g) { return g.device.encodingType; });
        keepShared(fields.resolution, first, group, [](const PlanGroup& g) { return g.device.resolution; });
        keepShared(fields.frameRate, first, group, [](const PlanGroup& g) { return g.device.frameRate; });
        keepShared(fields.mode, first, group, [](const PlanGroup& g) { return g.recording.mode; });
        keepShared(fields.hoursPerDay, first, group, [](const PlanGroup& g) { return g.recording.hoursPerDay; });
        keepShared(fields.retentionDays, first, group, [](const PlanGroup& g) { return g.recording.retentionDays; });
        keepShared(fields.recordedStreams, first, group,
                   [](const PlanGroup& g) { return g.recording.recordedStreams; });
        first = false;
    }
    return fields;
}

GroupBulkChange::GroupBulkChange(const Fields& changes)
    : m_changes(changes)
{
}

PlanGroup GroupBulkChange::applied(PlanGroup group, VideoStandard standard, EncodingCalculator& calculator) const
{
    SceneRates sceneRates;
    return apply(std::move(group), standard, calculator, sceneRates);
}

PlanGroup GroupBulkChange::apply(PlanGroup group, VideoStandard standard, EncodingCalculator& calculator,
                                 SceneRates& sceneRates) const
{
    StructDeviceItem& device = group.device;
    const StructDeviceItem before = device;
    if (m_changes.deviceType)
        device.deviceType = *m_changes.deviceType;
    if (m_changes.channels)
        device.channelCount = *m_changes.channels;
    if (m_changes.streams)
        device.streamCount = *m_changes.streams;
    if (m_changes.encoding)
        device.encodingType = *m_changes.encoding;
    if (m_changes.resolution)
        device.resolution = *m_changes.resolution;
    if (m_changes.frameRate)
        device.frameRate = *m_changes.frameRate;
    if (m_changes.mode)
        group.recording.mode = *m_changes.mode;
    if (m_changes.hoursPerDay)
        group.recording.hoursPerDay = *m_changes.hoursPerDay;
    if (m_changes.retentionDays)
        group.recording.retentionDays = *m_changes.retentionDays;
    if (m_changes.recordedStreams)
        group.recording.recordedStreams = *m_changes.recordedStreams;

    // A rate the change does not concern stays as the user left it.
    const bool rateInputsChanged = device.deviceType != before.deviceType
        || device.encodingType != before.encodingType || device.resolution != before.resolution
        || device.frameRate != before.frameRate;
    if (rateInputsChanged) {
        if (device.sceneName.isEmpty()) {
            const DeviceKind kind = deviceKindFromText(device.deviceType).value_or(DeviceKind::Ipc);
            calculator.setEncodeType(device.encodingType);
            const double frameRate = calculator.store().getFrameRateValue(device.frameRate, standard);
            // Whole kbps, as the editor's rate field holds it.
            device.bitrate = ShownRate::wholeKbpsInt(
                calculator.calculateBitrate(encodingCode(kind), device.resolution, frameRate));
        } else {
            // A scene without a row for the new encoding keeps its rate
            // rather than -1, which no plan may hold.
            const QString key = device.sceneName + QChar(0) + device.encodingType + QChar(0) + device.resolution;
            auto known = sceneRates.constFind(key);
            if (known == sceneRates.constEnd())
                known = sceneRates.insert(key, calculator.store().getScenceBitrate(device.sceneName,
                                                                                   device.encodingType,
                                                                                   device.resolution));
            const int rate = known.value();
            if (rate > 0)
                device.bitrate = rate;
        }
    }
    return GroupRule::withRecordableStreams(group);
}

QVector<GroupBulkChange::RowChange> GroupBulkChange::changedRows(const QVector<PlanGroup>& groups,
                                                                 const QVector<int>& rows, VideoStandard standard,
                                                                 EncodingCalculator& calculator) const
{
    QVector<RowChange> changes;
    changes.reserve(rows.size());
    SceneRates sceneRates;
    for (const int row : rows) {
        if (row < 0 || row >= groups.size())
            continue;
        const PlanGroup& before = groups.at(row);
        PlanGroup after = apply(before, standard, calculator, sceneRates);
        if (!sameDevice(before, after) || after.recording != before.recording)
            changes.append({ row, std::move(after) });
    }
    return changes;
}
