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

QStringList ReportTexts::groupColumns(bool withStorage)
{
    QStringList columns{tr("No."), tr("Name"), tr("Type"), tr("Channels"), tr("Streams"), tr("Resolution"),
                        tr("Frame rate"), tr("Encoding"), tr("Rate (kbps)"), tr("Bandwidth (kbps)"),
                        tr("Share (%)")};
    if (withStorage)
        columns << tr("Storage (TB)");
    return columns;
}

QStringList ReportTexts::printedColumns(bool withStorage, BandwidthTotal::Unit unit)
{
    QStringList columns{tr("No."), tr("Name"), tr("Type"), tr("Channels × streams"), tr("Resolution"),
                        tr("Frame rate"), tr("Encoding"), tr("Rate (kbps)"),
                        tr("Bandwidth (%1)").arg(unitText(unit)), tr("Share (%)")};
    if (withStorage)
        columns << tr("Storage (TB)");
    return columns;
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
