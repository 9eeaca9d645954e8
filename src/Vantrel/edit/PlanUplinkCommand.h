#pragma once

#include <data/Plan.h>

#include <QUndoCommand>

// The site's uplink that the bandwidth gauge measures the plan against.
class PlanUplinkCommand : public QUndoCommand
{
public:
    PlanUplinkCommand(Plan* plan, const UplinkSettings& after);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    UplinkSettings m_before;
    UplinkSettings m_after;
};
