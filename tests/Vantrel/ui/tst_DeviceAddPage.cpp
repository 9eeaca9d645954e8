#include "DeviceAddPage/DeviceAddPage.h"
#include "PlanDocument.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "DeviceListWidget/DeviceListWidget.h"

#include <data/EncodingCalculator.h>
#include <edit/PlanEditor.h>

#include <DeviceGroupBuilder.h>

#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const QString k1080p = QStringLiteral("1080P(1920x1080)");

StructDeviceItem group(const QString& type, int channels, int streams, double bitrate, int number = 1)
{
    return DeviceGroupBuilder(type, QStringLiteral("Group"), number).channels(channels, streams).rate(bitrate);
}

StructDeviceItem atFrameRate(StructDeviceItem item, const QString& frameRate, double bitrate)
{
    item.frameRate = frameRate;
    item.bitrate = bitrate;
    return item;
}

// What the editor shows for a fixed-rate group: the formula, truncated.
double recommended(int kind, const QString& encoding, const QString& resolution, double frameRate)
{
    EncodingCalculator calculator;
    calculator.setEncodeType(encoding);
    return calculator.calculateBitrate(kind, resolution, frameRate);
}

} // namespace

// Records both signals of the page in the order they came.
class SignalLog : public QObject
{
    Q_OBJECT

public:
    explicit SignalLog(DeviceAddPage* page)
    {
        connect(page, &DeviceAddPage::signalDeviceChanged, this,
                [this](const QString& all, const QString& ipc, const QString& dvr, const QString& bandwidth,
                       const QString& unit) {
                    entries << QStringList({all, ipc, dvr, bandwidth, unit}).join(QLatin1Char(' '));
                });
        connect(page, &DeviceAddPage::signalDeviceDelete, this,
                [this](int number) { entries << QStringLiteral("delete %1").arg(number); });
    }

    QStringList entries;
};

// A page showing a plan of its own, as the window's shows the window's.
struct ListedPlan
{
    ListedPlan() { page.setDocument(&document); }

    PlanDocument document{ QString() };
    DeviceAddPage page;
};

class TestDeviceAddPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longPlanKeepsCardsNearTheView();
    void form();
    void totalsOfOneGroup_data();
    void totalsOfOneGroup();
    void countsByDeviceType();
    void deleteFreesNumberBeforeNewTotals();
    void staleDeleteIsIgnored();
    void clearOnEmptyList();
    void setDataClearsThenAdds();
    void cellHeightByPageWidth();
    void standardConversion();
    void standardConversionOfOtherGroups();
    void standardRoundTrip_data();
    void standardRoundTrip();
    void unknownStandardDoesNothing();
    void extremeGroups();

private:
    static QList<StructDeviceItem> items(const DeviceAddPage& page)
    {
        QList<StructDeviceItem> result;
        const auto* list = page.findChild<DeviceListWidget*>(QStringLiteral("deviceListWidget"));
        for (QWidget* cell : list->cellList())
            result << qobject_cast<DeviceItemWidget*>(cell)->deviceItem();
        return result;
    }
    static QString rateLabel(const DeviceAddPage& page, int row)
    {
        const auto* list = page.findChild<DeviceListWidget*>(QStringLiteral("deviceListWidget"));
        return list->cellList().at(row)->findChild<QLabel*>(QStringLiteral("m_labelDeviceBitRate"))->text();
    }
};

void TestDeviceAddPage::form()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    QCOMPARE(page.objectName(), QStringLiteral("DeviceAddWidget"));
    QCOMPARE(page.windowTitle(), QStringLiteral("DeviceAddPage"));
    QCOMPARE(page.minimumWidth(), 260);
    QCOMPARE(page.size(), QSize(520, 497));
    auto* list = page.findChild<DeviceListWidget*>(QStringLiteral("deviceListWidget"));
    QVERIFY(list);
    QCOMPARE(list->minimumWidth(), 250);
    QCOMPARE(list->focusPolicy(), Qt::NoFocus);
    QCOMPARE(list->lineWidth(), 0);
    QCOMPARE(page.getDeviceGroupNumber(), 0);
}

