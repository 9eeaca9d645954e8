#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "PlanFileController.h"
#include "PlanPropertiesDialog/PlanPropertiesDialog.h"
#include "StoragePage/StoragePage.h"

#include <Fenwork/SafeFileWriter.h>
#include <Fenwork/Switch.h>
#include <ModalAnswer.h>
#include <TempProgramDir.h>
#include <WidgetLookup.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <data/StorageCalculator.h>
#include <edit/PlanEditor.h>

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QTableWidget>
#include <QUndoStack>
#include <QComboBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

// Plans as a user keeps them: every edit undone and redone, saved, opened,
// refused, and offered back after a crash. The window is driven through its
// widgets; only the file dialogs and questions are answered through seams.
class tst_PlanWorkflow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyEditUndoesAndTheFileRoundTrips();
    void refusedFilesAndFailedSavesChangeNothing();
    void unsavedChangesAreAskedAbout();
    void startOffersCrashedWorkThenTheNamedPlan();
    void theFirstEditAfterNewOpenOrSaveIsKeptForRecovery_data();
    void whatTheEditorAddsIsSavedAndOpensAgain();
    void aGroupWhoseSceneIsGoneKeepsItsRate();
    void theFirstEditAfterNewOpenOrSaveIsKeptForRecovery();
    void aRecoveryFileThatCannotBeWrittenIsShownAndNotOfferedAsCurrent();
    void planPropertiesAreOneStepThatSavesOpensAndRecovers();
    void theViewSectionShowsDetailAndTheStorageTabTheDays();

private:
    template<typename T>
    T* child(const char* name) const
    {
        return childNamed<T>(m_window.get(), name);
    }
    void addGroup(int deviceTypeIndex, const QString& resolution, int channels, int streams);
    QList<DeviceItemWidget*> cards() const;
    QByteArray snapshot() const { return PlanFile::toJson(plan()->data()); }
    const Plan* plan() const { return m_window->document()->editor()->plan(); }
    QString total() const { return child<QLabel>("bandWidthLabel")->text(); }
    void newWindow();

    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<Vantrel> m_window;
    QString m_nextPath;
    PlanFileController::SaveChoice m_nextChoice = PlanFileController::SaveChoice::Cancel;
    bool m_confirm = true;
    QStringList m_notices;
    QStringList m_questions;
};

void tst_PlanWorkflow::initTestCase()
{
    // Recent plans and the recovery file go to a throw-away profile.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
    QFile::remove(PlanRecovery::defaultPath());
}

void tst_PlanWorkflow::init()
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    newWindow();
}

