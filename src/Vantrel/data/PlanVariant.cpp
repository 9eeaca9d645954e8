#include "PlanVariant.h"

#include "GroupBulkChange.h"

#include <numeric>

namespace {

PlanData changedGroups(PlanData plan, const GroupBulkChange::Fields& fields, EncodingCalculator& calculator)
{
    QVector<int> rows(plan.groups.size());
    std::iota(rows.begin(), rows.end(), 0);
    const QVector<GroupBulkChange::RowChange> changes =
        GroupBulkChange(fields).changedRows(plan.groups, rows, plan.videoStandard, calculator);
    for (const GroupBulkChange::RowChange& change : changes)
        plan.groups[change.first] = change.second;
    return plan;
}

} // namespace

PlanData PlanVariant::withEncoding(const PlanData& plan, const QString& encoding, EncodingCalculator& calculator)
{
    GroupBulkChange::Fields fields;
    fields.encoding = encoding;
    return changedGroups(plan, fields, calculator);
}

PlanData PlanVariant::withRetentionDays(const PlanData& plan, int days, EncodingCalculator& calculator)
{
    GroupBulkChange::Fields fields;
    fields.retentionDays = days;
    return changedGroups(plan, fields, calculator);
}

PlanData PlanVariant::withRaid(const PlanData& plan, StorageSettings::Raid raid)
{
    PlanData copy = plan;
    copy.storage.raid = raid;
    return copy;
}
