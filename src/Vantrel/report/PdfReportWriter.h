#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class PlanReport;

// The report as an A4 landscape PDF. Needs a QGuiApplication (fonts and the PDF
// engine live in QtGui; QT_QPA_PLATFORM=offscreen serves a program without
// a window).
class PdfReportWriter
{
    Q_DECLARE_TR_FUNCTIONS(PdfReportWriter)

public:
    // Empty when the PDF could not be drawn.
    static QByteArray toPdf(const PlanReport& report, int* pageCount = nullptr);
    // Written whole or not at all: on failure the old file stays as it was.
    static bool write(const PlanReport& report, const QString& path, QString* error);
};
