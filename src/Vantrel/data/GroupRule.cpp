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
    if (!(recording.nightHours >= 0 && recording.nightHours <= RecordingSettings::kMaxHoursPerDay))
        return outside("nightHours", tr("a number from 0 to %1").arg(RecordingSettings::kMaxHoursPerDay));
    if (!(recording.nightFactor >= RecordingSettings::kMinNightFactor
          && recording.nightFactor <= RecordingSettings::kMaxNightFactor))
        return outside("nightFactor", tr("a number from %1 to %2")
                                          .arg(RecordingSettings::kMinNightFactor)
                                          .arg(RecordingSettings::kMaxNightFactor));
    if (!(recording.audioKbps >= 0 && recording.audioKbps <= RecordingSettings::kMaxAudioKbps))
        return outside("audioKbps", tr("a number from 0 to %1").arg(RecordingSettings::kMaxAudioKbps));
    if (recording.eventRetentionDays != 0
        && (recording.eventRetentionDays < recording.retentionDays
            || recording.eventRetentionDays > RecordingSettings::kMaxRetentionDays))
        return outside("eventRetentionDays", tr("a whole number from %1 to %2")
                                                 .arg(recording.retentionDays)
                                                 .arg(RecordingSettings::kMaxRetentionDays));
    return viewProblem(group.view);
}

QString GroupRule::viewProblem(const ViewSettings& view)
{
    const auto outside = [](const char* key, const QString& expected) {
        return tr("key \"%1\" is out of range, expected %2.").arg(QLatin1String(key), expected);
    };
    if (!view.isSet())
        return QString();
    if (!(view.distanceM <= ViewSettings::kMaxDistanceM))
        return outside("distanceM", tr("a number above 0 and at most %1").arg(ViewSettings::kMaxDistanceM));
    if (!view.byLens()) {
        if (!(view.hfovDeg > ViewSettings::kMinHfovDeg && view.hfovDeg < ViewSettings::kMaxHfovDeg))
            return outside("hfovDeg", tr("a number above %1 and below %2")
                                          .arg(ViewSettings::kMinHfovDeg)
                                          .arg(ViewSettings::kMaxHfovDeg));
        return QString();
    }
    if (!(view.focalMm >= ViewSettings::kMinFocalMm && view.focalMm <= ViewSettings::kMaxFocalMm))
        return outside("focalMm", tr("a number from %1 to %2").arg(ViewSettings::kMinFocalMm).arg(ViewSettings::kMaxFocalMm));
    if (!(view.sensorWidthMm >= ViewSettings::kMinSensorWidthMm && view.sensorWidthMm <= ViewSettings::kMaxSensorWidthMm))
        return outside("sensorWidthMm", tr("a number from %1 to %2")
                                            .arg(ViewSettings::kMinSensorWidthMm)
                                            .arg(ViewSettings::kMaxSensorWidthMm));
    return QString();
}

PlanGroup GroupRule::withRecordableStreams(PlanGroup group)
{
    group.recording.recordedStreams =
        std::clamp(group.recording.recordedStreams, 1, std::max(group.device.streamCount, 1));
    return group;
}
