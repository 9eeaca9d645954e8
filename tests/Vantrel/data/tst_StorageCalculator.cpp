#include <data/StorageCalculator.h>

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

using Raid = StorageSettings::Raid;
using Mode = RecordingSettings::Mode;

PlanGroup group(double kbps, int channels = 1, int number = 1)
{
    PlanGroup g;
    g.device.bitrate = kbps;
    g.device.channelCount = channels;
    g.device.streamCount = 1;
    g.device.groupNumber = number;
    return g;
}

// The example every storage figure is checked against: one 4096 kbps stream
// kept 30 days continuously.
constexpr qint64 kExampleBytes = 1327104000000;

StorageSettings storage(Raid raid, int hotSpares = 0, double diskTB = 8.0, double fsOverhead = 0.05)
{
    StorageSettings s;
    s.raid = raid;
    s.hotSpares = hotSpares;
    s.diskTB = diskTB;
    s.fsOverhead = fsOverhead;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Raid)
Q_DECLARE_METATYPE(Mode)

class tst_StorageCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupBytes_data();
    void groupBytes();
    void disksToBuy_data();
    void disksToBuy();
    void dataDisksAtDecimalBoundary();
    void workedExample();
    void emptyPlan();
    void hugePlanShownInFull();
    void tbText_data();
    void tbText();
    void json();
    void names();
};

void tst_StorageCalculator::groupBytes_data()
{
    QTest::addColumn<double>("kbps");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("recordedStreams");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("eventShare");
    QTest::addColumn<int>("days");
    QTest::addColumn<qint64>("bytes");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // The event share of a continuous group does not count.
    QTest::newRow("example") << 4096.0 << 1 << 1 << Mode::Continuous << 24.0 << 0.3 << 30 << kExampleBytes;
    QTest::newRow("event 0.3") << 4096.0 << 1 << 1 << Mode::Event << 24.0 << 0.3 << 30 << qint64(398131200000);
    QTest::newRow("event, 12 h") << 4096.0 << 1 << 1 << Mode::Event << 12.0 << 0.5 << 30 << qint64(331776000000);
    QTest::newRow("8 channels, 2 streams") << 4096.0 << 8 << 2 << Mode::Continuous << 24.0 << 0.3 << 30
                                           << qint64(21233664000000);
    QTest::newRow("half a byte a second") << 0.004 << 1 << 1 << Mode::Continuous << 24.0 << 1.0 << 1 << qint64(43200);
    QTest::newRow("no hours") << 4096.0 << 1 << 1 << Mode::Continuous << 0.0 << 1.0 << 30 << qint64(0);
    QTest::newRow("30 h is a day") << 4096.0 << 1 << 1 << Mode::Continuous << 30.0 << 1.0 << 30 << kExampleBytes;
    QTest::newRow("share above 1") << 4096.0 << 1 << 1 << Mode::Event << 24.0 << 2.0 << 30 << kExampleBytes;
    QTest::newRow("NaN share") << 4096.0 << 1 << 1 << Mode::Event << 24.0 << nan << 30 << qint64(0);
    QTest::newRow("NaN rate") << nan << 1 << 1 << Mode::Continuous << 24.0 << 1.0 << 30 << qint64(0);
    QTest::newRow("infinite rate") << inf << 1 << 1 << Mode::Continuous << 24.0 << 1.0 << 30 << qint64(0);
    QTest::newRow("negative rate") << -4096.0 << 1 << 1 << Mode::Continuous << 24.0 << 1.0 << 30 << qint64(0);
    QTest::newRow("negative channels") << 4096.0 << -8 << 1 << Mode::Continuous << 24.0 << 1.0 << 30 << qint64(0);
    QTest::newRow("negative streams") << 4096.0 << 1 << -2 << Mode::Continuous << 24.0 << 1.0 << 30 << qint64(0);
    QTest::newRow("negative days") << 4096.0 << 1 << 1 << Mode::Continuous << 24.0 << 1.0 << -30 << qint64(0);
    QTest::newRow("negative hours") << 4096.0 << 1 << 1 << Mode::Continuous << -24.0 << 1.0 << 30 << qint64(0);
}

void tst_StorageCalculator::groupBytes()
{
    QFETCH(double, kbps);
    QFETCH(int, channels);
    QFETCH(int, recordedStreams);
    QFETCH(Mode, mode);
    QFETCH(double, hours);
    QFETCH(double, eventShare);
    QFETCH(int, days);
    QFETCH(qint64, bytes);

    PlanGroup g = group(kbps, channels);
    g.recording.recordedStreams = recordedStreams;
    g.recording.mode = mode;
    g.recording.hoursPerDay = hours;
    g.recording.eventShare = eventShare;
    g.recording.retentionDays = days;
    // Compared as integers: any trace of binary noise would show.
    QCOMPARE(static_cast<qint64>(StorageCalculator::groupBytes(g)), bytes);
    QCOMPARE(StorageCalculator::groupBytes(g), std::round(StorageCalculator::groupBytes(g)));
}

