#include "ReportTexts.h"

#include <QLocale>

#include <data/DataName.h>
#include <data/NetworkCheck.h>
#include <data/UplinkCheck.h>

#include <QHash>

#include <cmath>

QString ReportTexts::title(const PlanReport& report)
{
    if (report.siteName().trimmed().isEmpty())
        return tr("Network plan");
    return tr("Network plan: %1").arg(report.siteName());
}

QString ReportTexts::dateLine(const PlanReport& report)
{
    return tr("Date: %1").arg(dateText(report.date()));
}

QStringList ReportTexts::groupColumns(bool withStorage, bool withDetail)
{
    QStringList columns{tr("No."), tr("Name"), tr("Type"), tr("Channels"), tr("Streams"), tr("Resolution"),
                        tr("Frame rate"), tr("Encoding"), tr("Rate (kbps)"), tr("Bandwidth (kbps)"),
                        tr("Share (%)")};
    if (withStorage)
        columns << tr("Storage (TB)");
    if (withDetail)
        columns << tr("Detail (px/m)") << tr("Level met") << tr("Level required") << tr("Farthest (m)");
    return columns + settingsColumns();
}

QStringList ReportTexts::settingsColumns()
{
    // The same order as GroupColumns::settingsColumns(), which reads them back.
    return {tr("Scene"), tr("Recording"), tr("Hours per day"), tr("Event share"), tr("Retention (days)"),
            tr("Recorded streams"), tr("Night hours"), tr("Night factor"), tr("Audio (kbps)"),
            tr("Event retention (days)"), tr("Field of view (°)"), tr("Focal length (mm)"),
            tr("Sensor width (mm)"), tr("Distance (m)"), tr("Switch"), tr("Recorder"), tr("PoE class")};
}

QStringList ReportTexts::settingsValues(const PlanReport::Group& group)
{
    const auto number = [](double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); };
    const RecordingSettings& recording = group.recording;
    const ViewSettings& view = group.view;
    const bool hasView = view.isSet();
    return {group.scene,
            recordingModeName(recording.mode),
            number(recording.hoursPerDay),
            number(recording.eventShare),
            QString::number(recording.retentionDays),
            QString::number(recording.recordedStreams),
            number(recording.nightHours),
            number(recording.nightFactor),
            number(recording.audioKbps),
            recording.eventRetentionDays > 0 ? QString::number(recording.eventRetentionDays) : QString(),
            hasView && !view.byLens() ? number(view.hfovDeg) : QString(),
            hasView && view.byLens() ? number(view.focalMm) : QString(),
            hasView && view.byLens() ? number(view.sensorWidthMm) : QString(),
            hasView ? number(view.distanceM) : QString(),
            group.network.switchId,
            group.network.recorderId,
            group.network.poeClass == NetworkPlace::kNoPoe ? QString() : QString::number(group.network.poeClass)};
}

bool ReportTexts::isSettingsFigure(int index)
{
    // Scene, recording mode, switch and recorder are names.
    return index != 0 && index != 1 && index != 14 && index != 15;
}

QStringList ReportTexts::printedColumns(bool withStorage, BandwidthTotal::Unit unit, bool withDetail)
{
    QStringList columns{tr("No."), tr("Name"), tr("Type"), tr("Channels × streams"), tr("Resolution"),
                        tr("Frame rate"), tr("Encoding"), tr("Rate (kbps)"),
                        tr("Bandwidth (%1)").arg(unitText(unit)), tr("Share (%)")};
    if (withStorage)
        columns << tr("Storage (TB)");
    if (withDetail)
        columns << tr("Detail");
    return columns;
}

QString ReportTexts::levelText(const std::optional<DetailLevel>& level)
{
    return level ? PixelDensity::shownLevel(*level) : QString();
}

QString ReportTexts::detailText(const PlanReport::Group& group)
{
    if (!group.detail)
        return QString();
    const QString met = tr("%1 px/m, %2").arg(QString::number(group.detail->pxPerM, 'f', 1),
                                               levelText(group.detail->level));
    if (group.detail->state == CheckState::Over && group.required)
        return tr("%1, below %2").arg(met, levelText(group.required));
    return met;
}

