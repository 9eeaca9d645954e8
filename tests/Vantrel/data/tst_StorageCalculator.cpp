#include <data/StorageCalculator.h>

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

using Raid = StorageSettings::Raid;
using Mode = RecordingSettings::Mode;

// One 4096 kbps stream kept 30 days continuously.
constexpr qint64 kExampleBytes = 1327104000000;

PlanGroup group(double kbps, int channels = 1, int number = 1, Mode mode = Mode::Continuous,
                double hours = 24.0, double share = 0.3, int days = 30, int streams = 1)
{
    PlanGroup g;
    g.device.bitrate = kbps;
    g.device.channelCount = channels;
    g.device.groupNumber = number;
    g.recording = {mode, hours, share, days, streams};
    return g;
}

StorageSettings storage(Raid raid, int hotSpares = 0, double diskTB = 8.0, double fsOverhead = 0.05)
{
    return {diskTB, raid, hotSpares, fsOverhead};
}

} // namespace

Q_DECLARE_METATYPE(PlanGroup)
Q_DECLARE_METATYPE(Raid)

class tst_StorageCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupBytes_data();
    void groupBytes();
    void disksToBuy_data();
    void disksToBuy();
    void dataDisksAtDecimalBoundary();
    void planFiguresAndJson();
    void emptyPlan();
    void hugePlanShownInFull();
    void names();
};

void tst_StorageCalculator::groupBytes_data()
{
    QTest::addColumn<PlanGroup>("group");
    QTest::addColumn<qint64>("bytes");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    // The event share of a continuous group does not count.
    QTest::newRow("example") << group(4096) << kExampleBytes;
    QTest::newRow("event 0.3") << group(4096, 1, 1, Mode::Event) << qint64(398131200000);
    QTest::newRow("event, 12 h") << group(4096, 1, 1, Mode::Event, 12, 0.5) << qint64(331776000000);
    QTest::newRow("8 channels, 2 streams") << group(4096, 8, 1, Mode::Continuous, 24, 0.3, 30, 2)
                                           << qint64(21233664000000);
    QTest::newRow("30 h is a day") << group(4096, 1, 1, Mode::Continuous, 30) << kExampleBytes;
    QTest::newRow("share above 1") << group(4096, 1, 1, Mode::Event, 24, 2) << kExampleBytes;
    QTest::newRow("NaN rate") << group(nan) << qint64(0);
    QTest::newRow("infinite rate") << group(std::numeric_limits<double>::infinity()) << qint64(0);
    QTest::newRow("negative rate") << group(-4096) << qint64(0);
    QTest::newRow("negative channels") << group(4096, -8) << qint64(0);
    QTest::newRow("negative days") << group(4096, 1, 1, Mode::Continuous, 24, 0.3, -30) << qint64(0);
}

void tst_StorageCalculator::groupBytes()
{
    QFETCH(PlanGroup, group);
    QFETCH(qint64, bytes);
    // Compared exactly: a trace of binary noise (0.3 x 86400) would show.
    QCOMPARE(StorageCalculator::groupBytes(group), static_cast<long double>(bytes));
}

void tst_StorageCalculator::disksToBuy_data()
{
    QTest::addColumn<Raid>("raid");
    QTest::addColumn<int>("hotSpares");
    QTest::addColumn<QVector<qint64>>("disks"); // for 0, 1, 2 and 1000 data disks

    QTest::newRow("none") << Raid::None << 0 << QVector<qint64>{0, 1, 2, 1000};
    QTest::newRow("RAID1") << Raid::Raid1 << 0 << QVector<qint64>{0, 2, 4, 2000};
    QTest::newRow("RAID5") << Raid::Raid5 << 0 << QVector<qint64>{0, 3, 3, 1001};
    QTest::newRow("RAID6") << Raid::Raid6 << 0 << QVector<qint64>{0, 4, 4, 1002};
    QTest::newRow("RAID10") << Raid::Raid10 << 0 << QVector<qint64>{0, 4, 4, 2000};
    // Spares come on top, but nothing is bought for nothing.
    QTest::newRow("RAID6 + 2 spares") << Raid::Raid6 << 2 << QVector<qint64>{0, 6, 6, 1004};
}

void tst_StorageCalculator::disksToBuy()
{
    QFETCH(Raid, raid);
    QFETCH(int, hotSpares);
    QFETCH(QVector<qint64>, disks);
    const QVector<qint64> dataDisks{0, 1, 2, 1000};
    for (int i = 0; i < dataDisks.size(); ++i)
        QCOMPARE(StorageCalculator::disksToBuy(dataDisks.at(i), storage(raid, hotSpares)), disks.at(i));
}

