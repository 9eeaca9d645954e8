#pragma once

#include <data/ProgressStep.h>

#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class Plan;
class PlanFileController;
class QAction;
class QPrinter;
class QWidget;

// The window's exports: the plan's report as PDF, Excel workbook (or CSV)
// and print-out, and a screenshot of the window. Every place that asks the
// user goes through a prompt that tests can answer without a window.
class ReportExporter : public QObject
{
    Q_OBJECT

public:
    struct Prompts
    {
        // A file to save to, starting at a suggested path; empty cancels.
        // chosenFilter comes in as the first of filters and goes out as the
        // one the user picked.
        std::function<QString(const QString& title, const QString& start, const QString& filters,
                              QString* chosenFilter)> savePath;
        // A yes or no question, such as replacing an existing file.
        std::function<bool(const QString& question)> confirm;
        // Lets the user choose printer and pages; false cancels. None shows
        // the system's print dialog.
        std::function<bool(QPrinter* printer)> printSetup;
        std::function<void(const QString& message)> notice;
        // Watches the writing of a report; its step may cancel it.
        std::function<ProgressStep(const QString& label)> progress;
    };

    ReportExporter(const Plan* plan, const PlanFileController* files, QWidget* window);
    ~ReportExporter() override;

    void setPrompts(const Prompts& prompts) { m_prompts = prompts; }
    Prompts prompts() const { return m_prompts; }

    // "Print..." with Ctrl+P, for the title bar's menu.
    QAction* printAction() const { return m_printAction; }

    // Where a save dialog starts: the plan file's folder, else the folder of
    // the last export (kept between runs), else the home folder; and the
    // plan's name with the suffix.
    QString suggestedPath(const QString& suffix) const;
    static QString lastExportFolder();

public Q_SLOTS:
    bool exportPdf();
    // A workbook, or CSV when the user picks that type or suffix.
    bool exportExcel();
    bool exportScreenshot();
    bool print();

private:
    // A file type the save dialog offers.
    struct Format
    {
        QString filter;
        QString suffix;
    };

    // Asks for the path. A name without one of the formats' suffixes gets
    // the suffix of the type the user picked, and replacing a file under
    // that name is asked about, since the dialog only saw the name typed.
    QString askPath(const QString& title, const QVector<Format>& formats) const;
    bool report(bool written, const QString& path, const QString& error);
    static void rememberExportFolder(const QString& path);
    ProgressStep progressFor(const QString& path) const;
    Prompts defaultPrompts();

    const Plan* m_plan;
    const PlanFileController* m_files;
    QWidget* m_window;
    Prompts m_prompts;
    QAction* m_printAction = nullptr;
};
