#include "ReplaceGroupsCommand.h"

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
