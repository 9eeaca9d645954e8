#include <data/BandwidthTotal.h>
#include <data/NetworkCheck.h>
#include <data/PlanTotals.h>
#include <data/SiteCheck.h>
#include <data/StorageCalculator.h>

#include <QtTest>

namespace {

NetworkSwitch networkSwitch(const QString& id, const QString& parent, int ports, double uplinkMbps, double poeBudgetW)
{
    NetworkSwitch made;
    made.id = id;
    made.name = id.toUpper();
    made.parent = parent;
    made.ports = ports;
    made.uplinkMbps = uplinkMbps;
    made.poeBudgetW = poeBudgetW;
    return made;
}

NetworkRecorder recorder(const QString& id, const QString& switchId, int channels, double inputMbps, int bays)
{
    NetworkRecorder made;
    made.id = id;
    made.name = id.toUpper();
    made.switchId = switchId;
    made.channels = channels;
    made.inputMbps = inputMbps;
    made.bays = bays;
    return made;
}

PlanGroup group(int number, const QString& type, int channels, int streams, double kbps, const QString& switchId,
                const QString& recorderId, int poeClass = NetworkPlace::kNoPoe)
{
    PlanGroup made;
    made.device.groupNumber = number;
    made.device.channelName = QStringLiteral("G(%1)").arg(number);
    made.device.deviceType = type;
    made.device.channelCount = channels;
    made.device.streamCount = streams;
    made.device.bitrate = kbps;
    made.network.switchId = switchId;
    made.network.recorderId = recorderId;
    made.network.poeClass = poeClass;
    return made;
}

const QString ipc = QStringLiteral("IPC");
const QString dvr = QStringLiteral("DVR");

// The worked example of the site design, with its storage settings.
PlanData workedExample()
{
    PlanData plan;
    plan.network.switches = { networkSwitch("core", "", 24, 10000, 0), networkSwitch("sw1", "core", 16, 100, 240) };
    plan.network.recorders = { recorder("nvr1", "core", 32, 80, 4) };
    plan.storage.diskTB = 8;
    plan.storage.raid = StorageSettings::Raid::Raid5;
    plan.storage.hotSpares = 0;
    plan.storage.fsOverhead = 0.05;
    plan.groups = { group(1, ipc, 8, 2, 4096, "sw1", "nvr1", 3), group(2, ipc, 4, 1, 8192, "sw1", "", 4),
                    group(3, dvr, 16, 1, 1024, "core", "nvr1") };
    return plan;
}

// A tree of five: core with dist and other below it, acc1 and acc2 below
// dist; a recorder on each of acc1, dist, acc2 and other.
PlanData branches()
{
    PlanData plan;
    plan.network.switches = { networkSwitch("core", "", 48, 10000, 0), networkSwitch("dist", "core", 48, 10000, 0),
                              networkSwitch("acc1", "dist", 48, 1000, 0), networkSwitch("acc2", "dist", 48, 1000, 0),
                              networkSwitch("other", "core", 48, 1000, 0) };
    plan.network.recorders = { recorder("r-acc1", "acc1", 64, 1000, 0), recorder("r-dist", "dist", 64, 1000, 0),
                               recorder("r-acc2", "acc2", 64, 1000, 0), recorder("r-other", "other", 64, 1000, 0) };
    return plan;
}

QStringList crossed(const SiteCheck& check)
{
    QStringList ids;
    for (const SwitchFigures& sw : check.switches()) {
        if (sw.loadKbps > 0)
            ids << sw.id;
    }
    return ids;
}

QStringList rulesOf(const SiteCheck& check)
{
    QStringList rules;
    for (const SiteProblem& problem : check.problems())
        rules << QStringLiteral("%1 %2 %3 %4").arg(problem.object, problem.id, problem.rule, checkStateName(problem.state));
    return rules;
}

} // namespace

Q_DECLARE_METATYPE(CheckState)

class tst_NetworkCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExample();
    void flowsAcrossUplinks_data();
    void flowsAcrossUplinks();
    void portsCountCamerasRecordersAndSwitches();
    void poeAgainstBudget_data();
    void poeAgainstBudget();
    void recorderLimits_data();
    void recorderLimits();
    void planMidEditDoesNotBreakTheCheck();
    void siteUplinkWithoutNetworkIsThePlainTotal();
};

