#pragma once

#include <data/Plan.h>

#include <QUndoCommand>
#include <QVector>

// Adds many groups after the plan's last one as one step; undone, they all
// go again. The views rebuild once rather than once per group.
class AddGroupsCommand : public QUndoCommand
{
public:
    AddGroupsCommand(Plan* plan, const QVector<PlanGroup>& groups);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    QVector<PlanGroup> m_groups;
};
