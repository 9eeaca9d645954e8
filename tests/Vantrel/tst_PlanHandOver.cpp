// A plan started while Vantrel runs (a double-click in a file manager) goes
// to the running window. This test is that running instance: built as
// "Vantrel" in a folder below the program's, it starts through the shell
// under the program's own id, in a throw-away runtime and profile, and starts
// the real program a second time with plans to hand.

#include "HandedPlans.h"
#include "PlanFileController.h"
#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"

#include <DeviceGroupBuilder.h>
#include <Fenwork/BaseDialog.h>
#include <Fenwork/TargetPath.h>
#include <Sarnet/ToolApplicationHull.h>
#include <data/PlanTypes.h>
#include <edit/PlanEditor.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <memory>

namespace {
// The build's program folder, where the real program and its data are.
QString programFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")) + QLatin1Char('/');
}
} // namespace

class tst_PlanHandOver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void aSecondStartHandsItsPlanToTheRunningWindow();

private:
    struct Run
    {
        int exitCode = -1;
        QString output;
    };
    // The real program, started in a folder with arguments; runs to its end
    // while this instance answers it.
    Run startSecond(const QString& folder, const QStringList& arguments);
    PlanEditor* editor() const { return m_window->document()->editor(); }

    std::unique_ptr<Vantrel> m_window;
    QTemporaryDir m_folder;
    QStringList m_questions;
    QStringList m_notices;
    PlanFileController::SaveChoice m_choice = PlanFileController::SaveChoice::Cancel;
};

void tst_PlanHandOver::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_window = std::make_unique<Vantrel>();
    PlanFileController::Prompts prompts = m_window->planFiles()->prompts();
    prompts.saveChoice = [this](const QString& question) {
        m_questions << question;
        return m_choice;
    };
    prompts.notice = [this](const QString& text) { m_notices << text; };
    prompts.progress = nullptr;
    m_window->planFiles()->setPrompts(prompts);
    m_window->show();
    HandedPlans* handed = m_window->handedPlans();
    apt::ToolApplicationHull::instance()->setDocumentReceiver(
        [handed](const QStringList& paths) { handed->receive(paths); });

    const QString examples = programFolder() + QStringLiteral("examples/");
    QVERIFY(QDir().mkpath(m_folder.filePath(QStringLiteral("plans"))));
    for (const QString& name : {QStringLiteral("small-shop"), QStringLiteral("campus"), QStringLiteral("warehouse-yard")})
        QVERIFY(QFile::copy(examples + name + QStringLiteral(".vantrel"),
                            m_folder.filePath(QStringLiteral("plans/%1.vantrel").arg(name))));
}

void tst_PlanHandOver::cleanupTestCase()
{
    apt::ToolApplicationHull::instance()->setDocumentReceiver({});
    m_window.reset();
}

tst_PlanHandOver::Run tst_PlanHandOver::startSecond(const QString& folder, const QStringList& arguments)
{
    QProcess second;
    second.setWorkingDirectory(folder);
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(programFolder() + QStringLiteral("Vantrel"), arguments);
    Run run;
    if (!second.waitForStarted(20000))
        return run;
    // This instance answers while it waits; a second start that shows a
    // notice instead never ends on its own and is stopped.
    QDeadlineTimer bound(30000);
    while (second.state() != QProcess::NotRunning && !bound.hasExpired())
        QTest::qWait(20);
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished();
        run.output = QString::fromLocal8Bit(second.readAll());
        return run;
    }
    run.exitCode = second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
    run.output = QString::fromLocal8Bit(second.readAll());
    return run;
}