void tst_NetworkCheck::workedExample()
{
    const SiteCheck check(::workedExample());
    QCOMPARE(check.switches().size(), 2);
    const SwitchFigures core = check.switches().at(0);
    const SwitchFigures sw1 = check.switches().at(1);

    QCOMPARE(sw1.loadKbps, 98304.0);
    QCOMPARE(sw1.utilisation, 0.96);
    QCOMPARE(sw1.uplinkState, CheckState::Warn);
    QCOMPARE(sw1.portsUsed, 12);
    QCOMPARE(sw1.portsState, CheckState::Ok);
    QCOMPARE(sw1.poeW, 243.2);
    QCOMPARE(sw1.poeState, CheckState::Over);
    QCOMPARE(sw1.state, CheckState::Over);
    QCOMPARE(sw1.groupCount, 2);

    QCOMPARE(core.loadKbps, 32768.0);
    QCOMPARE(core.utilisation, 0.0032);
    QCOMPARE(core.uplinkState, CheckState::Ok);
    QCOMPARE(core.portsUsed, 3);
    QCOMPARE(core.state, CheckState::Ok);

    QCOMPARE(check.recorders().size(), 1);
    const RecorderFigures nvr = check.recorders().at(0);
    QCOMPARE(nvr.channelsUsed, 24);
    QCOMPARE(nvr.channelsState, CheckState::Ok);
    QCOMPARE(nvr.inputKbps, 49152.0);
    QCOMPARE(nvr.utilisation, 0.6);
    QCOMPARE(nvr.inputState, CheckState::Ok);
    QCOMPARE(nvr.disks, std::optional<qint64>(4));
    QCOMPARE(nvr.disksState, std::optional<CheckState>(CheckState::Ok));
    QCOMPARE(nvr.state, CheckState::Ok);

    // Only group 2 leaves through the site uplink.
    QCOMPARE(check.siteLoadKbps(), 32768.0);
    QCOMPARE(rulesOf(check), QStringList({ "switch sw1 uplink warn", "switch sw1 poe over" }));
    const SiteProblem& uplink = check.problems().at(0);
    QCOMPARE(uplink.index, 1);
    QCOMPARE(uplink.row, -1);
    QCOMPARE(uplink.value, 96.0);
    QCOMPARE(uplink.limit, 100.0);
    QCOMPARE(uplink.text, QStringLiteral("SW1's uplink carries 96 Mbps of 100 (96 %): more than 70 %; move groups "
                                         "to another switch or give it a faster uplink."));
    QVERIFY2(check.problems().at(1).text.startsWith(QStringLiteral("SW1's cameras draw 243.2 W of its 240 W")),
             qPrintable(check.problems().at(1).text));
    QVERIFY(check.hasOver());
    // Every group on sw1 is marked by its power; group 3 is on core and nvr1.
    QCOMPARE(check.groupState(0), CheckState::Over);
    QCOMPARE(check.groupState(1), CheckState::Over);
    QCOMPARE(check.groupState(2), CheckState::Ok);

    const QByteArray json = check.toJson();
    QVERIFY2(json.contains(R"("switches":[{"id":"core","uplinkMbps":32,"utilisation":0,"portsUsed":3,"poeW":0,"state":"ok"},)"
                           R"({"id":"sw1","uplinkMbps":96,"utilisation":0.96,"portsUsed":12,"poeW":243.2,"state":"over"}],)"
                           R"("recorders":[{"id":"nvr1","channels":24,"inputMbps":48,"disks":4,"state":"ok"}],"groups":)"),
             json.constData());
}

void tst_NetworkCheck::flowsAcrossUplinks_data()
{
    QTest::addColumn<QString>("switchId");
    QTest::addColumn<QString>("recorderId");
    QTest::addColumn<QStringList>("crossed");
    QTest::addColumn<bool>("leavesSite");
    QTest::newRow("recorder on its own switch") << "acc1" << "r-acc1" << QStringList() << false;
    QTest::newRow("recorder one up") << "acc1" << "r-dist" << QStringList{ "acc1" } << false;
    QTest::newRow("sibling branch") << "acc1" << "r-acc2" << QStringList{ "acc1", "acc2" } << false;
    QTest::newRow("other branch") << "acc1" << "r-other" << QStringList{ "dist", "acc1", "other" } << false;
    QTest::newRow("no recorder") << "acc1" << "" << QStringList{ "core", "dist", "acc1" } << true;
    QTest::newRow("no switch, no recorder") << "" << "" << QStringList() << true;
    QTest::newRow("no switch, a recorder") << "" << "r-acc2" << QStringList{ "core", "dist", "acc2" } << false;
}

