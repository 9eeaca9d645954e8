#pragma once

#include <data/ProgressStep.h>

#include <QCoreApplication>
#include <QString>

class PlanReport;
class QPagedPaintDevice;

// Draws a report onto a paged device, a PDF writer or a printer alike: the
// text cut into the device's pages (whole lines and table rows only), each
// table's heading row repeated on each page, and a footer with the title and
// the page number. The network and the problems come before the groups: a
// reader finds what the checks found on the first pages, however many
// groups follow.
class ReportPages
{
    Q_DECLARE_TR_FUNCTIONS(ReportPages)

public:
    // Uses the device's page size and margins; false when the device cannot
    // be painted on or progress cancelled. pageCount receives the number of
    // pages drawn.
    static bool paint(const PlanReport& report, QPagedPaintDevice* device, int* pageCount = nullptr,
                      const ProgressStep& progress = {});
};
