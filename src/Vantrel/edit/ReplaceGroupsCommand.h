#pragma once

#include <data/Plan.h>

#include <QPair>
#include <QUndoCommand>
#include <QVector>

// Replaces rows in place, optionally switching the video standard with
// them: an edited group, or the conversion of every group.
class ReplaceGroupsCommand : public QUndoCommand
{
public:
    using RowChange = QPair<int, PlanGroup>;

    ReplaceGroupsCommand(Plan* plan, const QVector<RowChange>& after, const QString& text);
    void setStandards(VideoStandard before, VideoStandard after);
    void redo() override;
    void undo() override;

private:
    void apply(const QVector<RowChange>& changes, VideoStandard standard);

    Plan* m_plan;
    QVector<RowChange> m_before;
    QVector<RowChange> m_after;
    bool m_switchesStandard = false;
    VideoStandard m_standardBefore = PAL;
    VideoStandard m_standardAfter = PAL;
};
