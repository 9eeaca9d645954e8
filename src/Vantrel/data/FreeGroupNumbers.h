#pragma once

#include "PlanTypes.h"

#include <QVector>

// Numbers for groups that join a plan: a group keeps the number it brings
// when no group of the plan (nor one before it among those joining) holds
// it; any other, and one without a number, takes the lowest number still
// free, as a group added in the editor does. So a table exported from a
// plan and imported into an empty one gives the same numbers back.
class FreeGroupNumbers
{
public:
    static void assign(QVector<PlanGroup>& joining, const QVector<PlanGroup>& plan);
};