void tst_PlanWorkflow::newWindow()
{
    m_window = std::make_unique<Vantrel>();
    PlanFileController::Prompts prompts;
    prompts.openPath = [this](const QString&) { return m_nextPath; };
    prompts.savePath = [this](const QString&) { return m_nextPath; };
    prompts.saveChoice = [this](const QString&) { return m_nextChoice; };
    prompts.confirm = [this](const QString& question) {
        m_questions << question;
        return m_confirm;
    };
    prompts.notice = [this](const QString& text) { m_notices << text; };
    m_window->planFiles()->setPrompts(prompts);
    m_window->resize(1200, 750);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_PlanWorkflow::cleanup()
{
    m_window.reset();
    m_program.reset();
    m_notices.clear();
    m_questions.clear();
    const QDir data = QFileInfo(PlanRecovery::defaultPath()).absoluteDir();
    for (const QString& name : data.entryList({ QStringLiteral("recovery*.vantrel") }, QDir::Files | QDir::System))
        QFile::remove(data.filePath(name));
}

void tst_PlanWorkflow::addGroup(int deviceTypeIndex, const QString& resolution, int channels, int streams)
{
    child<QComboBox>("m_comboBoxDeviceType")->setCurrentIndex(deviceTypeIndex);
    auto* resolutions = child<QComboBox>("m_comboBoxResolution");
    resolutions->setCurrentIndex(resolutions->findText(resolution));
    child<QSpinBox>("channelCountsEdit")->setValue(channels);
    child<QSpinBox>("streamCountsEdit")->setValue(streams);
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
}

QList<DeviceItemWidget*> tst_PlanWorkflow::cards() const
{
    // In list order, without cards already on their way out.
    QList<DeviceItemWidget*> result;
    const Plan* groups = plan();
    for (int row = 0; row < groups->groupCount(); ++row)
        result << m_window->capacityCalculation()->deviceAddPage()->cardOf(groups->groupAt(row).device.groupNumber);
    return result;
}

void tst_PlanWorkflow::everyEditUndoesAndTheFileRoundTrips()
{
    QList<QByteArray> states{ snapshot() };
    addGroup(0, QStringLiteral("1080P(1920x1080)"), 4, 1);
    states << snapshot();
    addGroup(1, QStringLiteral("1080P(1920x1080)"), 8, 2);
    states << snapshot();
    addGroup(0, QStringLiteral("720P(1280x720)"), 1, 1);
    states << snapshot();
    QVERIFY(m_window->appTitle().contains(QLatin1Char('*')));

    // Edit the recorder group in place: double-click, change, save.
    QTest::mouseDClick(cards().at(1), Qt::LeftButton);
    auto* addButton = child<QPushButton>("m_btnAddDevice");
    QCOMPARE(addButton->text(), QStringLiteral("Save changes"));
    QVERIFY(child<QPushButton>("m_btnCancelEdit")->isVisible());
    // The heading and the card say which group is being changed.
    auto* heading = child<QLabel>("m_label_AddDevice");
    QCOMPARE(heading->text(), QStringLiteral("Edit Device"));
    QVERIFY(cards().at(1)->property("editing").toBool());
    QVERIFY(!cards().at(0)->property("editing").toBool());
    child<QSpinBox>("channelCountsEdit")->setValue(6);
    QTest::mouseClick(addButton, Qt::LeftButton);
    QCOMPARE(addButton->text(), QStringLiteral("+ Add"));
    QCOMPARE(heading->text(), QStringLiteral("Add Device"));
    QVERIFY(!cards().at(1)->property("editing").toBool());
    QCOMPARE(plan()->groupAt(1).device.channelCount, 6);
    QCOMPARE(plan()->groupAt(1).device.groupNumber, 2);
    QCOMPARE(plan()->groupCount(), 3);
    states << snapshot();

    // Duplicate it from the card's menu: the copy gets the next number and
    // comes right after its original.
    QTimer picker;
    connect(&picker, &QTimer::timeout, this, [&picker] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            picker.stop();
            QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Duplicate"));
            menu->setActiveAction(menu->actions().at(1));
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    picker.start(10);
    Q_EMIT cards().at(1)->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(plan()->groupCount(), 4);
    QCOMPARE(plan()->groupAt(2).device.groupNumber, 4);
    QCOMPARE(plan()->groupAt(2).device.channelName, QStringLiteral("Channel Name(4)"));
    QCOMPARE(plan()->groupAt(2).device.channelCount, 6);
    QCOMPARE(plan()->groupAt(3).device.groupNumber, 3);
    states << snapshot();

    QTest::mouseClick(cards().at(1)->findChild<QToolButton*>(QStringLiteral("m_btnDelete")), Qt::LeftButton);
    QCOMPARE(plan()->groupCount(), 3);
    states << snapshot();
    auto* standard = child<aptui::Switch>("PalNtscSwitch");
    QTest::mouseClick(standard, Qt::LeftButton);
    QCOMPARE(plan()->videoStandard(), NTSC);
    states << snapshot();
    ModalAnswer::answerNext(QDialog::Accepted);
    QTest::mouseClick(child<QPushButton>("m_btnClear"), Qt::LeftButton);
    QCOMPARE(plan()->groupCount(), 0);
    states << snapshot();

    // Back through every edit, then forward again, by the keys.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    for (int i = states.size() - 2; i >= 0; --i) {
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(snapshot(), states.at(i));
        QCOMPARE(cards().size(), plan()->groupCount());
        if (i == 5) // before the delete: group 2 is back in its place
            QCOMPARE(plan()->groupAt(1).device.groupNumber, 2);
        if (i == 6) // before the switch: the editor shows PAL again
            QVERIFY(standard->isOn());
    }
    QVERIFY(!m_window->appTitle().contains(QLatin1Char('*')));
    for (int i = 1; i < states.size(); ++i) {
        QTest::keyClick(m_window.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(snapshot(), states.at(i));
    }
    QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier); // the clear
    const QString shownTotal = total();

    // Save, start anew, open again: the same plan and the same figures.
    QTemporaryDir folder;
    m_nextPath = folder.filePath(QStringLiteral("site"));
    QTest::keyClick(m_window.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join('\n')));
    m_nextPath += QStringLiteral(".vantrel");
    QVERIFY(QFile::exists(m_nextPath));
    QCOMPARE(m_window->appTitle(), QStringLiteral("site.vantrel - Vantrel"));
    const QByteArray saved = snapshot();
    QTest::keyClick(m_window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(plan()->groupCount(), 0);
    QTest::keyClick(m_window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(snapshot(), saved);
    QCOMPARE(total(), shownTotal);
    QCOMPARE(PlanFileController::recentPlans().value(0), QFileInfo(m_nextPath).absoluteFilePath());
    // The opened plan holds its numbers: a new group takes a free one.
    addGroup(0, QStringLiteral("720P(1280x720)"), 1, 1);
    QCOMPARE(plan()->groupAt(plan()->groupCount() - 1).device.groupNumber, 2);
}

void tst_PlanWorkflow::refusedFilesAndFailedSavesChangeNothing()
{
    QTemporaryDir folder;
    m_nextPath = folder.filePath(QStringLiteral("kept.vantrel"));
    addGroup(0, QStringLiteral("720P(1280x720)"), 2, 1);
    m_window->planFiles()->save();
    const QByteArray onDisk = snapshot();
    addGroup(1, QStringLiteral("720P(1280x720)"), 3, 1);
    const QByteArray before = snapshot();

    const QString bad = folder.filePath(QStringLiteral("bad.vantrel"));
    QVERIFY(aptui::SafeFileWriter::writeFile(bad, "{\"format\":\"vantrel-plan\",\"version\":1,\"groups\":[{}]}"));
    QVERIFY(!m_window->planFiles()->openFile(bad));
    QCOMPARE(m_notices.size(), 1);
    QVERIFY2(m_notices.last().contains(QStringLiteral("bad.vantrel: group 1")), qPrintable(m_notices.last()));
    QCOMPARE(snapshot(), before);
    QCOMPARE(m_window->appTitle(), QStringLiteral("kept.vantrel* - Vantrel"));

    // An encoding the tables do not have: the editor could not show the
    // group (it used to swap in the first encoding when the group was edited).
    const QString unknown = folder.filePath(QStringLiteral("unknown.vantrel"));
    QVERIFY(aptui::SafeFileWriter::writeFile(unknown,
        "{\"format\":\"vantrel-plan\",\"version\":1,\"groups\":[{\"number\":1,\"name\":\"Gate\","
        "\"deviceType\":\"IPC\",\"channels\":1,\"streams\":1,\"resolution\":\"1080P(1920x1080)\","
        "\"frameRate\":\"25\",\"encoding\":\"H.267\",\"bitrateKbps\":2048}]}"));
    QVERIFY(!m_window->planFiles()->openFile(unknown));
    QVERIFY2(m_notices.last().contains(QStringLiteral("unknown.vantrel: group 1 (Gate): key \"encoding\" is \"H.267\"")),
             qPrintable(m_notices.last()));
    QCOMPARE(snapshot(), before);
    m_notices.removeLast();

    // A write that fails (a full disk) keeps the old file and the mark.
    aptui::SafeFileWriter::failWriteNumber(1);
    QVERIFY(!m_window->planFiles()->save());
    aptui::SafeFileWriter::failWriteNumber(0);
    QCOMPARE(m_notices.size(), 2);
    QVERIFY(m_notices.last().contains(QStringLiteral("kept.vantrel")));
    QFile file(m_nextPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), onDisk);
    QVERIFY(m_window->appTitle().contains(QLatin1Char('*')));

    // Save as a name without the suffix: the file it becomes is replaced
    // only when the user says so.
    m_nextPath = folder.filePath(QStringLiteral("kept"));
    m_confirm = false;
    QVERIFY(!m_window->planFiles()->saveAs());
    QVERIFY2(m_questions.last().contains(QStringLiteral("kept.vantrel")), qPrintable(m_questions.last()));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), onDisk);
}

