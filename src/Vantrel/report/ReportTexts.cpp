#include "ReportTexts.h"

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
    return columns;
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
