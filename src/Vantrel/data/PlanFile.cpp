#include "PlanFile.h"

#include "JsonTree.h"
#include "PixelDensity.h"
#include "PlanProperties.h"
#include "ShownText.h"

#include <Fenwork/SafeFileWriter.h>

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QHash>
#include <QSet>

#include <cmath>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace {

const QString kFormat = QStringLiteral("vantrel-plan");

// JSON text of a string: quotes, backslashes and control characters escaped.
void appendString(QByteArray& out, const QString& text)
{
    out += '"';
    QByteArray utf8 = text.toUtf8();
    // A text that starts with a byte order mark keeps it only when the file
    // spells it as an escape: read raw, the mark is dropped, as Qt drops it.
    if (utf8.startsWith("\xEF\xBB\xBF")) {
        out += "\\ufeff";
        utf8.remove(0, 3);
    }
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

void appendPlace(QByteArray& out, const NetworkPlace& place)
{
    if (!place.switchId.isEmpty()) {
        out += ", "; appendKey(out, "switch"); appendString(out, place.switchId);
    }
    if (!place.recorderId.isEmpty()) {
        out += ", "; appendKey(out, "recorder"); appendString(out, place.recorderId);
    }
    if (place.poeClass != NetworkPlace::kNoPoe) {
        out += ", "; appendKey(out, "poeClass"); out += QByteArray::number(place.poeClass);
    }
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
    appendPlace(out, group.network);
    out += "}";
}

// The network, only when the plan has one, so a plan without it is written
// as before.
void appendNetwork(QByteArray& out, const PlanNetwork& network)
{
    if (network.isEmpty())
        return;
    appendKey(out, "network");
    out += "{\n    ";
    appendKey(out, "switches");
    out += "[";
    for (int i = 0; i < network.switches.size(); ++i) {
        const NetworkSwitch& sw = network.switches.at(i);
        out += i == 0 ? "\n      {" : ",\n      {";
        appendKey(out, "id"); appendString(out, sw.id); out += ", ";
        appendKey(out, "name"); appendString(out, sw.name); out += ", ";
        appendKey(out, "parent"); appendString(out, sw.parent); out += ", ";
        appendKey(out, "ports"); out += QByteArray::number(sw.ports); out += ", ";
        appendKey(out, "uplinkMbps"); appendNumber(out, sw.uplinkMbps); out += ", ";
        appendKey(out, "poeBudgetW"); appendNumber(out, sw.poeBudgetW);
        out += "}";
    }
    out += network.switches.isEmpty() ? "],\n    " : "\n    ],\n    ";
    appendKey(out, "recorders");
    out += "[";
    for (int i = 0; i < network.recorders.size(); ++i) {
        const NetworkRecorder& rec = network.recorders.at(i);
        out += i == 0 ? "\n      {" : ",\n      {";
        appendKey(out, "id"); appendString(out, rec.id); out += ", ";
        appendKey(out, "name"); appendString(out, rec.name); out += ", ";
        appendKey(out, "switch"); appendString(out, rec.switchId); out += ", ";
        appendKey(out, "channels"); out += QByteArray::number(rec.channels); out += ", ";
        appendKey(out, "inputMbps"); appendNumber(out, rec.inputMbps); out += ", ";
        appendKey(out, "bays"); out += QByteArray::number(rec.bays);
        out += "}";
    }
    out += network.recorders.isEmpty() ? "]\n  },\n  " : "\n    ]\n  },\n  ";
}

using SharedTexts = std::unordered_map<std::string_view, QString>;

// Reads one object's keys against their ranges; the first refusal wins and
// is kept as the message.
class FieldReader
{
    Q_DECLARE_TR_FUNCTIONS(PlanFile)

public:
    // where names the place in messages; it is only built for a refusal,
    // so a long plan is not paid for in message texts nobody reads.
    using Where = std::function<QString()>;

    // object may be any value; one that is no object has no keys.
    FieldReader(const rapidjson::Value* object, Where where)
        : m_object(object && object->IsObject() ? object : nullptr)
        , m_where(std::move(where))
    {
    }

    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    template <int N>
    bool has(const char (&key)[N]) const
    {
        return find(key) != nullptr;
    }

    template <int N>
    const rapidjson::Value* find(const char (&key)[N]) const
    {
        return m_object ? JsonTree::member(*m_object, key, N - 1) : nullptr;
    }

    template <int N>
    QString text(const char (&key)[N], const QString& fallback, bool required = false)
    {
        const rapidjson::Value* value = find(key);
        if (!value)
            return required ? missing(key), fallback : fallback;
        if (!value->IsString())
            return refuse(key, tr("a text")), fallback;
        return JsonTree::text(*value);
    }

    // Texts many groups share (a resolution, an encoding) are made once and
    // shared, which saves both the time and the memory of a large plan.
    template <int N>
    QString sharedText(const char (&key)[N], SharedTexts& known)
    {
        const rapidjson::Value* value = find(key);
        if (!value || !value->IsString())
            return text(key, QString());
        // The view points into the tree, which outlives the table.
        const std::string_view bytes(value->GetString(), value->GetStringLength());
        const auto it = known.find(bytes);
        if (it != known.end())
            return it->second;
        const QString made = JsonTree::text(*value);
        if (known.size() < kMaxSharedTexts)
            known.emplace(bytes, made);
        return made;
    }

    // A text of at most maxLength characters.
    template <int N>
    QString limitedText(const char (&key)[N], int maxLength)
    {
        const QString value = text(key, QString());
        if (value.size() > maxLength)
            refuse(key, tr("a text of at most %1 characters").arg(maxLength));
        return failed() ? QString() : value;
    }

    // One of the names allowed; the index of the one given, or fallback.
    template <int N>
    int choice(const char (&key)[N], std::initializer_list<const char*> allowed, int fallback, bool required = false)
    {
        const rapidjson::Value* value = find(key);
        if (!value)
            return required ? missing(key), fallback : fallback;
        if (value->IsString()) {
            const std::string_view given = JsonTree::textBytes(*value);
            int index = 0;
            for (const char* name : allowed) {
                if (given == name)
                    return index;
                ++index;
            }
        }
        QStringList names;
        for (const char* name : allowed)
            names << QLatin1String(name);
        refuse(key, tr("one of %1").arg(names.join(QStringLiteral(", "))));
        return fallback;
    }

    // A number in [low, high]; lowOpen excludes low itself.
    template <int N>
    double number(const char (&key)[N], double low, double high, double fallback, bool lowOpen, bool required = false)
    {
        const rapidjson::Value* value = find(key);
        if (!value)
            return required ? missing(key), fallback : fallback;
        const double x = value->IsNumber() ? value->GetDouble() : std::numeric_limits<double>::quiet_NaN();
        const bool inRange = std::isfinite(x) && (lowOpen ? x > low : x >= low) && x <= high;
        if (!inRange) {
            const QString range = lowOpen ? tr("a number above %1 and at most %2") : tr("a number from %1 to %2");
            return refuse(key, range.arg(QString::number(low, 'g', 12), QString::number(high, 'g', 12))), fallback;
        }
        return x;
    }

    template <int N>
    int whole(const char (&key)[N], int low, int high, int fallback, bool required = false)
    {
        const rapidjson::Value* value = find(key);
        if (!value)
            return required ? missing(key), fallback : fallback;
        if (value->IsInt() && value->GetInt() >= low && value->GetInt() <= high)
            return value->GetInt();
        const double x = value->IsNumber() ? value->GetDouble() : std::numeric_limits<double>::quiet_NaN();
        if (!(x >= low && x <= high) || std::floor(x) != x)
            return refuse(key, tr("a whole number from %1 to %2").arg(low).arg(high)), fallback;
        return static_cast<int>(x);
    }

    template <int N>
    const rapidjson::Value* object(const char (&key)[N])
    {
        const rapidjson::Value* value = find(key);
        if (value && !value->IsObject())
            refuse(key, tr("an object"));
        return value;
    }

    template <int N>
    void refuse(const char (&key)[N], const QString& expected)
    {
        if (failed())
            return;
        const rapidjson::Value* value = find(key);
        // An array or object can be as large as the file: only its start is
        // written out, and only its start quoted.
        QString shown;
        if (!value) {
            shown = QStringLiteral("null");
        } else if (value->IsString()) {
            shown = QLatin1Char('"') + ShownText::abbreviated(JsonTree::text(*value)) + QLatin1Char('"');
        } else if (value->IsArray() || value->IsObject()) {
            shown = value->IsArray() ? tr("a list") : tr("an object");
        } else {
            shown = JsonTree::compact(*value);
        }
        m_error = tr("%1key \"%2\" is %3, expected %4.").arg(m_where(), QLatin1String(key), shown, expected);
    }

    void setError(const QString& error)
    {
        if (!failed())
            m_error = m_where() + error;
    }

private:
    static constexpr int kMaxSharedTexts = 4096;

    void missing(const char* key)
    {
        if (!failed())
            m_error = tr("%1key \"%2\" is missing.").arg(m_where(), QLatin1String(key));
    }

    const rapidjson::Value* m_object;
    Where m_where;
    QString m_error;
};

// The group's name as messages quote it: its text, or nothing when it is
// none.
QString nameOf(const rapidjson::Value& group)
{
    const rapidjson::Value* name = JsonTree::member(group, "name", 4);
    return name && name->IsString() ? ShownText::abbreviated(JsonTree::text(*name)) : QString();
}

// The logo as its file's bytes. Its base64 is checked for length before it
// is decoded, so a huge value costs nothing but the refusal.
QByteArray readLogo(FieldReader& top)
{
    const rapidjson::Value* value = top.find("logo");
    if (!value)
        return QByteArray();
    constexpr qsizetype kMaxBase64 = (PlanProperties::kMaxLogoBytes + 2) / 3 * 4;
    const auto refuse = [&top] {
        top.refuse("logo", PlanFile::tr("the base64 of a PNG or JPEG picture of at most %1 MiB")
                               .arg(PlanProperties::kMaxLogoBytes / (1024 * 1024)));
        return QByteArray();
    };
    if (!value->IsString() || qsizetype(value->GetStringLength()) > kMaxBase64)
        return refuse();
    const auto decoded = QByteArray::fromBase64Encoding(
        QByteArray::fromRawData(value->GetString(), qsizetype(value->GetStringLength())),
        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || !PlanProperties::logoProblem(*decoded).isEmpty())
        return refuse();
    return *decoded;
}

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
    // "below monitor" is no level to ask for.
    static const DetailLevel required[] = { DetailLevel::Monitor, DetailLevel::Detect, DetailLevel::Observe,
                                            DetailLevel::Recognise, DetailLevel::Identify, DetailLevel::Inspect };
    const int chosen =
        view.choice("required", { "monitor", "detect", "observe", "recognise", "identify", "inspect" }, -1);
    if (chosen >= 0)
        settings.required = required[chosen];
    return view.failed() ? ViewSettings() : settings;
}

