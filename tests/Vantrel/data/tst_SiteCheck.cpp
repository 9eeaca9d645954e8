#include <data/PixelDensity.h>
#include <data/SiteCheck.h>
#include <data/StorageCalculator.h>

#include <QtTest>

#include <cmath>

namespace {

using Mode = RecordingSettings::Mode;
using Raid = StorageSettings::Raid;

PlanGroup camera(const QString& resolution, double hfovDeg, double distanceM,
                 std::optional<DetailLevel> required = std::nullopt)
{
    PlanGroup group;
    group.device.groupNumber = 1;
    group.device.channelName = QStringLiteral("Gate(1)");
    group.device.resolution = resolution;
    group.device.bitrate = 4096;
    group.device.channelCount = 1;
    group.view.hfovDeg = hfovDeg;
    group.view.distanceM = distanceM;
    group.view.required = required;
    return group;
}

// The bytes of the worked figures, written the way the design writes
// them: no shared code with the calculator.
long double keptBytes(Mode mode, double share)
{
    const long double video = 4096.0L * 3600 * ((24 - 10) + 10 * 1.5L);
    const long double audio = 64.0L * 3600 * 24;
    const long double perDay = 125.0L * 2 * (1 * video + audio);
    switch (mode) {
    case Mode::Continuous:
        return perDay * 30;
    case Mode::Event:
        return perDay * share * 30;
    case Mode::Mixed:
        return perDay * 30 + perDay * share * (90 - 30);
    }
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(Raid)
Q_DECLARE_METATYPE(DetailLevel)

class tst_SiteCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levelsAtTheirBoundaries_data();
    void levelsAtTheirBoundaries();
    void workedCameraAndFarthestDistance();
    void resolutionWithoutWidthHasNoFigure();
    void modesWithNightAndAudio_data();
    void modesWithNightAndAudio();
    void dataDisksByRaid_data();
    void dataDisksByRaid();
    void daysOnTheDisksAvailable();
};

void tst_SiteCheck::levelsAtTheirBoundaries_data()
{
    QTest::addColumn<double>("pxPerM");
    QTest::addColumn<DetailLevel>("level");
    QTest::newRow("125.0 recognises") << 125.0 << DetailLevel::Recognise;
    QTest::newRow("124.99 observes") << 124.99 << DetailLevel::Observe;
    QTest::newRow("12.5 monitors") << 12.5 << DetailLevel::Monitor;
    QTest::newRow("12.49 below monitor") << 12.49 << DetailLevel::BelowMonitor;
    QTest::newRow("250 identifies") << 250.0 << DetailLevel::Identify;
    QTest::newRow("1000 inspects") << 1000.0 << DetailLevel::Inspect;
    QTest::newRow("0") << 0.0 << DetailLevel::BelowMonitor;
}

void tst_SiteCheck::levelsAtTheirBoundaries()
{
    QFETCH(double, pxPerM);
    QFETCH(DetailLevel, level);
    QCOMPARE(PixelDensity::levelMet(pxPerM), level);
}

void tst_SiteCheck::workedCameraAndFarthestDistance()
{
    // A 4 MP camera with a 92° lens at 12 m: 2560 / (2 × 12 × tan 46°).
    PlanData plan;
    plan.groups = { camera(QStringLiteral("4MP(2560x1440)"), 92, 12, DetailLevel::Recognise) };
    const SiteCheck check(plan);
    const DetailFigures detail = *check.groups().at(0).detail;
    QVERIFY(std::abs(detail.pxPerM - 103.01) < 0.01);
    QCOMPARE(detail.level, DetailLevel::Observe);
    QCOMPARE(detail.state, CheckState::Over);
    QCOMPARE(SiteCheck::metresText(*detail.farthestM), QStringLiteral("9.9"));
    QCOMPARE(check.problems().size(), 1);
    QCOMPARE(check.problems().at(0).rule, QStringLiteral("detail"));
    QVERIFY(check.problems().at(0).text.contains(QStringLiteral("9.9 m")));
    QVERIFY(check.hasOver());

    // Just inside and just beyond the farthest distance.
    plan.groups[0].view.distanceM = *detail.farthestM * 0.9999;
    QCOMPARE(SiteCheck(plan).groups().at(0).detail->state, CheckState::Ok);
    QVERIFY(SiteCheck(plan).problems().isEmpty());
    plan.groups[0].view.distanceM = *detail.farthestM * 1.0001;
    QCOMPARE(SiteCheck(plan).groups().at(0).detail->state, CheckState::Over);

    // 2.8 mm on a 1/2.8" sensor: 2 × atan(5.37 / 5.6).
    QVERIFY(std::abs(PixelDensity::lensAngleDeg(2.8, 5.37) - 87.6) < 0.05);
    ViewSettings lens;
    lens.focalMm = 2.8;
    lens.sensorWidthMm = 5.37;
    lens.distanceM = 12;
    QCOMPARE(PixelDensity::figures(lens, QStringLiteral("4MP(2560x1440)"))->hfovDeg,
             PixelDensity::lensAngleDeg(2.8, 5.37));

    // Without a required level the figures stand alone, with no state.
    plan.groups[0].view.required.reset();
    const SiteCheck free(plan);
    QVERIFY(!free.groups().at(0).detail->state);
    QVERIFY(free.problems().isEmpty());
}

void tst_SiteCheck::resolutionWithoutWidthHasNoFigure()
{
    PlanData plan;
    plan.groups = { camera(QStringLiteral("D1"), 92, 12, DetailLevel::Inspect),
                    camera(QStringLiteral("Odd(0x0)"), 92, 12, DetailLevel::Inspect) };
    const SiteCheck check(plan);
    QVERIFY(!check.groups().at(0).detail);
    QVERIFY(!check.groups().at(1).detail);
    QVERIFY(check.problems().isEmpty());
    QVERIFY(check.toJson().contains("\"pxPerM\":null"));
}

void tst_SiteCheck::modesWithNightAndAudio_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("continuous") << Mode::Continuous;
    QTest::newRow("event") << Mode::Event;
    QTest::newRow("mixed") << Mode::Mixed;
}