void tst_StorageCalculator::disksToBuy_data()
{
    QTest::addColumn<Raid>("raid");
    QTest::addColumn<int>("hotSpares");
    QTest::addColumn<QVector<qint64>>("dataDisks");
    QTest::addColumn<QVector<qint64>>("disks");

    const QVector<qint64> n{0, 1, 2, 1000};
    QTest::newRow("none") << Raid::None << 0 << n << QVector<qint64>{0, 1, 2, 1000};
    QTest::newRow("RAID1") << Raid::Raid1 << 0 << n << QVector<qint64>{0, 2, 4, 2000};
    QTest::newRow("RAID5") << Raid::Raid5 << 0 << n << QVector<qint64>{0, 3, 3, 1001};
    QTest::newRow("RAID6") << Raid::Raid6 << 0 << n << QVector<qint64>{0, 4, 4, 1002};
    QTest::newRow("RAID10") << Raid::Raid10 << 0 << n << QVector<qint64>{0, 4, 4, 2000};
    // Spares come on top, but nothing is bought for nothing.
    QTest::newRow("RAID6 + 2 spares") << Raid::Raid6 << 2 << n << QVector<qint64>{0, 6, 6, 1004};
    QTest::newRow("negative spares") << Raid::None << -3 << n << QVector<qint64>{0, 1, 2, 1000};
}

void tst_StorageCalculator::disksToBuy()
{
    QFETCH(Raid, raid);
    QFETCH(int, hotSpares);
    QFETCH(QVector<qint64>, dataDisks);
    QFETCH(QVector<qint64>, disks);

    for (int i = 0; i < dataDisks.size(); ++i)
        QCOMPARE(StorageCalculator::disksToBuy(dataDisks.at(i), storage(raid, hotSpares)), disks.at(i));
}

void tst_StorageCalculator::dataDisksAtDecimalBoundary()
{
    // 8 TB less 5 % is 7.6 * 10^12 bytes, which the product of the doubles
    // misses by a fraction of a byte.
    const StorageSettings eight = storage(Raid::None);
    QCOMPARE(StorageCalculator::usableDiskBytes(eight), 7600000000000.0L);
    QCOMPARE(StorageCalculator::dataDisks(0, eight), qint64(0));
    QCOMPARE(StorageCalculator::dataDisks(1, eight), qint64(1));
    QCOMPARE(StorageCalculator::dataDisks(7600000000000.0L, eight), qint64(1));
    QCOMPARE(StorageCalculator::dataDisks(7600000000001.0L, eight), qint64(2));
    QCOMPARE(StorageCalculator::dataDisks(15200000000000.0L, eight), qint64(2));

    // The example plan on a disk exactly its size, and one byte smaller.
    const QVector<PlanGroup> example{group(4096)};
    QCOMPARE(StorageCalculator::size(example, storage(Raid::None, 0, 1.327104, 0.0)).dataDisks, qint64(1));
    QCOMPARE(StorageCalculator::size(example, storage(Raid::None, 0, 1.327103999999, 0.0)).dataDisks, qint64(2));

    // No usable disk size gives no count rather than a division by zero.
    QCOMPARE(StorageCalculator::dataDisks(kExampleBytes, storage(Raid::None, 0, 0.0)), qint64(0));
    QCOMPARE(StorageCalculator::dataDisks(kExampleBytes, storage(Raid::None, 0, std::nan(""))), qint64(0));
}

void tst_StorageCalculator::workedExample()
{
    PlanGroup event = group(4096, 1, 5);
    event.recording.mode = Mode::Event;
    const StorageSizing sizing = StorageCalculator::size({group(4096, 1, 3), event}, storage(Raid::Raid5, 1));
    QCOMPARE(sizing.bytes, 1725235200000.0L);
    QCOMPARE(sizing.tbText, QStringLiteral("1.7"));
    QCOMPARE(sizing.tb, 1.7);
    QCOMPARE(sizing.dataDisks, qint64(1));
    QCOMPARE(sizing.disks, qint64(4));
    QCOMPARE(sizing.groups.size(), 2);
    QCOMPARE(sizing.groups.at(0).number, 3);
    QCOMPARE(sizing.groups.at(0).bytes, static_cast<long double>(kExampleBytes));
    QCOMPARE(sizing.groups.at(1).number, 5);
    QCOMPARE(sizing.groups.at(0).share, 1.0 / 1.3);
    QCOMPARE(sizing.groups.at(1).share, 0.3 / 1.3);

    QCOMPARE(StorageCalculator::size({group(4096)}, StorageSettings()).tbText, QStringLiteral("1.3"));
}