void tst_NetworkCheck::flowsAcrossUplinks()
{
    QFETCH(QString, switchId);
    QFETCH(QString, recorderId);
    QFETCH(QStringList, crossed);
    QFETCH(bool, leavesSite);
    PlanData plan = branches();
    plan.groups = { group(1, ipc, 2, 2, 1000, switchId, recorderId) };
    const SiteCheck check(plan);
    QCOMPARE(::crossed(check), crossed);
    for (const SwitchFigures& sw : check.switches())
        QVERIFY(sw.loadKbps == 0 || sw.loadKbps == 4000);
    QCOMPARE(check.siteLoadKbps(), leavesSite ? 4000.0 : 0.0);
}

void tst_NetworkCheck::portsCountCamerasRecordersAndSwitches()
{
    PlanData plan = branches();
    // dist: 3 cameras, 1 DVR of 16 channels, its recorder and two switches.
    plan.network.switches[1].ports = 7;
    plan.groups = { group(1, ipc, 3, 1, 1000, "dist", ""), group(2, dvr, 16, 1, 1000, "dist", "") };
    SiteCheck check(plan);
    QCOMPARE(check.switches().at(1).portsUsed, 7);
    QCOMPARE(check.switches().at(1).portsState, CheckState::Ok);
    QCOMPARE(check.switches().at(0).portsUsed, 2);
    plan.network.recorders.append(recorder("r-more", "dist", 8, 100, 0));
    check = SiteCheck(plan);
    QCOMPARE(check.switches().at(1).portsUsed, 8);
    QCOMPARE(rulesOf(check), QStringList({ "switch dist ports over" }));
    QCOMPARE(check.problems().at(0).text, QStringLiteral("DIST needs 8 ports and has 7: use a switch with more ports, "
                                                         "or move groups to another switch."));
}

void tst_NetworkCheck::poeAgainstBudget_data()
{
    QTest::addColumn<int>("cameras");
    QTest::addColumn<int>("poeClass");
    QTest::addColumn<double>("budgetW");
    QTest::addColumn<CheckState>("state");
    // 9 and 10 cameras of class 3 reserve 138.6 W and 154 W: 90 % and 100 %.
    QTest::newRow("90 %") << 9 << 3 << 154.0 << CheckState::Ok;
    QTest::newRow("100 %") << 10 << 3 << 154.0 << CheckState::Warn;
    QTest::newRow("just over 90 %") << 9 << 3 << 153.9 << CheckState::Warn;
    QTest::newRow("beyond") << 11 << 3 << 154.0 << CheckState::Over;
    QTest::newRow("budget 0") << 1 << 1 << 0.0 << CheckState::Over;
    QTest::newRow("budget 0, own supply") << 4 << int(NetworkPlace::kNoPoe) << 0.0 << CheckState::Ok;
    QTest::newRow("class 8") << 1 << 8 << 100.0 << CheckState::Ok;
}

void tst_NetworkCheck::poeAgainstBudget()
{
    QFETCH(int, cameras);
    QFETCH(int, poeClass);
    QFETCH(double, budgetW);
    QFETCH(CheckState, state);
    PlanData plan;
    plan.network.switches = { networkSwitch("sw", "", 48, 1000, budgetW) };
    // A DVR draws nothing from the switch, whatever its class says.
    plan.groups = { group(1, ipc, cameras, 1, 1000, "sw", "", poeClass), group(2, dvr, 8, 1, 1000, "sw", "", 8) };
    const SiteCheck check(plan);
    QCOMPARE(check.switches().at(0).poeState, state);
    QCOMPARE(check.groupState(0), state);
    QCOMPARE(check.problems().size(), state == CheckState::Ok ? 0 : 1);
}

void tst_NetworkCheck::recorderLimits_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<double>("kbps");
    QTest::addColumn<int>("bays");
    QTest::addColumn<QStringList>("problems");
    // 100 Mbps of input is 102400 kbps; 70 % of it is 71680.
    QTest::newRow("input at 70 %") << 7 << 10240.0 << 0 << QStringList();
    QTest::newRow("input above 70 %") << 7 << 10241.0 << 0 << QStringList{ "recorder nvr input warn" };
    QTest::newRow("input at 100 %") << 10 << 10240.0 << 0 << QStringList{ "recorder nvr input warn" };
    QTest::newRow("input beyond") << 10 << 10241.0 << 0 << QStringList{ "recorder nvr input over" };
    QTest::newRow("channels at the limit") << 16 << 64.0 << 0 << QStringList();
    QTest::newRow("channels beyond") << 17 << 64.0 << 0 << QStringList{ "recorder nvr channels over" };
    // 7 channels of 10240 kbps for 30 days: 23.2 TB, 3 disks of 8 TB.
    QTest::newRow("disks in the bays") << 7 << 10240.0 << 3 << QStringList();
    QTest::newRow("disks beyond the bays") << 7 << 10240.0 << 2 << QStringList{ "recorder nvr disks over" };
}

