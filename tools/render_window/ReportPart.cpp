// The report of a 20-group plan as PDF, in the language setup.xml chooses
// (report.pdf, report-zh.pdf), for pictures of its pages. The plan is the
// one the report tests use, dated so that the pages stay the same.

#include "Parts.h"
#include "RenderSupport.h"
#include "ReportPlans.h"

#include <report/ReportWriter.h>

#include <QTextStream>

bool renderReport(const QDir& outDir)
{
    const QString suffix = installLanguageOfSetup();
    const QString path = outDir.filePath(QStringLiteral("report%1.pdf").arg(suffix));
    QString error;
    const bool ok = ReportWriter::writePdf(ReportPlans::plan(20, !suffix.isEmpty()), path, &error, QDate(2024, 5, 17));
    QTextStream(stdout) << (ok ? QStringLiteral("wrote ") + path : QStringLiteral("FAILED ") + error) << '\n';
    return ok;
}
