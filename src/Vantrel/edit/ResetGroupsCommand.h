#pragma once

#include <data/Plan.h>

#include <QUndoCommand>
#include <QVector>

// Replaces the whole list of groups: Clear, and its undo.
class ResetGroupsCommand : public QUndoCommand
{
public:
    ResetGroupsCommand(Plan* plan, const QVector<PlanGroup>& after, const QString& text);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    QVector<PlanGroup> m_before;
    QVector<PlanGroup> m_after;
};
