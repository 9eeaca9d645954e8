#include "RemoveGroupCommand.h"

#include <QCoreApplication>

RemoveGroupCommand::RemoveGroupCommand(Plan* plan, int row, QUndoCommand* parent)
    : QUndoCommand(parent)
    , m_plan(plan)
    , m_row(row)
    , m_group(plan->groupAt(row))
{
    setText(QCoreApplication::translate("PlanEditor", "Delete %1").arg(m_group.device.channelName));
}

void RemoveGroupCommand::redo()
{
    m_plan->takeGroup(m_row);
}

void RemoveGroupCommand::undo()
{
    // Back at its old place, with its old number.
    m_plan->insertGroup(m_row, m_group);
}