void tst_SiteCheck::modesWithNightAndAudio()
{
    QFETCH(Mode, mode);
    PlanGroup group;
    group.device.bitrate = 4096;
    group.device.channelCount = 2;
    group.recording.mode = mode;
    group.recording.eventShare = 0.25;
    group.recording.nightHours = 10;
    group.recording.nightFactor = 1.5;
    group.recording.audioKbps = 64;
    group.recording.eventRetentionDays = 90;
    QCOMPARE(static_cast<double>(StorageCalculator::groupBytes(group)),
             static_cast<double>(std::round(keptBytes(mode, 0.25))));
    // Night hours beyond the recorded hours count as recorded ones.
    group.recording.hoursPerDay = 8;
    group.recording.nightHours = 12;
    group.recording.audioKbps = 0;
    group.recording.mode = Mode::Continuous;
    QCOMPARE(static_cast<double>(StorageCalculator::groupBytes(group)), 4096.0 * 2 * 125 * 3600 * 8 * 1.5 * 30);
}

void tst_SiteCheck::dataDisksByRaid_data()
{
    QTest::addColumn<Raid>("raid");
    QTest::addColumn<int>("disks");
    QTest::addColumn<int>("spares");
    QTest::addColumn<int>("dataDisks");
    QTest::newRow("none") << Raid::None << 3 << 1 << 2;
    QTest::newRow("none, all spares") << Raid::None << 1 << 1 << 0;
    QTest::newRow("RAID1") << Raid::Raid1 << 5 << 0 << 2;
    QTest::newRow("RAID1 of one") << Raid::Raid1 << 1 << 0 << 0;
    QTest::newRow("RAID5") << Raid::Raid5 << 5 << 1 << 3;
    QTest::newRow("RAID5 of two") << Raid::Raid5 << 2 << 0 << 0;
    QTest::newRow("RAID6") << Raid::Raid6 << 6 << 0 << 4;
    QTest::newRow("RAID6 of three") << Raid::Raid6 << 4 << 1 << 0;
    QTest::newRow("RAID10") << Raid::Raid10 << 9 << 1 << 4;
    QTest::newRow("RAID10 of three") << Raid::Raid10 << 3 << 0 << 0;
    QTest::newRow("no disks") << Raid::Raid6 << 0 << 2 << 0;
}

void tst_SiteCheck::dataDisksByRaid()
{
    QFETCH(Raid, raid);
    QFETCH(int, disks);
    QFETCH(int, spares);
    QFETCH(int, dataDisks);
    StorageSettings storage;
    storage.raid = raid;
    storage.hotSpares = spares;
    QCOMPARE(StorageCalculator::dataDisksOf(disks, storage), qint64(dataDisks));
}

void tst_SiteCheck::daysOnTheDisksAvailable()
{
    // 1.327104 TB for 30 days of one 4096 kbps stream, on 1 TB disks.
    PlanData plan;
    PlanGroup group;
    group.device.groupNumber = 1;
    group.device.bitrate = 4096;
    group.device.channelCount = 1;
    plan.groups = { group };
    plan.storage.diskTB = 1;
    plan.storage.fsOverhead = 0;
    plan.storage.raid = Raid::Raid5;
    plan.storage.disksAvailable = 3;

    const SiteCheck spare(plan);
    QVERIFY(spare.days());
    QCOMPARE(spare.days()->groups.at(0).days, 45); // 30 × 2 / 1.327104
    QCOMPARE(spare.days()->state, CheckState::Ok);
    QVERIFY(spare.problems().isEmpty());

    // Too few for RAID5: nothing is kept, and the sentence says how many.
    const SiteCheck tooFew(plan, 2);
    QCOMPARE(tooFew.days()->dataDisks, qint64(0));
    QCOMPARE(tooFew.days()->groups.at(0).days, 0);
    QVERIFY(tooFew.hasOver());
    QCOMPARE(tooFew.siteProblem()->rule, QStringLiteral("days"));
    QVERIFY2(tooFew.siteProblem()->text.contains(QStringLiteral("plan 3 disks")),
             qPrintable(tooFew.siteProblem()->text));

    // Exactly enough keeps exactly the days.
    plan.storage.diskTB = 1.327104;
    plan.storage.raid = Raid::None;
    const SiteCheck exact(plan, 1);
    QCOMPARE(exact.days()->groups.at(0).days, 30);
    QCOMPARE(exact.days()->state, CheckState::Ok);

    // Without disks given, no days are asked of them.
    plan.storage.disksAvailable = 0;
    QVERIFY(!SiteCheck(plan).days());
}

QTEST_GUILESS_MAIN(tst_SiteCheck)
#include "tst_SiteCheck.moc"
