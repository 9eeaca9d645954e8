#include "StorageCalculator.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

constexpr long double kBytesPerTenthTB = StorageCalculator::kBytesPerTB / 10.0L;
// Below 2^63 a whole byte count converts to a 64-bit integer exactly, and
// the disk count is found by integer division.
constexpr long double kIntegerRange = 9223372036854775808.0L;

// NaN fails the comparison as well.
long double positiveOrZero(double value)
{
    return value > 0.0 && std::isfinite(value) ? static_cast<long double>(value) : 0.0L;
}

long double countOrZero(int count)
{
    return count > 0 ? static_cast<long double>(count) : 0.0L;
}

// Seconds a day at the day's rate: the night hours count nightFactor
// times. Without night hours the sum is left out, so a plan of the first
// files gives the same bytes to the last one.
long double weightedSeconds(const RecordingSettings& recording, bool eventShare)
{
    const long double hours = std::min(positiveOrZero(recording.hoursPerDay),
                                       static_cast<long double>(RecordingSettings::kMaxHoursPerDay));
    const long double night = std::min(positiveOrZero(recording.nightHours), hours);
    long double weighted = hours;
    if (night > 0)
        weighted = (hours - night) + night * positiveOrZero(recording.nightFactor);
    long double seconds = weighted * StorageCalculator::kSecondsPerHour;
    if (eventShare)
        seconds *= std::min(positiveOrZero(recording.eventShare), 1.0L);
    return seconds;
}

// Bytes a day of video and audio, all of it or the event share only.
long double bytesPerDay(const PlanGroup& group, bool eventShare)
{
    const RecordingSettings& recording = group.recording;
    long double perDay = positiveOrZero(group.device.bitrate) * countOrZero(group.device.channelCount)
        * countOrZero(recording.recordedStreams) * StorageCalculator::kBytesPerKbpsSecond
        * weightedSeconds(recording, eventShare);
    if (recording.audioKbps > 0) {
        long double audioSeconds = std::min(positiveOrZero(recording.hoursPerDay),
                                            static_cast<long double>(RecordingSettings::kMaxHoursPerDay))
            * StorageCalculator::kSecondsPerHour;
        if (eventShare)
            audioSeconds *= std::min(positiveOrZero(recording.eventShare), 1.0L);
        perDay += positiveOrZero(recording.audioKbps) * countOrZero(group.device.channelCount)
            * StorageCalculator::kBytesPerKbpsSecond * audioSeconds;
    }
    return perDay;
}

} // namespace

StorageSizing StorageCalculator::size(const QVector<PlanGroup>& groups, const StorageSettings& storage)
{
    StorageSizing sizing;
    sizing.groups.reserve(groups.size());
    for (const PlanGroup& group : groups) {
        const long double bytes = groupBytes(group);
        sizing.groups.append({group.device.groupNumber, bytes, 0.0});
        sizing.bytes += bytes;
    }
    if (sizing.bytes > 0) {
        for (StorageSizing::Group& group : sizing.groups)
            group.share = static_cast<double>(group.bytes / sizing.bytes);
    }
    sizing.tbText = tbText(sizing.bytes);
    sizing.tb = static_cast<double>(std::round(sizing.bytes / kBytesPerTenthTB)) / 10.0;
    sizing.dataDisks = dataDisks(sizing.bytes, storage);
    sizing.disks = disksToBuy(sizing.dataDisks, storage);
    return sizing;
}

long double StorageCalculator::recordedSecondsPerDay(const RecordingSettings& recording)
{
    return weightedSeconds(recording, recording.mode == RecordingSettings::Mode::Event);
}

long double StorageCalculator::groupBytes(const PlanGroup& group)
{
    const RecordingSettings& recording = group.recording;
    long double kept = 0;
    switch (recording.mode) {
    case RecordingSettings::Mode::Continuous:
        kept = bytesPerDay(group, false) * countOrZero(recording.retentionDays);
        break;
    case RecordingSettings::Mode::Event:
        kept = bytesPerDay(group, true) * countOrZero(recording.retentionDays);
        break;
    case RecordingSettings::Mode::Mixed:
        kept = bytesPerDay(group, false) * countOrZero(recording.retentionDays)
            + bytesPerDay(group, true) * countOrZero(recording.keptEventDays() - recording.retentionDays);
        break;
    }
    // Only a rate far beyond any stream could overflow, and only where long
    // double is no wider than double.
    if (!std::isfinite(kept))
        return 0.0L;
    // The true figure is whole bytes for whole-kbps rates, but an event share
    // such as 0.3 is not exact in binary and leaves a trace of noise; whole
    // bytes also make the groups add up exactly to the plan's total.
    return std::round(kept);
}