void TestDeviceAddPage::totalsOfOneGroup_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("streams");
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("bandwidth");
    QTest::addColumn<QString>("unit");

    QTest::newRow("4 x 4096") << 4 << 1 << 4096.0 << "22.9" << "Mpbs";
    QTest::newRow("total 1024") << 1 << 1 << 716.7 << "1024.0" << "Kpbs";
    QTest::newRow("total 1025") << 1 << 1 << 717.4 << "1.1" << "Mpbs";
    QTest::newRow("total 1048576") << 1 << 1 << 734003.1 << "1024.0" << "Mpbs";
    QTest::newRow("total 1048577") << 1 << 1 << 734003.8 << "1.1" << "Gpbs";
    QTest::newRow("just below the cap") << 512 << 512 << 2794.0 << "997.9" << "Gpbs";
    // Beyond the cap the figure says it is the cap.
    QTest::newRow("capped") << 512 << 512 << 204800.0 << QStringLiteral("\u2265 999.9") << "Gpbs";
    QTest::newRow("scene without rate") << 4 << 1 << -1.0 << "0.0" << "Kpbs";
}

void TestDeviceAddPage::totalsOfOneGroup()
{
    QFETCH(int, channels);
    QFETCH(int, streams);
    QFETCH(double, bitrate);
    QFETCH(QString, bandwidth);
    QFETCH(QString, unit);

    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    SignalLog log(&page);
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), channels, streams, bitrate));
    QCOMPARE(log.entries, QStringList(QStringLiteral("%1 %1 0 %2 %3").arg(channels).arg(bandwidth, unit)));
}

void TestDeviceAddPage::countsByDeviceType()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    SignalLog log(&page);
    page.onAddDeviceTypeItem(group(QStringLiteral("DVR"), 8, 2, 1024, 1));
    QCOMPARE(log.entries.last(), QStringLiteral("8 0 8 22.9 Mpbs")); // 16384 kbps of load
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 4, 1, 4096, 2));
    page.onAddDeviceTypeItem(group(QStringLiteral("dvr"), 3, 1, 0, 3)); // counts only in the total
    page.onAddDeviceTypeItem(group(QStringLiteral("NVR"), 5, 1, 0, 4));
    QCOMPARE(log.entries.last(), QStringLiteral("20 4 8 45.8 Mpbs"));
    QCOMPARE(page.getDeviceGroupNumber(), 4);
    QCOMPARE(page.getAllDeviceCount(), 20);
    QCOMPARE(page.getIPCCount(), 4);
    QCOMPARE(page.getDVRCount(), 8);
    QCOMPARE(log.entries.size(), 4);
}

void TestDeviceAddPage::deleteFreesNumberBeforeNewTotals()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.resize(1000, 400);
    page.show();
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 4, 1, 4096, 7));
    page.onAddDeviceTypeItem(group(QStringLiteral("DVR"), 2, 1, 1024, 9));
    SignalLog log(&page);

    QWidget* second = page.findChild<DeviceListWidget*>()->cellList().at(1);
    auto* button = second->findChild<QToolButton*>(QStringLiteral("m_btnDelete"));
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(log.entries, QStringList({QStringLiteral("delete 9"), QStringLiteral("4 4 0 22.9 Mpbs")}));
    QCOMPARE(page.getDeviceGroupNumber(), 1);
    QCOMPARE(items(page).at(0).groupNumber, 7);
    QPointer<QWidget> removed(second);
    QTRY_VERIFY(removed.isNull()); // deleted once control is back in the event loop
}

void TestDeviceAddPage::staleDeleteIsIgnored()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1, 100, 4));
    QWidget* card = page.findChild<DeviceListWidget*>()->cellList().at(0);
    page.onDeleteDeviceItem(card, 4);
    SignalLog log(&page);

    // The same card reported again, or no card at all: group 4 may by now be
    // handed out anew, so it must not be freed twice.
    page.onDeleteDeviceItem(card, 4);
    page.onDeleteDeviceItem(nullptr, 4);
    page.onDeleteDeviceItem(&page, 4);
    QVERIFY(log.entries.isEmpty());
}

void TestDeviceAddPage::clearOnEmptyList()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    SignalLog log(&page);
    page.clearDeviceItems();
    QCOMPARE(log.entries, QStringList({QStringLiteral("delete 0"), QStringLiteral("0 0 0 0.0 Kpbs")}));

    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 2, 1, 100));
    log.entries.clear();
    page.clearDeviceItems();
    QCOMPARE(log.entries, QStringList({QStringLiteral("delete 0"), QStringLiteral("0 0 0 0.0 Kpbs")}));
    QCOMPARE(page.getDeviceGroupNumber(), 0);
    QTRY_VERIFY(page.findChildren<DeviceItemWidget*>().isEmpty()); // the cards are deleted, not orphaned
}

