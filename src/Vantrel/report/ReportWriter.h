#pragma once

#include <QDate>
#include <QString>

struct PlanData;

// A plan's report in one call per format, for callers without a window
// such as the command line. Each writes the whole file or nothing: on
// failure it returns false, error names the file and the reason, and an
// existing file stays as it was. The date shown in the report defaults to
// today.
//
// Linking: target VantrelReport (QtCore, QtGui, libxlsxwriter; no widgets).
// writePdf needs a QGuiApplication for its fonts (QT_QPA_PLATFORM=offscreen
// is enough); writeXlsx and writeCsv need none.
class ReportWriter
{
public:
    static bool writePdf(const PlanData& plan, const QString& path, QString* error,
                         const QDate& date = QDate::currentDate());
    static bool writeXlsx(const PlanData& plan, const QString& path, QString* error,
                          const QDate& date = QDate::currentDate());
    static bool writeCsv(const PlanData& plan, const QString& path, QString* error,
                         const QDate& date = QDate::currentDate());
};
