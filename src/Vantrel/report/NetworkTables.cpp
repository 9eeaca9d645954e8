#include "NetworkTables.h"

#include "ReportTexts.h"

#include <data/PlanReport.h>

namespace {

// Name, id and the switch above are texts that may be cut; the group count
// and the figures beside their limits stay whole; the state is a word.
const QVector<bool> kFigures{false, false, false, true, true, true, true, true, false};

FittedTable table(const QStringList& heads, const QPaintDevice* device)
{
    FittedTable result(heads, kFigures, device);
    result.setUnique(0);
    result.setUnique(1);
    return result;
}

} // namespace

FittedTable NetworkTables::switches(const PlanReport& report, const QPaintDevice* device, qreal width)
{
    FittedTable result = table(ReportTexts::printedSwitchColumns(), device);
    result.reserve(int(report.switches().size()));
    for (const PlanReport::Switch& unit : report.switches())
        result.addRow(ReportTexts::printedSwitch(unit));
    result.fit(width);
    return result;
}

FittedTable NetworkTables::recorders(const PlanReport& report, const QPaintDevice* device, qreal width)
{
    FittedTable result = table(ReportTexts::printedRecorderColumns(), device);
    result.reserve(int(report.recorders().size()));
    for (const PlanReport::Recorder& unit : report.recorders())
        result.addRow(ReportTexts::printedRecorder(unit));
    result.fit(width);
    return result;
}