void TestDeviceAddPage::setDataClearsThenAdds()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 9, 1, 100, 1));
    SignalLog log(&page);

    page.onSetDeviceTypeData({group(QStringLiteral("IPC"), 1, 1, 100, 2), group(QStringLiteral("DVR"), 2, 1, 100, 3),
                              group(QStringLiteral("IPC"), 4, 1, 100, 4)});

    QCOMPARE(log.entries.count(QStringLiteral("delete 0")), 1);
    QCOMPARE(log.entries.first(), QStringLiteral("delete 0"));
    QCOMPARE(log.entries.at(1), QStringLiteral("0 0 0 0.0 Kpbs"));
    QCOMPARE(log.entries.size(), 5); // 1 delete and 4 changes: the clear and three groups
    QCOMPARE(log.entries.at(2), QStringLiteral("1 1 0 143.0 Kpbs"));
    QCOMPARE(log.entries.last(), QStringLiteral("7 5 2 1000.0 Kpbs"));
    QCOMPARE(page.getDeviceGroupNumber(), 3);
    QCOMPARE(items(page).at(1).groupNumber, 3);
}

void TestDeviceAddPage::cellHeightByPageWidth()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    auto* list = page.findChild<DeviceListWidget*>();
    page.resize(900, 400);
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1, 100, 1));
    page.show(); // the list takes the page's width
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1, 100, 2));
    QCOMPARE(list->rowHeight(), 60);
    QTRY_COMPARE(list->cellList().at(1)->height(), 60);
    page.resize(899, 400);
    QCOMPARE(list->rowHeight(), 84);
    QTRY_COMPARE(list->cellList().at(0)->height(), 84);
    QTRY_COMPARE(list->cellList().at(1)->height(), 84);
}

void TestDeviceAddPage::standardConversion()
{
    const double at25 = recommended(0, QStringLiteral("H.264"), k1080p, 25);
    const double at30 = recommended(0, QStringLiteral("H.264"), k1080p, 30);
    QCOMPARE(at25, 4096.0);
    QCOMPARE(at30, 4915.2);

    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    const StructDeviceItem base = group(QStringLiteral("IPC"), 4, 1, 0);
    StructDeviceItem scene = atFrameRate(base, QString(), 1234);
    scene.sceneName = QStringLiteral("Office");
    page.onSetDeviceTypeData({atFrameRate(base, QStringLiteral("30"), 4915), // as the editor hands it over
                              atFrameRate(base, QStringLiteral("30"), 5000), // typed by the user
                              scene});
    SignalLog log(&page);

    page.onFrametareStandardChanged(PAL);

    const QList<StructDeviceItem> converted = items(page);
    QCOMPARE(converted.at(0).frameRate, QStringLiteral("25"));
    QCOMPARE(converted.at(0).bitrate, at25);
    QCOMPARE(rateLabel(page, 0), QStringLiteral("Fixted Rate : 4096 kbps"));
    QCOMPARE(converted.at(1).frameRate, QStringLiteral("25"));
    QCOMPARE(converted.at(1).bitrate, 5000.0);
    QCOMPARE(converted.at(2).frameRate, QString());
    QCOMPARE(converted.at(2).bitrate, 1234.0);
    QCOMPARE(rateLabel(page, 2), QStringLiteral("Variable Rate : 1234 kbps"));
    // One set of totals after the whole list: (4096 + 5000 + 1234) x 4.
    QCOMPARE(log.entries, QStringList(QStringLiteral("12 12 0 57.7 Mpbs")));
}