void tst_PlanWorkflow::unsavedChangesAreAskedAbout()
{
    addGroup(0, QStringLiteral("720P(1280x720)"), 2, 1);
    m_nextChoice = PlanFileController::SaveChoice::Cancel;
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->planFiles()->newPlan());
    QCOMPARE(plan()->groupCount(), 1);

    m_nextChoice = PlanFileController::SaveChoice::Discard;
    QVERIFY(m_window->close());
    // A clean exit leaves no recovery file behind.
    QVERIFY(!QFile::exists(PlanRecovery::defaultPath()));
}

void tst_PlanWorkflow::startOffersCrashedWorkThenTheNamedPlan()
{
    QTemporaryDir folder;
    const QString named = folder.filePath(QStringLiteral("named.vantrel"));
    PlanData one;
    one.groups.append(PlanGroup{ StructDeviceItem(), RecordingSettings() });
    one.groups[0].device = { QStringLiteral("IPC"), QStringLiteral("A(1)"), {}, false, {}, QStringLiteral("H.264"),
                             1, 1, QStringLiteral("720P(1280x720)"), QStringLiteral("25"), 2048, 1 };
    QVERIFY(PlanFile::write(named, one, nullptr));
    PlanData three = one;
    three.groups << one.groups << one.groups;
    three.groups[1].device.groupNumber = 2;
    three.groups[2].device.groupNumber = 3;
    QVERIFY(QDir().mkpath(QFileInfo(PlanRecovery::defaultPath()).absolutePath()));
    QVERIFY(aptui::SafeFileWriter::writeFile(PlanRecovery::defaultPath(), PlanFile::toJson(three, named)));

    // Declined: the recovery file goes, the named plan opens.
    m_confirm = false;
    m_window->openAtStart({ QStringLiteral("Vantrel"), named });
    QCOMPARE(plan()->groupCount(), 1);
    QVERIFY(!QFile::exists(PlanRecovery::defaultPath()));

    // Accepted: the crashed work comes back, unsaved, under its file's name.
    QVERIFY(aptui::SafeFileWriter::writeFile(PlanRecovery::defaultPath(), PlanFile::toJson(three, named)));
    newWindow();
    m_confirm = true;
    m_window->openAtStart({ QStringLiteral("Vantrel"), named });
    QCOMPARE(plan()->groupCount(), 3);
    QCOMPARE(cards().size(), 3);
    QCOMPARE(m_window->appTitle(), QStringLiteral("named.vantrel* - Vantrel"));
    QVERIFY(child<QWidget>("m_CapacityStackedWidget")->isVisible());
}

