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

// The groups and the switches change together, before any view hears of
// either: no view sees a group on a switch the plan does not hold, and the
// site is checked once.
void PlanNetworkCommand::redo()
{
    m_plan->replaceNetwork(m_after, m_movedAfter);
}

void PlanNetworkCommand::undo()
{
    m_plan->replaceNetwork(m_before, m_movedBefore);
}