void tst_PlanHandOver::aSecondStartHandsItsPlanToTheRunningWindow()
{
    const QString shop = m_folder.filePath(QStringLiteral("plans/small-shop.vantrel"));
    const QString campus = m_folder.filePath(QStringLiteral("plans/campus.vantrel"));
    const QString yard = m_folder.filePath(QStringLiteral("plans/warehouse-yard.vantrel"));

    // Unsaved work: the handed plan asks first; Cancel keeps the work.
    editor()->addGroup(PlanGroup{DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Lobby"), 1), {}});
    QVERIFY(editor()->isModified());
    m_choice = PlanFileController::SaveChoice::Cancel;
    Run second = startSecond(m_folder.path(), {QStringLiteral("plans/small-shop.vantrel")});
    QVERIFY2(second.exitCode == 0, qPrintable(second.output));
    QVERIFY2(!second.output.contains(QStringLiteral("already running")), qPrintable(second.output));
    QTRY_COMPARE(m_questions.size(), 1);
    QCOMPARE(m_questions.at(0), QStringLiteral("The plan Untitled has unsaved changes. Save them?"));
    QVERIFY(m_window->planFiles()->filePath().isEmpty());
    QVERIFY(editor()->isModified());

    // Discard: the plan, named relative to the second start's folder, opens.
    m_choice = PlanFileController::SaveChoice::Discard;
    second = startSecond(m_folder.filePath(QStringLiteral("plans")), {QStringLiteral("small-shop.vantrel")});
    QVERIFY2(second.exitCode == 0, qPrintable(second.output));
    QTRY_COMPARE(m_window->planFiles()->filePath(), shop);
    QCOMPARE(m_questions.size(), 2);
    QVERIFY(!editor()->isModified());
    QVERIFY(m_notices.isEmpty());

    // Two at once: the first opens, the other is named as not opened.
    second = startSecond(QDir::rootPath(), {campus, yard});
    QVERIFY2(second.exitCode == 0, qPrintable(second.output));
    QTRY_COMPARE(m_window->planFiles()->filePath(), campus);
    QTRY_COMPARE(m_notices.size(), 1);
    QVERIFY2(m_notices.at(0).contains(QDir::toNativeSeparators(yard)), qPrintable(m_notices.at(0)));
    QVERIFY(!m_notices.at(0).contains(QStringLiteral("campus")));

    // Handed while a dialog is open: it opens once the dialog is closed.
    QDialog dialog(m_window.get());
    dialog.open();
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    second = startSecond(m_folder.path(), {yard});
    QCOMPARE(second.exitCode, 0);
    QCoreApplication::processEvents();
    QCOMPARE(m_window->planFiles()->filePath(), campus);
    dialog.close();
    QTRY_COMPARE(m_window->planFiles()->filePath(), yard);
}

namespace {
// The shell's own notices (a small offscreen screen) are answered Yes.
void answerShellNotices()
{
    if (auto* dialog = qobject_cast<aptui::BaseDialog*>(QApplication::activeModalWidget()))
        dialog->done(QDialog::Accepted);
}

QByteArray g_runtime;

// At exit, after the instance lock is given back (registered before it).
void removeRuntime()
{
    QDir(QString::fromLocal8Bit(g_runtime)).removeRecursively();
}
} // namespace

int main(int argc, char** argv)
{
    // The instance lock, its socket and the profile of this run only: a
    // Vantrel the developer runs is not met, nor its recent plans touched.
    g_runtime = QDir::tempPath().toLocal8Bit() + "/vantrel-handover-XXXXXX";
    if (!mkdtemp(g_runtime.data()))
        return 1;
    std::atexit(&removeRuntime);
    const QByteArray runtime = g_runtime;
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QByteArray folder = runtime + '/' + name;
        QDir().mkpath(QString::fromLocal8Bit(folder));
        QFile::setPermissions(QString::fromLocal8Bit(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(name, folder);
    }
    QCoreApplication::setOrganizationName(QStringLiteral("Vantrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantrel"));
    apt::ToolApplicationHull* hull = apt::ToolApplicationHull::instance();
    // The data, skin and setup of the program folder above this one.
    aptui::SetTargetPath(QDir::cleanPath(QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath()
                                         + QStringLiteral("/..")));
    hull->initialize(argc, argv, QStringLiteral("setup.xml"), QStringLiteral("Vantrel"));
    QCoreApplication::addLibraryPath(programFolder() + QStringLiteral("plugins"));
    hull->setAppName(QStringLiteral("Vantrel"));
    int code = 1;
    {
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, qApp, &answerShellNotices);
        answering.start(20);
        const bool started = hull->startApp();
        answering.stop();
        if (started) {
            tst_PlanHandOver test;
            code = QTest::qExec(&test, argc, argv);
        } else {
            qWarning("The test could not start as the running instance.");
        }
    }
    hull->distory();
    return code;
}

#include "tst_PlanHandOver.moc"