void tst_NetworkCheck::recorderLimits()
{
    QFETCH(int, channels);
    QFETCH(double, kbps);
    QFETCH(int, bays);
    QFETCH(QStringList, problems);
    PlanData plan;
    plan.storage.fsOverhead = 0;
    plan.network.switches = { networkSwitch("sw", "", 48, 10000, 0) };
    plan.network.recorders = { recorder("nvr", "sw", 16, 100, bays) };
    // Two streams sent, one recorded: the recorder's input counts one.
    plan.groups = { group(1, ipc, channels, 2, kbps, "sw", "nvr") };
    const SiteCheck check(plan);
    QCOMPARE(rulesOf(check), problems);
    const RecorderFigures& nvr = check.recorders().at(0);
    QCOMPARE(nvr.inputKbps, channels * kbps);
    QCOMPARE(*nvr.disks, StorageCalculator::size(plan.groups, plan.storage).disks);
    QCOMPARE(nvr.disksState.has_value(), bays > 0);
}

void tst_NetworkCheck::planMidEditDoesNotBreakTheCheck()
{
    // Ids that are not there, a loop of parents and a recorder on no switch:
    // the file refuses them, the window may hold them for a moment.
    PlanData plan;
    plan.network.switches = { networkSwitch("a", "b", 8, 1000, 0), networkSwitch("b", "a", 8, 1000, 0),
                              networkSwitch("c", "gone", 8, 1000, 0), networkSwitch("d", "d", 8, 1000, 0) };
    plan.network.recorders = { recorder("r", "nowhere", 8, 100, 0) };
    plan.groups = { group(1, ipc, 2, 1, 1000, "a", "r"), group(2, ipc, 2, 1, 1000, "missing", "missing"),
                    group(3, ipc, 2, 1, 1000, "b", "") };
    const SiteCheck check(plan);
    QCOMPARE(check.switches().size(), 4);
    // Group 2 is on no switch and records nowhere: it leaves the site, as 3 does.
    QCOMPARE(check.siteLoadKbps(), 4000.0);
    QCOMPARE(check.recorders().at(0).channelsUsed, 2);
    QCOMPARE(check.groupState(1), CheckState::Ok);
}

void tst_NetworkCheck::siteUplinkWithoutNetworkIsThePlainTotal()
{
    PlanData plan;
    plan.groups = { group(1, ipc, 4, 2, 4096, "", ""), group(2, dvr, 16, 1, 2048, "", "") };
    plan.groups[1].device.groupNumber = 100000;
    plan.uplink.mbps = 100;
    const SiteCheck check(plan);
    // Whole figures are written in full, as a JSON writer writes them.
    QVERIFY2(check.toJson().contains(R"({"number":100000,"pxPerM":null,)"), check.toJson().constData());
    QCOMPARE(check.siteLoadKbps(), PlanTotals(plan.groups).bandwidth().sum());
    QVERIFY(check.switches().isEmpty());
    // 64 Mbps of 100 is ok; of 80, 80 %: a warning; of 60, over.
    QVERIFY(check.problems().isEmpty());
    plan.uplink.mbps = 80;
    QCOMPARE(rulesOf(SiteCheck(plan)), QStringList({ "site  uplink warn" }));
    QCOMPARE(SiteCheck(plan).problems().at(0).text,
             QStringLiteral("The site uplink carries 64 Mbps of 80 (80 %): more than 70 %; record more groups on site, "
                            "or choose a faster uplink."));
    plan.uplink.mbps = 60;
    QCOMPARE(rulesOf(SiteCheck(plan)), QStringList({ "site  uplink over" }));
    QVERIFY(SiteCheck(plan).hasOver());
    // The days problem is still the one the Storage tab shows.
    QCOMPARE(SiteCheck(plan).siteProblem(), nullptr);
}

QTEST_MAIN(tst_NetworkCheck)
#include "tst_NetworkCheck.moc"
