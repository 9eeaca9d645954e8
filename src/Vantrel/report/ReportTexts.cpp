#include "ReportTexts.h"

#include <QLocale>

#include <data/DataName.h>

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
