#pragma once

#include <data/Plan.h>

#include <QPair>
#include <QUndoCommand>
#include <QVector>

// The undoable edits of a plan. Each keeps what it needs to go both ways;
// none holds a pointer into the plan's list, which edits reallocate.

class AddGroupCommand : public QUndoCommand
{
public:
    AddGroupCommand(Plan* plan, int row, const PlanGroup& group);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    int m_row;
    PlanGroup m_group;
};

class RemoveGroupCommand : public QUndoCommand
{
public:
    RemoveGroupCommand(Plan* plan, int row);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    int m_row;
    PlanGroup m_group;
};

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

class PlanSettingsCommand : public QUndoCommand
{
public:
    struct Settings
    {
        QString siteName;
        QString notes;
        StorageSettings storage;
    };

    PlanSettingsCommand(Plan* plan, const Settings& after);
    void redo() override;
    void undo() override;

private:
    void apply(const Settings& settings);

    Plan* m_plan;
    Settings m_before;
    Settings m_after;
};

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