// The id of a switch or recorder as messages quote it.
QString idOf(const rapidjson::Value& object)
{
    const rapidjson::Value* id = object.IsObject() ? JsonTree::member(object, "id", 2) : nullptr;
    return id && id->IsString() ? ShownText::abbreviated(JsonTree::text(*id)) : QString();
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + ShownText::abbreviated(text) + QLatin1Char('"');
}

// The switches and recorders, each key against its range. Whether their ids
// and the groups' fit together is checked once all are read, by
// PlanFile::networkProblem, the same rule a save is held to.
QString readNetwork(FieldReader& top, const QString& file, PlanNetwork& network)
{
    const rapidjson::Value* value = top.object("network");
    if (top.failed() || !value)
        return top.error();
    FieldReader lists(value, [file] { return file + PlanFile::tr("network:") + QLatin1Char(' '); });
    const rapidjson::Value* switches = lists.find("switches");
    if (switches && !switches->IsArray())
        lists.refuse("switches", PlanFile::tr("a list of switches"));
    const rapidjson::Value* recorders = lists.find("recorders");
    if (recorders && !recorders->IsArray())
        lists.refuse("recorders", PlanFile::tr("a list of recorders"));
    if (lists.failed())
        return lists.error();
    const auto readId = [](FieldReader& item) {
        const QString id = item.text("id", QString(), true);
        if (!item.failed() && (id.isEmpty() || id.size() > NetworkSwitch::kMaxIdLength))
            item.refuse("id", PlanFile::tr("a text of 1 to %1 characters").arg(NetworkSwitch::kMaxIdLength));
        return id;
    };
    const int switchCount = switches ? int(switches->Size()) : 0;
    network.switches.reserve(switchCount);
    for (int i = 0; i < switchCount; ++i) {
        const rapidjson::Value& object = (*switches)[rapidjson::SizeType(i)];
        FieldReader item(&object, [&file, &object, i] {
            return file + PlanFile::tr("switch %1 (%2):").arg(i + 1).arg(idOf(object)) + QLatin1Char(' ');
        });
        if (!object.IsObject())
            item.setError(PlanFile::tr("not an object."));
        NetworkSwitch sw;
        sw.id = readId(item);
        sw.name = item.text("name", QString());
        sw.parent = item.text("parent", QString());
        sw.ports = item.whole("ports", 1, NetworkSwitch::kMaxPorts, sw.ports, true);
        sw.uplinkMbps = item.number("uplinkMbps", 0, NetworkSwitch::kMaxUplinkMbps, sw.uplinkMbps, true, true);
        sw.poeBudgetW = item.number("poeBudgetW", 0, NetworkSwitch::kMaxPoeBudgetW, 0, false);
        if (item.failed())
            return item.error();
        network.switches.append(sw);
    }
    const int recorderCount = recorders ? int(recorders->Size()) : 0;
    network.recorders.reserve(recorderCount);
    for (int i = 0; i < recorderCount; ++i) {
        const rapidjson::Value& object = (*recorders)[rapidjson::SizeType(i)];
        FieldReader item(&object, [&file, &object, i] {
            return file + PlanFile::tr("recorder %1 (%2):").arg(i + 1).arg(idOf(object)) + QLatin1Char(' ');
        });
        if (!object.IsObject())
            item.setError(PlanFile::tr("not an object."));
        NetworkRecorder rec;
        rec.id = readId(item);
        rec.name = item.text("name", QString());
        rec.switchId = item.text("switch", QString(), true);
        rec.channels = item.whole("channels", 1, NetworkRecorder::kMaxChannels, rec.channels, true);
        rec.inputMbps = item.number("inputMbps", 0, NetworkRecorder::kMaxInputMbps, rec.inputMbps, true, true);
        rec.bays = item.whole("bays", 0, NetworkRecorder::kMaxBays, 0);
        if (item.failed())
            return item.error();
        network.recorders.append(rec);
    }
    return QString();
}

