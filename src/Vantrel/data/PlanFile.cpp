#include "PlanFile.h"

#include "PixelDensity.h"
#include "ShownText.h"

#include <Fenwork/SafeFileWriter.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLocale>

#include <cmath>
#include <functional>
#include <limits>

namespace {

const QString kFormat = QStringLiteral("vantrel-plan");

// JSON text of a string: quotes, backslashes and control characters escaped.
void appendString(QByteArray& out, const QString& text)
{
    out += '"';
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += QStringLiteral("\\u%1").arg(static_cast<int>(c), 4, 16, QLatin1Char('0')).toLatin1();
            else
                out += c;
        }
    }
    out += '"';
}

void appendNumber(QByteArray& out, double value)
{
    out += QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
}

void appendKey(QByteArray& out, const char* key)
{
    out += '"';
    out += key;
    out += "\": ";
}

// Each key only when it is not its default, so a group that uses none is
// written as version 1 wrote it.
void appendRecordingAdditions(QByteArray& out, const RecordingSettings& recording)
{
    if (recording.nightHours != 0.0) {
        out += ", "; appendKey(out, "nightHours"); appendNumber(out, recording.nightHours);
    }
    if (recording.nightFactor != 1.0) {
        out += ", "; appendKey(out, "nightFactor"); appendNumber(out, recording.nightFactor);
    }
    if (recording.audioKbps != 0.0) {
        out += ", "; appendKey(out, "audioKbps"); appendNumber(out, recording.audioKbps);
    }
    if (recording.eventRetentionDays > 0) {
        out += ", "; appendKey(out, "eventRetentionDays"); out += QByteArray::number(recording.eventRetentionDays);
    }
}

void appendView(QByteArray& out, const ViewSettings& view)
{
    if (!view.isSet())
        return;
    out += ", ";
    appendKey(out, "view");
    out += "{";
    if (view.byLens()) {
        appendKey(out, "focalMm"); appendNumber(out, view.focalMm); out += ", ";
        appendKey(out, "sensorWidthMm"); appendNumber(out, view.sensorWidthMm); out += ", ";
    } else {
        appendKey(out, "hfovDeg"); appendNumber(out, view.hfovDeg); out += ", ";
    }
    appendKey(out, "distanceM"); appendNumber(out, view.distanceM);
    if (view.required) {
        out += ", "; appendKey(out, "required"); appendString(out, PixelDensity::levelName(*view.required));
    }
    out += "}";
}

void appendGroup(QByteArray& out, const PlanGroup& group)
{
    const StructDeviceItem& device = group.device;
    const RecordingSettings& recording = group.recording;
    const bool scene = !device.sceneName.isEmpty();
    out += "    {";
    appendKey(out, "number"); out += QByteArray::number(device.groupNumber); out += ", ";
    appendKey(out, "name"); appendString(out, PlanFile::nameWithoutNumber(device)); out += ", ";
    appendKey(out, "deviceType"); appendString(out, device.deviceType); out += ", ";
    appendKey(out, "channels"); out += QByteArray::number(device.channelCount); out += ", ";
    appendKey(out, "streams"); out += QByteArray::number(device.streamCount); out += ", ";
    appendKey(out, "rateMode"); out += scene ? "\"scene\"" : "\"fixed\""; out += ", ";
    appendKey(out, "scene"); appendString(out, device.sceneName); out += ", ";
    appendKey(out, "resolution"); appendString(out, device.resolution); out += ", ";
    appendKey(out, "frameRate"); appendString(out, device.frameRate); out += ", ";
    appendKey(out, "encoding"); appendString(out, device.encodingType); out += ", ";
    appendKey(out, "bitrateKbps"); appendNumber(out, device.bitrate); out += ", ";
    appendKey(out, "recording");
    out += "{";
    appendKey(out, "mode"); appendString(out, recordingModeName(recording.mode)); out += ", ";
    appendKey(out, "hoursPerDay"); appendNumber(out, recording.hoursPerDay); out += ", ";
    appendKey(out, "eventShare"); appendNumber(out, recording.eventShare); out += ", ";
    appendKey(out, "retentionDays"); out += QByteArray::number(recording.retentionDays); out += ", ";
    appendKey(out, "recordedStreams"); out += QByteArray::number(recording.recordedStreams);
    appendRecordingAdditions(out, recording);
    out += "}";
    appendView(out, group.view);
    out += "}";
}