void TestDeviceAddPage::standardConversionOfOtherGroups()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    StructDeviceItem dvr = group(QStringLiteral("DVR"), 1, 1, 0, 1);
    dvr.encodingType = QStringLiteral("H.265");
    dvr.resolution = QStringLiteral("720P(1280x720)");
    const double dvrAt25 = recommended(1, dvr.encodingType, dvr.resolution, 25);
    const double dvrAt30 = recommended(1, dvr.encodingType, dvr.resolution, 30);
    QVERIFY(dvrAt25 > 0 && dvrAt30 > dvrAt25);

    StructDeviceItem unknownType = atFrameRate(group(QStringLiteral("NVR"), 1, 1, 0, 2), QStringLiteral("25"), 4096);
    StructDeviceItem lowerCase = atFrameRate(group(QStringLiteral("ipc"), 1, 1, 0, 3), QStringLiteral("25"), 4096);
    StructDeviceItem absent = atFrameRate(group(QStringLiteral("IPC"), 1, 1, 0, 4), QStringLiteral("25"), 0);
    absent.resolution = QStringLiteral("99MP(1x1)");
    StructDeviceItem absentTyped = absent;
    absentTyped.bitrate = 300;
    StructDeviceItem noRate = atFrameRate(group(QStringLiteral("IPC"), 1, 1, 0, 5), QString(), 700);
    StructDeviceItem otherRate = atFrameRate(group(QStringLiteral("IPC"), 1, 1, 0, 6), QStringLiteral("15"), 700);

    page.onSetDeviceTypeData({atFrameRate(dvr, QStringLiteral("25"), dvrAt25), unknownType, lowerCase, absent,
                              absentTyped, noRate, otherRate});
    page.onFrametareStandardChanged(NTSC);

    const QList<StructDeviceItem> converted = items(page);
    QCOMPARE(converted.at(0).frameRate, QStringLiteral("30"));
    QCOMPARE(converted.at(0).bitrate, dvrAt30);
    for (int row : {1, 2}) { // the types compare exactly
        QCOMPARE(converted.at(row).frameRate, QStringLiteral("25"));
        QCOMPARE(converted.at(row).bitrate, 4096.0);
    }
    QCOMPARE(converted.at(3).frameRate, QStringLiteral("30"));
    QCOMPARE(converted.at(3).bitrate, 0.0);
    QCOMPARE(converted.at(4).bitrate, 300.0);
    QCOMPARE(converted.at(5).frameRate, QString());
    QCOMPARE(converted.at(6).frameRate, QStringLiteral("15"));
    QCOMPARE(converted.at(6).bitrate, 700.0);
}

void TestDeviceAddPage::standardRoundTrip_data()
{
    QTest::addColumn<QString>("palRate");
    QTest::addColumn<QString>("ntscRate");
    QTest::addColumn<int>("kind");
    QTest::newRow("IPC 25/30") << "25" << "30" << 0;
    QTest::newRow("IPC 50/60") << "50" << "60" << 0;
    QTest::newRow("DVR 25/30") << "25" << "30" << 1;
}

void TestDeviceAddPage::standardRoundTrip()
{
    QFETCH(QString, palRate);
    QFETCH(QString, ntscRate);
    QFETCH(int, kind);

    const QString type = kind == 0 ? QStringLiteral("IPC") : QStringLiteral("DVR");
    const double palBitrate = recommended(kind, QStringLiteral("H.264"), k1080p, palRate.toDouble());
    const double ntscBitrate = recommended(kind, QStringLiteral("H.264"), k1080p, ntscRate.toDouble());

    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.onAddDeviceTypeItem(atFrameRate(group(type, 2, 1, 0), palRate, std::trunc(palBitrate)));
    page.onFrametareStandardChanged(NTSC);
    QCOMPARE(items(page).at(0).frameRate, ntscRate);
    QCOMPARE(items(page).at(0).bitrate, ntscBitrate);
    page.onFrametareStandardChanged(PAL);
    QCOMPARE(items(page).at(0).frameRate, palRate);
    QCOMPARE(items(page).at(0).bitrate, palBitrate);
    // Switching to the standard already in force changes nothing.
    page.onFrametareStandardChanged(PAL);
    QCOMPARE(items(page).at(0).bitrate, palBitrate);
}

void TestDeviceAddPage::unknownStandardDoesNothing()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.onAddDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1, 4096));
    SignalLog log(&page);
    page.onFrametareStandardChanged(static_cast<VideoStandard>(2));
    QVERIFY(log.entries.isEmpty());
    QCOMPARE(items(page).at(0).frameRate, QStringLiteral("25"));
}

