#pragma once

#include <data/Plan.h>

#include <QUndoCommand>

// The plan's properties as the properties dialog sets them: one step, so
// one undo brings all of them back.
class PlanPropertiesCommand : public QUndoCommand
{
public:
    PlanPropertiesCommand(Plan* plan, const PlanProperties& after);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    PlanProperties m_before;
    PlanProperties m_after;
};
