#include "GroupTable.h"

#include "ReportTexts.h"

#include <data/PlanReport.h>

namespace {

QStringList heads(const PlanReport& report)
{
    return ReportTexts::printedColumns(report.storage().has_value(), ReportTexts::groupUnit(report),
                                       report.hasDetail());
}

QVector<bool> figureColumns(const PlanReport& report)
{
    const int columns = int(heads(report).size());
    QVector<bool> figures(columns, false);
    for (int column = 0; column < columns; ++column) {
        figures[column] = column == GroupTable::Number || column == GroupTable::ChannelsStreams
            || column >= GroupTable::Rate;
    }
    // The detail is a sentence, the last column.
    if (report.hasDetail())
        figures.last() = false;
    return figures;
}

} // namespace

GroupTable::GroupTable(const PlanReport& report, const QPaintDevice* device, qreal width)
    : FittedTable(heads(report), figureColumns(report), device)
{
    const bool withStorage = report.storage().has_value();
    const BandwidthTotal::Unit unit = ReportTexts::groupUnit(report);
    const bool withDetail = report.hasDetail();
    setUnique(Number);
    setUnique(Name);
    reserve(int(report.groups().size()));
    for (const PlanReport::Group& group : report.groups()) {
        QStringList values{QString::number(group.number), group.name, group.deviceType,
                           ReportTexts::channelsTimesStreams(group), group.resolution,
                           ReportTexts::frameRateOrScene(group), group.encoding, ReportTexts::rate(group.rateKbps),
                           ReportTexts::groupBandwidth(group.bandwidthKbps, unit), ReportTexts::percent(group.share)};
        if (withStorage)
            values << ReportTexts::tb(group.storageBytes.value_or(0));
        if (withDetail)
            values << ReportTexts::detailText(group);
        addRow(values);
    }
    fit(width);
}