void tst_PlanWorkflow::aRecoveryFileThatCannotBeWrittenIsShownAndNotOfferedAsCurrent()
{
    PlanRecovery* recovery = m_window->planFiles()->recovery();
    const QString mark = QStringLiteral(" (not backed up)");
    addGroup(0, QStringLiteral("720P(1280x720)"), 2, 1);
    addGroup(0, QStringLiteral("720P(1280x720)"), 3, 1);
    recovery->flush();
    QVERIFY(!m_window->appTitle().contains(mark));

    // The disk fills up: the window says so once, and marks the title
    // until a copy reaches the disk again.
    addGroup(1, QStringLiteral("720P(1280x720)"), 4, 1);
    aptui::SafeFileWriter::failWriteNumber(1);
    recovery->flush();
    QCOMPARE(m_notices.size(), 1);
    QVERIFY2(m_notices.at(0).contains(QStringLiteral("No space left on device")), qPrintable(m_notices.at(0)));
    QCOMPARE(m_window->appTitle(), QStringLiteral("Untitled*") + mark + QStringLiteral(" - Vantrel"));
    addGroup(1, QStringLiteral("720P(1280x720)"), 5, 1);
    aptui::SafeFileWriter::failWriteNumber(1);
    recovery->flush();
    QCOMPARE(m_notices.size(), 1);
    QVERIFY(m_window->appTitle().contains(mark));
    recovery->flush();
    QCOMPARE(m_window->appTitle(), QStringLiteral("Untitled* - Vantrel"));
    const QDateTime lastCopy = QFileInfo(PlanRecovery::defaultPath()).lastModified();

    // Full again, then the program is killed.
    addGroup(0, QStringLiteral("720P(1280x720)"), 6, 1);
    aptui::SafeFileWriter::failWriteNumber(1);
    recovery->flush();
    aptui::SafeFileWriter::failWriteNumber(0);
    QCOMPARE(m_notices.size(), 2);
    m_window.reset();

    // The next start offers the last copy for what it is: older than the
    // work, from a named time.
    newWindow();
    m_window->openAtStart({ QStringLiteral("Vantrel") });
    QCOMPARE(m_questions.size(), 1);
    const QString question = m_questions.at(0);
    QVERIFY2(!question.contains(QStringLiteral("the plan you were working on")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("older")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("4 groups")), qPrintable(question));
    QVERIFY2(question.contains(QLocale().toString(lastCopy, QLocale::ShortFormat)), qPrintable(question));
    QCOMPARE(plan()->groupCount(), 4);
    QCOMPARE(m_window->appTitle(), QStringLiteral("Untitled* - Vantrel"));
}

