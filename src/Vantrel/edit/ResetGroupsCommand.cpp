#include "ResetGroupsCommand.h"

ResetGroupsCommand::ResetGroupsCommand(Plan* plan, const QVector<PlanGroup>& after, const QString& text)
    : QUndoCommand(text)
    , m_plan(plan)
    , m_before(plan->groups())
    , m_after(after)
{
}

void ResetGroupsCommand::redo()
{
    m_plan->resetGroups(m_after);
}

void ResetGroupsCommand::undo()
{
    m_plan->resetGroups(m_before.unpack());
}
