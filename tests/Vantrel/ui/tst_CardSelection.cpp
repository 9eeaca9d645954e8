#include "BulkEditDialog/BulkEditDialog.h"
#include "DeviceAddPage/CardSelection.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "DeviceListWidget/DeviceListWidget.h"
#include "PlanDocument.h"

#include <data/DeviceKind.h>
#include <data/EncodingCalculator.h>
#include <data/ShownRate.h>
#include <edit/PlanEditor.h>

#include <DeviceGroupBuilder.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <functional>

namespace {

// A page showing a plan of its own with count H.265 groups, numbered from 1,
// on screen so that cards can be clicked.
struct ListedPlan
{
    explicit ListedPlan(int count)
    {
        page.setDocument(&document);
        QVector<PlanGroup> groups;
        for (int number = 1; number <= count; ++number) {
            PlanGroup group{ DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Cam"), number)
                                 .channels(number, 1)
                                 .encoding(QStringLiteral("H.265"))
                                 .rate(2048),
                             RecordingSettings() };
            group.recording.retentionDays = 10 + number;
            groups.append(group);
        }
        PlanData data;
        data.groups = groups;
        document.editor()->load(data);
        page.resize(1000, 600);
        page.show();
    }

    DeviceItemWidget* card(int groupNumber) const { return page.cardOf(groupNumber); }
    const Plan& plan() const { return *document.plan(); }
    QUndoStack& history() const { return *document.editor()->undoStack(); }

    PlanDocument document{ QString() };
    DeviceAddPage page;
};

// Runs answer on the next modal dialog once it shows, from the event loop.
void answerNextModal(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->deleteLater();
            timer->stop();
            answer(modal);
        }
    });
    timer->start();
}

} // namespace

class tst_CardSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clicksChooseAndOneEditChangesThem();
    void duplicateEachAfterItsOriginal_data();
    void duplicateEachAfterItsOriginal();
    void selectAllDeleteAndUndo_data();
    void selectAllDeleteAndUndo();
    void anotherPlanStartsWithNothingChosen();
};

void tst_CardSelection::clicksChooseAndOneEditChangesThem()
{
    ListedPlan listed(5);
    QVERIFY(QTest::qWaitForWindowExposed(&listed.page));
    const QVector<PlanGroup> before = listed.plan().groups();

    // 1, Shift 2, Ctrl 4: three cards, shown as chosen.
    QTest::mouseClick(listed.card(1), Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QTest::mouseClick(listed.card(2), Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 10));
    QTest::mouseClick(listed.card(4), Qt::LeftButton, Qt::ControlModifier, QPoint(300, 10));
    QCOMPARE(listed.page.selection()->numbers(), QVector<int>({ 1, 2, 4 }));
    for (int number = 1; number <= 5; ++number)
        QCOMPARE(listed.card(number)->property("selected").toBool(), number != 3 && number != 5);

    // The dialog shows what the three share and leaves the rest blank.
    QString shownChannels;
    QString shownEncoding;
    answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<BulkEditDialog*>(modal);
        QVERIFY(dialog);
        shownChannels = dialog->findChild<QSpinBox*>(QStringLiteral("m_spinChannels"))->text();
        auto* encoding = dialog->findChild<QComboBox*>(QStringLiteral("m_comboEncoding"));
        shownEncoding = encoding->currentText();
        encoding->setCurrentIndex(encoding->findText(QStringLiteral("H.264")));
        dialog->okButton()->click();
    });
    const int steps = listed.history().count();
    listed.page.editSelected();
    QCOMPARE(shownEncoding, QStringLiteral("H.265"));
    QCOMPARE(shownChannels, QStringLiteral("Various"));
    QCOMPARE(listed.history().count(), steps + 1);

    EncodingCalculator calculator;
    calculator.setEncodeType(QStringLiteral("H.264"));
    const double h264 = ShownRate::wholeKbpsInt(calculator.calculateBitrate(
        encodingCode(DeviceKind::Ipc), QStringLiteral("1080P(1920x1080)"), 25.0));
    for (int row = 0; row < 5; ++row) {
        const PlanGroup& group = listed.plan().groupAt(row);
        const int number = group.device.groupNumber;
        if (number == 3 || number == 5) {
            QCOMPARE(group.device.encodingType, QStringLiteral("H.265"));
            QCOMPARE(group.device.bitrate, 2048.0);
        } else {
            QCOMPARE(group.device.encodingType, QStringLiteral("H.264"));
            QCOMPARE(group.device.bitrate, h264);
        }
        // Fields nobody set keep each group's own value.
        QCOMPARE(group.device.channelCount, number);
        QCOMPARE(group.recording.retentionDays, 10 + number);
        QCOMPARE(listed.card(number)->deviceItem().encodingType, group.device.encodingType);
    }

    listed.history().undo();
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(listed.plan().groupAt(row).device.encodingType, before.at(row).device.encodingType);
        QCOMPARE(listed.plan().groupAt(row).device.bitrate, before.at(row).device.bitrate);
        QCOMPARE(listed.card(row + 1)->deviceItem().encodingType, QStringLiteral("H.265"));
    }
}