void tst_PlanWorkflow::theFirstEditAfterNewOpenOrSaveIsKeptForRecovery_data()
{
    QTest::addColumn<QString>("start");
    QTest::newRow("New") << QStringLiteral("new");
    QTest::newRow("Open") << QStringLiteral("open");
    QTest::newRow("Save") << QStringLiteral("save");
}

void tst_PlanWorkflow::theFirstEditAfterNewOpenOrSaveIsKeptForRecovery()
{
    QFETCH(QString, start);
    QTemporaryDir folder;
    m_nextPath = folder.filePath(QStringLiteral("site.vantrel"));
    addGroup(0, QStringLiteral("720P(1280x720)"), 2, 1);
    QVERIFY(m_window->planFiles()->save());
    m_nextChoice = PlanFileController::SaveChoice::Discard;
    if (start == QLatin1String("new"))
        QVERIFY(m_window->planFiles()->newPlan());
    else if (start == QLatin1String("open"))
        QVERIFY(m_window->planFiles()->openFile(m_nextPath));
    const int groups = plan()->groupCount() + 1;

    // One edit, and nothing after it: its copy is on disk within a second.
    addGroup(1, QStringLiteral("720P(1280x720)"), 3, 1);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(PlanRecovery::defaultPath()), 2 * PlanRecovery::kIntervalMs);
    QTRY_COMPARE_WITH_TIMEOUT(PlanFile::read(PlanRecovery::defaultPath()).plan.groups.size(), groups,
                              2 * PlanRecovery::kIntervalMs);

    // Killed: the next start offers the edit back.
    m_window.reset();
    newWindow();
    m_confirm = true;
    m_window->openAtStart({ QStringLiteral("Vantrel") });
    QCOMPARE(m_questions.size(), 1);
    QCOMPARE(plan()->groupCount(), groups);
}

