#pragma once

#include <data/Plan.h>

#include <QPair>
#include <QUndoCommand>
#include <QVector>

// The site's switches and recorders, with the groups whose place changes
// with them.
class PlanNetworkCommand : public QUndoCommand
{
public:
    using RowChange = QPair<int, PlanGroup>;

    PlanNetworkCommand(Plan* plan, const PlanNetwork& after, const QVector<RowChange>& moved, const QString& text);
    void redo() override;
    void undo() override;

private:
    Plan* m_plan;
    PlanNetwork m_before;
    PlanNetwork m_after;
    QVector<RowChange> m_movedBefore;
    QVector<RowChange> m_movedAfter;
};
