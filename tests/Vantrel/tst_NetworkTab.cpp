#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "ExamplePlans.h"
#include "NetworkPage/NetworkPage.h"
#include "NetworkPage/NetworkTreeModel.h"
#include "PlanFileController.h"
#include "SectionBar/SectionBar.h"

#include <WidgetLookup.h>
#include <data/PlanRecovery.h>
#include <data/SiteCheck.h>
#include <edit/PlanEditor.h>

#include <Fenwork/TargetPath.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Fills the next modal dialog as a user would, then presses its OK (or
// Cancel when fill returns false). Polls from the event loop, so the test
// never waits on a person.
void answerNextWith(std::function<bool(QDialog*)> fill)
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [fill, clock, poll] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            const bool accept = fill(dialog);
            dialog->done(accept ? QDialog::Accepted : QDialog::Rejected);
            *poll = nullptr;
            return;
        }
        if (clock->elapsed() < 5000)
            QTimer::singleShot(10, qApp, *poll);
    };
    QTimer::singleShot(0, qApp, *poll);
}

template<typename T>
T* in(QDialog* dialog, const char* name)
{
    return childNamed<T>(dialog, name);
}

void pick(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
}

QString cell(const NetworkTreeModel* model, const QString& id, int column)
{
    return model->indexOfId(id, column).data().toString();
}

} // namespace

// The Network tab driven as a user builds a site: switches and recorders
// added, groups given their place in the group editor, figures read from
// the tree, a switch with groups deleted and undone, and each example's
// figures and problems as the command line checks them.
class tst_NetworkTab : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aSiteIsBuiltOnTheTabAndADeletionLosesNoGroup();
    void everyExampleShowsWhatTheCommandLineChecks();

private:
    template<typename T>
    T* child(const char* name) const
    {
        return childNamed<T>(m_window.get(), name);
    }
    const Plan* plan() const { return m_window->document()->plan(); }
    void addGroup(int channels);
    void placeGroup(int groupNumber, const QString& switchName, const QString& recorderName, const QString& poe);
    void checkTreeAgainstCheck(const NetworkPage* page, const PlanData& data);

    std::unique_ptr<Vantrel> m_window;
};

void tst_NetworkTab::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
    QFile::remove(PlanRecovery::defaultPath());
    m_window = std::make_unique<Vantrel>();
    m_window->resize(1200, 750);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_NetworkTab::addGroup(int channels)
{
    child<QComboBox>("m_comboBoxDeviceType")->setCurrentIndex(0);
    child<QSpinBox>("channelCountsEdit")->setValue(channels);
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
}

void tst_NetworkTab::placeGroup(int groupNumber, const QString& switchName, const QString& recorderName,
                                const QString& poe)
{
    // A double-click on the card opens the group in the editor.
    m_window->sectionBar()->switchNetTab();
    DeviceItemWidget* card = m_window->capacityCalculation()->deviceAddPage()->cardOf(groupNumber);
    QVERIFY(card);
    QTest::mouseDClick(card, Qt::LeftButton);
    QCOMPARE(m_window->deviceEditor()->editedGroupNumber(), groupNumber);
    QTest::mouseClick(child<QToolButton>("m_btnNetworkPlace"), Qt::LeftButton);
    pick(child<QComboBox>("m_comboPlaceSwitch"), switchName);
    pick(child<QComboBox>("m_comboPlaceRecorder"), recorderName);
    pick(child<QComboBox>("m_comboPoeClass"), poe);
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
    QCOMPARE(m_window->deviceEditor()->editedGroupNumber(), 0);
}

