#include "StoragePage/StoragePage.h"

#include <data/Plan.h>
#include <edit/PlanEditor.h>

#include <DeviceGroupBuilder.h>
#include <TempProgramDir.h>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

namespace {

const QRgb kBar = qRgb(0x5e, 0x6f, 0xec);
const QRgb kTrack = qRgb(0xee, 0xf0, 0xf8);

PlanGroup group(int number, int channels, double kbps, const RecordingSettings& recording = {})
{
    return PlanGroup{ DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Lobby"), number).channels(channels).rate(kbps),
                      recording };
}

// The share bar of a row as painted: its filled and its empty length, and
// where the figure's ink begins.
struct ShareCell
{
    int bar = 0;
    int track = 0;
    int barEnd = -1;
    int inkStart = std::numeric_limits<int>::max();
};

ShareCell shareCell(QTableWidget* table, int row)
{
    const int column = table->columnCount() - 1;
    table->scrollToItem(table->item(row, column));
    const QRect rect = table->visualItemRect(table->item(row, column));
    const QImage image = table->viewport()->grab().toImage();
    ShareCell cell;
    const int middle = rect.center().y();
    for (int x = rect.left(); x <= rect.right(); ++x) {
        const QRgb pixel = image.pixel(x, middle) & 0xffffff;
        if (pixel == (kBar & 0xffffff)) {
            ++cell.bar;
            cell.barEnd = x;
        } else if (pixel == (kTrack & 0xffffff)) {
            ++cell.track;
        }
    }
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.rgb() != kBar && pixel.lightness() < 128)
                cell.inkStart = std::min(cell.inkStart, x);
        }
    }
    return cell;
}

} // namespace

// The Storage section as its reader checks it: every figure a group's bytes
// come from, and bars that say what their figures say.
class tst_StoragePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData); }
    void cleanupTestCase() { m_program.reset(); }
    void figuresCheckByHand();
    void barsSayWhatTheirFiguresSay();

private:
    std::unique_ptr<TempProgramDir> m_program;
};

void tst_StoragePage::figuresCheckByHand()
{
    PlanEditor editor;
    PlanData data;
    data.storage.diskTB = 8;
    data.storage.fsOverhead = 0.05;
    RecordingSettings events;
    events.mode = RecordingSettings::Mode::Event;
    events.hoursPerDay = 12;
    events.eventShare = 0.25;
    events.retentionDays = 7;
    events.recordedStreams = 2;
    data.groups = { group(1, 3, 4096, events) };
    editor.load(data);
    StoragePage page(&editor);
    page.resize(1000, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto* table = page.findChild<QTableWidget*>(QStringLiteral("m_tableStorageGroups"));
    auto cell = [table](int column) { return table->item(0, column); };
    // 3 channels × 2 streams × 4096 kbps, 12 h × 25 % = 3 h a day, 7 days:
    // 24576 × 125 × 3 × 3600 × 7 bytes.
    QCOMPARE(cell(1)->text(), QStringLiteral("24576 kbps"));
    QCOMPARE(cell(2)->text(), QStringLiteral("3 h"));
    QCOMPARE(cell(3)->text(), QStringLiteral("7 days"));
    QCOMPARE(cell(4)->text(), QStringLiteral("232243200000"));
    QCOMPARE(cell(5)->text(), QStringLiteral("0.2"));
    QVERIFY(cell(1)->toolTip().contains(QStringLiteral("3 channels × 2 recorded streams × 4096 kbps")));
    QVERIFY(cell(2)->toolTip().contains(QStringLiteral("25 %")));
    QCOMPARE(cell(4)->toolTip(), QStringLiteral("24576 kbps × 125 bytes a second × 3 h × 3600 × 7 days = 232243200000 bytes"));
    const auto* disk = page.findChild<QLabel*>(QStringLiteral("m_labelUsableDisk"));
    QVERIFY(disk && disk->isVisible());
    QVERIFY2(disk->text().contains(QStringLiteral("7600000000000 bytes")), qPrintable(disk->text()));
    QVERIFY(disk->toolTip().contains(QStringLiteral("8 TB × (1 − 5 %")));
    // Every header reads whole.
    for (int column = 0; column < table->columnCount(); ++column) {
        const QString header = table->horizontalHeaderItem(column)->text();
        QVERIFY2(table->horizontalHeader()->sectionSize(column) >= table->fontMetrics().horizontalAdvance(header),
                 qPrintable(header));
    }
}

void tst_StoragePage::barsSayWhatTheirFiguresSay()
{
    PlanEditor editor;
    PlanData data;
    data.groups = { group(1, 1, 4096) };
    editor.load(data);
    StoragePage page(&editor);
    page.resize(1000, 600);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto* table = page.findChild<QTableWidget*>(QStringLiteral("m_tableStorageGroups"));

    // One group keeps everything: a full bar, and its figure beside it.
    ShareCell whole = shareCell(table, 0);
    QVERIFY(whole.bar > 20);
    QCOMPARE(whole.track, 0);
    QVERIFY2(whole.barEnd < whole.inkStart, qPrintable(QStringLiteral("%1 %2").arg(whole.barEnd).arg(whole.inkStart)));

    // Three groups, 3 : 1 : thousands of small ones; the bars are the shares
    // of the whole, as their figures.
    data.groups = { group(1, 3000, 4096), group(2, 1000, 4096) };
    for (int number = 3; number <= 2002; ++number)
        data.groups.append(group(number, 1, 4096));
    editor.load(data);
    QCOMPARE(table->rowCount(), 2002);
    const double shares[] = { 3000.0 / 6000, 1000.0 / 6000, 1.0 / 6000 };
    for (int row = 0; row < 3; ++row) {
        const ShareCell cell = shareCell(table, row);
        const int length = cell.bar + cell.track;
        QVERIFY(length > 20);
        QVERIFY2(std::abs(cell.bar - shares[row] * length) <= 1.0,
                 qPrintable(QStringLiteral("row %1: %2 of %3").arg(row).arg(cell.bar).arg(length)));
    }
    QCOMPARE(StoragePage::shareText(shares[0]), QStringLiteral("50.0 %"));
    QCOMPARE(StoragePage::shareText(shares[2]), QStringLiteral("< 0.1 %"));
    QCOMPARE(StoragePage::shareText(0.0), QStringLiteral("0.0 %"));
}

QTEST_MAIN(tst_StoragePage)
#include "tst_StoragePage.moc"
