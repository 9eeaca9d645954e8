#include "AddGroupsCommand.h"

#include <QCoreApplication>

AddGroupsCommand::AddGroupsCommand(Plan* plan, const QVector<PlanGroup>& groups)
    : QUndoCommand(QCoreApplication::translate("PlanEditor", "Import %n groups", nullptr, int(groups.size())))
    , m_plan(plan)
    , m_groups(groups)
{
}

void AddGroupsCommand::redo()
{
    m_plan->resetGroups(m_plan->groups() + m_groups);
}

void AddGroupsCommand::undo()
{
    QVector<PlanGroup> groups = m_plan->groups();
    groups.resize(qMax<qsizetype>(0, groups.size() - m_groups.size()));
    m_plan->resetGroups(groups);
}
