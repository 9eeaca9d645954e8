#include "GroupImporter.h"
#include "PlanDocument.h"
#include "PlanFileController.h"
#include "Vantrel.h"

#include <TempProgramDir.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <edit/PlanEditor.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRect>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

// File → Import groups… as a user goes through it: the file dialog, the
// preview with the refused row and its reason, then Add (one Undo takes it
// all back) or Cancel (nothing changes).
class tst_ImportGroupsWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void addedRowsAreOneUndoStepAndCancelAddsNothing();

private:
    // Answers the file dialog with path, then the preview with the button
    // named button, noting what the preview said; again and again until
    // they close (a dialog may still be laying itself out), so the caller
    // stops the timer once the import is through.
    void answerDialogs(QTimer& timer, const QString& path, const char* button);
    const Plan* plan() const { return m_window->document()->editor()->plan(); }

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<Vantrel> m_window;
    QString m_summary;
    int m_previewRows = 0;
    QStringList m_reasons;
    // Reasons of refused rows the preview shows only after a scroll to the
    // side, or squeezed into a narrow cell.
    QStringList m_reasonsOutOfView;
};

namespace {

// Types the file's path as a user would and presses Open. (A selection made
// through selectFile() may be undone by the folder's listing still coming in.)
void chooseFile(QFileDialog* dialog, const QString& path)
{
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
}

} // namespace

void tst_ImportGroupsWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
    QFile::remove(PlanRecovery::defaultPath());
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
}

void tst_ImportGroupsWindow::cleanup()
{
    m_window.reset();
    QFile::remove(PlanRecovery::defaultPath());
}

void tst_ImportGroupsWindow::answerDialogs(QTimer& timer, const QString& path, const char* button)
{
    connect(&timer, &QTimer::timeout, this, [this, path, button] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            chooseFile(files, path);
        } else if (modal && modal->objectName() == QLatin1String("importPreviewDialog")) {
            m_summary = modal->findChild<QLabel*>(QStringLiteral("importSummary"))->text();
            const QTableView* view = modal->findChild<QTableView*>(QStringLiteral("importPreviewTable"));
            const QAbstractItemModel* rows = view->model();
            m_previewRows = rows->rowCount();
            m_reasons.clear();
            m_reasonsOutOfView.clear();
            for (int row = 0; row < rows->rowCount(); ++row) {
                const QString reason = rows->index(row, rows->columnCount() - 1).data().toString();
                m_reasons << reason;
                if (!reason.startsWith(QLatin1String("Refused")))
                    continue;
                bool inView = false;
                for (int column = 0; column < rows->columnCount(); ++column) {
                    const QModelIndex cell = rows->index(row, column);
                    const QRect place = view->visualRect(cell);
                    inView = inView
                          || (cell.data().toString() == reason && view->viewport()->rect().contains(place)
                              && place.width() >= view->viewport()->width() / 2);
                }
                if (!inView)
                    m_reasonsOutOfView << reason;
            }
            QTest::mouseClick(modal->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        }
    });
    timer.start(20);
}

void tst_ImportGroupsWindow::addedRowsAreOneUndoStepAndCancelAddsNothing()
{
    m_window = std::make_unique<Vantrel>();
    QStringList notices;
    PlanFileController::Prompts prompts = m_window->planFiles()->prompts();
    prompts.notice = [&notices](const QString& text) { notices << text; };
    prompts.confirm = [](const QString&) { return true; };
    m_window->planFiles()->setPrompts(prompts);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

    // The action sits in the menu with the plan file's own.
    auto* importAction = m_window->findChild<QAction*>(QStringLiteral("actionImportGroups"));
    QVERIFY(importAction);
    QCOMPARE(importAction->text(), QStringLiteral("Import groups..."));
    bool besideOpen = false;
    for (const QMenu* menu : m_window->findChildren<QMenu*>()) {
        const QList<QAction*> actions = menu->actions();
        const int open = int(actions.indexOf(m_window->findChild<QAction*>(QStringLiteral("actionOpenPlan"))));
        besideOpen = besideOpen || (open >= 0 && actions.indexOf(importAction) > open);
    }
    QVERIFY(besideOpen);

    // A plan that already has group 1.
    PlanData start;
    PlanGroup lobby;
    lobby.device = {QStringLiteral("IPC"), QStringLiteral("Lobby(1)"), {}, false, {}, QStringLiteral("H.264"),
                    1, 2, QStringLiteral("1080P(1920x1080)"), QStringLiteral("25"), 4096, 1};
    start.groups << lobby;
    m_window->document()->editor()->load(start);

    QTemporaryDir folder;
    const QString table = folder.filePath(QStringLiteral("cameras.csv"));
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("No.;Name;Type;Channels;Resolution;Frame rate;Rate (kbps)\n"
               "1;Gate;IPC;2;1080P(1920x1080);25;2048\n"
               "5;Yard;IPC;4;720P(1280x720);25;1024\n"
               "6;Dock;IPC;1;1080P(1920x1081);25;1024\n");
    file.close();

    QTimer adding;
    answerDialogs(adding, table, "addGroupsButton");
    importAction->trigger();
    adding.stop();
    QCOMPARE(m_previewRows, 3);
    QVERIFY2(m_summary.contains(QStringLiteral("2 groups to add")), qPrintable(m_summary));
    QVERIFY2(m_reasons.at(2).contains(QStringLiteral("nearest: 1080P(1920x1080)")), qPrintable(m_reasons.at(2)));
    // Read where the user looks, not after a scroll past the group's columns.
    QVERIFY2(m_reasonsOutOfView.isEmpty(), qPrintable(m_reasonsOutOfView.join(QLatin1Char('\n'))));
    QVERIFY(notices.isEmpty());
    // Gate's 1 is taken and it gets the lowest free number; Yard keeps its 5.
    QCOMPARE(plan()->groupCount(), 3);
    QCOMPARE(plan()->groupAt(1).device.channelName, QStringLiteral("Gate(2)"));
    QCOMPARE(plan()->groupAt(2).device.groupNumber, 5);
    QVERIFY(m_window->appTitle().contains(QLatin1Char('*')));

    m_window->planFiles()->undoAction()->trigger();
    QCOMPARE(plan()->groupCount(), 1);
    QCOMPARE(plan()->groupAt(0).device.channelName, QStringLiteral("Lobby(1)"));
    m_window->planFiles()->redoAction()->trigger();
    QCOMPARE(plan()->groupCount(), 3);
    m_window->planFiles()->undoAction()->trigger();

    const QByteArray before = PlanFile::toJson(plan()->data());
    QTimer cancelling;
    answerDialogs(cancelling, table, "cancelImportButton");
    importAction->trigger();
    cancelling.stop();
    QCOMPARE(m_previewRows, 3);
    QCOMPARE(PlanFile::toJson(plan()->data()), before);

    // A file that is no table is refused whole, with a notice.
    const QString empty = folder.filePath(QStringLiteral("empty.csv"));
    QFile(empty).open(QIODevice::WriteOnly);
    // Answered until it closes: a dialog may still be listing its folder.
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [empty] {
        if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            chooseFile(files, empty);
        }
    });
    answer.start(20);
    importAction->trigger();
    answer.stop();
    QCOMPARE(notices, QStringList{QStringLiteral("empty.csv: the file is empty.")});
    QCOMPARE(PlanFile::toJson(plan()->data()), before);
}

QTEST_MAIN(tst_ImportGroupsWindow)
#include "tst_ImportGroupsWindow.moc"