qint64 StorageCalculator::dataDisksOf(int disks, const StorageSettings& storage)
{
    const qint64 left = qint64(disks) - std::max(storage.hotSpares, 0);
    qint64 data = 0;
    qint64 least = 2;
    switch (storage.raid) {
    case StorageSettings::Raid::None:
        data = left;
        least = 1;
        break;
    case StorageSettings::Raid::Raid1:
        data = left / 2;
        least = 1;
        break;
    case StorageSettings::Raid::Raid5:
        data = left - 1;
        break;
    case StorageSettings::Raid::Raid6:
        data = left - 2;
        break;
    case StorageSettings::Raid::Raid10:
        data = left / 2;
        break;
    }
    return data >= least ? data : 0;
}

DiskDays StorageCalculator::daysOnDisks(const QVector<PlanGroup>& groups, const StorageSettings& storage, int disks)
{
    DiskDays days;
    days.disks = std::max(disks, 0);
    days.dataDisks = dataDisksOf(days.disks, storage);
    days.usableBytes = static_cast<long double>(days.dataDisks) * usableDiskBytes(storage);
    const StorageSizing sizing = size(groups, storage);
    days.keptBytes = sizing.bytes;
    days.disksNeeded = sizing.disks;
    // The largest k with kept × k <= usable; floors of it are then safe.
    long double factor = 1;
    if (sizing.bytes > 0) {
        factor = days.usableBytes / sizing.bytes;
        days.factor = static_cast<double>(factor);
    }
    days.state = factor >= 1 ? CheckState::Ok : CheckState::Over;
    days.groups.reserve(groups.size());
    const auto scaled = [factor](int asked) {
        const long double kept = std::floor(static_cast<long double>(asked) * factor);
        return kept < std::numeric_limits<int>::max() ? static_cast<int>(kept) : std::numeric_limits<int>::max();
    };
    for (const PlanGroup& group : groups) {
        DiskDays::Group entry;
        entry.number = group.device.groupNumber;
        entry.askedDays = group.recording.retentionDays;
        entry.askedEventDays = group.recording.mode == RecordingSettings::Mode::Mixed
            ? group.recording.keptEventDays()
            : group.recording.retentionDays;
        entry.days = scaled(entry.askedDays);
        entry.eventDays = scaled(entry.askedEventDays);
        days.groups.append(entry);
    }
    return days;
}

long double StorageCalculator::usableDiskBytes(const StorageSettings& storage)
{
    const long double overhead = std::min(positiveOrZero(storage.fsOverhead),
                                          static_cast<long double>(StorageSettings::kMaxFsOverhead));
    // Rounded to whole bytes, so that 8 TB less 5 % is exactly 7.6 * 10^12
    // and a plan of exactly that size fits on one disk.
    const long double usable = std::round(positiveOrZero(storage.diskTB) * kBytesPerTB * (1.0L - overhead));
    return std::isfinite(usable) ? usable : 0.0L;
}

qint64 StorageCalculator::dataDisks(long double bytes, const StorageSettings& storage)
{
    const long double perDisk = usableDiskBytes(storage);
    if (!(bytes > 0) || !std::isfinite(bytes) || perDisk < 1)
        return 0;
    long double disks = 0;
    if (bytes < kIntegerRange) {
        // Integer division is exact at the boundary where one byte decides.
        const auto whole = static_cast<quint64>(std::ceil(bytes));
        const auto size = static_cast<quint64>(perDisk);
        disks = static_cast<long double>(whole / size + (whole % size != 0 ? 1 : 0));
    } else {
        disks = std::ceil(bytes / perDisk);
    }
    return disks < kMaxDiskCount ? static_cast<qint64>(disks) : kMaxDiskCount;
}

qint64 StorageCalculator::disksToBuy(qint64 dataDisks, const StorageSettings& storage)
{
    if (dataDisks <= 0)
        return 0;
    // Parity and striped mirrors need at least two data disks to exist.
    const qint64 striped = std::max<qint64>(dataDisks, 2);
    qint64 disks = dataDisks;
    switch (storage.raid) {
    case StorageSettings::Raid::None:
        break;
    case StorageSettings::Raid::Raid1:
        disks = 2 * dataDisks;
        break;
    case StorageSettings::Raid::Raid5:
        disks = striped + 1;
        break;
    case StorageSettings::Raid::Raid6:
        disks = striped + 2;
        break;
    case StorageSettings::Raid::Raid10:
        disks = 2 * striped;
        break;
    }
    return disks + std::max(storage.hotSpares, 0);
}

QString StorageCalculator::tbText(long double bytes)
{
    const long double tenths = bytes > 0 && std::isfinite(bytes) ? std::round(bytes / kBytesPerTenthTB) : 0.0L;
    // Printed from the whole number of tenths, so the last digit is the
    // rounded one and no binary fraction can show through.
    char digits[std::numeric_limits<long double>::max_exponent10 + 8];
    std::snprintf(digits, sizeof digits, "%.0Lf", tenths);
    QString text = QString::fromLatin1(digits);
    if (text.size() < 2)
        text.prepend(QLatin1Char('0'));
    text.insert(text.size() - 1, QLatin1Char('.'));
    return text;
}
