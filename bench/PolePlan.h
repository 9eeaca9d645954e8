#pragma once

#include <data/PlanTypes.h>

// A plan of street poles with one to eight cameras each, every fifth a
// recorder: large, regular and independent of the shipped examples, so the
// benchmarks that read, write and import plans measure the same groups.
inline PlanData polePlan(int groups, const QString& siteName)
{
    PlanData plan;
    plan.siteName = siteName;
    plan.groups.reserve(groups);
    for (int i = 1; i <= groups; ++i) {
        PlanGroup group;
        StructDeviceItem& device = group.device;
        device.groupNumber = i;
        device.deviceType = i % 5 == 0 ? QStringLiteral("DVR") : QStringLiteral("IPC");
        device.channelName = QStringLiteral("Pole %1(%1)").arg(i);
        device.channelCount = 1 + i % 8;
        device.streamCount = 1 + i % 2;
        device.resolution = QStringLiteral("1080P(1920x1080)");
        device.frameRate = QStringLiteral("25");
        device.encodingType = QStringLiteral("H.265");
        device.bitrate = 2048 + i % 7 * 256;
        group.recording.retentionDays = 30;
        plan.groups.append(group);
    }
    return plan;
}
