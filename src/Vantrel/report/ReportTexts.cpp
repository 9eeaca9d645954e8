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

QStringList ReportTexts::printedColumns(bool withStorage)
{
    QStringList columns{tr("No."), tr("Name"), tr("Type"), tr("Channels × streams"), tr("Resolution"),
                        tr("Frame rate"), tr("Encoding"), tr("Rate (kbps)"), tr("Bandwidth (kbps)"),
                        tr("Share (%)")};
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

QString ReportTexts::unitText(BandwidthTotal::Unit unit)
{
    switch (unit) {
    case BandwidthTotal::Unit::Gpbs:
        return QCoreApplication::translate("DeviceAddPage", "Gpbs");
    case BandwidthTotal::Unit::Mpbs:
        return QCoreApplication::translate("DeviceAddPage", "Mpbs");
    case BandwidthTotal::Unit::Kpbs:
        break;
    }
    return QCoreApplication::translate("DeviceAddPage", "Kpbs");
}

QString ReportTexts::raidText(StorageSettings::Raid raid)
{
    if (raid == StorageSettings::Raid::None)
        return tr("None");
    return raidName(raid);
}
