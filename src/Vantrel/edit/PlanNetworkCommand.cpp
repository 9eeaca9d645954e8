#include "PlanNetworkCommand.h"

PlanNetworkCommand::PlanNetworkCommand(Plan* plan, const PlanNetwork& after, const QVector<RowChange>& moved,
                                       const QString& text)
    : QUndoCommand(text)
    , m_plan(plan)
    , m_before(plan->network())
    , m_after(after)
    , m_movedAfter(moved)
{
    m_movedBefore.reserve(moved.size());
    for (const RowChange& change : moved)
        m_movedBefore.append({ change.first, plan->groupAt(change.first) });
}

// The groups leave a switch before it goes, and it comes back before they
// return, so no view ever sees a group on a switch the plan does not hold.
void PlanNetworkCommand::redo()
{
    if (!m_movedAfter.isEmpty())
        m_plan->replaceGroups(m_movedAfter);
    m_plan->setNetwork(m_after);
}

void PlanNetworkCommand::undo()
{
    m_plan->setNetwork(m_before);
    if (!m_movedBefore.isEmpty())
        m_plan->replaceGroups(m_movedBefore);
}
