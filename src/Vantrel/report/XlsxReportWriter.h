#pragma once

#include <QCoreApplication>
#include <QString>

class PlanReport;

// The report as an Excel workbook: a "Groups" sheet with one typed row per
// group under a frozen heading row, and a "Totals" sheet with the totals,
// the storage summary and a native bar chart of the bandwidth per group;
// then a "Network" sheet (switches and recorders) where the plan has a
// network, and a "Problems" sheet where it has a network or a problem.
// The workbook is built in a scratch file in the system's temporary folder
// and goes into place only when every step succeeded, so a failure leaves
// the old file whole, and a killed program leaves nothing beside it. A text
// longer than a cell holds (32 767 characters) ends in an ellipsis, except
// the notes, which go on in the cells below.
#include <data/ProgressStep.h>

class XlsxReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(XlsxReportWriter)

public:
    // A cancelled write touches no file and returns false with an empty error.
    // Progress counts the rows, then one step for writing the workbook out.
    static bool write(const PlanReport& report, const QString& path, QString* error,
                      const ProgressStep& progress = {});

    // Test seam: the next workbook's close reports the library's file error,
    // as a full disk would.
    static void failNextClose();
};
