#pragma once

#include "SceneTable.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// What a look at a scene CSV found: the rows that may be imported, their
// scenes and pictures, and why each other row is refused. The update dialog
// shows it before asking, and the command line prints it.
class SceneTableCheck
{
public:
    struct Problem
    {
        int line = 0; // 0: the file as a whole
        QString reason;
        // "line 5: rate 'abc' is ..." (or the bare reason for the whole file).
        QString text() const;
    };

    QString sourcePath;
    QVector<SceneTable::Row> rows;     // accepted rows, in file order
    QStringList scenes;                // distinct scenes of the accepted rows
    QMap<QString, QString> pictures;   // picture name -> the file it is copied from
    QVector<Problem> problems;         // refused rows, and file-wide refusals at line 0
    bool cancelled = false;            // the user stopped the check

    bool canImport() const { return !rows.isEmpty(); }
    // The first problems as one sentence, "line 5: ...; line 9: ...", with a
    // count of the rest.
    QString problemSummary(int shown = 3) const;
    // {"rows":N,"scenes":[...],"problems":[{"line":L,"reason":"..."}]}
    QByteArray toJson() const;
};
