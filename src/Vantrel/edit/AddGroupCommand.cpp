#include "AddGroupCommand.h"

#include <QCoreApplication>

AddGroupCommand::AddGroupCommand(Plan* plan, int row, const PlanGroup& group, QUndoCommand* parent)
    : QUndoCommand(QCoreApplication::translate("PlanEditor", "Add %1").arg(group.device.channelName), parent)
    , m_plan(plan)
    , m_row(row)
    , m_group(group)
{
}

void AddGroupCommand::redo()
{
    m_plan->insertGroup(m_row, m_group);
}

void AddGroupCommand::undo()
{
    m_plan->takeGroup(m_row);
}