QString ReportTexts::channelsTimesStreams(const PlanReport::Group& group)
{
    return QStringLiteral("%1 × %2").arg(group.channels).arg(group.streams);
}

QString ReportTexts::frameRateOrScene(const PlanReport::Group& group)
{
    if (!group.frameRate.isEmpty() || group.scene.isEmpty())
        return group.frameRate;
    return tr("Scene: %1").arg(DataName::shown(group.scene));
}

QString ReportTexts::totalText(const BandwidthTotal& bandwidth)
{
    return bandwidth.text() + QLatin1Char(' ') + unitText(bandwidth.unit());
}

BandwidthTotal::Unit ReportTexts::groupUnit(const PlanReport& report)
{
    for (const PlanReport::Group& group : report.groups()) {
        if (group.bandwidthKbps >= BandwidthTotal::kKbpsPerMbps)
            return BandwidthTotal::Unit::Mpbs;
    }
    return BandwidthTotal::Unit::Kpbs;
}

QString ReportTexts::groupBandwidth(double kbps, BandwidthTotal::Unit unit)
{
    const double value = unit == BandwidthTotal::Unit::Mpbs ? kbps / BandwidthTotal::kKbpsPerMbps : kbps;
    return QString::number(value, 'f', 1);
}

QString ReportTexts::raidText(StorageSettings::Raid raid)
{
    if (raid == StorageSettings::Raid::None)
        return tr("None");
    return raidName(raid);
}

QStringList ReportTexts::switchColumns()
{
    return {tr("Name"), tr("Id"), tr("Parent"), tr("Groups"), tr("Uplink load (Mbps)"), tr("Uplink capacity (Mbps)"),
            tr("Utilisation (%)"), tr("Ports used"), tr("Ports"), tr("PoE (W)"), tr("PoE budget (W)"), tr("State")};
}

QStringList ReportTexts::recorderColumns()
{
    return {tr("Name"), tr("Id"), tr("Switch"), tr("Groups"), tr("Channels used"), tr("Channels"),
            tr("Input load (Mbps)"), tr("Input capacity (Mbps)"), tr("Utilisation (%)"), tr("Disks"), tr("Bays"), tr("State")};
}

QStringList ReportTexts::problemColumns()
{
    return {tr("State"), tr("Object"), tr("Id"), tr("Name"), tr("Rule"), tr("Figure"), tr("Limit"), tr("Unit"),
            tr("What to change")};
}

QStringList ReportTexts::printedSwitchColumns()
{
    return {tr("Name"), tr("Id"), tr("Parent"), tr("Groups"), tr("Uplink load / capacity (Mbps)"),
            tr("Utilisation (%)"), tr("Ports used / ports"), tr("PoE / budget (W)"), tr("State")};
}

QStringList ReportTexts::printedRecorderColumns()
{
    return {tr("Name"), tr("Id"), tr("Switch"), tr("Groups"), tr("Channels used / channels"),
            tr("Input load / capacity (Mbps)"), tr("Utilisation (%)"), tr("Disks / bays"), tr("State")};
}

namespace {

QString pair(const QString& used, const QString& limit)
{
    return QStringLiteral("%1 / %2").arg(used, limit);
}

} // namespace

QStringList ReportTexts::printedSwitch(const PlanReport::Switch& unit)
{
    const SwitchFigures& f = unit.figures;
    return {unit.name,
            f.id,
            unit.parent,
            QString::number(f.groupCount),
            pair(mbps(f.loadKbps), rate(f.capacityKbps / BandwidthTotal::kKbpsPerMbps)),
            utilisation(f.loadKbps, f.capacityKbps),
            pair(QString::number(f.portsUsed), QString::number(f.ports)),
            pair(tenth(f.poeW), rate(f.poeBudgetW)),
            stateText(f.state)};
}

