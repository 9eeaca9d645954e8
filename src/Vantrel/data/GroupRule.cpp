#include "GroupRule.h"

#include <algorithm>

#include <cmath>

bool GroupRule::acceptsBitrate(double kbps)
{
    return std::isfinite(kbps) && kbps > 0 && kbps <= kMaxBitrateKbps;
}

QString GroupRule::problem(const PlanGroup& group)
{
    const StructDeviceItem& device = group.device;
    const RecordingSettings& recording = group.recording;
    const auto outside = [](const char* key, const QString& expected) {
        return tr("key \"%1\" is out of range, expected %2.").arg(QLatin1String(key), expected);
    };
    if (device.deviceType != QLatin1String("IPC") && device.deviceType != QLatin1String("DVR"))
        return outside("deviceType", tr("IPC or DVR"));
    if (device.channelCount < 1 || device.channelCount > kMaxCount)
        return outside("channels", tr("a whole number from 1 to %1").arg(kMaxCount));
    if (device.streamCount < 1 || device.streamCount > kMaxCount)
        return outside("streams", tr("a whole number from 1 to %1").arg(kMaxCount));
    if (!acceptsBitrate(device.bitrate))
        return outside("bitrateKbps", tr("a number above 0 and at most %1").arg(kMaxBitrateKbps, 0, 'f', 0));
    if (!(recording.hoursPerDay >= 0 && recording.hoursPerDay <= RecordingSettings::kMaxHoursPerDay))
        return outside("hoursPerDay", tr("a number from 0 to %1").arg(RecordingSettings::kMaxHoursPerDay));
    if (!(recording.eventShare > 0 && recording.eventShare <= 1))
        return outside("eventShare", tr("a number above 0 and at most 1"));
    if (recording.retentionDays < 1 || recording.retentionDays > RecordingSettings::kMaxRetentionDays)
        return outside("retentionDays", tr("a whole number from 1 to %1").arg(RecordingSettings::kMaxRetentionDays));
    if (recording.recordedStreams < 1 || recording.recordedStreams > device.streamCount)
        return outside("recordedStreams", tr("a whole number from 1 to %1").arg(device.streamCount));
    return QString();
}

PlanGroup GroupRule::withRecordableStreams(PlanGroup group)
{
    group.recording.recordedStreams =
        std::clamp(group.recording.recordedStreams, 1, std::max(group.device.streamCount, 1));
    return group;
}
