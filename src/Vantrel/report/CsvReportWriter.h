#pragma once

#include <data/ProgressStep.h>

#include <QByteArray>
#include <QString>

class PlanReport;

// The report as CSV: one row per group under a heading row, then the totals
// and the storage summary as label/value rows, then, where the plan has
// them, its switches, recorders and problems, each a table under its title. UTF-8 with a byte order mark,
// so spreadsheets open names in any script correctly; figures use a dot and
// no grouping. Texts from the plan never reach a spreadsheet as formulas.
class CsvReportWriter
{
public:
    // Empty when progress cancelled it.
    static QByteArray toCsv(const PlanReport& report, const ProgressStep& progress = {});
    // Written whole or not at all: on failure the old file stays as it was.
    // A cancelled write touches no file and returns false with an empty error.
    static bool write(const PlanReport& report, const QString& path, QString* error,
                      const ProgressStep& progress = {});

    // A text cell, as names, notes and labels are. One that starts with a
    // formula sign (= + - @, a tab or a carriage return) gets a single
    // quote before it, so a spreadsheet shows it rather than running it.
    static QString textField(const QString& text);
    // A figure the report worked out, left as it is so it stays a number.
    static QString figureField(const QString& figure);
};
