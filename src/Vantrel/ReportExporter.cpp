#include "ReportExporter.h"

#include "PlanFileController.h"
#include "printing/PrintModule.h"
#include "WorkProgress/WorkProgress.h"

#include <data/Plan.h>
#include <data/PlanReport.h>
#include <report/CsvReportWriter.h>
#include <report/PdfReportWriter.h>
#include <report/ReportPages.h>
#include <report/XlsxReportWriter.h>

#include <Fenwork/SafeFileWriter.h>
#include <Fenwork/WarningDlg.h>

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace {
const char kLastExportFolderKey[] = "lastExportFolder";
} // namespace

ReportExporter::ReportExporter(const Plan* plan, const PlanFileController* files, QWidget* window)
    : QObject(window)
    , m_plan(plan)
    , m_files(files)
    , m_window(window)
{
    m_prompts = defaultPrompts();
    m_printAction = new QAction(tr("Print..."), this);
    m_printAction->setObjectName(QStringLiteral("actionPrintReport"));
    m_printAction->setShortcut(QKeySequence::Print);
    m_printAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_printAction, &QAction::triggered, this, &ReportExporter::print);
}

ReportExporter::~ReportExporter() = default;

ReportExporter::Prompts ReportExporter::defaultPrompts()
{
    Prompts prompts;
    prompts.savePath = [this](const QString& title, const QString& start, const QString& filters,
                              QString* chosenFilter) {
        return QFileDialog::getSaveFileName(m_window, title, start, filters, chosenFilter);
    };
    prompts.confirm = [this](const QString& question) {
        return aptui::WarningDlg::CheckMessageInfo(tr("Vantrel"), question, m_window) == 1;
    };
    // No setup of its own: the printing module shows the print dialog.
    prompts.notice = [this](const QString& message) {
        aptui::WarningDlg::ShowMessageInfo(tr("Vantrel"), message, m_window);
    };
    prompts.progress = [this](const QString& label) { return WorkProgress::dialog(m_window, label); };
    return prompts;
}

QString ReportExporter::lastExportFolder()
{
    return QSettings().value(QLatin1String(kLastExportFolderKey)).toString();
}

void ReportExporter::rememberExportFolder(const QString& path)
{
    QSettings().setValue(QLatin1String(kLastExportFolderKey), QFileInfo(path).absolutePath());
}

QString ReportExporter::suggestedPath(const QString& suffix) const
{
    const QString planPath = m_files->filePath();
    QString name;
    // A folder that has gone since is not offered.
    const QString last = lastExportFolder();
    QDir folder = !last.isEmpty() && QFileInfo(last).isDir() ? QDir(last) : QDir::home();
    if (!planPath.isEmpty()) {
        const QFileInfo plan(planPath);
        folder = plan.absoluteDir();
        name = plan.completeBaseName();
    }
    if (name.isEmpty())
        name = m_plan->data().siteName.trimmed();
    // A site name may hold characters no file name can.
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (name.isEmpty())
        name = PlanFileController::untitledName();
    return folder.filePath(name + QLatin1Char('.') + suffix);
}

QString ReportExporter::askPath(const QString& title, const QVector<Format>& formats) const
{
    QStringList filters;
    for (const Format& format : formats)
        filters << format.filter;
    QString chosen = filters.first();
    QString path = m_prompts.savePath(title, suggestedPath(formats.first().suffix), filters.join(QStringLiteral(";;")),
                                      &chosen);
    if (path.isEmpty())
        return path;
    const QString typed = QFileInfo(path).suffix();
    const auto named = std::find_if(formats.cbegin(), formats.cend(), [&typed](const Format& format) {
        return format.suffix.compare(typed, Qt::CaseInsensitive) == 0;
    });
    if (named != formats.cend())
        return path;
    const auto picked = std::find_if(formats.cbegin(), formats.cend(),
                                     [&chosen](const Format& format) { return format.filter == chosen; });
    path += QLatin1Char('.') + (picked != formats.cend() ? picked : formats.cbegin())->suffix;
    if (QFileInfo::exists(path) && m_prompts.confirm
        && !m_prompts.confirm(tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(path))))
        return QString();
    return path;
}