void tst_NetworkTab::checkTreeAgainstCheck(const NetworkPage* page, const PlanData& data)
{
    // The figures the page shows are those of the plan as it is now, not of
    // an earlier check.
    const SiteCheck fresh(data);
    const NetworkTreeModel* model = page->model();
    QCOMPARE(fresh.switches().size(), data.network.switches.size());
    for (const SwitchFigures& figures : fresh.switches()) {
        const QModelIndex use = model->indexOfId(figures.id, NetworkTreeModel::UseColumn);
        QVERIFY2(use.isValid(), qPrintable(figures.id));
        QCOMPARE(use.data(NetworkTreeModel::UtilisationRole).toDouble(), figures.utilisation);
        QCOMPARE(use.data(NetworkTreeModel::StateRole).toInt(), int(figures.uplinkState));
        QCOMPARE(cell(model, figures.id, NetworkTreeModel::GroupsColumn), QString::number(figures.groupCount));
        QCOMPARE(cell(model, figures.id, NetworkTreeModel::PortsColumn),
                 QStringLiteral("%1 / %2").arg(figures.portsUsed).arg(figures.ports));
        QCOMPARE(model->indexOfId(figures.id, NetworkTreeModel::PowerColumn).data(NetworkTreeModel::StateRole).toInt(),
                 int(figures.poeState));
    }
    for (const RecorderFigures& figures : fresh.recorders()) {
        const QModelIndex use = model->indexOfId(figures.id, NetworkTreeModel::UseColumn);
        QVERIFY2(use.isValid(), qPrintable(figures.id));
        QCOMPARE(use.data(NetworkTreeModel::UtilisationRole).toDouble(), figures.utilisation);
        QCOMPARE(cell(model, figures.id, NetworkTreeModel::GroupsColumn), QString::number(figures.groupCount));
        QVERIFY(cell(model, figures.id, NetworkTreeModel::PortsColumn)
                    .startsWith(QStringLiteral("%1 / %2").arg(figures.channelsUsed).arg(figures.channels)));
    }
    const QListWidget* problems = page->problemList();
    QCOMPARE(problems->count(), fresh.problems().size());
    for (int i = 0; i < problems->count(); ++i)
        QCOMPARE(problems->item(i)->text(), fresh.problems().at(i).text);
}

