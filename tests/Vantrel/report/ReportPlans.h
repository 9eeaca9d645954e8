#pragma once

#include <data/PlanTypes.h>

#include <QString>

// Plans for the report tests: varied types, counts, rates and recording,
// names that need quoting in CSV, and optionally Chinese text.
namespace ReportPlans {

inline PlanData plan(int groups, bool chinese = false)
{
    PlanData plan;
    plan.siteName = chinese ? QStringLiteral("北区仓库") : QStringLiteral("Warehouse North");
    plan.notes = chinese ? QStringLiteral("夜间录像") : QStringLiteral("Cameras at the gates, \"night\" mode");
    plan.storage.diskTB = 8;
    plan.storage.raid = StorageSettings::Raid::Raid6;
    plan.storage.hotSpares = 1;
    const QStringList resolutions{QStringLiteral("1080P(1920x1080)"), QStringLiteral("720P(1280x720)"),
                                  QStringLiteral("4MP(2560x1440)")};
    for (int index = 0; index < groups; ++index) {
        PlanGroup group;
        StructDeviceItem& device = group.device;
        device.groupNumber = index + 1;
        const QString name = chinese ? QStringLiteral("大厅%1").arg(index + 1)
                                     : index % 3 == 1 ? QStringLiteral("Gate %1, east").arg(index + 1)
                                                      : QStringLiteral("Lobby %1").arg(index + 1);
        device.channelName = name + QStringLiteral("(%1)").arg(index + 1);
        device.deviceType = index % 4 == 3 ? QStringLiteral("DVR") : QStringLiteral("IPC");
        device.channelCount = 1 + (index * 7) % 16;
        device.streamCount = 1 + index % 2;
        device.resolution = resolutions.at(index % resolutions.size());
        device.frameRate = index % 5 == 4 ? QString() : QStringLiteral("25");
        device.sceneName = index % 5 == 4 ? QStringLiteral("Street") : QString();
        device.encodingType = index % 2 ? QStringLiteral("H.265") : QStringLiteral("H.264");
        device.bitrate = 512 + 256 * (index % 13);
        group.recording.retentionDays = 7 + index % 30;
        group.recording.mode = index % 3 ? RecordingSettings::Mode::Continuous : RecordingSettings::Mode::Event;
        plan.groups.append(group);
    }
    return plan;
}

// A plan whose every text is long: names, types, resolutions and encodings
// longer than a table column, a name without a space, a figure of eleven
// digits, and the site's properties at length.
inline PlanData longNames(bool chinese = false)
{
    PlanData result = plan(12, chinese);
    const QString word = chinese ? QStringLiteral("停车场北门入口") : QStringLiteral("Northern entrance ");
    result.siteName = word.repeated(8).trimmed();
    result.customer = word.repeated(4).trimmed();
    result.address = word.repeated(30).trimmed() + QStringLiteral("\n") + word.repeated(2).trimmed();
    result.designer = word.repeated(2).trimmed();
    for (int index = 0; index < result.groups.size(); ++index) {
        StructDeviceItem& device = result.groups[index].device;
        device.channelName = word.repeated(1 + index * 2).trimmed() + QStringLiteral("(%1)").arg(index + 1);
        if (index % 3 == 0)
            device.channelName = QString(60 + index * 10, QLatin1Char('x')) + QStringLiteral("(%1)").arg(index + 1);
        if (index == 4)
            device.encodingType = QStringLiteral("Smart H.265+ with a long vendor suffix");
        if (index == 5) {
            device.channelCount = 512;
            device.streamCount = 4;
            device.bitrate = 1048576;
        }
    }
    return result;
}

// A site with a network: a core switch, a floor switch whose uplink is near
// its limit and whose cameras draw more power than it gives, a switch with a
// name too long for its column, and a recorder with its disks counted.
inline PlanData withNetwork()
{
    PlanData result = plan(0);
    auto networkSwitch = [](const QString& id, const QString& name, const QString& parent, int ports, double mbps,
                            double watts) {
        NetworkSwitch made;
        made.id = id;
        made.name = name;
        made.parent = parent;
        made.ports = ports;
        made.uplinkMbps = mbps;
        made.poeBudgetW = watts;
        return made;
    };
    result.network.switches = {networkSwitch(QStringLiteral("core"), QStringLiteral("Core"), QString(), 24, 10000, 0),
                               networkSwitch(QStringLiteral("sw1"), QStringLiteral("Floor 1"), QStringLiteral("core"),
                                             16, 100, 240),
                               networkSwitch(QStringLiteral("yard"),
                                             QStringLiteral("Yard cabinet beside the northern loading bay, "
                                                            "second row of racks, left-hand side")
                                                 .repeated(3),
                                             QStringLiteral("core"), 8, 1000, 120)};
    NetworkRecorder recorder;
    recorder.id = QStringLiteral("nvr1");
    recorder.name = QStringLiteral("NVR 1");
    recorder.switchId = QStringLiteral("core");
    recorder.channels = 32;
    recorder.inputMbps = 80;
    recorder.bays = 4;
    result.network.recorders = {recorder};
    result.storage.raid = StorageSettings::Raid::Raid5;
    result.storage.hotSpares = 0;
    result.storage.fsOverhead = 0.05;
    const PlanGroup base = plan(1).groups.first();
    auto group = [&base](int number, const QString& name, const QString& type, int channels, int streams, double kbps,
                         const QString& switchId, const QString& recorderId, int poeClass) {
        PlanGroup made = base;
        made.device.groupNumber = number;
        made.device.channelName = name + QStringLiteral("(%1)").arg(number);
        made.device.deviceType = type;
        made.device.channelCount = channels;
        made.device.streamCount = streams;
        made.device.bitrate = kbps;
        made.recording = RecordingSettings();
        made.network.switchId = switchId;
        made.network.recorderId = recorderId;
        made.network.poeClass = poeClass;
        return made;
    };
    const QString ipc = QStringLiteral("IPC");
    result.groups = {group(1, QStringLiteral("Stairs"), ipc, 8, 2, 4096, QStringLiteral("sw1"), QStringLiteral("nvr1"), 3),
                     group(2, QStringLiteral("Offices"), ipc, 4, 1, 8192, QStringLiteral("sw1"), QString(), 4),
                     group(3, QStringLiteral("Old wing"), QStringLiteral("DVR"), 16, 1, 1024, QStringLiteral("core"),
                           QStringLiteral("nvr1"), NetworkPlace::kNoPoe),
                     group(4, QStringLiteral("Yard"), ipc, 2, 1, 2048, QStringLiteral("yard"), QStringLiteral("nvr1"), 2)};
    return result;
}

// Texts a spreadsheet would run as formulas, or a rich-text reader would
// take as markup, in every field a user or a file fills in.
inline QStringList hostileTexts()
{
    return {QStringLiteral("=1+1"), QStringLiteral("+1+1"), QStringLiteral("-1+1"), QStringLiteral("@SUM(1,1)"),
            QStringLiteral("=cmd|' /C calc'!A0"), QStringLiteral("=HYPERLINK(\"http://example.invalid\",\"open\")"),
            QStringLiteral("\t=2+2"), QStringLiteral("\r=3+3"), QStringLiteral("Gate;=4+4"), QStringLiteral("<img src=/dev/zero>"),
            QStringLiteral("<b>bold</b>"), QStringLiteral("<table>"), QStringLiteral("&lt;")};
}

inline PlanData hostile()
{
    PlanData result = plan(0);
    result.siteName = QStringLiteral("=HYPERLINK(\"http://example.invalid\")");
    result.notes = QStringLiteral("=3+4");
    const QStringList texts = hostileTexts();
    for (int index = 0; index < texts.size(); ++index) {
        PlanGroup group = plan(1).groups.first();
        StructDeviceItem& device = group.device;
        device.groupNumber = index + 1;
        device.channelName = texts.at(index) + QStringLiteral("(%1)").arg(index + 1);
        device.resolution = texts.at((index + 1) % texts.size());
        device.encodingType = texts.at((index + 2) % texts.size());
        device.frameRate = index % 2 ? QString() : texts.at((index + 3) % texts.size());
        device.sceneName = index % 2 ? texts.at((index + 4) % texts.size()) : QString();
        result.groups.append(group);
    }
    return result;
}

} // namespace ReportPlans
