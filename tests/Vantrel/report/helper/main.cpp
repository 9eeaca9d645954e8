// report_export_helper <target.xlsx> <step>
// Exports a 200-group plan as a workbook and, once its progress reaches the
// given step (201 is the finished workbook before it goes into place),
// prints "paused" and waits to be killed.

#include "ReportPlans.h"

#include <data/PlanReport.h>
#include <report/XlsxReportWriter.h>

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3)
        return 2;
    const qint64 stop = args.at(2).toLongLong();
    const PlanReport report(ReportPlans::plan(200), QDate(2024, 5, 17));
    QString error;
    const bool written = XlsxReportWriter::write(report, args.at(1), &error, [stop](qint64 done, qint64) {
        if (done != stop)
            return true;
        std::printf("paused\n");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    });
    std::printf("finished without pausing\n");
    return written ? 0 : 1;
}
