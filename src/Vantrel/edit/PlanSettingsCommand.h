#pragma once

#include <data/Plan.h>

#include <QUndoCommand>

// The site name, notes and storage settings of a plan.
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