void tst_StorageCalculator::dataDisksAtDecimalBoundary()
{
    // 8 TB less 5 % is 7.6 * 10^12 bytes, which the product of the doubles
    // misses by a fraction of a byte.
    const StorageSettings eight = storage(Raid::None);
    QCOMPARE(StorageCalculator::dataDisks(7600000000000.0L, eight), qint64(1));
    QCOMPARE(StorageCalculator::dataDisks(7600000000001.0L, eight), qint64(2));
    QCOMPARE(StorageCalculator::dataDisks(1, eight), qint64(1));

    // The example plan on a disk exactly its size, and on one a byte smaller.
    QCOMPARE(StorageCalculator::size({group(4096)}, storage(Raid::None, 0, 1.327104, 0)).dataDisks, qint64(1));
    QCOMPARE(StorageCalculator::size({group(4096)}, storage(Raid::None, 0, 1.327103999999, 0)).dataDisks, qint64(2));

    // No usable disk size gives no count rather than a division by zero.
    QCOMPARE(StorageCalculator::dataDisks(kExampleBytes, storage(Raid::None, 0, std::nan(""))), qint64(0));
}

void tst_StorageCalculator::planFiguresAndJson()
{
    const QVector<PlanGroup> groups{group(4096, 1, 3), group(4096, 1, 5, Mode::Event)};
    const StorageSizing sizing = StorageCalculator::size(groups, storage(Raid::Raid5, 1));
    QCOMPARE(sizing.tbText, QStringLiteral("1.7"));
    QCOMPARE(sizing.tb, 1.7);
    QCOMPARE(sizing.disks, qint64(4));
    QCOMPARE(sizing.groups.at(1).share, 0.3 / 1.3);
    QCOMPARE(sizing.toJson(),
             QByteArray(R"({"bytes":1725235200000,"tb":1.7,"dataDisks":1,"disks":4,)"
                        R"("groups":[{"number":3,"bytes":1327104000000},{"number":5,"bytes":398131200000}]})"));

    QCOMPARE(StorageCalculator::size({group(4096)}, StorageSettings()).tbText, QStringLiteral("1.3"));
    QCOMPARE(StorageCalculator::tbText(49999999999.0L), QStringLiteral("0.0"));
    QCOMPARE(StorageCalculator::tbText(50000000000.0L), QStringLiteral("0.1"));
}

void tst_StorageCalculator::emptyPlan()
{
    QCOMPARE(StorageCalculator::size({}, storage(Raid::Raid6, 2)).toJson(),
             QByteArray(R"({"bytes":0,"tb":0,"dataDisks":0,"disks":0,"groups":[]})"));
    const StorageSizing silent = StorageCalculator::size({group(0)}, storage(Raid::Raid6, 2));
    QCOMPARE(silent.tbText, QStringLiteral("0.0"));
    QCOMPARE(silent.disks, qint64(0));
    QCOMPARE(silent.groups.at(0).share, 0.0);
}

void tst_StorageCalculator::hugePlanShownInFull()
{
    // The largest plan a file may hold: every figure at its limit.
    const PlanGroup largest = group(1048576, 512, 1, Mode::Continuous, 24, 0.3,
                                    RecordingSettings::kMaxRetentionDays, 512);
    const StorageSizing sizing = StorageCalculator::size(QVector<PlanGroup>(10000, largest),
                                                         storage(Raid::Raid10, 16, 1, 0));
    QCOMPARE(sizing.tbText, QStringLiteral("108356870917324.8"));
    QCOMPARE(sizing.dataDisks, qint64(108356870917325));
    QCOMPARE(sizing.disks, qint64(2 * 108356870917325 + 16));
    // Whole bytes are written whole, in all their digits.
    QVERIFY2(sizing.toJson().startsWith(R"({"bytes":108356870917324800000000000,"tb":108356870917324.8,)"),
             sizing.toJson().left(80).constData());
    StorageSizing justAbove;
    justAbove.bytes = 29324529360000000.0L;
    justAbove.groups = {{1, 9007199254740993.0L, 1.0}};
    QVERIFY2(justAbove.toJson().startsWith(R"({"bytes":29324529360000000,)"), justAbove.toJson().constData());
    QVERIFY2(justAbove.toJson().contains(R"({"number":1,"bytes":9007199254740993})"), justAbove.toJson().constData());
}

void tst_StorageCalculator::names()
{
    for (const Raid raid : {Raid::None, Raid::Raid1, Raid::Raid5, Raid::Raid6, Raid::Raid10})
        QCOMPARE(raidFromName(raidName(raid)), std::optional<Raid>(raid));
    QVERIFY(!raidFromName(QStringLiteral("raid5")));
    QCOMPARE(recordingModeFromName(recordingModeName(Mode::Event)), std::optional<Mode>(Mode::Event));
    QVERIFY(!recordingModeFromName(QString()));
}

QTEST_GUILESS_MAIN(tst_StorageCalculator)
#include "tst_StorageCalculator.moc"
