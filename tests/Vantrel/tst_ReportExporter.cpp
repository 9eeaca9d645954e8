#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "PlanFileController.h"
#include "ReportExporter.h"

#include "report/ReportPlans.h"

#include <data/PlanFile.h>
#include <edit/PlanEditor.h>

#include <Fenwork/Menu.h>
#include <Fenwork/SafeFileWriter.h>
#include <TempProgramDir.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

// The exports as the window offers them: the section bar's menu and the
// title bar's "Print...", answered through the exporter's prompts.
class tst_ReportExporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();
    void exportMenuWritesEachFile();
    void theChosenTypeDecidesAndReplacingIsAsked();
    void failedExportSaysSoAndWhere();
    void printDrawsTheSameReport();
    void untitledPlanStartsAtTheLastExportOrHomeWithTheSiteName();

private:
    // As the user does: the export button opens the menu, then the entry.
    void click(const char* entry)
    {
        m_window->findChild<QToolButton*>(QStringLiteral("btnExport"))->click();
        m_window->findChild<QPushButton*>(QLatin1String(entry))->click();
    }

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Vantrel> m_window;
    QString m_planPath;
    QString m_answer;
    QStringList m_starts;
    QStringList m_notices;
    QString m_filter;
    QStringList m_questions;
    bool m_confirm = false;
    int m_progressBoxesAtNotice = 0;
};

void tst_ReportExporter::init()
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    m_folder = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<Vantrel>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    m_planPath = m_folder->filePath(QStringLiteral("north.vantrel"));
    QString error;
    QVERIFY2(PlanFile::write(m_planPath, ReportPlans::plan(4), &error), qPrintable(error));
    QVERIFY(m_window->planFiles()->openFile(m_planPath));

    ReportExporter::Prompts prompts = m_window->reports()->prompts();
    prompts.savePath = [this](const QString&, const QString& start, const QString&, QString* chosenFilter) {
        m_starts << start;
        if (!m_filter.isEmpty())
            *chosenFilter = m_filter;
        return m_answer;
    };
    prompts.confirm = [this](const QString& question) {
        m_questions << question;
        return m_confirm;
    };
    prompts.notice = [this](const QString& message) {
        // What the user sees: the result, with no progress box still over it.
        m_notices << message;
        m_progressBoxesAtNotice += int(m_window->findChildren<QProgressDialog*>().size());
    };
    m_window->reports()->setPrompts(prompts);
}

void tst_ReportExporter::cleanup()
{
    m_window.reset();
    m_program.reset();
    m_starts.clear();
    m_notices.clear();
    m_questions.clear();
    m_filter.clear();
    m_progressBoxesAtNotice = 0;
}

void tst_ReportExporter::exportMenuWritesEachFile()
{
    m_answer = m_folder->filePath(QStringLiteral("report.pdf"));
    click("btnExportPdf");
    QCOMPARE(m_starts.last(), m_folder->filePath(QStringLiteral("north.pdf")));
    QFile pdf(m_answer);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QCOMPARE(m_notices.last(), QStringLiteral("The report was saved to %1.").arg(QDir::toNativeSeparators(m_answer)));

    // No suffix typed: the format's own is added.
    m_answer = m_folder->filePath(QStringLiteral("workbook"));
    click("btnExportExcel");
    QCOMPARE(m_starts.last(), m_folder->filePath(QStringLiteral("north.xlsx")));
    QFile book(m_answer + QStringLiteral(".xlsx"));
    QVERIFY(book.open(QIODevice::ReadOnly));
    QVERIFY(book.read(2) == "PK");

    m_answer = m_folder->filePath(QStringLiteral("table.csv"));
    click("btnExportExcel");
    QFile csv(m_answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readAll().startsWith("\xEF\xBB\xBFNetwork plan: Warehouse North"));

    m_answer = m_folder->filePath(QStringLiteral("window.png"));
    click("btnExportScreentShot");
    const QImage shot(m_answer, "PNG");
    QCOMPARE(shot.size(), m_window->grab().size());
    QCOMPARE(m_notices.last(), QStringLiteral("The screenshot was saved to %1.").arg(QDir::toNativeSeparators(m_answer)));

    // Cancelled: nothing written, nothing said.
    m_answer.clear();
    const int notices = int(m_notices.size());
    QVERIFY(!m_window->reports()->exportPdf());
    QCOMPARE(m_notices.size(), notices);
}

