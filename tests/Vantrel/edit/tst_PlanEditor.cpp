#include <data/PlanFile.h>
#include <edit/PlanEditor.h>

#include <DeviceGroupBuilder.h>

#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <functional>

// Every edit the editor offers, undone and redone on a plan of three groups:
// undo brings back the plan to the byte, redo the edited one, and the
// plan's views hear of each step.
class tst_PlanEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoAndRedoEachEdit_data();
    void undoAndRedoEachEdit();
    void recordedStreamsStayWithinTheStreams();
    void newGroupsTakeTheLowestFreeNumber();
};

namespace {

using Edit = std::function<void(PlanEditor&)>;

PlanGroup group(const QString& type, const QString& name, int number, int channels)
{
    return PlanGroup{ DeviceGroupBuilder(type, name, number).channels(channels, 2).rate(4096), RecordingSettings() };
}

PlanData threeGroups()
{
    PlanData plan;
    plan.siteName = QStringLiteral("Depot");
    plan.groups = { group("IPC", "Gate", 1, 4), group("DVR", "Store", 2, 16), group("IPC", "Yard", 3, 8) };
    // Places in the network too, which every step must keep with its group.
    plan.network.switches = { NetworkSwitch{ QStringLiteral("sw1"), QStringLiteral("Gate switch"), QString(), 24, 1000.0, 120.0 } };
    plan.network.recorders = { NetworkRecorder{ QStringLiteral("nvr1"), QStringLiteral("Office NVR"), QStringLiteral("sw1"), 32, 320.0, 0 } };
    plan.groups[0].network = { QStringLiteral("sw1"), QStringLiteral("nvr1"), 3 };
    plan.groups[2].network = { QStringLiteral("sw1"), QString(), NetworkPlace::kNoPoe };
    return plan;
}

} // namespace

Q_DECLARE_METATYPE(Edit)

void tst_PlanEditor::undoAndRedoEachEdit_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::newRow("add") << Edit([](PlanEditor& e) { e.addGroup(group("IPC", "Dock", 4, 2)); });
    QTest::newRow("insert after the first") << Edit([](PlanEditor& e) { e.insertGroup(1, group("IPC", "Gate", 4, 4)); });
    QTest::newRow("remove the middle") << Edit([](PlanEditor& e) { e.removeGroup(2); });
    QTest::newRow("replace") << Edit([](PlanEditor& e) {
        PlanGroup changed = e.plan()->groupAt(2);
        changed.device.channelCount = 32;
        changed.recording.retentionDays = 90;
        QVERIFY(e.replaceGroup(changed));
    });
    QTest::newRow("clear") << Edit([](PlanEditor& e) { e.clearGroups(); });
    QTest::newRow("switch to NTSC") << Edit([](PlanEditor& e) {
        PlanGroup gate = e.plan()->groupAt(0);
        gate.device.frameRate = QStringLiteral("30");
        e.switchStandard(NTSC, { { 0, gate } });
    });
    QTest::newRow("storage settings") << Edit([](PlanEditor& e) {
        StorageSettings storage;
        storage.diskTB = 12;
        storage.raid = StorageSettings::Raid::Raid6;
        storage.hotSpares = 2;
        e.setSettings(QStringLiteral("Depot East"), QStringLiteral("night shift"), storage);
    });
    QTest::newRow("uplink") << Edit([](PlanEditor& e) { e.setUplink(UplinkSettings{ QStringLiteral("Fibre"), 100.0 }); });
}

void tst_PlanEditor::undoAndRedoEachEdit()
{
    QFETCH(Edit, edit);
    PlanEditor editor;
    editor.load(threeGroups());
    const QByteArray before = PlanFile::toJson(editor.plan()->data());
    QSignalSpy changed(editor.plan(), &Plan::changed);

    edit(editor);
    const QByteArray after = PlanFile::toJson(editor.plan()->data());
    QVERIFY(after != before);
    QVERIFY(editor.isModified());
    QCOMPARE(editor.undoStack()->count(), 1);

    editor.undoStack()->undo();
    QCOMPARE(PlanFile::toJson(editor.plan()->data()), before);
    QVERIFY(!editor.isModified());
    editor.undoStack()->redo();
    QCOMPARE(PlanFile::toJson(editor.plan()->data()), after);
    QVERIFY(changed.count() >= 3);
}

void tst_PlanEditor::recordedStreamsStayWithinTheStreams()
{
    PlanEditor editor;
    PlanGroup gate = group("IPC", "Gate", 1, 4); // 2 streams
    gate.recording.recordedStreams = 5;
    editor.addGroup(gate);
    QCOMPARE(editor.plan()->groupAt(0).recording.recordedStreams, 2);
    gate.recording.recordedStreams = 0;
    QVERIFY(editor.replaceGroup(gate));
    QCOMPARE(editor.plan()->groupAt(0).recording.recordedStreams, 1);
}

void tst_PlanEditor::newGroupsTakeTheLowestFreeNumber()
{
    PlanEditor editor;
    editor.load(threeGroups());
    QCOMPARE(editor.plan()->lowestFreeGroupNumber(), 4);
    editor.removeGroup(2);
    QCOMPARE(editor.plan()->lowestFreeGroupNumber(), 2);
    editor.undoStack()->undo();
    QCOMPARE(editor.plan()->lowestFreeGroupNumber(), 4);
}

QTEST_GUILESS_MAIN(tst_PlanEditor)
#include "tst_PlanEditor.moc"
