#pragma once

#include <data/ProgressStep.h>

#include <QByteArray>
#include <QString>

class PlanReport;

// The report as CSV: one row per group under a heading row, then the totals
// and the storage summary as label/value rows. UTF-8 with a byte order mark,
// so spreadsheets open names in any script correctly; figures use a dot and
// no grouping.
class CsvReportWriter
{
public:
    // Empty when progress cancelled it.
    static QByteArray toCsv(const PlanReport& report, const ProgressStep& progress = {});
    // Written whole or not at all: on failure the old file stays as it was.
    // A cancelled write touches no file and returns false with an empty error.
    static bool write(const PlanReport& report, const QString& path, QString* error,
                      const ProgressStep& progress = {});

    // One field, quoted when it holds a separator, a quote or a line break.
    static QString field(const QString& text);
};