QStringList ReportTexts::printedRecorder(const PlanReport::Recorder& unit)
{
    const RecorderFigures& f = unit.figures;
    // A recorder whose bays are not counted, or whose disks the storage
    // settings cannot size, shows a dash there.
    const QString none = QStringLiteral("–");
    return {unit.name,
            f.id,
            unit.switchId,
            QString::number(f.groupCount),
            pair(QString::number(f.channelsUsed), QString::number(f.channels)),
            pair(mbps(f.inputKbps), rate(f.capacityKbps / BandwidthTotal::kKbpsPerMbps)),
            utilisation(f.inputKbps, f.capacityKbps),
            pair(f.disks ? QString::number(*f.disks) : none, f.bays > 0 ? QString::number(f.bays) : none),
            stateText(f.state)};
}

QString ReportTexts::stateText(CheckState state)
{
    switch (state) {
    case CheckState::Warn:
        return tr("Near limit");
    case CheckState::Over:
        return tr("Over limit");
    case CheckState::Ok:
        break;
    }
    return tr("OK");
}

QString ReportTexts::objectText(const QString& object)
{
    if (object == QLatin1String("switch"))
        return tr("Switch");
    if (object == QLatin1String("recorder"))
        return tr("Recorder");
    if (object == QLatin1String("group"))
        return tr("Group");
    if (object == QLatin1String("site"))
        return tr("Site");
    return object;
}

QString ReportTexts::ruleText(const QString& rule)
{
    static const QHash<QString, const char*> rules{
        {QStringLiteral("uplink"), QT_TR_NOOP("Uplink")},     {QStringLiteral("ports"), QT_TR_NOOP("Ports")},
        {QStringLiteral("poe"), QT_TR_NOOP("PoE")},           {QStringLiteral("channels"), QT_TR_NOOP("Channels")},
        {QStringLiteral("input"), QT_TR_NOOP("Input")},       {QStringLiteral("disks"), QT_TR_NOOP("Disks")},
        {QStringLiteral("detail"), QT_TR_NOOP("Detail")},     {QStringLiteral("days"), QT_TR_NOOP("Days")}};
    const auto found = rules.constFind(rule);
    return found == rules.cend() ? rule : tr(*found);
}

QString ReportTexts::problemObject(const PlanReport::Problem& problem)
{
    const SiteProblem& p = problem.problem;
    const bool named = !problem.name.trimmed().isEmpty();
    if (p.object == QLatin1String("switch"))
        return named ? tr("Switch %1 (%2)").arg(problem.name, p.id) : tr("Switch %1").arg(p.id);
    if (p.object == QLatin1String("recorder"))
        return named ? tr("Recorder %1 (%2)").arg(problem.name, p.id) : tr("Recorder %1").arg(p.id);
    if (p.object == QLatin1String("group"))
        return named ? tr("Group %1 (%2)").arg(p.id, problem.name) : tr("Group %1").arg(p.id);
    if (p.object == QLatin1String("site"))
        return tr("Site");
    return QStringLiteral("%1 %2").arg(p.object, p.id).trimmed();
}

QString ReportTexts::problemLine(const PlanReport::Problem& problem)
{
    const SiteProblem& p = problem.problem;
    return tr("%1, %2: %3 of %4 %5")
        .arg(problemObject(problem), ruleText(p.rule), checkFigure(p.value), checkFigure(p.limit), problemUnit(p.unit));
}

QString ReportTexts::checkFigure(double value)
{
    return std::isfinite(value) ? NetworkCheck::figureText(value) : QStringLiteral("–");
}

QString ReportTexts::mbps(double kbps)
{
    return QString::number(kbps / BandwidthTotal::kKbpsPerMbps, 'f', 1);
}

QString ReportTexts::utilisation(double loadKbps, double capacityKbps)
{
    const QString percent = UplinkCheck::percentOf(loadKbps, capacityKbps);
    return percent.isEmpty() ? QStringLiteral("–") : percent;
}

QString ReportTexts::problemUnit(const QString& unit)
{
    if (unit == QLatin1String("ports"))
        return tr("ports");
    if (unit == QLatin1String("channels"))
        return tr("channels");
    if (unit == QLatin1String("disks"))
        return tr("disks");
    // Symbols read the same in every language.
    return unit;
}
