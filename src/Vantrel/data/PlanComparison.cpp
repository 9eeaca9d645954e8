#include "PlanComparison.h"

#include "BandwidthTotal.h"
#include "PlanTotals.h"
#include "SiteCheck.h"
#include "StorageCalculator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include <cmath>

namespace {

QMap<int, const PlanGroup*> byNumber(const PlanData& plan)
{
    QMap<int, const PlanGroup*> groups;
    for (const PlanGroup& group : plan.groups)
        groups.insert(group.device.groupNumber, &group);
    return groups;
}

QJsonObject figuresJson(const PlanComparison::Figures& figures)
{
    return QJsonObject{ { QStringLiteral("bandwidthKbps"), std::round(figures.bandwidthKbps) },
                        { QStringLiteral("bandwidthMbps"), PlanComparison::mbpsOf(figures.bandwidthKbps) },
                        { QStringLiteral("bandwidthText"), figures.bandwidthText },
                        { QStringLiteral("unit"), figures.bandwidthUnit },
                        { QStringLiteral("storageTB"), std::round(figures.storageTB * 10.0) / 10.0 },
                        { QStringLiteral("disks"), double(figures.disks) },
                        { QStringLiteral("problems"), QJsonObject{ { QStringLiteral("warn"), figures.warnings },
                                                                   { QStringLiteral("over"), figures.overs } } } };
}

QJsonArray numbersJson(const QVector<int>& numbers)
{
    QJsonArray array;
    for (const int number : numbers)
        array.append(number);
    return array;
}

} // namespace

PlanComparison::PlanComparison(const PlanData& a, const PlanData& b)
    : m_a(figuresOf(a))
    , m_b(figuresOf(b))
{
    const QMap<int, const PlanGroup*> before = byNumber(a);
    const QMap<int, const PlanGroup*> after = byNumber(b);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const PlanGroup* other = after.value(it.key());
        if (!other) {
            m_removed.append(it.key());
            continue;
        }
        const QStringList fields = differingFields(*it.value(), *other);
        if (!fields.isEmpty())
            m_changed.append({ it.key(), fields });
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            m_added.append(it.key());
    }
}

PlanComparison::Figures PlanComparison::figuresOf(const PlanData& plan)
{
    Figures figures;
    const BandwidthTotal total = PlanTotals(plan.groups).bandwidth();
    figures.bandwidthKbps = total.total();
    figures.bandwidthText = total.text();
    figures.bandwidthUnit = BandwidthTotal::unitName(total.unit());
    const StorageSizing sizing = StorageCalculator::size(plan.groups, plan.storage);
    figures.storageTB = sizing.tb;
    figures.storageTBText = sizing.tbText;
    figures.disks = sizing.disks;
    const SiteCheck check(plan);
    for (const SiteProblem& problem : check.problems()) {
        if (problem.state == CheckState::Over)
            ++figures.overs;
        else if (problem.state == CheckState::Warn)
            ++figures.warnings;
    }
    return figures;
}

QStringList PlanComparison::differingFields(const PlanGroup& a, const PlanGroup& b)
{
    QStringList fields;
    const auto note = [&fields](bool differs, const char* key) {
        if (differs)
            fields.append(QString::fromLatin1(key));
    };
    const StructDeviceItem& x = a.device;
    const StructDeviceItem& y = b.device;
    note(x.channelName != y.channelName, "name");
    note(x.deviceType != y.deviceType, "deviceType");
    note(x.channelCount != y.channelCount, "channels");
    note(x.streamCount != y.streamCount, "streams");
    note(x.sceneName.isEmpty() != y.sceneName.isEmpty(), "rateMode");
    note(x.sceneName != y.sceneName, "scene");
    note(x.resolution != y.resolution, "resolution");
    note(x.frameRate != y.frameRate, "frameRate");
    note(x.encodingType != y.encodingType, "encoding");
    note(x.bitrate != y.bitrate, "bitrateKbps");
    const RecordingSettings& r = a.recording;
    const RecordingSettings& s = b.recording;
    note(r.mode != s.mode, "recording.mode");
    note(r.hoursPerDay != s.hoursPerDay, "recording.hoursPerDay");
    note(r.eventShare != s.eventShare, "recording.eventShare");
    note(r.retentionDays != s.retentionDays, "recording.retentionDays");
    note(r.recordedStreams != s.recordedStreams, "recording.recordedStreams");
    note(r.nightHours != s.nightHours, "recording.nightHours");
    note(r.nightFactor != s.nightFactor, "recording.nightFactor");
    note(r.audioKbps != s.audioKbps, "recording.audioKbps");
    note(r.eventRetentionDays != s.eventRetentionDays, "recording.eventRetentionDays");
    note(a.view != b.view, "view");
    note(a.network.switchId != b.network.switchId, "switch");
    note(a.network.recorderId != b.network.recorderId, "recorder");
    note(a.network.poeClass != b.network.poeClass, "poeClass");
    return fields;
}

double PlanComparison::mbpsOf(double kbps)
{
    return std::round(kbps / BandwidthTotal::kKbpsPerMbps * 1000.0) / 1000.0;
}

QByteArray PlanComparison::toJson() const
{
    QJsonArray changed;
    for (const ChangedGroup& group : m_changed)
        changed.append(QJsonObject{ { QStringLiteral("number"), group.number },
                                    { QStringLiteral("fields"), QJsonArray::fromStringList(group.fields) } });
    const QJsonObject groups{ { QStringLiteral("added"), numbersJson(m_added) },
                              { QStringLiteral("removed"), numbersJson(m_removed) },
                              { QStringLiteral("changed"), changed } };
    const QJsonObject root{ { QStringLiteral("a"), figuresJson(m_a) },
                            { QStringLiteral("b"), figuresJson(m_b) },
                            { QStringLiteral("groups"), groups } };
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}