void tst_CardSelection::duplicateEachAfterItsOriginal_data()
{
    QTest::addColumn<int>("groups");
    QTest::newRow("two of five, one by one") << 5;
    QTest::newRow("all of 100, at once") << 100;
}

void tst_CardSelection::duplicateEachAfterItsOriginal()
{
    QFETCH(int, groups);
    ListedPlan listed(groups);
    QVERIFY(QTest::qWaitForWindowExposed(&listed.page));
    QVector<int> chosen;
    if (groups == 5) {
        QTest::mouseClick(listed.card(2), Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
        QTest::mouseClick(listed.card(4), Qt::LeftButton, Qt::ControlModifier, QPoint(300, 10));
        chosen = { 2, 4 };
    } else {
        listed.page.selection()->selectAll();
        for (int number = 1; number <= groups; ++number)
            chosen.append(number);
    }
    const int steps = listed.history().count();
    listed.page.duplicateSelected();
    QCOMPARE(listed.history().count(), steps + 1);
    QCOMPARE(listed.plan().groupCount(), groups + chosen.size());
    // Each copy right after its original, under the lowest numbers free.
    int row = 0;
    int nextNumber = groups + 1;
    for (int number = 1; number <= groups; ++number) {
        QCOMPARE(listed.plan().groupAt(row++).device.groupNumber, number);
        if (!chosen.contains(number))
            continue;
        const StructDeviceItem& copy = listed.plan().groupAt(row++).device;
        QCOMPARE(copy.groupNumber, nextNumber);
        QCOMPARE(copy.channelName, QStringLiteral("Cam(%1)").arg(nextNumber));
        QCOMPARE(copy.channelCount, number);
        ++nextNumber;
    }
    listed.history().undo();
    QCOMPARE(listed.plan().groupCount(), groups);
    for (int row = 0; row < groups; ++row)
        QCOMPARE(listed.plan().groupAt(row).device.groupNumber, row + 1);
}

void tst_CardSelection::selectAllDeleteAndUndo_data()
{
    QTest::addColumn<int>("groups");
    QTest::newRow("a few, one by one") << 6;
    QTest::newRow("many, at once") << 150;
}

void tst_CardSelection::selectAllDeleteAndUndo()
{
    QFETCH(int, groups);
    ListedPlan listed(groups);
    listed.page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&listed.page));
    DeviceItemWidget* first = listed.card(1);
    QTest::mouseClick(first, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QVERIFY(first->hasFocus());
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(listed.page.selection()->count(), groups);
    // Escape lets go of the choice.
    QTest::keyClick(first, Qt::Key_Escape);
    QCOMPARE(listed.page.selection()->count(), 0);
    QVERIFY(!first->property("selected").toBool());
    QTest::keyClick(first, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(listed.page.selection()->count(), groups);
    QVERIFY(listed.card(groups / 2)->property("selected").toBool());

    const int steps = listed.history().count();
    QTest::keyClick(first, Qt::Key_Delete);
    QCOMPARE(listed.plan().groupCount(), 0);
    QCOMPARE(listed.history().count(), steps + 1);
    QCOMPARE(listed.page.selection()->count(), 0);

    listed.history().undo();
    QCOMPARE(listed.plan().groupCount(), groups);
    for (int row = 0; row < groups; ++row)
        QCOMPARE(listed.plan().groupAt(row).device.groupNumber, row + 1);
    QVERIFY(listed.card(1));
}

void tst_CardSelection::anotherPlanStartsWithNothingChosen()
{
    // The same numbers in another plan are other groups: Delete right after
    // opening it must not remove what was chosen in the one before.
    ListedPlan listed(4);
    listed.page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&listed.page));
    QTest::mouseClick(listed.card(2), Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
    QCOMPARE(listed.page.selection()->count(), 1);
    PlanData other = listed.plan().data();
    other.siteName = QStringLiteral("Another site");
    listed.document.editor()->load(other);
    QCOMPARE(listed.page.selection()->count(), 0);
    QVERIFY(!listed.card(2)->property("selected").toBool());
    QTest::keyClick(listed.card(1), Qt::Key_Delete);
    QCOMPARE(listed.plan().groupCount(), 4);
}

QTEST_MAIN(tst_CardSelection)
#include "tst_CardSelection.moc"