// Reads one object's keys against their ranges; the first refusal wins and
// is kept as the message.
class FieldReader
{
    Q_DECLARE_TR_FUNCTIONS(PlanFile)

public:
    // where names the place in messages; it is only built for a refusal,
    // so a long plan is not paid for in message texts nobody reads.
    using Where = std::function<QString()>;

    FieldReader(const QJsonObject& object, Where where)
        : m_object(object)
        , m_where(std::move(where))
    {
    }

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    bool has(const char* key) const { return m_object.contains(QLatin1String(key)); }

    QString text(const char* key, const QString& fallback, bool required = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return required ? missing(key), fallback : fallback;
        if (!value.isString())
            return refuse(key, tr("a text")), fallback;
        return value.toString();
    }

    QString choice(const char* key, const QStringList& allowed, const QString& fallback, bool required = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return required ? missing(key), fallback : fallback;
        if (!value.isString() || !allowed.contains(value.toString()))
            return refuse(key, tr("one of %1").arg(allowed.join(QStringLiteral(", ")))), fallback;
        return value.toString();
    }

    // A number in [low, high]; lowOpen excludes low itself.
    double number(const char* key, double low, double high, double fallback, bool lowOpen, bool required = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return required ? missing(key), fallback : fallback;
        const double x = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        const bool inRange = value.isDouble() && std::isfinite(x) && (lowOpen ? x > low : x >= low) && x <= high;
        if (!inRange) {
            const QString range = lowOpen ? tr("a number above %1 and at most %2") : tr("a number from %1 to %2");
            return refuse(key, range.arg(QString::number(low, 'g', 12), QString::number(high, 'g', 12))), fallback;
        }
        return x;
    }

    int whole(const char* key, int low, int high, int fallback, bool required = false)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return required ? missing(key), fallback : fallback;
        const double x = value.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!value.isDouble() || !(x >= low && x <= high) || std::floor(x) != x)
            return refuse(key, tr("a whole number from %1 to %2").arg(low).arg(high)), fallback;
        return static_cast<int>(x);
    }

    QJsonObject object(const char* key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (value.isUndefined())
            return QJsonObject();
        if (!value.isObject())
            refuse(key, tr("an object"));
        return value.toObject();
    }

    void refuse(const char* key, const QString& expected)
    {
        if (failed())
            return;
        const QJsonValue value = m_object.value(QLatin1String(key));
        // An array or object can be as large as the file: only its start is
        // written out, and only its start quoted.
        QString shown;
        if (value.isString()) {
            shown = QLatin1Char('"') + ShownText::abbreviated(value.toString()) + QLatin1Char('"');
        } else if (value.isArray() || value.isObject()) {
            shown = value.isArray() ? tr("a list") : tr("an object");
        } else {
            shown = QString::fromUtf8(QJsonDocument(QJsonArray{ value }).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
        }
        m_error = tr("%1key \"%2\" is %3, expected %4.").arg(m_where(), QLatin1String(key), shown, expected);
    }

    void setError(const QString& error)
    {
        if (!failed())
            m_error = m_where() + error;
    }

private:
    void missing(const char* key)
    {
        if (!failed())
            m_error = tr("%1key \"%2\" is missing.").arg(m_where(), QLatin1String(key));
    }

    QJsonObject m_object;
    Where m_where;
    QString m_error;
};

// The keys version 2 adds to "recording", read into rec; the first
// refusal stays in the reader.
void readRecordingAdditions(FieldReader& recording, RecordingSettings& rec)
{
    rec.nightHours = recording.number("nightHours", 0, RecordingSettings::kMaxHoursPerDay, 0, false);
    rec.nightFactor = recording.number("nightFactor", RecordingSettings::kMinNightFactor,
                                       RecordingSettings::kMaxNightFactor, 1, false);
    rec.audioKbps = recording.number("audioKbps", 0, RecordingSettings::kMaxAudioKbps, 0, false);
    const int low = std::max(rec.retentionDays, 1);
    rec.eventRetentionDays = recording.whole("eventRetentionDays", low, RecordingSettings::kMaxRetentionDays, 0);
}

