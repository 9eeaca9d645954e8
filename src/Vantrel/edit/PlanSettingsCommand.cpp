#include "PlanSettingsCommand.h"

#include <QCoreApplication>

PlanSettingsCommand::PlanSettingsCommand(Plan* plan, const Settings& after)
    : QUndoCommand(QCoreApplication::translate("PlanEditor", "Change plan settings"))
    , m_plan(plan)
    , m_before{ plan->siteName(), plan->notes(), plan->storage() }
    , m_after(after)
{
}

void PlanSettingsCommand::redo()
{
    apply(m_after);
}

void PlanSettingsCommand::undo()
{
    apply(m_before);
}

void PlanSettingsCommand::apply(const Settings& settings)
{
    m_plan->setSiteName(settings.siteName);
    m_plan->setNotes(settings.notes);
    m_plan->setStorage(settings.storage);
}
