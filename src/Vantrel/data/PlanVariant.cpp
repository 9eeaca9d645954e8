#include "PlanVariant.h"

#include "GroupBulkChange.h"

namespace {

PlanData changedGroups(PlanData plan, const GroupBulkChange::Fields& fields, EncodingCalculator& calculator)
{
    const GroupBulkChange change(fields);
    for (PlanGroup& group : plan.groups)
        group = change.applied(group, plan.videoStandard, calculator);
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
