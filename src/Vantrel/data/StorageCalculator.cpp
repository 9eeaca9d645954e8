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
    const long double hours = std::min(positiveOrZero(recording.hoursPerDay),
                                       static_cast<long double>(RecordingSettings::kMaxHoursPerDay));
    long double seconds = hours * kSecondsPerHour;
    if (recording.mode == RecordingSettings::Mode::Event)
        seconds *= std::min(positiveOrZero(recording.eventShare), 1.0L);
    return seconds;
}

long double StorageCalculator::groupBytes(const PlanGroup& group)
{
    const long double perDay = positiveOrZero(group.device.bitrate) * countOrZero(group.device.channelCount)
        * countOrZero(group.recording.recordedStreams) * kBytesPerKbpsSecond
        * recordedSecondsPerDay(group.recording);
    const long double kept = perDay * countOrZero(group.recording.retentionDays);
    // Only a rate far beyond any stream could overflow, and only where long
    // double is no wider than double.
    if (!std::isfinite(kept))
        return 0.0L;
    // The true figure is whole bytes for whole-kbps rates, but an event share
    // such as 0.3 is not exact in binary and leaves a trace of noise; whole
    // bytes also make the groups add up exactly to the plan's total.
    return std::round(kept);
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
