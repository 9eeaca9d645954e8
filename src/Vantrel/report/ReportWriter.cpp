#include "ReportWriter.h"

#include "CsvReportWriter.h"
#include "PdfReportWriter.h"
#include "XlsxReportWriter.h"

#include <data/PlanReport.h>

bool ReportWriter::writePdf(const PlanData& plan, const QString& path, QString* error, const QDate& date)
{
    return PdfReportWriter::write(PlanReport(plan, date), path, error);
}

bool ReportWriter::writeXlsx(const PlanData& plan, const QString& path, QString* error, const QDate& date)
{
    return XlsxReportWriter::write(PlanReport(plan, date), path, error);
}

bool ReportWriter::writeCsv(const PlanData& plan, const QString& path, QString* error, const QDate& date)
{
    return CsvReportWriter::write(PlanReport(plan, date), path, error);
}
