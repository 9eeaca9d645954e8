#include "PdfReportWriter.h"

#include "ReportPages.h"
#include "ReportTexts.h"

#include <data/PlanReport.h>

#include <Fenwork/SafeFileWriter.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace {

// Landscape: the groups table has eleven columns of names and figures.
const QMarginsF kMarginsMm(18, 14, 18, 10);
// Enough for hairlines and small text; higher only makes larger files.
constexpr int kResolution = 600;

} // namespace

QByteArray PdfReportWriter::toPdf(const PlanReport& report, int* pageCount, const ProgressStep& progress,
                                  QPageSize::PageSizeId pageSize)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(pageSize), QPageLayout::Landscape, kMarginsMm,
                                         QPageLayout::Millimeter));
        writer.setResolution(kResolution);
        writer.setTitle(ReportTexts::title(report));
        writer.setCreator(QStringLiteral("Vantrel"));
        painted = ReportPages::paint(report, &writer, pageCount, progress);
    }
    return painted ? bytes : QByteArray();
}

bool PdfReportWriter::write(const PlanReport& report, const QString& path, QString* error,
                            const ProgressStep& progress)
{
    bool cancelled = false;
    const QByteArray pdf = toPdf(report, nullptr, [&cancelled, &progress](qint64 done, qint64 total) {
        cancelled = !mayContinue(progress, done, total);
        return !cancelled;
    });
    if (cancelled) {
        if (error)
            error->clear();
        return false;
    }
    if (pdf.isEmpty()) {
        if (error)
            *error = tr("Cannot write %1: the PDF could not be drawn")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return aptui::SafeFileWriter::writeFile(path, pdf, error);
}
