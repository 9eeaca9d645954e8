#pragma once

#include "PlanTypes.h"

#include <QPair>
#include <QString>
#include <QVector>

class EncodingCalculator;

// What a plan's groups become in the other video standard: 25 and 50 fps
// run at 30 and 60 in NTSC and back. A group's rate follows only while it is
// still the recommended one, so a rate the user typed stays. Scene groups
// and other frame rates stay as they are.
class StandardSwitch
{
public:
    // A group's row and its new content.
    using RowChange = QPair<int, PlanGroup>;

    // The groups that change, in row order; the calculator must hold the
    // data tables the plan's rates come from.
    static QVector<RowChange> changedGroups(const QVector<PlanGroup>& groups, VideoStandard target,
                                            EncodingCalculator& calculator);
    // The rate in the other standard, or an empty text when it has none.
    static QString convertedFrameRate(const QString& frameRate, VideoStandard target);

private:
    static bool convert(StructDeviceItem& group, VideoStandard target, EncodingCalculator& calculator);
};