// A group's "view": an angle or a lens, a distance and perhaps the level
// required there.
ViewSettings readView(FieldReader& view)
{
    ViewSettings settings;
    const bool angle = view.has("hfovDeg");
    const bool lens = view.has("focalMm") || view.has("sensorWidthMm");
    if (angle && lens)
        view.refuse("focalMm", PlanFile::tr("absent when \"hfovDeg\" gives the angle"));
    if (angle) {
        settings.hfovDeg = view.number("hfovDeg", ViewSettings::kMinHfovDeg, ViewSettings::kMaxHfovDeg, 0, true);
        if (settings.hfovDeg >= ViewSettings::kMaxHfovDeg)
            view.refuse("hfovDeg", PlanFile::tr("a number above %1 and below %2")
                                       .arg(ViewSettings::kMinHfovDeg).arg(ViewSettings::kMaxHfovDeg));
    } else if (lens) {
        settings.focalMm = view.number("focalMm", ViewSettings::kMinFocalMm, ViewSettings::kMaxFocalMm, 0, false, true);
        settings.sensorWidthMm = view.number("sensorWidthMm", ViewSettings::kMinSensorWidthMm,
                                             ViewSettings::kMaxSensorWidthMm, 0, false, true);
    } else {
        view.setError(PlanFile::tr("key \"hfovDeg\" or \"focalMm\" is missing."));
    }
    settings.distanceM = view.number("distanceM", 0, ViewSettings::kMaxDistanceM, 0, true, true);
    QStringList levels;
    for (const DetailLevel level : PixelDensity::levels()) {
        if (level != DetailLevel::BelowMonitor)
            levels.append(PixelDensity::levelName(level));
    }
    const QString required = view.choice("required", levels, QString());
    if (!required.isEmpty())
        settings.required = PixelDensity::levelFromName(required);
    return view.failed() ? ViewSettings() : settings;
}

} // namespace

QString PlanFile::numberedName(const QString& name, int groupNumber)
{
    return name + QLatin1Char('(') + QString::number(groupNumber) + QLatin1Char(')');
}

QString PlanFile::nameWithoutNumber(const StructDeviceItem& group)
{
    const QString suffix = numberedName(QString(), group.groupNumber);
    if (group.channelName.endsWith(suffix))
        return group.channelName.chopped(suffix.size());
    return group.channelName;
}

int PlanFile::versionFor(const PlanData& plan)
{
    if (plan.storage.disksAvailable > 0)
        return 2;
    for (const PlanGroup& group : plan.groups) {
        if (!group.recording.plain() || group.view.isSet())
            return 2;
    }
    return kFirstVersion;
}

QByteArray PlanFile::toJson(const PlanData& plan, const QString& recoveredFrom, const ProgressStep& progress)
{
    const qint64 total = plan.groups.size();
    if (!mayContinue(progress, 0, total))
        return QByteArray();
    QByteArray out;
    out.reserve(400 + plan.groups.size() * 400);
    out += "{\n  ";
    appendKey(out, "format"); appendString(out, kFormat); out += ",\n  ";
    appendKey(out, "version"); out += QByteArray::number(versionFor(plan)); out += ",\n  ";
    appendKey(out, "site"); appendString(out, plan.siteName); out += ",\n  ";
    appendKey(out, "notes"); appendString(out, plan.notes); out += ",\n  ";
    appendKey(out, "videoStandard"); out += plan.videoStandard == NTSC ? "\"NTSC\"" : "\"PAL\""; out += ",\n  ";
    appendKey(out, "storage");
    out += "{";
    appendKey(out, "diskTB"); appendNumber(out, plan.storage.diskTB); out += ", ";
    appendKey(out, "raid"); appendString(out, raidName(plan.storage.raid)); out += ", ";
    appendKey(out, "hotSpares"); out += QByteArray::number(plan.storage.hotSpares); out += ", ";
    appendKey(out, "fsOverhead"); appendNumber(out, plan.storage.fsOverhead);
    if (plan.storage.disksAvailable > 0) {
        out += ", "; appendKey(out, "disksAvailable"); out += QByteArray::number(plan.storage.disksAvailable);
    }
    out += "},\n  ";
    // Without an uplink the keys stay out, so such a plan reads the same in
    // versions that know nothing of them.
    if (plan.uplink.isSet()) {
        appendKey(out, "uplinkMbps"); appendNumber(out, plan.uplink.mbps); out += ",\n  ";
        if (!plan.uplink.name.isEmpty()) {
            appendKey(out, "uplinkName"); appendString(out, plan.uplink.name); out += ",\n  ";
        }
    }
    appendKey(out, "groups");
    out += "[";
    for (int i = 0; i < plan.groups.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        appendGroup(out, plan.groups.at(i));
        if (!mayContinue(progress, i + 1, total))
            return QByteArray();
    }
    out += plan.groups.isEmpty() ? "]" : "\n  ]";
    if (!recoveredFrom.isEmpty()) {
        out += ",\n  ";
        appendKey(out, "recoveredFrom");
        appendString(out, recoveredFrom);
    }
    out += "\n}\n";
    return out;
}

