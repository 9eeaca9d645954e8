#pragma once

#include "PlanTypes.h"
#include "ProgressStep.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

class DeviceConfigStore;

// Groups from a table: the reports' group table as CSV (UTF-8, with or
// without a byte order mark, comma or semicolon) or as a workbook's first
// sheet. Each row is held to what a plan file's group is held to; a row that
// is not is refused on its own, with its row, column, value and what was
// expected, and the others still read. Columns the table lacks take the
// values a new group has in the editor; columns it does not know are left
// alone. The file as a whole is refused when it is no table, is empty, or
// names no column of the group table.
class GroupTableReader
{
    Q_DECLARE_TR_FUNCTIONS(GroupTableReader)

public:
    struct Refusal
    {
        // As the spreadsheet numbers its rows.
        int row = 0;
        // The heading as the file writes it; empty for the group as a whole.
        QString column;
        QString value;
        QString expected;
    };

    struct Result
    {
        bool ok = false;
        // The user stopped the reading; error is empty then.
        bool cancelled = false;
        QString error;
        // Numbered as the table numbers them, 0 where it does not.
        QVector<PlanGroup> groups;
        // The table row of each group.
        QVector<int> rows;
        QVector<Refusal> refused;
    };

    // What the rows are checked against: the names of the bitrate tables,
    // the plan's video standard and its switches and recorders.
    struct Context
    {
        const DeviceConfigStore& store;
        VideoStandard standard = PAL;
        PlanNetwork network;
    };

    static Result read(const QString& path, const Context& context, const ProgressStep& progress = {});
    // fileName only names the file in messages.
    static Result fromBytes(const QByteArray& bytes, const QString& fileName, const Context& context,
                            const ProgressStep& progress = {});

    // A new group as the editor starts it: one IPC channel, one stream,
    // the first resolution, the second frame rate of the standard, H.264,
    // and the rate the bitrate tables give them.
    static PlanGroup editorDefault(const DeviceConfigStore& store, VideoStandard standard);
};
