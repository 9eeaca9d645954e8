#pragma once

#include <data/PackedGroups.h>
#include <data/Plan.h>

#include <QUndoCommand>
#include <QVector>

// Replaces the whole list of groups: Clear, and its undo. The groups it
// replaced wait packed, since Clear is how a large plan is let go.
class ResetGroupsCommand : public QUndoCommand
{
public:
    ResetGroupsCommand(Plan* plan, const QVector<PlanGroup>& after, const QString& text);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    PackedGroups m_before;
    QVector<PlanGroup> m_after;
};