void tst_ReportExporter::theChosenTypeDecidesAndReplacingIsAsked()
{
    const QString workbook = m_folder->filePath(QStringLiteral("table.xlsx"));
    QVERIFY(aptui::SafeFileWriter::writeFile(workbook, "old workbook"));
    m_answer = m_folder->filePath(QStringLiteral("table"));
    m_filter = QStringLiteral("CSV files (*.csv)");
    click("btnExportExcel");
    QFile csv(m_answer + QStringLiteral(".csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readAll().startsWith("\xEF\xBB\xBF"));
    QFile old(workbook);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old workbook"));
    QVERIFY(m_questions.isEmpty());

    // The same name again: table.csv exists now, and is replaced only when
    // the user says so.
    QVERIFY(aptui::SafeFileWriter::writeFile(csv.fileName(), "keep me"));
    const int notices = int(m_notices.size());
    click("btnExportExcel");
    QCOMPARE(m_questions.size(), 1);
    QVERIFY2(m_questions.last().contains(QDir::toNativeSeparators(csv.fileName())), qPrintable(m_questions.last()));
    QCOMPARE(m_notices.size(), notices);
    csv.close();
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readAll(), QByteArray("keep me"));
    m_confirm = true;
    click("btnExportExcel");
    QCOMPARE(m_notices.size(), notices + 1);
    QCOMPARE(m_progressBoxesAtNotice, 0);
}

void tst_ReportExporter::failedExportSaysSoAndWhere()
{
    m_answer = m_folder->filePath(QStringLiteral("report.pdf"));
    QVERIFY(aptui::SafeFileWriter::writeFile(m_answer, "old report"));
    aptui::SafeFileWriter::failWriteNumber(1);
    QVERIFY(!m_window->reports()->exportPdf());
    aptui::SafeFileWriter::failWriteNumber(0);
    QVERIFY(m_notices.last().startsWith(QStringLiteral("The report was not saved.")));
    QVERIFY(m_notices.last().contains(QDir::toNativeSeparators(m_answer)));
    QFile old(m_answer);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old report"));
}

void tst_ReportExporter::printDrawsTheSameReport()
{
    QAction* print = m_window->reports()->printAction();
    QVERIFY(m_window->aboutMenu()->actions().contains(print));
    QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));

    const QString target = m_folder->filePath(QStringLiteral("printed.pdf"));
    ReportExporter::Prompts prompts = m_window->reports()->prompts();
    prompts.printSetup = [&target](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(target);
        return true;
    };
    m_window->reports()->setPrompts(prompts);
    print->trigger();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {target, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    QVERIFY(text.readAllStandardOutput().contains("Network plan: Warehouse North"));
}

void tst_ReportExporter::untitledPlanStartsAtTheLastExportOrHomeWithTheSiteName()
{
    PlanData plan = ReportPlans::plan(1);
    plan.siteName = QStringLiteral("Dock 4/5");
    QVERIFY(m_window->planFiles()->newPlan());
    m_window->document()->editor()->load(plan);
    QSettings().remove(QStringLiteral("lastExportFolder"));
    QCOMPARE(m_window->reports()->suggestedPath(QStringLiteral("pdf")), QDir::home().filePath(QStringLiteral("Dock 4_5.pdf")));

    // After an export elsewhere the next untitled one starts there, in a
    // later run too; a plan with a file still starts beside it.
    QTemporaryDir elsewhere;
    m_answer = elsewhere.filePath(QStringLiteral("dock.pdf"));
    click("btnExportPdf");
    QVERIFY(QFile::exists(m_answer));
    m_window.reset();
    m_window = std::make_unique<Vantrel>();
    m_window->document()->editor()->load(plan);
    QCOMPARE(m_window->reports()->suggestedPath(QStringLiteral("pdf")), elsewhere.filePath(QStringLiteral("Dock 4_5.pdf")));
    QVERIFY(m_window->planFiles()->openFile(m_planPath));
    QCOMPARE(m_window->reports()->suggestedPath(QStringLiteral("xlsx")), m_folder->filePath(QStringLiteral("north.xlsx")));
}

QTEST_MAIN(tst_ReportExporter)
#include "tst_ReportExporter.moc"
