#include "PlanUplinkCommand.h"

#include <QCoreApplication>

PlanUplinkCommand::PlanUplinkCommand(Plan* plan, const UplinkSettings& after)
    : QUndoCommand(QCoreApplication::translate("PlanEditor", "Change the uplink"))
    , m_plan(plan)
    , m_before(plan->uplink())
    , m_after(after)
{
}

void PlanUplinkCommand::redo()
{
    m_plan->setUplink(m_after);
}

void PlanUplinkCommand::undo()
{
    m_plan->setUplink(m_before);
}