void tst_PlanWorkflow::whatTheEditorAddsIsSavedAndOpensAgain()
{
    // A rate of 0 used to be added, saved, and then refused at every open.
    auto* rate = child<QLineEdit>("m_lineEditScenceRecommandRate");
    rate->setText(QStringLiteral("0"));
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
    QCOMPARE(plan()->groupCount(), 0);
    QVERIFY(rate->property("invalid").toBool());
    QVERIFY2(rate->toolTip().contains(QStringLiteral("from 1 to")), qPrintable(rate->toolTip()));

    rate->setText(QStringLiteral("1"));
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
    child<QSpinBox>("channelCountsEdit")->setValue(512);
    child<QSpinBox>("streamCountsEdit")->setValue(512);
    rate->setText(QStringLiteral("1048576"));
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
    QCOMPARE(plan()->groupCount(), 2);

    QTemporaryDir folder;
    m_nextPath = folder.filePath(QStringLiteral("edges.vantrel"));
    QVERIFY(m_window->planFiles()->save());
    QVERIFY(m_window->planFiles()->newPlan());
    QVERIFY(m_window->planFiles()->openFile(m_nextPath));
    QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join(QLatin1Char('\n'))));
    QCOMPARE(plan()->groupCount(), 2);
    QCOMPARE(plan()->groupAt(0).device.bitrate, 1.0);
    QCOMPARE(plan()->groupAt(1).device.bitrate, 1048576.0);
}

void tst_PlanWorkflow::aGroupWhoseSceneIsGoneKeepsItsRate()
{
    // After another scene table was imported, a plan made with the old one
    // still opens, and changing such a group says what became of its scene.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("old-scenes.vantrel"));
    QVERIFY(aptui::SafeFileWriter::writeFile(path,
        "{\"format\":\"vantrel-plan\",\"version\":1,\"groups\":[{\"number\":1,\"name\":\"Gate\","
        "\"deviceType\":\"IPC\",\"channels\":1,\"streams\":1,\"rateMode\":\"scene\",\"scene\":\"Moon\","
        "\"resolution\":\"1080P(1920x1080)\",\"encoding\":\"H.264\",\"bitrateKbps\":2048}]}"));
    QVERIFY(m_window->planFiles()->openFile(path));
    QCOMPARE(plan()->groupCount(), 1);
    QTest::mouseDClick(cards().at(0), Qt::LeftButton);
    auto* rate = child<QLineEdit>("m_lineEditScenceRecommandRate");
    QCOMPARE(rate->text(), QStringLiteral("2048"));
    QVERIFY(child<QRadioButton>("m_radioButtonFixedRate")->isChecked());
    QVERIFY2(rate->toolTip().contains(QStringLiteral("Moon")), qPrintable(rate->toolTip()));
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
    QCOMPARE(plan()->groupAt(0).device.bitrate, 2048.0);
}