// A group's place: its switch, its recorder and its PoE class.
void readPlace(FieldReader& reader, NetworkPlace& place)
{
    if (reader.has("switch")) {
        place.switchId = reader.text("switch", QString());
        if (!reader.failed() && place.switchId.isEmpty())
            reader.refuse("switch", PlanFile::tr("the id of a switch, or absent"));
    }
    if (reader.has("recorder")) {
        place.recorderId = reader.text("recorder", QString());
        if (!reader.failed() && place.recorderId.isEmpty())
            reader.refuse("recorder", PlanFile::tr("the id of a recorder, or absent"));
    }
    place.poeClass = reader.whole("poeClass", 0, NetworkPlace::kMaxPoeClass, NetworkPlace::kNoPoe);
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
    if (plan.storage.disksAvailable > 0 || !plan.network.isEmpty())
        return 2;
    for (const PlanGroup& group : plan.groups) {
        if (!group.recording.plain() || group.view.isSet() || group.network.isSet())
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
    out.reserve(400 + plan.groups.size() * 400 + plan.logo.size() * 4 / 3);
    out += "{\n  ";
    appendKey(out, "format"); appendString(out, kFormat); out += ",\n  ";
    appendKey(out, "version"); out += QByteArray::number(versionFor(plan)); out += ",\n  ";
    appendKey(out, "site"); appendString(out, plan.siteName); out += ",\n  ";
    appendKey(out, "notes"); appendString(out, plan.notes); out += ",\n  ";
    // Properties left empty stay out, so a plan without them is written as
    // it always was.
    const auto appendOptional = [&out](const char* key, const QString& text) {
        if (text.isEmpty())
            return;
        appendKey(out, key); appendString(out, text); out += ",\n  ";
    };
    appendOptional("customer", plan.customer);
    appendOptional("address", plan.address);
    appendOptional("designer", plan.designer);
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
    appendNetwork(out, plan.network);
    appendKey(out, "groups");
    out += "[";
    for (int i = 0; i < plan.groups.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        appendGroup(out, plan.groups.at(i));
        if (!mayContinue(progress, i + 1, total))
            return QByteArray();
    }
    out += plan.groups.isEmpty() ? "]" : "\n  ]";
    // Last but the recovery mark: the picture's text is long and says nothing
    // to a reader of the file.
    if (!plan.logo.isEmpty()) {
        out += ",\n  ";
        appendKey(out, "logo");
        out += '"';
        out += plan.logo.toBase64();
        out += '"';
    }
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
    JsonTree tree;
    const bool parsed = tree.parse(json);
    if (!parsed || !tree.root().IsObject()) {
        result.error = file + tr("not a plan file (no JSON object: %1 at byte %2).")
                                  .arg(!parsed ? tree.errorString() : tr("another JSON value"))
                                  .arg(tree.errorOffset());
        return result;
    }
    const rapidjson::Value& root = tree.root();
    FieldReader top(&root, [file] { return file; });
    const rapidjson::Value* format = top.find("format");
    if (!format || !format->IsString() || JsonTree::text(*format) != kFormat) {
        result.error = file + tr("not a plan file (\"format\" is not \"%1\").").arg(kFormat);
        return result;
    }
    const rapidjson::Value* version = top.find("version");
    if (!version || !version->IsNumber() || version->GetDouble() > kVersion) {
        result.error = file + tr("written by a newer version of the program (plan version %1; this one reads %2).")
                                  .arg(version && version->IsNumber() ? QString::number(version->GetDouble())
                                                                      : tr("unknown"))
                                  .arg(kVersion);
        return result;
    }
    top.whole("version", 1, kVersion, kVersion, true);

    PlanData& plan = result.plan;
    // Site and notes had no limit before the other properties came: a plan
    // that opened then opens now.
    plan.siteName = top.text("site", QString());
    plan.notes = top.text("notes", QString());
    plan.customer = top.limitedText("customer", PlanProperties::kMaxLineLength);
    plan.address = top.limitedText("address", PlanProperties::kMaxLineLength);
    plan.designer = top.limitedText("designer", PlanProperties::kMaxLineLength);
    plan.logo = readLogo(top);
    plan.videoStandard = top.choice("videoStandard", { "PAL", "NTSC" }, 0) == 1 ? NTSC : PAL;
    {
        FieldReader storage(top.object("storage"), [file] { return file + tr("storage:") + QLatin1Char(' '); });
        plan.storage.diskTB = storage.number("diskTB", StorageSettings::kMinDiskTB, StorageSettings::kMaxDiskTB, 8, false);
        static const StorageSettings::Raid raids[] = { StorageSettings::Raid::None, StorageSettings::Raid::Raid1,
                                                       StorageSettings::Raid::Raid5, StorageSettings::Raid::Raid6,
                                                       StorageSettings::Raid::Raid10 };
        plan.storage.raid = raids[storage.choice("raid", { "none", "RAID1", "RAID5", "RAID6", "RAID10" }, 0)];
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
    {
        const QString problem = readNetwork(top, file, plan.network);
        if (!problem.isEmpty()) {
            result.error = problem;
            return result;
        }
    }
    const rapidjson::Value* groups = top.find("groups");
    if (groups && !groups->IsArray())
        top.refuse("groups", tr("a list of groups"));
    if (top.failed()) {
        result.error = top.error();
        return result;
    }

    const int groupCount = groups ? int(groups->Size()) : 0;
    plan.groups.reserve(groupCount);
    if (!mayContinue(progress, 0, groupCount))
        return cancelled();
    QSet<int> numbers;
    numbers.reserve(groupCount);
    SharedTexts shared;
    for (int i = 0; i < groupCount; ++i) {
        const rapidjson::Value& object = (*groups)[rapidjson::SizeType(i)];
        const auto groupPlace = [&file, &object, i] {
            return file + tr("group %1 (%2):").arg(i + 1).arg(nameOf(object));
        };
        FieldReader reader(&object, [groupPlace] { return groupPlace() + QLatin1Char(' '); });
        if (!object.IsObject())
            reader.setError(tr("not an object."));
        PlanGroup group;
        StructDeviceItem& device = group.device;
        device.groupNumber = reader.whole("number", 1, std::numeric_limits<int>::max(), 0, true);
        const QString plainName = reader.text("name", QString());
        const int type = reader.choice("deviceType", { "IPC", "DVR" }, -1, true);
        device.deviceType = type == 0 ? QStringLiteral("IPC") : type == 1 ? QStringLiteral("DVR") : QString();
        device.channelCount = reader.whole("channels", 1, kMaxCount, 1, true);
        device.streamCount = reader.whole("streams", 1, kMaxCount, 1, true);
        const bool scene = reader.choice("rateMode", { "fixed", "scene" }, 0) == 1;
        device.sceneName = reader.sharedText("scene", shared);
        if (scene && device.sceneName.isEmpty())
            reader.refuse("scene", tr("the name of a scene (the group uses a scene rate)"));
        if (!scene)
            device.sceneName.clear();
        device.resolution = reader.sharedText("resolution", shared);
        device.frameRate = scene ? QString() : reader.sharedText("frameRate", shared);
        device.encodingType = reader.sharedText("encoding", shared);
        device.bitrate = reader.number("bitrateKbps", 0, kMaxBitrateKbps, 0, true, true);
        device.channelName = numberedName(plainName, device.groupNumber);

        FieldReader recording(reader.object("recording"), [&file, &object, i] {
            return file + tr("group %1 (%2): recording:").arg(i + 1).arg(nameOf(object)) + QLatin1Char(' ');
        });
        RecordingSettings& rec = group.recording;
        static const RecordingSettings::Mode modes[] = { RecordingSettings::Mode::Continuous,
                                                         RecordingSettings::Mode::Event,
                                                         RecordingSettings::Mode::Mixed };
        rec.mode = modes[recording.choice("mode", { "continuous", "event", "mixed" }, 0)];
        rec.hoursPerDay = recording.number("hoursPerDay", 0, RecordingSettings::kMaxHoursPerDay, 24, false);
        rec.eventShare = recording.number("eventShare", 0, 1, 0.3, true);
        rec.retentionDays = recording.whole("retentionDays", 1, RecordingSettings::kMaxRetentionDays, 30);
        rec.recordedStreams = recording.whole("recordedStreams", 1, std::max(device.streamCount, 1), 1);
        readRecordingAdditions(recording, rec);

        const auto viewPlace = [&file, &object, i] {
            return file + tr("group %1 (%2): view:").arg(i + 1).arg(nameOf(object)) + QLatin1Char(' ');
        };
        const rapidjson::Value* viewObject = reader.object("view");
        FieldReader view(viewObject, viewPlace);
        if (viewObject && viewObject->IsObject() && viewObject->MemberCount() > 0)
            group.view = readView(view);
        readPlace(reader, group.network);

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
        if (!mayContinue(progress, i + 1, groupCount))
            return cancelled();
    }
    // The ids of the network and of the groups' places, as a save checks them.
    result.error = networkProblem(plan, fileName);
    if (!result.error.isEmpty())
        return result;
    const rapidjson::Value* recoveredFrom = top.find("recoveredFrom");
    if (recoveredFrom && recoveredFrom->IsString())
        result.recoveredFrom = JsonTree::text(*recoveredFrom);
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
    const QString problem = networkProblem(plan, QFileInfo(path).fileName());
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    const QByteArray json = toJson(plan, QString(), progress);
    if (json.isEmpty()) {
        if (error)
            error->clear();
        return false;
    }
    return aptui::SafeFileWriter::writeFile(path, json, error);
}

QString PlanFile::networkProblem(const PlanData& plan, const QString& fileName)
{
    const PlanNetwork& network = plan.network;
    const QString file = fileName + QStringLiteral(": ");
    const auto refusal = [&file](const QString& place, const char* key, const QString& shown, const QString& expected) {
        return tr("%1key \"%2\" is %3, expected %4.")
            .arg(file + place + QLatin1Char(' '), QLatin1String(key), shown, expected);
    };
    const auto switchPlace = [&network](int i) {
        return tr("switch %1 (%2):").arg(i + 1).arg(ShownText::abbreviated(network.switches.at(i).id));
    };
    const auto recorderPlace = [&network](int i) {
        return tr("recorder %1 (%2):").arg(i + 1).arg(ShownText::abbreviated(network.recorders.at(i).id));
    };
    const auto badId = [](const QString& id) { return id.isEmpty() || id.size() > NetworkSwitch::kMaxIdLength; };
    const QString idRange = tr("a text of 1 to %1 characters").arg(NetworkSwitch::kMaxIdLength);
    const auto number = [](double x) { return QString::number(x, 'g', 12); };

    QHash<QString, int> switchIndex;
    QSet<QString> ids;
    switchIndex.reserve(network.switches.size());
    for (int i = 0; i < network.switches.size(); ++i) {
        const NetworkSwitch& sw = network.switches.at(i);
        if (badId(sw.id))
            return refusal(switchPlace(i), "id", quoted(sw.id), idRange);
        if (ids.contains(sw.id))
            return refusal(switchPlace(i), "id", quoted(sw.id), tr("an id no other switch or recorder has"));
        ids.insert(sw.id);
        switchIndex.insert(sw.id, i);
        if (sw.ports < 1 || sw.ports > NetworkSwitch::kMaxPorts)
            return refusal(switchPlace(i), "ports", QString::number(sw.ports),
                           tr("a whole number from %1 to %2").arg(1).arg(NetworkSwitch::kMaxPorts));
        if (!(sw.uplinkMbps > 0 && sw.uplinkMbps <= NetworkSwitch::kMaxUplinkMbps))
            return refusal(switchPlace(i), "uplinkMbps", number(sw.uplinkMbps),
                           tr("a number above %1 and at most %2").arg(0).arg(number(NetworkSwitch::kMaxUplinkMbps)));
        if (!(sw.poeBudgetW >= 0 && sw.poeBudgetW <= NetworkSwitch::kMaxPoeBudgetW))
            return refusal(switchPlace(i), "poeBudgetW", number(sw.poeBudgetW),
                           tr("a number from %1 to %2").arg(0).arg(number(NetworkSwitch::kMaxPoeBudgetW)));
    }
    QHash<QString, int> recorderIndex;
    for (int i = 0; i < network.recorders.size(); ++i) {
        const NetworkRecorder& rec = network.recorders.at(i);
        if (badId(rec.id))
            return refusal(recorderPlace(i), "id", quoted(rec.id), idRange);
        if (ids.contains(rec.id))
            return refusal(recorderPlace(i), "id", quoted(rec.id), tr("an id no other switch or recorder has"));
        ids.insert(rec.id);
        recorderIndex.insert(rec.id, i);
        if (!switchIndex.contains(rec.switchId))
            return refusal(recorderPlace(i), "switch", quoted(rec.switchId), tr("the id of a switch"));
        if (rec.channels < 1 || rec.channels > NetworkRecorder::kMaxChannels)
            return refusal(recorderPlace(i), "channels", QString::number(rec.channels),
                           tr("a whole number from %1 to %2").arg(1).arg(NetworkRecorder::kMaxChannels));
        if (!(rec.inputMbps > 0 && rec.inputMbps <= NetworkRecorder::kMaxInputMbps))
            return refusal(recorderPlace(i), "inputMbps", number(rec.inputMbps),
                           tr("a number above %1 and at most %2").arg(0).arg(number(NetworkRecorder::kMaxInputMbps)));
        if (rec.bays < 0 || rec.bays > NetworkRecorder::kMaxBays)
            return refusal(recorderPlace(i), "bays", QString::number(rec.bays),
                           tr("a whole number from %1 to %2").arg(0).arg(NetworkRecorder::kMaxBays));
    }
    // Parents: each must be there, and following them must end at a root.
    // Each switch is walked once: 1 while on the walk, 2 once its way up
    // is known to end.
    QVector<char> state(network.switches.size(), 0);
    QVector<int> walk;
    for (int i = 0; i < network.switches.size(); ++i) {
        const NetworkSwitch& sw = network.switches.at(i);
        if (!sw.parent.isEmpty() && !switchIndex.contains(sw.parent))
            return refusal(switchPlace(i), "parent", quoted(sw.parent), tr("the id of another switch, or \"\""));
    }
    for (int i = 0; i < network.switches.size(); ++i) {
        walk.clear();
        int at = i;
        while (at >= 0 && state.at(at) == 0) {
            state[at] = 1;
            walk.append(at);
            const QString& parent = network.switches.at(at).parent;
            const int next = parent.isEmpty() ? -1 : switchIndex.value(parent);
            if (next >= 0 && state.at(next) == 1)
                return refusal(switchPlace(at), "parent", quoted(parent),
                               tr("a switch that is not below this one (the parents make a loop)"));
            at = next;
        }
        for (const int done : std::as_const(walk))
            state[done] = 2;
    }
    for (int i = 0; i < plan.groups.size(); ++i) {
        const PlanGroup& group = plan.groups.at(i);
        const NetworkPlace& place = group.network;
        if (!place.isSet())
            continue;
        // Made for a refusal only: a city has thousands of groups.
        const auto groupPlace = [&group, i] {
            return tr("group %1 (%2):").arg(i + 1).arg(ShownText::abbreviated(nameWithoutNumber(group.device)));
        };
        if (!place.switchId.isEmpty() && !switchIndex.contains(place.switchId))
            return refusal(groupPlace(), "switch", quoted(place.switchId), tr("the id of a switch of the plan's network"));
        if (!place.recorderId.isEmpty() && !recorderIndex.contains(place.recorderId))
            return refusal(groupPlace(), "recorder", quoted(place.recorderId),
                           tr("the id of a recorder of the plan's network"));
        if (place.poeClass != NetworkPlace::kNoPoe && (place.poeClass < 0 || place.poeClass > NetworkPlace::kMaxPoeClass))
            return refusal(groupPlace(), "poeClass", QString::number(place.poeClass),
                           tr("a whole number from %1 to %2").arg(0).arg(NetworkPlace::kMaxPoeClass));
    }
    return QString();
}