PlanFile::ReadResult PlanFile::fromJson(const QByteArray& json, const QString& fileName, const ProgressStep& progress)
{
    ReadResult result;
    auto cancelled = [&result] {
        result = ReadResult();
        result.cancelled = true;
        return result;
    };
    if (!mayContinue(progress, 0, 1))
        return cancelled();
    const QString file = fileName + QStringLiteral(": ");
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        result.error = file + tr("not a plan file (no JSON object: %1 at byte %2).")
                                  .arg(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                                   : tr("another JSON value"))
                                  .arg(parseError.offset);
        return result;
    }
    const QJsonObject root = document.object();
    FieldReader top(root, [file] { return file; });
    if (root.value(QLatin1String("format")).toString() != kFormat) {
        result.error = file + tr("not a plan file (\"format\" is not \"%1\").").arg(kFormat);
        return result;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() > kVersion) {
        result.error = file + tr("written by a newer version of the program (plan version %1; this one reads %2).")
                                  .arg(version.isDouble() ? QString::number(version.toDouble()) : tr("unknown"))
                                  .arg(kVersion);
        return result;
    }
    top.whole("version", 1, kVersion, kVersion, true);

    PlanData& plan = result.plan;
    plan.siteName = top.text("site", QString());
    plan.notes = top.text("notes", QString());
    plan.videoStandard = top.choice("videoStandard", { QStringLiteral("PAL"), QStringLiteral("NTSC") },
                                    QStringLiteral("PAL")) == QLatin1String("NTSC") ? NTSC : PAL;
    {
        FieldReader storage(top.object("storage"), [file] { return file + tr("storage:") + QLatin1Char(' '); });
        plan.storage.diskTB = storage.number("diskTB", StorageSettings::kMinDiskTB, StorageSettings::kMaxDiskTB, 8, false);
        plan.storage.raid = *raidFromName(storage.choice("raid",
            { QStringLiteral("none"), QStringLiteral("RAID1"), QStringLiteral("RAID5"), QStringLiteral("RAID6"),
              QStringLiteral("RAID10") }, QStringLiteral("none")));
        plan.storage.hotSpares = storage.whole("hotSpares", 0, StorageSettings::kMaxHotSpares, 0);
        plan.storage.fsOverhead = storage.number("fsOverhead", 0, StorageSettings::kMaxFsOverhead, 0.05, false);
        plan.storage.disksAvailable = storage.whole("disksAvailable", 0, StorageSettings::kMaxDisksAvailable, 0);
        if (storage.failed()) {
            result.error = storage.error();
            return result;
        }
    }
    plan.uplink.mbps = top.number("uplinkMbps", 0, UplinkSettings::kMaxMbps, 0, true);
    if (plan.uplink.isSet())
        plan.uplink.name = top.text("uplinkName", QString());
    const QJsonValue groups = root.value(QLatin1String("groups"));
    if (!groups.isUndefined() && !groups.isArray())
        top.refuse("groups", tr("a list of groups"));
    if (top.failed()) {
        result.error = top.error();
        return result;
    }

    const QJsonArray groupArray = groups.toArray();
    plan.groups.reserve(groupArray.size());
    if (!mayContinue(progress, 0, groupArray.size()))
        return cancelled();
    QSet<int> numbers;
    for (int i = 0; i < groupArray.size(); ++i) {
        const QJsonObject object = groupArray.at(i).toObject();
        const auto groupPlace = [&file, &object, i] {
            return file + tr("group %1 (%2):").arg(i + 1).arg(ShownText::abbreviated(object.value(QLatin1String("name")).toString()));
        };
        FieldReader reader(object, [groupPlace] { return groupPlace() + QLatin1Char(' '); });
        if (!groupArray.at(i).isObject())
            reader.setError(tr("not an object."));
        PlanGroup group;
        StructDeviceItem& device = group.device;
        device.groupNumber = reader.whole("number", 1, std::numeric_limits<int>::max(), 0, true);
        const QString plainName = reader.text("name", QString());
        device.deviceType = reader.choice("deviceType", { QStringLiteral("IPC"), QStringLiteral("DVR") }, QString(), true);
        device.channelCount = reader.whole("channels", 1, kMaxCount, 1, true);
        device.streamCount = reader.whole("streams", 1, kMaxCount, 1, true);
        const bool scene = reader.choice("rateMode", { QStringLiteral("fixed"), QStringLiteral("scene") },
                                         QStringLiteral("fixed")) == QLatin1String("scene");
        device.sceneName = reader.text("scene", QString());
        if (scene && device.sceneName.isEmpty())
            reader.refuse("scene", tr("the name of a scene (the group uses a scene rate)"));
        if (!scene)
            device.sceneName.clear();
        device.resolution = reader.text("resolution", QString());
        device.frameRate = scene ? QString() : reader.text("frameRate", QString());
        device.encodingType = reader.text("encoding", QString());
        device.bitrate = reader.number("bitrateKbps", 0, kMaxBitrateKbps, 0, true, true);
        device.channelName = numberedName(plainName, device.groupNumber);

        FieldReader recording(reader.object("recording"), [&file, &object, i] {
            return file + tr("group %1 (%2): recording:").arg(i + 1).arg(ShownText::abbreviated(object.value(QLatin1String("name")).toString()))
                + QLatin1Char(' ');
        });
        RecordingSettings& rec = group.recording;
        rec.mode = *recordingModeFromName(recording.choice(
            "mode", { QStringLiteral("continuous"), QStringLiteral("event"), QStringLiteral("mixed") },
            QStringLiteral("continuous")));
        rec.hoursPerDay = recording.number("hoursPerDay", 0, RecordingSettings::kMaxHoursPerDay, 24, false);
        rec.eventShare = recording.number("eventShare", 0, 1, 0.3, true);
        rec.retentionDays = recording.whole("retentionDays", 1, RecordingSettings::kMaxRetentionDays, 30);
        rec.recordedStreams = recording.whole("recordedStreams", 1, std::max(device.streamCount, 1), 1);
        readRecordingAdditions(recording, rec);

        const auto viewPlace = [&file, &object, i] {
            return file + tr("group %1 (%2): view:").arg(i + 1).arg(ShownText::abbreviated(object.value(QLatin1String("name")).toString()))
                + QLatin1Char(' ');
        };
        const QJsonObject viewObject = reader.object("view");
        FieldReader view(viewObject, viewPlace);
        if (!viewObject.isEmpty())
            group.view = readView(view);

        if (!reader.failed() && numbers.contains(device.groupNumber))
            reader.refuse("number", tr("a number no other group has"));
        numbers.insert(device.groupNumber);
        // The keys each passed; the group as a whole is held to the one rule
        // the editor and the history use too.
        if (!reader.failed() && !recording.failed() && !view.failed()) {
            const QString problem = GroupRule::problem(group);
            if (!problem.isEmpty())
                reader.setError(problem);
        }
        if (reader.failed() || recording.failed() || view.failed()) {
            result.error = reader.failed() ? reader.error() : recording.failed() ? recording.error() : view.error();
            return result;
        }
        plan.groups.append(group);
        if (!mayContinue(progress, i + 1, groupArray.size()))
            return cancelled();
    }
    result.recoveredFrom = root.value(QLatin1String("recoveredFrom")).toString();
    result.ok = true;
    return result;
}

PlanFile::ReadResult PlanFile::read(const QString& path, const ProgressStep& progress)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.error = tr("%1: cannot be read (%2).").arg(name, file.errorString());
        return result;
    }
    return fromJson(file.readAll(), name, progress);
}

bool PlanFile::write(const QString& path, const PlanData& plan, QString* error, const ProgressStep& progress)
{
    for (int i = 0; i < plan.groups.size(); ++i) {
        const QString problem = GroupRule::problem(plan.groups.at(i));
        if (!problem.isEmpty()) {
            if (error)
                *error = tr("%1: group %2 (%3): %4")
                             .arg(QFileInfo(path).fileName())
                             .arg(i + 1)
                             .arg(ShownText::abbreviated(nameWithoutNumber(plan.groups.at(i).device)), problem);
            return false;
        }
    }
    const QByteArray json = toJson(plan, QString(), progress);
    if (json.isEmpty()) {
        if (error)
            error->clear();
        return false;
    }
    return aptui::SafeFileWriter::writeFile(path, json, error);
}