// A 4 MP camera seen through the View section, as the manual works it:
// the figures follow each field, the card marks a level not met, undo and
// duplicate keep the view, and the Storage tab says the days the disks keep.
void tst_PlanWorkflow::theViewSectionShowsDetailAndTheStorageTabTheDays()
{
    auto* resolutions = child<QComboBox>("m_comboBoxResolution");
    resolutions->setCurrentIndex(resolutions->findText(QStringLiteral("4MP(2560x1440)")));
    QVERIFY(resolutions->currentIndex() >= 0);
    QTest::mouseClick(child<QToolButton>("m_btnView"), Qt::LeftButton);
    child<QComboBox>("m_comboViewKind")->setCurrentIndex(1);
    child<QDoubleSpinBox>("m_spinViewAngle")->setValue(92);
    child<QDoubleSpinBox>("m_spinViewDistance")->setValue(12);
    auto* required = child<QComboBox>("m_comboRequiredLevel");
    required->setCurrentIndex(required->findText(QStringLiteral("Recognise")));
    const QLabel* figures = child<QLabel>("m_labelViewFigures");
    QVERIFY2(figures->text().startsWith(QStringLiteral("103.0 px/m: Observe")), qPrintable(figures->text()));
    QVERIFY2(figures->text().contains(QStringLiteral("Recognise up to 9.9 m")), qPrintable(figures->text()));
    QVERIFY(figures->property("below").toBool());
    // Out of range cannot be typed: the angle stays below 180.
    auto* angle = child<QDoubleSpinBox>("m_spinViewAngle");
    angle->setValue(500);
    QVERIFY(angle->value() < 180);
    angle->setValue(92);

    // A lens on a sensor from the list: 2 × atan(5.37 / 5.6) = 87.6°.
    child<QComboBox>("m_comboViewKind")->setCurrentIndex(2);
    auto* sensor = child<QComboBox>("m_comboSensor");
    sensor->setCurrentIndex(sensor->findText(QStringLiteral("1/2.8\"")));
    child<QDoubleSpinBox>("m_spinFocalLength")->setValue(2.8);
    QCOMPARE(child<QDoubleSpinBox>("m_spinSensorWidth")->value(), 5.37);
    QVERIFY2(figures->text().startsWith(QStringLiteral("111.2 px/m")), qPrintable(figures->text()));

    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
    QCOMPARE(plan()->groupCount(), 1);
    const ViewSettings view = plan()->groupAt(0).view;
    QCOMPARE(view.focalMm, 2.8);
    QCOMPARE(view.sensorWidthMm, 5.37);
    QCOMPARE(view.distanceM, 12.0);
    QCOMPARE(view.required, std::optional<DetailLevel>(DetailLevel::Recognise));
    QCOMPARE(cards().at(0)->detailText(), QStringLiteral("111.2 px/m, Observe: below Recognise"));

    // Undone and done again, and copied, the view comes along.
    QUndoStack* history = m_window->document()->editor()->undoStack();
    history->undo();
    QCOMPARE(plan()->groupCount(), 0);
    history->redo();
    QVERIFY(plan()->groupAt(0).view == view);
    m_window->capacityCalculation()->deviceAddPage()->onDuplicateGroup(plan()->groupAt(0).device.groupNumber);
    QCOMPARE(plan()->groupCount(), 2);
    QVERIFY(plan()->groupAt(1).view == view);

    // Disks available: one 8 TB disk for two 4 MP cameras' 30 days.
    m_window->switchStorageTab();
    auto* disks = child<QSpinBox>("m_spinDisksAvailable");
    disks->setValue(1);
    QCOMPARE(plan()->storage().disksAvailable, 1);
    const DiskDays days = StorageCalculator::daysOnDisks(plan()->groups(), plan()->storage(), 1);
    const QTableWidget* table = child<QTableWidget>("m_tableStorageGroups");
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("30 days asked, %1 kept").arg(days.groups.at(0).days));
    const QString said = m_window->storagePage()->diskDaysText();
    QVERIFY2(days.state == CheckState::Over ? said.contains(QStringLiteral("keep fewer days"))
                                            : said.contains(QStringLiteral("to spare")),
             qPrintable(said));
    QVERIFY(m_window->storagePage()->problemsText().contains(QStringLiteral("below Recognise")));
    history->undo();
    QCOMPARE(plan()->storage().disksAvailable, 0);
    QVERIFY(m_window->storagePage()->diskDaysText().isEmpty());
}


