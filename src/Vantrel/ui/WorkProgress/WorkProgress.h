#pragma once

#include <data/ProgressStep.h>

#include <QCoreApplication>
#include <QString>

class QWidget;

// The progress dialog of long work: it shows only once the work has run for
// half a second and looks like taking longer, so short work never flashes
// it; its Cancel stops the work at its next step.
class WorkProgress
{
    Q_DECLARE_TR_FUNCTIONS(WorkProgress)

public:
    static constexpr int kMinimumDurationMs = 500;

    // The dialog lives as long as the returned step (and its copies).
    static ProgressStep dialog(QWidget* parent, const QString& label);
};