void TestDeviceAddPage::extremeGroups()
{
    // A thousand of the largest groups the editor allows: counts and totals
    // must neither overflow nor lose the cap.
    QVector<StructDeviceItem> groups;
    for (int number = 1; number <= 1000; ++number)
        groups << group(QStringLiteral("IPC"), 512, 512, 204800, number);
    StructDeviceItem noFrameRate = group(QStringLiteral("DVR"), 512, 1, 0, 1001);
    noFrameRate.frameRate.clear();
    groups << noFrameRate;

    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.onSetDeviceTypeData(groups);
    SignalLog log(&page);
    page.onFrametareStandardChanged(NTSC);
    QVERIFY(!log.entries.isEmpty());
    QCOMPARE(log.entries.last(), QStringLiteral("512512 512000 512 \u2265 999.9 Gpbs"));
    QCOMPARE(page.getAllDeviceCount(), 512512);
    QCOMPARE(items(page).last().frameRate, QString());
}

// A city's plan: rows for every group, cards only near the view, and every
// edit right whether its card exists or not.
void TestDeviceAddPage::longPlanKeepsCardsNearTheView()
{
    ListedPlan listed;
    DeviceAddPage& page = listed.page;
    page.resize(1000, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    PlanData plan;
    for (int number = 1; number <= 3000; ++number) {
        StructDeviceItem group = DeviceGroupBuilder("IPC", "Pole", number).rate(4096);
        plan.groups.append(PlanGroup{ group, RecordingSettings() });
    }
    listed.document.editor()->load(plan);
    auto* list = page.findChild<DeviceListWidget*>();
    QCOMPARE(list->count(), 3000);
    auto cardCount = [&] { return page.findChildren<DeviceItemWidget*>().size(); };
    QVERIFY(cardCount() <= DeviceListWidget::kAllCardsUpTo + 1);

    // Scrolled to the middle, the cards in view are those of their rows.
    list->scrollToRow(1500, QAbstractItemView::PositionAtTop);
    QTRY_VERIFY(page.cardOf(1501) && page.cardOf(1501)->isVisible());
    QCOMPARE(page.cardOf(1501)->deviceItem().channelName, QStringLiteral("Pole(1501)"));
    QVERIFY(cardCount() < 300); // the first rows' cards were let go

    // A group deleted off screen: its row goes, the totals follow.
    QSignalSpy totals(&page, &DeviceAddPage::signalDeviceChanged);
    QVERIFY(!page.cardOf(10));
    listed.document.editor()->removeGroup(10);
    QCOMPARE(list->count(), 2999);
    QCOMPARE(totals.last().at(0).toString(), QStringLiteral("2999"));
    QVERIFY(page.cardOf(1501));
    QCOMPARE(page.cardOf(1501)->deviceItem().groupNumber, 1501);

    // NTSC with most cards off screen: shown cards change at once, the
    // others when they are made again.
    page.onFrametareStandardChanged(NTSC);
    QCOMPARE(page.cardOf(1501)->deviceItem().frameRate, QStringLiteral("30"));
    list->scrollToRow(0, QAbstractItemView::PositionAtTop);
    QTRY_VERIFY(page.cardOf(1) && page.cardOf(1)->isVisible());
    QCOMPARE(page.cardOf(1)->deviceItem().frameRate, QStringLiteral("30"));

    // Resized while in the middle: the cards in view take the new width.
    list->scrollToRow(2000, QAbstractItemView::PositionAtTop);
    page.resize(700, 600);
    const auto cardOnTop = [&] {
        const int row = list->rowAt(QPoint(5, 5));
        return row > 1000 ? page.cardOf(listed.document.editor()->plan()->groupAt(row).device.groupNumber) : nullptr;
    };
    QTRY_VERIFY(cardOnTop() && cardOnTop()->isVisible());
    QTRY_COMPARE(cardOnTop()->width(), list->viewport()->width());

    // Scrolling through the whole list binds the cards it has to new rows
    // rather than making new ones.
    QSet<QWidget*> cardsSeen;
    for (int row = 0; row < list->count(); row += 7) {
        list->scrollToRow(row, QAbstractItemView::PositionAtTop);
        cardsSeen.insert(list->cellAt(row));
        QCOMPARE(static_cast<DeviceItemWidget*>(list->cellAt(row))->deviceItem().groupNumber,
                 listed.document.editor()->plan()->groupAt(row).device.groupNumber);
        QVERIFY(cardCount() < DeviceListWidget::kAllCardsUpTo);
    }
    QVERIFY(cardsSeen.size() < DeviceListWidget::kAllCardsUpTo);
}

QTEST_MAIN(TestDeviceAddPage)
#include "tst_DeviceAddPage.moc"
