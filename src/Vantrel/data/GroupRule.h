#pragma once

#include "PlanTypes.h"

#include <QCoreApplication>
#include <QString>

// What a group may hold. The plan file reads nothing else and writes
// nothing else, and the editor checks a group against it before it adds it:
// whatever the window makes, the file can hold and reopen, and a plan that
// could not be reopened is never saved as if it could.
class GroupRule
{
    Q_DECLARE_TR_FUNCTIONS(GroupRule)

public:
    static constexpr int kMaxCount = 512;
    // The rate field's limit, in kbps.
    static constexpr double kMaxBitrateKbps = 1048576.0;

    // Above 0 and at most the limit: a group that sends nothing has no
    // place in a bandwidth plan, and 0 would be taken for "no rate".
    static bool acceptsBitrate(double kbps);
    // The group with its recorded streams within 1 and its stream count:
    // a recorder cannot keep a stream the camera does not send.
    static PlanGroup withRecordableStreams(PlanGroup group);
    // Empty when a plan file can hold the group; otherwise the first key it
    // could not, and what it would have to be.
    static QString problem(const PlanGroup& group);
    // The same for a view alone; empty for no view.
    static QString viewProblem(const ViewSettings& view);
};