void tst_NetworkTab::aSiteIsBuiltOnTheTabAndADeletionLosesNoGroup()
{
    addGroup(8);
    addGroup(4);
    QCOMPARE(plan()->groupCount(), 2);

    // The page is made when the tab first opens.
    QVERIFY(!m_window->findChild<NetworkPage*>());
    QTest::mouseClick(child<QToolButton>("networkBtn"), Qt::LeftButton);
    auto* page = m_window->findChild<NetworkPage*>();
    QVERIFY(page && page->isVisible());
    auto* addRecorder = child<QPushButton>("m_btnAddRecorder");
    QVERIFY(!addRecorder->isEnabled()); // a recorder needs a switch

    answerNextWith([](QDialog* dialog) {
        in<QLineEdit>(dialog, "m_editSwitchName")->setText(QStringLiteral("Core"));
        in<QDoubleSpinBox>(dialog, "m_spinSwitchUplink")->setValue(10000);
        return true;
    });
    QTest::mouseClick(child<QPushButton>("m_btnAddSwitch"), Qt::LeftButton);
    QCOMPARE(plan()->network().switches.size(), 1);
    QCOMPARE(plan()->network().switches.at(0).id, QStringLiteral("sw1"));
    QCOMPARE(page->currentId(), QStringLiteral("sw1"));

    // With Core chosen, a new switch hangs from it.
    answerNextWith([](QDialog* dialog) {
        if (in<QComboBox>(dialog, "m_comboSwitchParent")->currentData().toString() != QLatin1String("sw1"))
            return false;
        in<QLineEdit>(dialog, "m_editSwitchName")->setText(QStringLiteral("Floor 1"));
        in<QSpinBox>(dialog, "m_spinSwitchPorts")->setValue(16);
        in<QDoubleSpinBox>(dialog, "m_spinSwitchUplink")->setValue(100);
        in<QDoubleSpinBox>(dialog, "m_spinSwitchPoe")->setValue(240);
        return true;
    });
    QTest::mouseClick(child<QPushButton>("m_btnAddSwitch"), Qt::LeftButton);
    QCOMPARE(plan()->network().switches.size(), 2);
    const NetworkSwitch floor = plan()->network().switches.at(1);
    QCOMPARE(floor.id, QStringLiteral("sw2"));
    QCOMPARE(floor.parent, QStringLiteral("sw1"));
    QCOMPARE(floor.poeBudgetW, 240.0);

    page->selectNode(QStringLiteral("sw1"));
    QVERIFY(addRecorder->isEnabled());
    answerNextWith([](QDialog* dialog) {
        in<QLineEdit>(dialog, "m_editRecorderName")->setText(QStringLiteral("NVR 1"));
        in<QDoubleSpinBox>(dialog, "m_spinRecorderInput")->setValue(80);
        in<QSpinBox>(dialog, "m_spinRecorderBays")->setValue(4);
        return true;
    });
    QTest::mouseClick(addRecorder, Qt::LeftButton);
    QCOMPARE(plan()->network().recorders.size(), 1);
    QCOMPARE(plan()->network().recorders.at(0).id, QStringLiteral("nvr1"));
    QCOMPARE(plan()->network().recorders.at(0).switchId, QStringLiteral("sw1"));

    // Core cannot move under its own child: the list does not offer it.
    page->selectNode(QStringLiteral("sw1"));
    QStringList offered;
    answerNextWith([&offered](QDialog* dialog) {
        auto* parents = in<QComboBox>(dialog, "m_comboSwitchParent");
        for (int i = 0; i < parents->count(); ++i)
            offered << parents->itemData(i).toString();
        return false;
    });
    QTest::mouseClick(child<QPushButton>("m_btnEditNode"), Qt::LeftButton);
    QCOMPARE(offered, QStringList{ QString() });

    // The groups get their place in the editor's Network section.
    placeGroup(1, QStringLiteral("Floor 1"), QStringLiteral("NVR 1"), QStringLiteral("Class 3 (15.4 W)"));
    placeGroup(2, QStringLiteral("Floor 1"), QStringLiteral("None"), QStringLiteral("Class 4 (30 W)"));
    QCOMPARE(plan()->groupAt(0).network.switchId, QStringLiteral("sw2"));
    QCOMPARE(plan()->groupAt(0).network.recorderId, QStringLiteral("nvr1"));
    QCOMPARE(plan()->groupAt(0).network.poeClass, 3);
    QCOMPARE(plan()->groupAt(1).network.poeClass, 4);

    // 8 x 15.4 W + 4 x 30 W on a 240 W budget: Floor 1's power is over,
    // which the cards, the tab's count and the problems list all say.
    const SiteCheck& check = m_window->document()->siteCheck();
    QCOMPARE(check.switches().at(1).poeState, CheckState::Over);
    DeviceItemWidget* card = m_window->capacityCalculation()->deviceAddPage()->cardOf(1);
    QCOMPARE(card->siteState(), CheckState::Over);
    auto* mark = childNamed<QLabel>(card, "m_labelSiteState");
    QVERIFY(mark->isVisible());
    QVERIFY(!mark->toolTip().isEmpty());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
    QTest::keyClick(focus, Qt::Key_4, Qt::ControlModifier);
    QVERIFY(page->isVisible());
    QCOMPARE(child<QLabel>("m_labelProblemCount")->text(), QString::number(check.problems().size()));
    QVERIFY(!check.problems().isEmpty());
    checkTreeAgainstCheck(page, plan()->data());
    QCOMPARE(page->groupList()->count(), 0); // Core holds none itself

    // A click on Floor 1's problem chooses Floor 1, and lists its groups.
    page->selectNode(QStringLiteral("sw1"));
    QListWidget* problems = page->problemList();
    int floorProblem = -1;
    for (int i = 0; i < check.problems().size(); ++i) {
        if (check.problems().at(i).id == QLatin1String("sw2"))
            floorProblem = i;
    }
    QVERIFY(floorProblem >= 0);
    const QRect itemRect = problems->visualItemRect(problems->item(floorProblem));
    QTest::mouseClick(problems->viewport(), Qt::LeftButton, {}, itemRect.center());
    QCOMPARE(page->currentId(), QStringLiteral("sw2"));
    QCOMPARE(page->groupList()->count(), 2);
    // A group of the node opens its card on the Bandwidth tab, and back.
    QListWidget* groups = page->groupList();
    const QPoint second = groups->visualItemRect(groups->item(1)).center();
    // A view takes a double-click on the item its press chose.
    QTest::mouseClick(groups->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(groups->viewport(), Qt::LeftButton, {}, second);
    QVERIFY(!page->isVisible());
    QVERIFY(child<QToolButton>("bandwidthBtn")->isChecked());
    QCOMPARE(QApplication::focusWidget(), m_window->capacityCalculation()->deviceAddPage()->cardOf(2));
    QTest::mouseClick(child<QToolButton>("networkBtn"), Qt::LeftButton);
    QVERIFY(page->isVisible());

    // Deleting Floor 1 asks where its groups go; its parent takes them, in
    // one step that Undo takes back whole.
    const QUndoStack* history = m_window->document()->undoStack();
    const int steps = history->count();
    QStringList choices;
    answerNextWith([&choices](QDialog* dialog) {
        auto* destination = in<QComboBox>(dialog, "m_comboDestination");
        for (int i = 0; i < destination->count(); ++i)
            choices << destination->itemData(i).toString();
        destination->setCurrentIndex(0);
        return true;
    });
    // The site is checked once for the switch and its groups together.
    QSignalSpy checks(m_window->document(), &PlanDocument::totalsChanged);
    QTest::mouseClick(child<QPushButton>("m_btnDeleteNode"), Qt::LeftButton);
    QCOMPARE(checks.count(), 1);
    QCOMPARE(choices, (QStringList{ QStringLiteral("sw1"), QString() }));
    QCOMPARE(plan()->network().switches.size(), 1);
    QCOMPARE(plan()->groupCount(), 2);
    QCOMPARE(plan()->groupAt(0).network.switchId, QStringLiteral("sw1"));
    QCOMPARE(plan()->groupAt(1).network.switchId, QStringLiteral("sw1"));
    QCOMPARE(plan()->groupAt(0).network.recorderId, QStringLiteral("nvr1"));
    QCOMPARE(history->count(), steps + 1);
    checkTreeAgainstCheck(page, plan()->data());

    m_window->document()->undoStack()->undo();
    QCOMPARE(checks.count(), 2);
    QCOMPARE(plan()->network().switches.size(), 2);
    QCOMPARE(plan()->groupAt(0).network.switchId, QStringLiteral("sw2"));
    QCOMPARE(plan()->groupAt(1).network.switchId, QStringLiteral("sw2"));
    checkTreeAgainstCheck(page, plan()->data());

    // The groups dragged from Floor 1's list onto Core move there, in one
    // step.
    page->selectNode(QStringLiteral("sw2"));
    QCOMPARE(groups->count(), 2);
    groups->selectAll();
    std::unique_ptr<QMimeData> dragged(groups->model()->mimeData(groups->selectionModel()->selectedIndexes()));
    const int before = history->index();
    QVERIFY(page->model()->dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, page->model()->indexOfId(QStringLiteral("sw1")))
            == false);
    QCOMPARE(plan()->groupAt(0).network.switchId, QStringLiteral("sw1"));
    QCOMPARE(plan()->groupAt(1).network.switchId, QStringLiteral("sw1"));
    QCOMPARE(history->index(), before + 1);
    m_window->document()->undoStack()->undo();
    QCOMPARE(plan()->groupAt(1).network.switchId, QStringLiteral("sw2"));

    // A group's own problem (its cameras see too little at their distance)
    // is in the list too; a click on it shows the group's card.
    PlanGroup far = plan()->groupAt(1);
    far.view.hfovDeg = 90;
    far.view.distanceM = 200;
    far.view.required = DetailLevel::Identify;
    m_window->document()->editor()->replaceGroup(far);
    int groupProblem = -1;
    for (int i = 0; i < problems->count(); ++i) {
        if (m_window->document()->siteCheck().problems().at(i).object == QLatin1String("group"))
            groupProblem = i;
    }
    QVERIFY(groupProblem >= 0);
    QCOMPARE(problems->count(), m_window->document()->siteCheck().problems().size());
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::mouseClick(problems->viewport(), Qt::LeftButton, {},
                      problems->visualItemRect(problems->item(groupProblem)).center());
    QVERIFY(child<QToolButton>("bandwidthBtn")->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), m_window->capacityCalculation()->deviceAddPage()->cardOf(2));
    m_window->document()->undoStack()->undo();
    QTest::mouseClick(child<QToolButton>("networkBtn"), Qt::LeftButton);

    // Core holds a recorder and no other switch is outside it: deleting it
    // offers nowhere to go, and Cancel leaves all as it was.
    page->selectNode(QStringLiteral("sw1"));
    int offeredPlaces = -1;
    answerNextWith([&offeredPlaces](QDialog* dialog) {
        offeredPlaces = in<QComboBox>(dialog, "m_comboDestination")->count();
        return false;
    });
    page->tree()->setFocus();
    QTest::keyClick(page->tree(), Qt::Key_Delete);
    QCOMPARE(offeredPlaces, 0);
    QCOMPARE(plan()->network().switches.size(), 2);
}