ProgressStep ReportExporter::progressFor(const QString& path) const
{
    const QString label = tr("Writing the report %1...").arg(QFileInfo(path).fileName());
    return m_prompts.progress ? m_prompts.progress(label) : ProgressStep();
}

bool ReportExporter::report(bool written, const QString& path, const QString& error)
{
    // Cancelled by the user: nothing was written and nothing needs saying.
    if (!written && error.isEmpty())
        return false;
    if (written) {
        rememberExportFolder(path);
        m_prompts.notice(tr("The report was saved to %1.").arg(QDir::toNativeSeparators(path)));
    }
    else
        m_prompts.notice(tr("The report was not saved.\n%1").arg(error));
    return written;
}

bool ReportExporter::exportPdf()
{
    const QString path =
        askPath(tr("Export the report as PDF"), { { tr("PDF documents (*.pdf)"), QStringLiteral("pdf") } });
    if (path.isEmpty())
        return false;
    QString error;
    const bool written =
        PdfReportWriter::write(PlanReport(m_plan->data(), QDate::currentDate()), path, &error, progressFor(path));
    return report(written, path, error);
}

bool ReportExporter::exportExcel()
{
    const QString path = askPath(tr("Export the report for Excel"),
                                 { { tr("Excel workbooks (*.xlsx)"), QStringLiteral("xlsx") },
                                   { tr("CSV files (*.csv)"), QStringLiteral("csv") } });
    if (path.isEmpty())
        return false;
    const PlanReport planReport(m_plan->data(), QDate::currentDate());
    QString error;
    const bool csv = QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    // The progress box goes with its step: it must be gone before the
    // result is said.
    const bool written = csv ? CsvReportWriter::write(planReport, path, &error, progressFor(path))
                             : XlsxReportWriter::write(planReport, path, &error, progressFor(path));
    return report(written, path, error);
}

bool ReportExporter::exportScreenshot()
{
    const QString path = askPath(tr("Save a screenshot"), { { tr("PNG images (*.png)"), QStringLiteral("png") } });
    if (path.isEmpty())
        return false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    bool written = m_window->grab().save(&buffer, "PNG");
    if (!written)
        error = tr("Cannot write %1: the window could not be captured").arg(QDir::toNativeSeparators(path));
    written = written && aptui::SafeFileWriter::writeFile(path, png, &error);
    if (written) {
        rememberExportFolder(path);
        m_prompts.notice(tr("The screenshot was saved to %1.").arg(QDir::toNativeSeparators(path)));
    }
    else
        m_prompts.notice(tr("The screenshot was not saved.\n%1").arg(error));
    return written;
}

bool ReportExporter::print()
{
    QString reason;
    const PrintModule* module = PrintModule::shared(&reason);
    if (!module) {
        m_prompts.notice(tr("The report could not be printed: %1.").arg(reason));
        return false;
    }
    PrintRequest request;
    request.parent = m_window;
    request.docName = QFileInfo(suggestedPath(QStringLiteral("pdf"))).completeBaseName();
    request.setup = m_prompts.printSetup;
    // The report is made only once the printer is chosen.
    request.paint = [this](QPagedPaintDevice* device) {
        return ReportPages::paint(PlanReport(m_plan->data(), QDate::currentDate()), device);
    };
    switch (module->print(request)) {
    case PrintRequest::Outcome::Printed:
        return true;
    case PrintRequest::Outcome::Cancelled:
        return false;
    case PrintRequest::Outcome::Failed:
        break;
    }
    m_prompts.notice(tr("The report could not be printed on %1.").arg(request.printerName));
    return false;
}
