#pragma once

#include <data/Plan.h>

#include <QUndoCommand>

// Adds a group at a row; undone, the group goes again.
class AddGroupCommand : public QUndoCommand
{
public:
    AddGroupCommand(Plan* plan, int row, const PlanGroup& group, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    int m_row;
    PlanGroup m_group;
};
