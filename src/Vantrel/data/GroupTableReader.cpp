#include "GroupTableReader.h"

#include "CsvTable.h"
#include "DeviceConfigStore.h"
#include "EncodingCalculator.h"
#include "GroupColumns.h"
#include "GroupRule.h"
#include "KnownNames.h"
#include "PixelDensity.h"
#include "PlanFile.h"
#include "PlanNameCheck.h"
#include "ShownRate.h"
#include "ShownText.h"
#include "XlsxTable.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>

namespace {

// Progress is told every so many rows; telling it every row costs more
// than the row.
constexpr int kProgressRows = 512;
constexpr int kNearestNames = 3;

int scoreOf(const QStringList& cells)
{
    int known = 0;
    for (const QString& cell : cells) {
        if (GroupColumns::isRead(GroupColumns::fromHeading(cell)))
            ++known;
    }
    return known;
}

bool isBlank(const QStringList& cells)
{
    for (const QString& cell : cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

// The report puts a quote before a text that starts like a formula, so a
// spreadsheet shows it rather than runs it; the text is the rest.
QString withoutFormulaQuote(const QString& text)
{
    static const QString formulaSigns = QStringLiteral("=+-@\t\r");
    if (text.size() > 1 && text.front() == QLatin1Char('\'') && formulaSigns.contains(text.at(1)))
        return text.mid(1);
    return text;
}

// Reads the rows under one heading into groups, each held to the plan
// file's rules; the first refusal of a row is the one it keeps.
class RowReader
{
    Q_DECLARE_TR_FUNCTIONS(GroupTableReader)

public:
    RowReader(const GroupTableReader::Context& context, bool commaDecimals)
        : m_context(context)
        , m_known(context.store)
        , m_defaults(GroupTableReader::editorDefault(context.store, context.standard))
        , m_commaDecimals(commaDecimals)
    {
        m_where.fill(-1);
    }

    void setHeading(const QStringList& cells)
    {
        m_headings = cells;
        for (int index = 0; index < cells.size(); ++index) {
            const GroupColumns::Column column = GroupColumns::fromHeading(cells.at(index));
            if (GroupColumns::isRead(column) && m_where[size_t(column)] < 0)
                m_where[size_t(column)] = index;
        }
    }

    void readRow(const QStringList& cells, int row, GroupTableReader::Result& result)
    {
        m_cells = &cells;
        m_row = row;
        m_refusal.reset();
        PlanGroup group = readGroup();
        if (m_refusal) {
            result.refused.append(*m_refusal);
            return;
        }
        result.groups.append(group);
        result.rows.append(row);
    }

private:
    bool has(GroupColumns::Column column) const
    {
        const int index = m_where[size_t(column)];
        if (index < 0 || index >= m_cells->size())
            return false;
        for (const QChar c : m_cells->at(index)) {
            if (!c.isSpace())
                return true;
        }
        return false;
    }
    QString cell(GroupColumns::Column column) const
    {
        const int index = m_where[size_t(column)];
        return index >= 0 && index < m_cells->size() ? withoutFormulaQuote(m_cells->at(index)) : QString();
    }
    // Texts many rows share are kept once.
    QString shared(const QString& text)
    {
        const auto found = m_shared.constFind(text);
        if (found != m_shared.cend())
            return *found;
        if (m_shared.size() < 4096)
            m_shared.insert(text, text);
        return text;
    }

    void refuse(GroupColumns::Column column, const QString& expected)
    {
        if (m_refusal)
            return;
        const int index = m_where[size_t(column)];
        const QString heading = index >= 0 ? m_headings.value(index) : GroupColumns::english(column);
        m_refusal = GroupTableReader::Refusal{m_row, heading, ShownText::abbreviated(cell(column)), expected};
    }

    std::optional<double> parsed(GroupColumns::Column column) const
    {
        QString text = cell(column).trimmed();
        // A table from a spreadsheet that writes decimal commas (and so
        // separates with semicolons).
        if (m_commaDecimals && !text.contains(QLatin1Char('.')))
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

    // A number in [low, high] (lowOpen: above low); fallback when empty.
    double number(GroupColumns::Column column, double low, double high, double fallback, bool lowOpen = false)
    {
        if (!has(column))
            return fallback;
        const std::optional<double> value = parsed(column);
        if (!value || !(lowOpen ? *value > low : *value >= low) || *value > high) {
            const QString range = lowOpen ? tr("a number above %1 and at most %2") : tr("a number from %1 to %2");
            refuse(column, range.arg(QString::number(low, 'g', 12), QString::number(high, 'g', 12)));
            return fallback;
        }
        return *value;
    }

    int whole(GroupColumns::Column column, int low, int high, int fallback)
    {
        if (!has(column))
            return fallback;
        const std::optional<double> value = parsed(column);
        if (!value || *value < low || *value > high || std::floor(*value) != *value) {
            refuse(column, tr("a whole number from %1 to %2").arg(low).arg(high));
            return fallback;
        }
        return int(*value);
    }

    // The name a cell gives, matched without regard to case.
    int choice(GroupColumns::Column column, const QStringList& names, int fallback)
    {
        if (!has(column))
            return fallback;
        const QString given = cell(column).trimmed();
        for (int index = 0; index < names.size(); ++index) {
            if (given.compare(names.at(index), Qt::CaseInsensitive) == 0)
                return index;
        }
        refuse(column, tr("one of %1").arg(names.join(QStringLiteral(", "))));
        return fallback;
    }

    std::optional<DetailLevel> level()
    {
        if (!has(GroupColumns::LevelRequired))
            return std::nullopt;
        // The report writes the level in its language; the file's key
        // names and the Chinese read too.
        static const std::array<DetailLevel, 6> levels{DetailLevel::Monitor, DetailLevel::Detect,
                                                       DetailLevel::Observe, DetailLevel::Recognise,
                                                       DetailLevel::Identify, DetailLevel::Inspect};
        static const std::array<const char*, 6> chinese{"监视", "探测", "观察", "识别", "辨认", "检查"};
        const QString given = cell(GroupColumns::LevelRequired).trimmed();
        if (m_levelNames.isEmpty()) {
            for (size_t i = 0; i < levels.size(); ++i)
                m_levelNames << PixelDensity::levelName(levels[i]) << PixelDensity::shownLevel(levels[i])
                             << QString::fromUtf8(chinese[i]);
        }
        for (int i = 0; i < m_levelNames.size(); ++i) {
            if (given.compare(m_levelNames.at(i), Qt::CaseInsensitive) == 0)
                return levels[size_t(i / 3)];
        }
        QStringList shown;
        for (const DetailLevel each : levels)
            shown << PixelDensity::levelName(each);
        refuse(GroupColumns::LevelRequired, tr("one of %1").arg(shown.join(QStringLiteral(", "))));
        return std::nullopt;
    }

    QString placeId(GroupColumns::Column column, bool isSwitch)
    {
        if (!has(column))
            return QString();
        const QString id = cell(column).trimmed();
        const PlanNetwork& network = m_context.network;
        if (isSwitch ? network.switchIndex(id) >= 0 : network.recorderIndex(id) >= 0)
            return shared(id);
        QStringList ids;
        if (isSwitch) {
            for (const NetworkSwitch& each : network.switches)
                ids << each.id;
        } else {
            for (const NetworkRecorder& each : network.recorders)
                ids << each.id;
        }
        const QStringList close = PlanNameCheck::nearest(id, ids, kNearestNames);
        refuse(column, (isSwitch ? tr("the id of a switch of the plan; nearest: %1")
                                 : tr("the id of a recorder of the plan; nearest: %1"))
                           .arg(close.isEmpty() ? tr("none (the plan has none)") : close.join(QStringLiteral(", "))));
        return QString();
    }

    double rateFromTables(const StructDeviceItem& device)
    {
        if (!device.sceneName.isEmpty())
            return m_context.store.getScenceBitrate(device.sceneName, device.encodingType, device.resolution);
        if (!m_calculator)
            m_calculator = std::make_unique<EncodingCalculator>();
        const DeviceKind kind = device.deviceType == QLatin1String("DVR") ? DeviceKind::Dvr : DeviceKind::Ipc;
        m_calculator->setEncodeType(device.encodingType);
        const double frameRate = m_context.store.getFrameRateValue(device.frameRate, m_context.standard);
        return ShownRate::wholeKbpsInt(m_calculator->calculateBitrate(encodingCode(kind), device.resolution, frameRate));
    }

    void checkNames(const StructDeviceItem& device)
    {
        const PlanNameCheck::UnknownName unknown = PlanNameCheck::unknownName(device, m_context.standard, m_known);
        if (!unknown.key)
            return;
        const QLatin1String key(unknown.key);
        const GroupColumns::Column column = key == QLatin1String("resolution") ? GroupColumns::Resolution
                                          : key == QLatin1String("frameRate") ? GroupColumns::FrameRate
                                                                               : GroupColumns::Encoding;
        auto& cache = m_nearest[size_t(column)];
        auto found = cache.constFind(unknown.value);
        if (found == cache.cend())
            found = cache.insert(unknown.value, PlanNameCheck::nearest(unknown.value, unknown.known, kNearestNames));
        refuse(column, tr("a name the data tables list; nearest: %1")
                           .arg(found->isEmpty() ? tr("none") : found->join(QStringLiteral(", "))));
    }

    PlanGroup readGroup()
    {
        using C = GroupColumns;
        PlanGroup group = m_defaults;
        StructDeviceItem& device = group.device;
        device.groupNumber = whole(C::Number, 1, std::numeric_limits<int>::max(), 0);
        const QString name = cell(C::Name);
        const int type = choice(C::Type, {QStringLiteral("IPC"), QStringLiteral("DVR")},
                                device.deviceType == QLatin1String("DVR") ? 1 : 0);
        device.deviceType = type == 1 ? QStringLiteral("DVR") : QStringLiteral("IPC");
        // A DVR starts on the DVR list, as in the editor.
        if (type == 1 && !has(C::Resolution))
            device.resolution = m_known.resolutions(DeviceKind::Dvr).value(0);
        device.channelCount = whole(C::Channels, 1, GroupRule::kMaxCount, device.channelCount);
        device.streamCount = whole(C::Streams, 1, GroupRule::kMaxCount, device.streamCount);
        if (has(C::Resolution))
            device.resolution = shared(cell(C::Resolution).trimmed());
        if (has(C::Encoding))
            device.encodingType = shared(cell(C::Encoding).trimmed());
        if (has(C::Scene)) {
            device.sceneName = shared(cell(C::Scene));
        } else if (has(C::FrameRate)) {
            // Without a scene column, the report's "Scene: NAME" in the frame
            // rate column says it.
            const QString frame = cell(C::FrameRate).trimmed();
            for (const QString& prefix : {QStringLiteral("Scene: "), QStringLiteral("场景：")}) {
                if (frame.startsWith(prefix))
                    device.sceneName = shared(frame.mid(prefix.size()));
            }
        }
        if (!device.sceneName.isEmpty())
            device.frameRate.clear();
        else if (has(C::FrameRate))
            device.frameRate = shared(cell(C::FrameRate).trimmed());
        if (device.sceneName.isEmpty())
            checkNames(device);
        if (has(C::Rate))
            device.bitrate = number(C::Rate, 0, GroupRule::kMaxBitrateKbps, device.bitrate, true);
        else if (!m_refusal)
            device.bitrate = rateFromTables(device);
        if (!m_refusal && !has(C::Rate) && !GroupRule::acceptsBitrate(device.bitrate))
            refuse(C::Rate, tr("a rate (no rate of the tables fits the row)"));
        device.channelName = PlanFile::numberedName(name, device.groupNumber);

        RecordingSettings& recording = group.recording;
        static const RecordingSettings::Mode modes[] = {RecordingSettings::Mode::Continuous,
                                                        RecordingSettings::Mode::Event,
                                                        RecordingSettings::Mode::Mixed};
        recording.mode = modes[choice(C::Recording, {QStringLiteral("continuous"), QStringLiteral("event"),
                                                     QStringLiteral("mixed")},
                                      int(recording.mode))];
        recording.hoursPerDay = number(C::HoursPerDay, 0, RecordingSettings::kMaxHoursPerDay, recording.hoursPerDay);
        recording.eventShare = number(C::EventShare, 0, 1, recording.eventShare, true);
        recording.retentionDays =
            whole(C::RetentionDays, 1, RecordingSettings::kMaxRetentionDays, recording.retentionDays);
        recording.recordedStreams = whole(C::RecordedStreams, 1, device.streamCount, recording.recordedStreams);
        recording.nightHours = number(C::NightHours, 0, RecordingSettings::kMaxHoursPerDay, recording.nightHours);
        recording.nightFactor = number(C::NightFactor, RecordingSettings::kMinNightFactor,
                                       RecordingSettings::kMaxNightFactor, recording.nightFactor);
        recording.audioKbps = number(C::AudioKbps, 0, RecordingSettings::kMaxAudioKbps, recording.audioKbps);
        // 0 and empty both mean "as long as the rest".
        if (has(C::EventRetentionDays) && parsed(C::EventRetentionDays) != 0.0)
            recording.eventRetentionDays = whole(C::EventRetentionDays, std::max(recording.retentionDays, 1),
                                                 RecordingSettings::kMaxRetentionDays, 0);

        ViewSettings& view = group.view;
        if (has(C::Distance)) {
            view.distanceM = number(C::Distance, 0, ViewSettings::kMaxDistanceM, 0, true);
            const bool angle = has(C::FieldOfView);
            const bool lens = has(C::FocalLength) || has(C::SensorWidth);
            if (angle && lens) {
                refuse(C::FocalLength, tr("empty when \"%1\" gives the angle").arg(GroupColumns::english(C::FieldOfView)));
            } else if (angle) {
                view.hfovDeg = number(C::FieldOfView, ViewSettings::kMinHfovDeg, ViewSettings::kMaxHfovDeg, 0, true);
                if (view.hfovDeg >= ViewSettings::kMaxHfovDeg)
                    refuse(C::FieldOfView, tr("a number above %1 and below %2")
                                               .arg(ViewSettings::kMinHfovDeg)
                                               .arg(ViewSettings::kMaxHfovDeg));
            } else if (lens) {
                if (!has(C::FocalLength))
                    refuse(C::FocalLength, tr("a number from %1 to %2")
                                               .arg(ViewSettings::kMinFocalMm)
                                               .arg(ViewSettings::kMaxFocalMm));
                if (!has(C::SensorWidth))
                    refuse(C::SensorWidth, tr("a number from %1 to %2")
                                               .arg(ViewSettings::kMinSensorWidthMm)
                                               .arg(ViewSettings::kMaxSensorWidthMm));
                view.focalMm = number(C::FocalLength, ViewSettings::kMinFocalMm, ViewSettings::kMaxFocalMm, 0);
                view.sensorWidthMm =
                    number(C::SensorWidth, ViewSettings::kMinSensorWidthMm, ViewSettings::kMaxSensorWidthMm, 0);
            } else {
                refuse(C::FieldOfView, tr("the angle, or a focal length and a sensor width, for the distance"));
            }
            view.required = level();
        } else if (has(C::FieldOfView) || has(C::FocalLength) || has(C::SensorWidth) || has(C::LevelRequired)) {
            refuse(C::Distance, tr("the distance to the target (the row gives a view)"));
        }

        NetworkPlace& place = group.network;
        place.switchId = placeId(C::Switch, true);
        place.recorderId = placeId(C::Recorder, false);
        place.poeClass = whole(C::PoeClass, 0, NetworkPlace::kMaxPoeClass, NetworkPlace::kNoPoe);

        if (!m_refusal) {
            // The one rule every group is held to, for what the columns
            // cannot see alone.
            const QString problem = GroupRule::problem(group);
            if (!problem.isEmpty())
                m_refusal = GroupTableReader::Refusal{m_row, QString(), QString(), problem};
        }
        return group;
    }

    const GroupTableReader::Context& m_context;
    KnownNames m_known;
    const PlanGroup m_defaults;
    const bool m_commaDecimals;
    std::array<int, GroupColumns::Count> m_where;
    QStringList m_headings;
    const QStringList* m_cells = nullptr;
    int m_row = 0;
    std::optional<GroupTableReader::Refusal> m_refusal;
    QHash<QString, QString> m_shared;
    // Each level's key name, English and Chinese, three by three.
    QStringList m_levelNames;
    std::array<QHash<QString, QStringList>, GroupColumns::Count> m_nearest;
    std::unique_ptr<EncodingCalculator> m_calculator;
};

// Hands the rows of a table to the reader: those before the heading are
// skipped, and the first blank row after it ends the table.
class TableWalk
{
public:
    TableWalk(RowReader& reader, GroupTableReader::Result& result, int headingRow, const ProgressStep& progress,
              qint64 total)
        : m_reader(reader)
        , m_result(result)
        , m_headingRow(headingRow)
        , m_progress(progress)
        , m_total(total)
    {
    }

    bool operator()(const QStringList& cells, int row, qsizetype offset)
    {
        if (++m_seen % kProgressRows == 0 && !mayContinue(m_progress, offset, m_total)) {
            m_cancelled = true;
            return false;
        }
        if (m_headingRow == 0 ? scoreOf(cells) == 0 : row < m_headingRow)
            return true;
        if (!m_inTable) {
            m_reader.setHeading(cells);
            m_inTable = true;
            return true;
        }
        if (isBlank(cells))
            return false;
        m_reader.readRow(cells, row, m_result);
        return true;
    }

    bool cancelled() const { return m_cancelled; }
    bool foundHeading() const { return m_inTable; }

private:
    RowReader& m_reader;
    GroupTableReader::Result& m_result;
    // 0: the first row with a heading in it.
    const int m_headingRow;
    const ProgressStep& m_progress;
    const qint64 m_total;
    qint64 m_seen = 0;
    bool m_inTable = false;
    bool m_cancelled = false;
};

QString noHeadingMessage(const QString& file)
{
    return GroupTableReader::tr("%1: no heading of a group table was found (the first rows should name columns "
                                "such as %2, %3, %4 and %5).")
        .arg(file, GroupColumns::english(GroupColumns::Name), GroupColumns::english(GroupColumns::Type),
             GroupColumns::english(GroupColumns::Channels), GroupColumns::english(GroupColumns::Resolution));
}

} // namespace

PlanGroup GroupTableReader::editorDefault(const DeviceConfigStore& store, VideoStandard standard)
{
    KnownNames known(store);
    PlanGroup group;
    StructDeviceItem& device = group.device;
    device.deviceType = QStringLiteral("IPC");
    device.channelCount = 1;
    device.streamCount = 1;
    device.resolution = known.resolutions(DeviceKind::Ipc).value(0);
    const QStringList& frames = known.frameRates(standard);
    device.frameRate = frames.value(frames.size() > 1 ? 1 : 0);
    const QStringList& encodings = known.encodings();
    device.encodingType = encodings.contains(QStringLiteral("H.264")) ? QStringLiteral("H.264") : encodings.value(0);
    EncodingCalculator calculator;
    calculator.setEncodeType(device.encodingType);
    device.bitrate = ShownRate::wholeKbpsInt(calculator.calculateBitrate(
        encodingCode(DeviceKind::Ipc), device.resolution, store.getFrameRateValue(device.frameRate, standard)));
    return group;
}

GroupTableReader::Result GroupTableReader::read(const QString& path, const Context& context,
                                                const ProgressStep& progress)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.error = tr("%1: cannot be read (%2).").arg(name, file.errorString());
        return result;
    }
    return fromBytes(file.readAll(), name, context, progress);
}

GroupTableReader::Result GroupTableReader::fromBytes(const QByteArray& bytes, const QString& fileName,
                                                     const Context& context, const ProgressStep& progress)
{
    Result result;
    const auto cancelled = [&result] {
        result = Result();
        result.cancelled = true;
        return result;
    };
    if (!mayContinue(progress, 0, qMax<qint64>(bytes.size(), 1)))
        return cancelled();

    if (XlsxTable::looksLikeZip(bytes)) {
        XlsxTable workbook;
        QString problem = workbook.open(bytes);
        // The heading is looked for first, so rows above it (a title) are
        // passed over.
        int headingRow = 0;
        int best = 0;
        if (problem.isEmpty()) {
            workbook.rows(
                [&](const QStringList& cells, int row, qsizetype) {
                    const int score = scoreOf(cells);
                    if (score > best) {
                        best = score;
                        headingRow = row;
                    }
                    return row < 64;
                },
                &problem);
        }
        if (!problem.isEmpty()) {
            result.error = tr("%1: %2.").arg(fileName, problem);
            return result;
        }
        if (headingRow == 0) {
            result.error = noHeadingMessage(fileName);
            return result;
        }
        RowReader reader(context, false);
        TableWalk walk(reader, result, headingRow, progress, qMax<qint64>(workbook.sheetBytes(), 1));
        workbook.rows(std::ref(walk), &problem);
        if (walk.cancelled())
            return cancelled();
        if (!problem.isEmpty()) {
            result = Result();
            result.error = tr("%1: %2.").arg(fileName, problem);
            return result;
        }
        result.ok = true;
        return result;
    }

    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    if (body.trimmed().isEmpty()) {
        result.error = tr("%1: the file is empty.").arg(fileName);
        return result;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(body);
    if (decoder.hasError() || body.contains('\0')) {
        result.error = tr("%1: not a table: neither CSV text (UTF-8) nor an Excel workbook (.xlsx).").arg(fileName);
        return result;
    }
    const QChar separator = CsvTable::detectSeparator(text, scoreOf);
    const CsvTable::Heading heading = CsvTable::findHeading(text, separator, scoreOf);
    if (heading.score == 0) {
        result.error = noHeadingMessage(fileName);
        return result;
    }
    RowReader reader(context, separator == QLatin1Char(';'));
    TableWalk walk(reader, result, heading.row, progress, text.size());
    CsvTable::parse(text, separator, std::ref(walk));
    if (walk.cancelled())
        return cancelled();
    result.ok = true;
    return result;
}
