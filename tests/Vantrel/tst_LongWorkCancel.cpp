#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "ExamplePlans.h"
#include "PlanFileController.h"
#include "ReportExporter.h"
#include "WorkProgress/WorkProgress.h"

#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QElapsedTimer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The user presses Cancel as soon as the dialog could show.
ProgressStep cancelAtOnce(int* steps)
{
    return [steps](qint64, qint64) {
        ++*steps;
        return false;
    };
}

} // namespace

// Long work (opening, saving, exporting) stops at Cancel and leaves the plan
// and every file as they were; short work never shows a progress dialog.
class tst_LongWorkCancel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void shortWorkShowsNoDialog();
    void manyStepsUpdateTheDialogOnlyNowAndThen();
    void cancelledOpenKeepsThePlan();
    void cancelledSaveWritesNothing();
    void cancelledReportWritesNothing();

private:
    QByteArray snapshot() const { return PlanFile::toJson(editor()->plan()->data()); }
    PlanEditor* editor() const { return m_window->document()->editor(); }
    void cancelEverything();

    std::unique_ptr<Vantrel> m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QStringList m_notices;
    int m_steps = 0;
};

void tst_LongWorkCancel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
}

void tst_LongWorkCancel::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<Vantrel>();
    PlanFileController::Prompts prompts = m_window->planFiles()->prompts();
    prompts.openPath = [this](const QString&) { return m_path; };
    prompts.savePath = [this](const QString&) { return m_path; };
    prompts.saveChoice = [](const QString&) { return PlanFileController::SaveChoice::Discard; };
    prompts.notice = [this](const QString& text) { m_notices << text; };
    m_window->planFiles()->setPrompts(prompts);
    ReportExporter::Prompts reportPrompts = m_window->reports()->prompts();
    reportPrompts.savePath = [this](const QString&, const QString&, const QString&, QString*) { return m_path; };
    reportPrompts.notice = [this](const QString& text) { m_notices << text; };
    m_window->reports()->setPrompts(reportPrompts);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // Something to lose: the office example.
    QVERIFY(m_window->planFiles()->openTemplate(ExamplePlans::available().value(1).path));
    m_steps = 0;
}

void tst_LongWorkCancel::cleanup()
{
    m_window.reset();
    m_dir.reset();
    m_notices.clear();
    QFile::remove(PlanRecovery::defaultPath());
}

void tst_LongWorkCancel::cancelEverything()
{
    PlanFileController::Prompts prompts = m_window->planFiles()->prompts();
    prompts.progress = [this](const QString&) { return cancelAtOnce(&m_steps); };
    m_window->planFiles()->setPrompts(prompts);
    ReportExporter::Prompts reportPrompts = m_window->reports()->prompts();
    reportPrompts.progress = [this](const QString&) { return cancelAtOnce(&m_steps); };
    m_window->reports()->setPrompts(reportPrompts);
}

void tst_LongWorkCancel::shortWorkShowsNoDialog()
{
    // The window's own progress dialogs, for a small plan.
    QVERIFY(m_window->planFiles()->openTemplate(ExamplePlans::available().value(0).path));
    m_path = m_dir->filePath(QStringLiteral("shop.vantrel"));
    QVERIFY(m_window->planFiles()->saveAs());
    for (const QProgressDialog* dialog : m_window->findChildren<QProgressDialog*>())
        QVERIFY(!dialog->isVisible());
}

void tst_LongWorkCancel::manyStepsUpdateTheDialogOnlyNowAndThen()
{
    QElapsedTimer clock;
    clock.start();
    const ProgressStep step = WorkProgress::dialog(m_window.get(), QStringLiteral("Opening city.vantrel..."));
    auto* bar = m_window->findChild<QProgressDialog*>()->findChild<QProgressBar*>();
    QVERIFY(bar);
    QSignalSpy updates(bar, &QProgressBar::valueChanged);
    constexpr qint64 kGroups = 100000;
    for (qint64 done = 1; done <= kGroups; ++done)
        QVERIFY(step(done, kGroups));
    // However fast or slow this machine ran the steps: an update per tenth
    // of a second, not one per step.
    QVERIFY2(updates.count() <= clock.elapsed() / WorkProgress::kUpdateIntervalMs + 1,
             qPrintable(QStringLiteral("%1 updates in %2 ms").arg(updates.count()).arg(clock.elapsed())));
}

void tst_LongWorkCancel::cancelledOpenKeepsThePlan()
{
    const QByteArray before = snapshot();
    m_path = ExamplePlans::available().value(3).path;
    cancelEverything();
    QVERIFY(!m_window->planFiles()->openFile(m_path));
    QCOMPARE(m_steps, 1);
    QCOMPARE(snapshot(), before);
    QVERIFY(m_window->planFiles()->filePath().isEmpty());
    QVERIFY(m_notices.isEmpty());
}

void tst_LongWorkCancel::cancelledSaveWritesNothing()
{
    const QByteArray before = snapshot();
    cancelEverything();
    m_path = m_dir->filePath(QStringLiteral("new.vantrel"));
    QVERIFY(!m_window->planFiles()->saveAs());
    QVERIFY(!QFileInfo::exists(m_path));
    QVERIFY(m_window->planFiles()->filePath().isEmpty());

    m_path = m_dir->filePath(QStringLiteral("old.vantrel"));
    QVERIFY(PlanFile::write(m_path, PlanData(), nullptr));
    const QByteArray old = readAll(m_path);
    QVERIFY(!m_window->planFiles()->saveAs());
    QCOMPARE(readAll(m_path), old);
    QCOMPARE(snapshot(), before);
    QVERIFY(m_notices.isEmpty());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{ "old.vantrel" });
}

void tst_LongWorkCancel::cancelledReportWritesNothing()
{
    const QByteArray before = snapshot();
    cancelEverything();
    for (const QString& name : { QStringLiteral("r.pdf"), QStringLiteral("r.xlsx"), QStringLiteral("r.csv") }) {
        m_path = m_dir->filePath(name);
        const bool pdf = name.endsWith(QLatin1String("pdf"));
        QVERIFY(!(pdf ? m_window->reports()->exportPdf() : m_window->reports()->exportExcel()));
        QVERIFY2(!QFileInfo::exists(m_path), qPrintable(name));
        // An older report of the same name stays as it was.
        QVERIFY(QFile(m_path).open(QIODevice::WriteOnly));
        QVERIFY(!(pdf ? m_window->reports()->exportPdf() : m_window->reports()->exportExcel()));
        QCOMPARE(readAll(m_path), QByteArray());
    }
    QCOMPARE(m_steps, 6);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    QCOMPARE(snapshot(), before);
    QVERIFY(m_notices.isEmpty());
}

QTEST_MAIN(tst_LongWorkCancel)
#include "tst_LongWorkCancel.moc"
