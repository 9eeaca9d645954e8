#pragma once

#include <data/Plan.h>

#include <QUndoCommand>

// Deletes a group; undone, it comes back at its row with its number.
class RemoveGroupCommand : public QUndoCommand
{
public:
    RemoveGroupCommand(Plan* plan, int row, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    int m_row;
    PlanGroup m_group;
};
