#pragma once

#include <data/DataProblem.h>

#include <QCoreApplication>

class QWidget;

// Tells the user, once at start, which rows of the data files were left out
// and why, every one by file and line, so a broken table is never silently
// half used. The same lines go to the log.
class DataProblemsNotice
{
    Q_DECLARE_TR_FUNCTIONS(DataProblemsNotice)

public:
    // Shows nothing when there is nothing to tell.
    static void showModal(const DataProblems& problems, QWidget* parent);
    static QString listText(const DataProblems& problems);
};
