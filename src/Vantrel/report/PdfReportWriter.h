#pragma once

#include <data/ProgressStep.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QPageSize>
#include <QString>

class PlanReport;

// The report as an A4 landscape PDF. Needs a QGuiApplication (fonts and the PDF
// engine live in QtGui; QT_QPA_PLATFORM=offscreen serves a program without
// a window).
class PdfReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(PdfReportWriter)

public:
    // Empty when it could not be drawn or progress cancelled it.
    static QByteArray toPdf(const PlanReport& report, int* pageCount = nullptr, const ProgressStep& progress = {},
                            QPageSize::PageSizeId pageSize = QPageSize::A4);
    // Written whole or not at all: on failure the old file stays as it was.
    // A cancelled write touches no file and returns false with an empty error.
    static bool write(const PlanReport& report, const QString& path, QString* error,
                      const ProgressStep& progress = {});
};
