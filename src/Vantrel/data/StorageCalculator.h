#pragma once

#include "DiskDays.h"
#include "PlanTypes.h"
#include "StorageSizing.h"

#include <QString>
#include <QVector>

// How much disk a plan's recordings take and how many disks to buy for it.
// Storage counts real bytes: one kbps is 1000 bit/s, 125 bytes a second (the
// 1024 steps of the bandwidth display do not apply), and disks are sold in
// decimal terabytes. Values outside their ranges never give negative or
// non-finite figures: a non-number or negative rate, count or duration
// counts as 0.
class StorageCalculator
{
public:
    static constexpr long double kBytesPerKbpsSecond = 125.0L;
    static constexpr long double kBytesPerTB = 1e12L;
    static constexpr double kSecondsPerHour = 3600.0;
    // Disk counts stop here (2^53, exact in every JSON reader); no real plan
    // comes near.
    static constexpr qint64 kMaxDiskCount = qint64(1) << 53;

    static StorageSizing size(const QVector<PlanGroup>& groups, const StorageSettings& storage);

    // Seconds a day the group writes at the day's rate: its hours, the
    // night ones weighted by the night factor, times the event share in
    // event mode.
    static long double recordedSecondsPerDay(const RecordingSettings& recording);
    // Whole bytes the group keeps over its retention: continuous, the event
    // share only, or mixed (everything retentionDays and the event share on
    // to eventRetentionDays); audio is recorded with the video.
    static long double groupBytes(const PlanGroup& group);

    // Data disks in a set of that many disks of the plan's RAID, spares
    // taken off; 0 when the set is too small for its RAID.
    static qint64 dataDisksOf(int disks, const StorageSettings& storage);
    // The days each group keeps on that many disks.
    static DiskDays daysOnDisks(const QVector<PlanGroup>& groups, const StorageSettings& storage, int disks);

    // Whole bytes one disk holds for recordings, after the file system's
    // share; 0 for a disk size that is not a positive number.
    static long double usableDiskBytes(const StorageSettings& storage);
    // Disks the recordings fill: 0 when nothing is kept or no disk size is set.
    static qint64 dataDisks(long double bytes, const StorageSettings& storage);
    // Disks to buy for that many data disks, with redundancy and hot spares.
    static qint64 disksToBuy(qint64 dataDisks, const StorageSettings& storage);

    // Decimal TB, one decimal, rounded to the nearest tenth, never capped.
    static QString tbText(long double bytes);
};
