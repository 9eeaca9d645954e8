#pragma once

#include "BandwidthTotal.h"
#include "DeviceTypes.h"
#include "PlanNetwork.h"
#include "ViewSettings.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// How one device group records. Storage counts what is written to disk, so
// these settings travel with the group through plans, undo and reports.
struct RecordingSettings
{
    // Mixed keeps everything retentionDays and the event share on to
    // eventRetentionDays.
    enum class Mode { Continuous, Event, Mixed };

    static constexpr double kMaxHoursPerDay = 24.0;
    static constexpr int kMaxRetentionDays = 3650;
    static constexpr double kMinNightFactor = 0.1;
    static constexpr double kMaxNightFactor = 5.0;
    static constexpr double kMaxAudioKbps = 512.0;

    Mode mode = Mode::Continuous;
    double hoursPerDay = 24.0;
    // Share of the recorded hours that an event recording keeps, above 0 and
    // at most 1; used in event mode only.
    double eventShare = 0.3;
    int retentionDays = 30;
    int recordedStreams = 1;
    // Of the recorded hours, those at night, when infrared noise raises the
    // rate by nightFactor.
    double nightHours = 0.0;
    double nightFactor = 1.0;
    // Per channel, recorded beside the video.
    double audioKbps = 0.0;
    // 0: as long as retentionDays. Counts in mixed mode only.
    int eventRetentionDays = 0;

    int keptEventDays() const { return eventRetentionDays > 0 ? eventRetentionDays : retentionDays; }
    // True when every addition to the first plan files has its default, so
    // the group is written as those files wrote it.
    bool plain() const
    {
        return mode != Mode::Mixed && nightHours == 0.0 && nightFactor == 1.0 && audioKbps == 0.0
            && eventRetentionDays == 0;
    }

    friend bool operator==(const RecordingSettings& a, const RecordingSettings& b)
    {
        return a.mode == b.mode && a.hoursPerDay == b.hoursPerDay && a.eventShare == b.eventShare
            && a.retentionDays == b.retentionDays && a.recordedStreams == b.recordedStreams
            && a.nightHours == b.nightHours && a.nightFactor == b.nightFactor && a.audioKbps == b.audioKbps
            && a.eventRetentionDays == b.eventRetentionDays;
    }
    friend bool operator!=(const RecordingSettings& a, const RecordingSettings& b) { return !(a == b); }
};

// The disks a site's recorders are filled with.
struct StorageSettings
{
    enum class Raid { None, Raid1, Raid5, Raid6, Raid10 };

    // The smallest disk the Storage tab lets one type. Below it a disk holds
    // less than a byte once rounded, and the count of disks stops meaning
    // anything.
    static constexpr double kMinDiskTB = 0.1;
    static constexpr double kMaxDiskTB = 100.0;
    static constexpr int kMaxHotSpares = 16;
    static constexpr double kMaxFsOverhead = 0.5;

    double diskTB = 8.0;
    Raid raid = Raid::None;
    int hotSpares = 0;
    // Share of each disk the file system keeps for itself, 0 to 0.5.
    double fsOverhead = 0.05;
    // The disks the site has or will have; 0 when none are given, and the
    // days they keep are not asked.
    static constexpr int kMaxDisksAvailable = 4096;
    int disksAvailable = 0;

    friend bool operator==(const StorageSettings& a, const StorageSettings& b)
    {
        return a.diskTB == b.diskTB && a.raid == b.raid && a.hotSpares == b.hotSpares
            && a.fsOverhead == b.fsOverhead && a.disksAvailable == b.disksAvailable;
    }
    friend bool operator!=(const StorageSettings& a, const StorageSettings& b) { return !(a == b); }
};

// The site's link towards the monitoring centre or the internet, which the
// devices' total has to fit through. A plan may have none; checking the
// total against it is then left undone rather than guessed.
struct UplinkSettings
{
    static constexpr double kMaxMbps = 1e6;

    // The link's label as the link list shows it; empty for a figure the
    // user typed.
    QString name;
    // 0 means no uplink.
    double mbps = 0.0;

    bool isSet() const { return mbps > 0.0; }
    // The link's capacity as the encoding tab counts it: 1 Mbps = 1024 kbps.
    double kbps() const { return mbps * BandwidthTotal::kKbpsPerMbps; }

    friend bool operator==(const UplinkSettings& a, const UplinkSettings& b)
    {
        return a.name == b.name && a.mbps == b.mbps;
    }
    friend bool operator!=(const UplinkSettings& a, const UplinkSettings& b) { return !(a == b); }
};

// One group of a plan: the device group as the editor fills it, and how it
// records.
struct PlanGroup
{
    StructDeviceItem device;
    RecordingSettings recording;
    // Written "= {}" so that groups built as {device, recording} still say
    // all they mean.
    ViewSettings view = {};
    NetworkPlace network = {};
};

// The names plan files and the command line give these settings. Reading is
// exact (case included), so a misspelt name is refused rather than guessed.
inline QString recordingModeName(RecordingSettings::Mode mode)
{
    switch (mode) {
    case RecordingSettings::Mode::Event:
        return QStringLiteral("event");
    case RecordingSettings::Mode::Mixed:
        return QStringLiteral("mixed");
    case RecordingSettings::Mode::Continuous:
        break;
    }
    return QStringLiteral("continuous");
}

inline std::optional<RecordingSettings::Mode> recordingModeFromName(const QString& name)
{
    for (const auto mode : { RecordingSettings::Mode::Continuous, RecordingSettings::Mode::Event,
                             RecordingSettings::Mode::Mixed }) {
        if (name == recordingModeName(mode))
            return mode;
    }
    return std::nullopt;
}

inline QString raidName(StorageSettings::Raid raid)
{
    switch (raid) {
    case StorageSettings::Raid::Raid1:
        return QStringLiteral("RAID1");
    case StorageSettings::Raid::Raid5:
        return QStringLiteral("RAID5");
    case StorageSettings::Raid::Raid6:
        return QStringLiteral("RAID6");
    case StorageSettings::Raid::Raid10:
        return QStringLiteral("RAID10");
    case StorageSettings::Raid::None:
        break;
    }
    return QStringLiteral("none");
}

inline std::optional<StorageSettings::Raid> raidFromName(const QString& name)
{
    for (const StorageSettings::Raid raid : {StorageSettings::Raid::None, StorageSettings::Raid::Raid1,
                                             StorageSettings::Raid::Raid5, StorageSettings::Raid::Raid6,
                                             StorageSettings::Raid::Raid10}) {
        if (name == raidName(raid))
            return raid;
    }
    return std::nullopt;
}

// Everything a plan file holds, as plain values.
struct PlanData
{
    // What page 1 of a report says about the site; all optional.
    QString siteName;
    QString customer;
    QString address;
    QString designer;
    QString notes;
    // A PNG or JPEG as its file held it; empty for none.
    QByteArray logo;
    VideoStandard videoStandard = PAL;
    StorageSettings storage;
    UplinkSettings uplink;
    PlanNetwork network;
    QVector<PlanGroup> groups;
};
