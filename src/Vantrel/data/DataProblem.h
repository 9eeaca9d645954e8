#pragma once

#include <QString>
#include <QVector>

// One thing wrong in a data file, precise enough to mend it: the file as it
// lies beside the program, the line (0 for the whole file) and why.
struct DataProblem
{
    QString file;
    int line = 0;
    QString reason;

    QString text() const
    {
        if (line > 0)
            return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason);
        return QStringLiteral("%1: %2").arg(file, reason);
    }
};

using DataProblems = QVector<DataProblem>;