void tst_NetworkTab::everyExampleShowsWhatTheCommandLineChecks()
{
    // The document and the page without the cards: a card per group takes
    // long to build for the city, and the page reads only the document.
    QTemporaryDir scratch;
    QWidget host;
    PlanDocument document(scratch.filePath(QStringLiteral("recovery.vantrel")));
    PlanFileController files(&document, &host);
    NetworkPage page(&document);
    page.resize(900, 600);
    page.show();
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    QCOMPARE(examples.size(), 5);
    for (int i = 0; i < examples.size(); ++i) {
        files.examplesMenu()->actions().at(i)->trigger();
        QProcess process;
        process.start(aptui::GetTargetPathFile(QStringLiteral("vantrel-cli")), { QStringLiteral("check"), examples.at(i).path });
        QVERIFY(process.waitForFinished(60000));
        const QJsonObject check = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        QVERIFY2(!check.isEmpty(), qPrintable(examples.at(i).path));

        const NetworkTreeModel* model = page.model();
        const QJsonArray switches = check.value("switches").toArray();
        QCOMPARE(switches.size(), document.plan()->network().switches.size());
        for (const QJsonValue& value : switches) {
            const QJsonObject sw = value.toObject();
            const QString id = sw.value("id").toString();
            const QModelIndex use = model->indexOfId(id, NetworkTreeModel::UseColumn);
            QVERIFY2(use.isValid(), qPrintable(id));
            QCOMPARE(qRound(use.data(NetworkTreeModel::UtilisationRole).toDouble() * 100), qRound(sw.value("utilisation").toDouble() * 100));
            QVERIFY(cell(model, id, NetworkTreeModel::PortsColumn)
                        .startsWith(QString::number(sw.value("portsUsed").toInt()) + QLatin1String(" / ")));
        }
        const QJsonArray recorders = check.value("recorders").toArray();
        QCOMPARE(recorders.size(), document.plan()->network().recorders.size());
        for (const QJsonValue& value : recorders) {
            const QJsonObject recorder = value.toObject();
            const QString id = recorder.value("id").toString();
            QVERIFY(cell(model, id, NetworkTreeModel::PortsColumn)
                        .startsWith(QString::number(recorder.value("channels").toInt()) + QLatin1String(" / ")));
        }
        const QJsonArray problems = check.value("problems").toArray();
        QCOMPARE(page.problemList()->count(), problems.size());
        for (int p = 0; p < problems.size(); ++p)
            QCOMPARE(page.problemList()->item(p)->text(), problems.at(p).toObject().value("text").toString());

        // One edit's refresh on the page (the check itself is the
        // document's, once per change), measured for the record only.
        if (!document.plan()->network().switches.isEmpty()) {
            PlanNetwork changed = document.plan()->network();
            changed.switches[0].uplinkMbps += 1;
            QElapsedTimer clock;
            clock.start();
            document.editor()->setNetwork(changed, {}, QStringLiteral("edit"));
            qInfo("%s: an edit and its refresh took %lld ms", qPrintable(examples.at(i).path), clock.elapsed());
            document.undoStack()->undo();
        }
    }
}

QTEST_MAIN(tst_NetworkTab)
#include "tst_NetworkTab.moc"