void tst_StorageCalculator::emptyPlan()
{
    for (const QVector<PlanGroup>& groups : {QVector<PlanGroup>{}, QVector<PlanGroup>{group(0.0)}}) {
        const StorageSizing sizing = StorageCalculator::size(groups, storage(Raid::Raid6, 2));
        QCOMPARE(sizing.bytes, 0.0L);
        QCOMPARE(sizing.tbText, QStringLiteral("0.0"));
        QCOMPARE(sizing.dataDisks, qint64(0));
        QCOMPARE(sizing.disks, qint64(0));
        for (const StorageSizing::Group& g : sizing.groups)
            QCOMPARE(g.share, 0.0);
    }
    QCOMPARE(StorageCalculator::size({}, StorageSettings()).toJson(),
             QByteArray(R"({"bytes":0,"tb":0,"dataDisks":0,"disks":0,"groups":[]})"));
}

void tst_StorageCalculator::hugePlanShownInFull()
{
    // The largest plan a file may hold: every figure at its limit.
    QVector<PlanGroup> groups;
    for (int i = 0; i < 10000; ++i) {
        PlanGroup g = group(1048576, 512, i + 1);
        g.recording.recordedStreams = 512;
        g.recording.retentionDays = RecordingSettings::kMaxRetentionDays;
        groups.append(g);
    }
    const StorageSizing sizing = StorageCalculator::size(groups, storage(Raid::Raid10, 16, 1.0, 0.0));
    QCOMPARE(sizing.tbText, QStringLiteral("108356870917324.8"));
    QCOMPARE(sizing.tb, 108356870917324.8);
    QCOMPARE(sizing.dataDisks, qint64(108356870917325));
    QCOMPARE(sizing.disks, qint64(2 * 108356870917325 + 16));
    QCOMPARE(sizing.groups.last().share, 1e-4);
    // Beyond 2^53 bytes are written as doubles.
    QVERIFY(sizing.toJson().startsWith(R"({"bytes":1.083568709173248e+26,"tb":108356870917324.8,)"));

    QCOMPARE(StorageCalculator::tbText(1e18L), QStringLiteral("1000000.0"));
}

void tst_StorageCalculator::tbText_data()
{
    QTest::addColumn<double>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing") << 0.0 << "0.0";
    QTest::newRow("below half a tenth") << 49999999999.0 << "0.0";
    QTest::newRow("half a tenth rounds up") << 50000000000.0 << "0.1";
    QTest::newRow("example") << 1327104000000.0 << "1.3";
    QTest::newRow("to the next whole") << 999960000000000.0 << "1000.0";
    QTest::newRow("negative") << -1e12 << "0.0";
    QTest::newRow("NaN") << std::nan("") << "0.0";
}

void tst_StorageCalculator::tbText()
{
    QFETCH(double, bytes);
    QFETCH(QString, text);
    QCOMPARE(StorageCalculator::tbText(bytes), text);
}

void tst_StorageCalculator::json()
{
    PlanGroup event = group(4096, 1, 5);
    event.recording.mode = Mode::Event;
    const StorageSizing sizing = StorageCalculator::size({group(4096, 1, 3), event}, StorageSettings());
    QCOMPARE(sizing.toJson(),
             QByteArray(R"({"bytes":1725235200000,"tb":1.7,"dataDisks":1,"disks":1,)"
                        R"("groups":[{"number":3,"bytes":1327104000000},{"number":5,"bytes":398131200000}]})"));
}

void tst_StorageCalculator::names()
{
    for (const Raid raid : {Raid::None, Raid::Raid1, Raid::Raid5, Raid::Raid6, Raid::Raid10})
        QCOMPARE(raidFromName(raidName(raid)), std::optional<Raid>(raid));
    QCOMPARE(raidName(Raid::Raid10), QStringLiteral("RAID10"));
    QVERIFY(!raidFromName(QStringLiteral("raid5")));
    QCOMPARE(recordingModeFromName(QStringLiteral("event")), std::optional<Mode>(Mode::Event));
    QCOMPARE(recordingModeName(Mode::Continuous), QStringLiteral("continuous"));
    QVERIFY(!recordingModeFromName(QString()));
}

QTEST_GUILESS_MAIN(tst_StorageCalculator)
#include "tst_StorageCalculator.moc"
