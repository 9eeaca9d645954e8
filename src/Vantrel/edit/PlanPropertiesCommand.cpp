#include "PlanPropertiesCommand.h"

#include <QCoreApplication>

PlanPropertiesCommand::PlanPropertiesCommand(Plan* plan, const PlanProperties& after)
    : QUndoCommand(QCoreApplication::translate("PlanEditor", "Change plan properties"))
    , m_plan(plan)
    , m_before(plan->properties())
    , m_after(after)
{
}

void PlanPropertiesCommand::redo()
{
    m_plan->setProperties(m_after);
}

void PlanPropertiesCommand::undo()
{
    m_plan->setProperties(m_before);
}
