#include "PlanCommands.h"

#include <QCoreApplication>

AddGroupCommand::AddGroupCommand(Plan* plan, int row, const PlanGroup& group)
    : QUndoCommand(QCoreApplication::translate("PlanEditor", "Add %1").arg(group.device.channelName))
    , m_plan(plan)
    , m_row(row)
    , m_group(group)
{
}

void AddGroupCommand::redo()
{
    m_plan->insertGroup(m_row, m_group);
}

void AddGroupCommand::undo()
{
    m_plan->takeGroup(m_row);
}

RemoveGroupCommand::RemoveGroupCommand(Plan* plan, int row)
    : m_plan(plan)
    , m_row(row)
    , m_group(plan->groupAt(row))
{
    setText(QCoreApplication::translate("PlanEditor", "Delete %1").arg(m_group.device.channelName));
}

void RemoveGroupCommand::redo()
{
    m_plan->takeGroup(m_row);
}

void RemoveGroupCommand::undo()
{
    // Back at its old place, with its old number.
    m_plan->insertGroup(m_row, m_group);
}

ReplaceGroupsCommand::ReplaceGroupsCommand(Plan* plan, const QVector<RowChange>& after, const QString& text)
    : QUndoCommand(text)
    , m_plan(plan)
    , m_after(after)
{
    m_before.reserve(after.size());
    for (const RowChange& change : after)
        m_before.append({ change.first, plan->groupAt(change.first) });
}

void ReplaceGroupsCommand::setStandards(VideoStandard before, VideoStandard after)
{
    m_switchesStandard = true;
    m_standardBefore = before;
    m_standardAfter = after;
}

void ReplaceGroupsCommand::redo()
{
    apply(m_after, m_standardAfter);
}

void ReplaceGroupsCommand::undo()
{
    apply(m_before, m_standardBefore);
}

void ReplaceGroupsCommand::apply(const QVector<RowChange>& changes, VideoStandard standard)
{
    // The standard first: views that hear of a group's new frame rate then
    // already know which standard it belongs to.
    if (m_switchesStandard)
        m_plan->setVideoStandard(standard);
    m_plan->replaceGroups(changes);
}

ResetGroupsCommand::ResetGroupsCommand(Plan* plan, const QVector<PlanGroup>& after, const QString& text)
    : QUndoCommand(text)
    , m_plan(plan)
    , m_before(plan->groups())
    , m_after(after)
{
}

void ResetGroupsCommand::redo()
{
    m_plan->resetGroups(m_after);
}

void ResetGroupsCommand::undo()
{
    m_plan->resetGroups(m_before);
}

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