void tst_PlanWorkflow::planPropertiesAreOneStepThatSavesOpensAndRecovers()
{
    QTemporaryDir folder;
    const QString logoPath = folder.filePath(QStringLiteral("logo.png"));
    QImage picture(60, 20, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    QVERIFY(picture.save(logoPath, "PNG"));
    QFile logoFile(logoPath);
    QVERIFY(logoFile.open(QIODevice::ReadOnly));
    const QByteArray logo = logoFile.readAll();
    addGroup(0, QStringLiteral("720P(1280x720)"), 2, 1);
    const int stepsBefore = m_window->document()->editor()->undoStack()->count();

    // Markup in a name is part of the name.
    const PlanProperties wanted{ QStringLiteral("<b>North</b> yard"), QStringLiteral("Acme & Sons"),
                                 QStringLiteral("1 Quay Road, Harbour"), QStringLiteral("J. Doe"),
                                 QStringLiteral("Line one\nline two"), logo };
    bool filled = false;
    bool previewShown = false;
    // The dialog is modal: it is filled in from the event loop once it is up.
    const auto fill = [&] {
        auto* dialog = qobject_cast<PlanPropertiesDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return false;
        childNamed<QLineEdit>(dialog, "m_lineEditSite")->setText(wanted.siteName);
        childNamed<QLineEdit>(dialog, "m_lineEditCustomer")->setText(wanted.customer);
        childNamed<QLineEdit>(dialog, "m_lineEditAddress")->setText(wanted.address);
        childNamed<QLineEdit>(dialog, "m_lineEditDesigner")->setText(wanted.designer);
        childNamed<QPlainTextEdit>(dialog, "m_textEditNotes")->setPlainText(wanted.notes);
        dialog->setOpenFileAsker([&](QWidget*, const QString&, const QString&, const QString&) { return logoPath; });
        QTest::mouseClick(childNamed<QPushButton>(dialog, "m_buttonChooseLogo"), Qt::LeftButton);
        previewShown = !childNamed<QLabel>(dialog, "m_labelLogo")->pixmap().isNull()
            && childNamed<QPushButton>(dialog, "m_buttonRemoveLogo")->isEnabled();
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        filled = true;
        return true;
    };
    std::function<void()> poll = [&] {
        if (!fill())
            QTimer::singleShot(10, this, poll);
    };
    QTimer::singleShot(0, this, poll);
    childNamed<QAction>(m_window.get(), "actionPlanProperties")->trigger();
    QVERIFY(filled);
    QVERIFY(previewShown);
    QVERIFY(plan()->properties() == wanted);

    // One step of the history, kept for recovery like any edit.
    QUndoStack* history = m_window->document()->editor()->undoStack();
    QCOMPARE(history->count(), stepsBefore + 1);
    m_window->planFiles()->recovery()->flush();
    const PlanFile::ReadResult recovered = PlanFile::read(PlanRecovery::defaultPath());
    QVERIFY2(recovered.ok, qPrintable(recovered.error));
    QVERIFY(PlanProperties::of(recovered.plan) == wanted);
    QAction* undo = m_window->planFiles()->undoAction();
    undo->trigger();
    QVERIFY(plan()->properties() == PlanProperties());
    QCOMPARE(plan()->groupCount(), 1);
    m_window->planFiles()->redoAction()->trigger();
    QVERIFY(plan()->properties() == wanted);

    // Saved and opened again, with nothing of it lost.
    m_nextPath = folder.filePath(QStringLiteral("site.vantrel"));
    QVERIFY(m_window->planFiles()->save());
    QVERIFY(m_window->planFiles()->newPlan());
    QVERIFY(plan()->properties() == PlanProperties());
    QVERIFY(m_window->planFiles()->openFile(m_nextPath));
    QVERIFY2(m_notices.isEmpty(), qPrintable(m_notices.join(QLatin1Char('\n'))));
    QVERIFY(plan()->properties() == wanted);
}

QTEST_MAIN(tst_PlanWorkflow)
#include "tst_PlanWorkflow.moc"
