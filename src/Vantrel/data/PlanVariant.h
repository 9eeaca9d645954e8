#pragma once

#include "PlanTypes.h"

#include <QString>

class EncodingCalculator;

// A copy of a plan with one thing changed for every group or for the site,
// to weigh it against the plan as it is: another codec (each group's rate
// follows, as a bulk edit makes it), other retention days, another RAID.
class PlanVariant
{
public:
    static PlanData withEncoding(const PlanData& plan, const QString& encoding, EncodingCalculator& calculator);
    static PlanData withRetentionDays(const PlanData& plan, int days, EncodingCalculator& calculator);
    static PlanData withRaid(const PlanData& plan, StorageSettings::Raid raid);
};
