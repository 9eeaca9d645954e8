#include <data/Plan.h>
#include <data/PlanFile.h>
#include <data/PlanProperties.h>
#include <data/PlanRecovery.h>

#include <DeviceGroupBuilder.h>
#include <Fenwork/SafeFileWriter.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PlanData samplePlan()
{
    PlanData plan;
    plan.siteName = QStringLiteral("Warehouse \"North\" 北");
    plan.notes = QStringLiteral("Line one\nline two\ttabbed \\ backslash");
    plan.videoStandard = NTSC;
    plan.storage = { 12, StorageSettings::Raid::Raid6, 2, 0.1 };
    plan.uplink = { QStringLiteral("Fibre 300 Mbps"), 300 };
    PlanGroup lobby{ DeviceGroupBuilder("IPC", "Lobby", 3).channels(8, 2).rate(4096).frameRate("30"),
                     RecordingSettings() };
    lobby.recording = { RecordingSettings::Mode::Event, 12.5, 0.25, 90, 2 };
    PlanGroup yard{ DeviceGroupBuilder("DVR", "Yard(2)", 1).scene("Road").encoding("H.265").rate(1536.5),
                    RecordingSettings() };
    plan.groups = { lobby, yard };
    return plan;
}

QByteArray groupJson(const QString& fields)
{
    return QStringLiteral("{\"format\":\"vantrel-plan\",\"version\":1,\"groups\":[{\"number\":1,\"name\":\"Gate\","
                          "\"deviceType\":\"IPC\",\"channels\":4,\"streams\":1,\"bitrateKbps\":2048%1}]}")
        .arg(fields)
        .toUtf8();
}

// A plan of one switch, one recorder and one group, with some of it
// replaced.
QByteArray networkJson(const QByteArray& switches, const QByteArray& recorders = QByteArray(),
                       const QByteArray& groupFields = QByteArray())
{
    QByteArray json = groupJson(QString::fromUtf8(groupFields)).replace("\"version\":1", "\"version\":2");
    json.replace("\"groups\"", "\"network\":{\"switches\":[" + switches + "],\"recorders\":[" + recorders
                     + "]},\"groups\"");
    return json;
}

const QByteArray core = R"({"id":"core","name":"Core","parent":"","ports":24,"uplinkMbps":10000,"poeBudgetW":0})";

} // namespace

class tst_PlanFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEverything();
    void propertiesRoundTripAndStayOutWhenEmpty();
    void plainPlansStayVersionOne();
    void versionTwoKeysRoundTrip();
    void networkRoundTrips();
    void refusals_data();
    void refusals();
    void unknownKeysAndTablesOutsideTheDataStillOpen();
    void failedWriteKeepsTheOldFile();
    void recoverySurvivesAKill();
};

void tst_PlanFile::roundTripKeepsEverything()
{
    const PlanData plan = samplePlan();
    const QByteArray json = PlanFile::toJson(plan);
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("a.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(PlanFile::toJson(read.plan), json);
    QCOMPARE(read.plan.siteName, plan.siteName);
    QCOMPARE(read.plan.groups.at(0).device.channelName, QStringLiteral("Lobby(3)"));
    // A name that itself ends in brackets keeps them.
    QCOMPARE(read.plan.groups.at(1).device.channelName, QStringLiteral("Yard(2)(1)"));
    QCOMPARE(read.plan.groups.at(1).device.frameRate, QString());
    QVERIFY(read.plan.groups.at(0).recording == plan.groups.at(0).recording);
    QVERIFY(read.plan.storage == plan.storage);
    QVERIFY(read.plan.uplink == plan.uplink);
    // Keys in the documented order, so files diff well.
    const QList<QByteArray> order = { "\"format\"", "\"version\"", "\"site\"", "\"notes\"", "\"videoStandard\"",
                                      "\"storage\"", "\"uplinkMbps\"", "\"uplinkName\"", "\"groups\"" };
    for (int i = 1; i < order.size(); ++i)
        QVERIFY(json.indexOf(order.at(i - 1)) < json.indexOf(order.at(i)));
}

void tst_PlanFile::propertiesRoundTripAndStayOutWhenEmpty()
{
    const QByteArray without = PlanFile::toJson(samplePlan());
    for (const char* key : { "\"customer\"", "\"address\"", "\"designer\"", "\"logo\"" })
        QVERIFY2(!without.contains(key), key);

    PlanData plan = samplePlan();
    // A leading byte order mark is part of the text, and stays.
    plan.customer = QStringLiteral("\uFEFFAcme <b>& Sons</b> 北");
    plan.address = QStringLiteral("1 Quay Road\nHarbour");
    plan.designer = QStringLiteral("J. \"Doe\"");
    plan.logo = QByteArray("\xff\xd8\xff\xe0 a JPEG's bytes\0\x01", 21);
    const QByteArray json = PlanFile::toJson(plan);
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("a.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(PlanProperties::of(read.plan) == PlanProperties::of(plan));
}

void tst_PlanFile::plainPlansStayVersionOne()
{
    // A plan of the first files is written byte for byte as they were, so
    // builds that read version 1 only still open it.
    const QByteArray first =
        "{\n  \"format\": \"vantrel-plan\",\n  \"version\": 1,\n  \"site\": \"\",\n  \"notes\": \"\",\n  "
        "\"videoStandard\": \"PAL\",\n  \"storage\": {\"diskTB\": 8, \"raid\": \"none\", \"hotSpares\": 0, "
        "\"fsOverhead\": 0.05},\n  \"groups\": [\n    {\"number\": 1, \"name\": \"Gate\", \"deviceType\": \"IPC\", "
        "\"channels\": 4, \"streams\": 1, \"rateMode\": \"fixed\", \"scene\": \"\", \"resolution\": "
        "\"1080P(1920x1080)\", \"frameRate\": \"25\", \"encoding\": \"H.264\", \"bitrateKbps\": 2048, "
        "\"recording\": {\"mode\": \"event\", \"hoursPerDay\": 24, \"eventShare\": 0.3, \"retentionDays\": 30, "
        "\"recordedStreams\": 1}}\n  ]\n}\n";
    const PlanFile::ReadResult read = PlanFile::fromJson(first, QStringLiteral("first.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(PlanFile::toJson(read.plan), first);
    QVERIFY(!read.plan.groups.at(0).view.isSet());
    QVERIFY(read.plan.groups.at(0).recording.plain());
    QVERIFY(read.plan.network.isEmpty() && !read.plan.groups.at(0).network.isSet());
}

void tst_PlanFile::versionTwoKeysRoundTrip()
{
    PlanData plan = samplePlan();
    plan.storage.disksAvailable = 6;
    PlanGroup& lobby = plan.groups[0];
    lobby.recording.mode = RecordingSettings::Mode::Mixed;
    lobby.recording.nightHours = 10;
    lobby.recording.nightFactor = 1.6;
    lobby.recording.audioKbps = 64;
    lobby.recording.eventRetentionDays = 180;
    lobby.view.hfovDeg = 92;
    lobby.view.distanceM = 12;
    lobby.view.required = DetailLevel::Recognise;
    plan.groups[1].view.focalMm = 2.8;
    plan.groups[1].view.sensorWidthMm = 5.37;
    plan.groups[1].view.distanceM = 7.5;
    const QByteArray json = PlanFile::toJson(plan);
    QVERIFY(json.contains("\"version\": 2,"));
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("b.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(read.plan.storage == plan.storage);
    for (int i = 0; i < plan.groups.size(); ++i) {
        QVERIFY(read.plan.groups.at(i).recording == plan.groups.at(i).recording);
        QVERIFY(read.plan.groups.at(i).view == plan.groups.at(i).view);
    }
    QCOMPARE(PlanFile::toJson(read.plan), json);
}

void tst_PlanFile::networkRoundTrips()
{
    PlanData plan = samplePlan();
    QCOMPARE(PlanFile::versionFor(plan), 1);
    NetworkSwitch core;
    core.id = QStringLiteral("core");
    core.name = QStringLiteral("Core \"A\"");
    core.uplinkMbps = 10000;
    NetworkSwitch floor;
    floor.id = QStringLiteral("sw1");
    floor.parent = QStringLiteral("core");
    floor.ports = 16;
    floor.poeBudgetW = 240.5;
    NetworkRecorder nvr;
    nvr.id = QStringLiteral("nvr1");
    nvr.switchId = QStringLiteral("core");
    nvr.bays = 8;
    plan.network.switches = { core, floor };
    plan.network.recorders = { nvr };
    plan.groups[0].network = { QStringLiteral("sw1"), QStringLiteral("nvr1"), 0 };
    plan.groups[1].network.switchId = QStringLiteral("core");
    const QByteArray json = PlanFile::toJson(plan);
    QVERIFY(json.contains("\"version\": 2,"));
    QVERIFY(json.contains(R"("switch": "sw1", "recorder": "nvr1", "poeClass": 0})"));
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("n.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(read.plan.network == plan.network);
    QVERIFY(read.plan.groups.at(0).network == plan.groups.at(0).network);
    QVERIFY(read.plan.groups.at(1).network == plan.groups.at(1).network);
    QCOMPARE(PlanFile::toJson(read.plan), json);

    // Only the place of a group makes a plan version 2 too.
    PlanData placed = samplePlan();
    placed.groups[0].network.poeClass = 3;
    QCOMPARE(PlanFile::versionFor(placed), 2);

    // A plan that would be refused on opening is not saved.
    QTemporaryDir dir;
    plan.groups[1].network.recorderId = QStringLiteral("nvr9");
    QString error;
    QVERIFY(!PlanFile::write(dir.filePath(QStringLiteral("n.vantrel")), plan, &error));
    QVERIFY2(error.contains(QStringLiteral("n.vantrel: group 2 (Yard(2)): key \"recorder\" is \"nvr9\"")),
             qPrintable(error));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("n.vantrel"))));
}

void tst_PlanFile::refusals_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("named"); // what the message must name
    QTest::newRow("not JSON") << QByteArray("{\"format\": ") << QStringList{ "plan.vantrel", "not a plan file" };
    QTest::newRow("other format") << QByteArray("{\"format\":\"csv\",\"version\":1}")
                                  << QStringList{ "plan.vantrel", "format" };
    QTest::newRow("newer version") << QByteArray("{\"format\":\"vantrel-plan\",\"version\":3}")
                                   << QStringList{ "newer version", "3" };
    QTest::newRow("missing rate") << groupJson("").replace(",\"bitrateKbps\":2048", "")
                                  << QStringList{ "group 1 (Gate)", "\"bitrateKbps\"", "missing" };
    QTest::newRow("channels 0") << groupJson("").replace("\"channels\":4", "\"channels\":0")
                                << QStringList{ "group 1 (Gate)", "\"channels\"", "1 to 512" };
    QTest::newRow("rate too high") << groupJson("").replace("2048", "2000000")
                                   << QStringList{ "\"bitrateKbps\"", "1048576" };
    QTest::newRow("fraction of a channel") << groupJson("").replace("\"channels\":4", "\"channels\":4.5")
                                           << QStringList{ "\"channels\"", "whole number" };
    QTest::newRow("more recorded streams than streams")
        << groupJson(",\"recording\":{\"recordedStreams\":2}") << QStringList{ "recording", "\"recordedStreams\"" };
    QTest::newRow("event share 0") << groupJson(",\"recording\":{\"eventShare\":0}")
                                   << QStringList{ "\"eventShare\"" };
    QTest::newRow("scene without a name") << groupJson(",\"rateMode\":\"scene\"") << QStringList{ "\"scene\"" };
    QTest::newRow("bad raid") << QByteArray("{\"format\":\"vantrel-plan\",\"version\":1,\"storage\":{\"raid\":\"RAID7\"}}")
                              << QStringList{ "storage", "\"raid\"" };
    QByteArray twice = groupJson("");
    twice.replace("}]}", "},{\"number\":1,\"deviceType\":\"DVR\",\"channels\":1,\"streams\":1,\"bitrateKbps\":1}]}");
    QTest::newRow("uplink of 0") << QByteArray("{\"format\":\"vantrel-plan\",\"version\":1,\"uplinkMbps\":0}")
                                 << QStringList{ "\"uplinkMbps\"", "above 0" };
    QTest::newRow("uplink too fast") << QByteArray("{\"format\":\"vantrel-plan\",\"version\":1,\"uplinkMbps\":2e6}")
                                     << QStringList{ "\"uplinkMbps\"", "1000000" };
    QTest::newRow("number twice") << twice << QStringList{ "group 2", "\"number\"" };
    // A disk smaller than a byte once rounded used to count as "0 disks".
    QTest::newRow("disk of 1e-300 TB")
        << QByteArray("{\"format\":\"vantrel-plan\",\"version\":1,\"storage\":{\"diskTB\":1e-300}}")
        << QStringList{ "storage", "\"diskTB\"", "0.1 to 100" };
    const QByteArray head("{\"format\":\"vantrel-plan\",\"version\":1,");
    const QByteArray gif = QByteArray("GIF89a......").toBase64();
    QTest::newRow("logo not PNG or JPEG") << head + "\"logo\":\"" + gif + "\"}"
                                          << QStringList{ "plan.vantrel", "\"logo\"", "PNG or JPEG" };
    QTest::newRow("logo not base64") << head + "\"logo\":\"iVBOR*w0KGgo\"}" << QStringList{ "\"logo\"", "base64" };
    QByteArray bigPng("\x89PNG\r\n\x1a\n");
    bigPng.resize(PlanProperties::kMaxLogoBytes + 1, 'p');
    QTest::newRow("logo over 2 MiB") << head + "\"logo\":\"" + bigPng.toBase64() + "\"}"
                                     << QStringList{ "\"logo\"", "2 MiB" };
    QTest::newRow("customer not text") << head + "\"customer\":7}" << QStringList{ "\"customer\"", "a text" };
    QTest::newRow("designer too long")
        << head + "\"designer\":\"" + QByteArray(PlanProperties::kMaxLineLength + 1, 'd') + "\"}"
        << QStringList{ "\"designer\"", "at most 1000 characters" };
    // What Qt's reader refused is refused still.
    QTest::newRow("number too small for a double") << groupJson("").replace("2048", "1e-400")
                                                   << QStringList{ "plan.vantrel", "not a plan file" };
    QTest::newRow("a lone text") << QByteArray("\"vantrel-plan\"") << QStringList{ "not a plan file" };
    QTest::newRow("escaped mark before a type") << groupJson("").replace("\"IPC\"", "\"\\ufeffIPC\"")
                                                << QStringList{ "group 1 (Gate)", "\"deviceType\"" };
    QTest::newRow("a NUL after the plan") << groupJson("") + QByteArray(1, '\0') << QStringList{ "not a plan file" };
    // The keys of version 2: a view and the retention additions.
    const auto view = [](const char* fields) {
        return groupJson(QStringLiteral(",\"view\":{%1}").arg(QLatin1String(fields)));
    };
    QTest::newRow("angle 0") << view("\"hfovDeg\":0,\"distanceM\":5")
                             << QStringList{ "group 1 (Gate)", "view", "\"hfovDeg\"", "above 1" };
    QTest::newRow("angle 180") << view("\"hfovDeg\":180,\"distanceM\":5")
                               << QStringList{ "group 1 (Gate)", "\"hfovDeg\"", "below 180" };
    QTest::newRow("distance 0") << view("\"hfovDeg\":90,\"distanceM\":0")
                                << QStringList{ "group 1 (Gate)", "\"distanceM\"", "above 0" };
    QTest::newRow("no distance") << view("\"hfovDeg\":90") << QStringList{ "\"distanceM\"", "missing" };
    QTest::newRow("lens without sensor") << view("\"focalMm\":2.8,\"distanceM\":5")
                                         << QStringList{ "group 1 (Gate)", "\"sensorWidthMm\"", "missing" };
    QTest::newRow("angle and lens") << view("\"hfovDeg\":90,\"focalMm\":2.8,\"sensorWidthMm\":5.37,\"distanceM\":5")
                                    << QStringList{ "\"focalMm\"", "hfovDeg" };
    QTest::newRow("no angle") << view("\"distanceM\":5") << QStringList{ "\"hfovDeg\"", "\"focalMm\"" };
    QTest::newRow("unknown level") << view("\"hfovDeg\":90,\"distanceM\":5,\"required\":\"Recognise\"")
                                   << QStringList{ "\"required\"", "recognise" };
    QTest::newRow("mode unknown") << groupJson(",\"recording\":{\"mode\":\"hybrid\"}")
                                  << QStringList{ "group 1 (Gate)", "recording", "\"mode\"", "mixed" };
    QTest::newRow("event days under the days")
        << groupJson(",\"recording\":{\"mode\":\"mixed\",\"retentionDays\":30,\"eventRetentionDays\":20}")
        << QStringList{ "group 1 (Gate)", "\"eventRetentionDays\"", "30 to 3650" };
    QTest::newRow("night factor 0") << groupJson(",\"recording\":{\"nightFactor\":0}")
                                    << QStringList{ "\"nightFactor\"", "0.1 to 5" };
    QTest::newRow("audio too fast") << groupJson(",\"recording\":{\"audioKbps\":513}")
                                    << QStringList{ "\"audioKbps\"", "0 to 512" };
    QTest::newRow("disks available of a half")
        << QByteArray("{\"format\":\"vantrel-plan\",\"version\":2,\"storage\":{\"disksAvailable\":2.5}}")
        << QStringList{ "storage", "\"disksAvailable\"" };
    // The network of version 2.
    const QByteArray sw1 = R"({"id":"sw1","parent":"core","ports":16,"uplinkMbps":1000,"poeBudgetW":240})";
    const QByteArray nvr = R"({"id":"nvr1","switch":"core","channels":64,"inputMbps":320,"bays":8})";
    QTest::newRow("switch and recorder share an id")
        << networkJson(core, QByteArray(nvr).replace("nvr1", "core"))
        << QStringList{ "recorder 1 (core)", "\"id\"", "no other switch or recorder" };
    QTest::newRow("two switches share an id") << networkJson(core + "," + core)
                                              << QStringList{ "switch 2 (core)", "\"id\"" };
    QTest::newRow("parents in a loop")
        << networkJson(QByteArray(core).replace("\"parent\":\"\"", "\"parent\":\"sw1\"") + "," + sw1)
        << QStringList{ "plan.vantrel", "(sw1)", "\"parent\"", "loop" };
    QTest::newRow("own parent") << networkJson(QByteArray(core).replace("\"parent\":\"\"", "\"parent\":\"core\""))
                                << QStringList{ "switch 1 (core)", "\"parent\"", "loop" };
    QTest::newRow("parent not there") << networkJson(core + "," + QByteArray(sw1).replace("\"core\"", "\"cor\""))
                                      << QStringList{ "switch 2 (sw1)", "\"parent\"", "\"cor\"" };
    QTest::newRow("recorder on no switch") << networkJson(core, QByteArray(nvr).replace("\"core\"", "\"sw9\""))
                                           << QStringList{ "recorder 1 (nvr1)", "\"switch\"", "\"sw9\"" };
    QTest::newRow("group on no switch") << networkJson(core, nvr, ",\"switch\":\"sw9\"")
                                        << QStringList{ "group 1 (Gate)", "\"switch\"", "\"sw9\"" };
    QTest::newRow("group records nowhere") << networkJson(core, nvr, ",\"recorder\":\"core\"")
                                           << QStringList{ "group 1 (Gate)", "\"recorder\"", "\"core\"" };
    QTest::newRow("group switch empty") << networkJson(core, nvr, ",\"switch\":\"\"")
                                        << QStringList{ "group 1 (Gate)", "\"switch\"", "absent" };
    QTest::newRow("PoE class 9") << networkJson(core, nvr, ",\"poeClass\":9")
                                 << QStringList{ "group 1 (Gate)", "\"poeClass\"", "0 to 8" };
    QTest::newRow("ports 0") << networkJson(QByteArray(core).replace("24", "0"))
                             << QStringList{ "switch 1 (core)", "\"ports\"", "1 to 512" };
    QTest::newRow("ports as text") << networkJson(QByteArray(core).replace("24", "\"24\""))
                                   << QStringList{ "switch 1 (core)", "\"ports\"", "\"24\"" };
    QTest::newRow("uplink 0") << networkJson(QByteArray(core).replace("10000", "0"))
                              << QStringList{ "switch 1 (core)", "\"uplinkMbps\"", "above 0" };
    QTest::newRow("PoE budget below 0") << networkJson(QByteArray(core).replace("\"poeBudgetW\":0", "\"poeBudgetW\":-1"))
                                        << QStringList{ "switch 1 (core)", "\"poeBudgetW\"", "0 to 100000" };
    QTest::newRow("id too long") << networkJson(QByteArray(core).replace("\"core\"", "\"" + QByteArray(41, 'c') + "\""))
                                 << QStringList{ "switch 1", "\"id\"", "1 to 40" };
    QTest::newRow("no id") << networkJson(QByteArray(core).replace("\"id\":\"core\",", ""))
                           << QStringList{ "switch 1 ()", "\"id\"", "missing" };
    QTest::newRow("recorder channels 4097") << networkJson(core, QByteArray(nvr).replace("64", "4097"))
                                            << QStringList{ "recorder 1 (nvr1)", "\"channels\"", "1 to 4096" };
    QTest::newRow("recorder input too fast") << networkJson(core, QByteArray(nvr).replace("320", "1e8"))
                                             << QStringList{ "recorder 1 (nvr1)", "\"inputMbps\"", "10000000" };
    QTest::newRow("bays 257") << networkJson(core, QByteArray(nvr).replace("\"bays\":8", "\"bays\":257"))
                              << QStringList{ "recorder 1 (nvr1)", "\"bays\"", "0 to 256" };
    QTest::newRow("switches not a list") << networkJson(core).replace("\"switches\":[", "\"switches\":{\"a\":[").replace("],\"recorders", "]},\"recorders")
                                         << QStringList{ "network", "\"switches\"", "a list of switches" };
    QTest::newRow("network not an object")
        << QByteArray("{\"format\":\"vantrel-plan\",\"version\":2,\"network\":[]}") << QStringList{ "\"network\"", "an object" };
    QTest::newRow("switch not an object") << networkJson("7") << QStringList{ "switch 1 ()", "not an object" };
    // Only the start of a huge value is quoted, and of the group's name too.
    const QByteArray huge(10 * 1024 * 1024, 'x');
    QTest::newRow("10 MB value") << groupJson(",\"rateMode\":\"" + huge + "\"").replace("Gate", huge)
                                 << QStringList{ "\"rateMode\"", "xxx\u2026\"" };
}

void tst_PlanFile::refusals()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, named);
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("plan.vantrel"));
    QVERIFY(!read.ok);
    for (const QString& part : named)
        QVERIFY2(read.error.contains(part), qPrintable(read.error.left(1000)));
    QVERIFY2(read.error.size() < 1000, qPrintable(read.error.left(1000)));
}

void tst_PlanFile::unknownKeysAndTablesOutsideTheDataStillOpen()
{
    QByteArray json = groupJson(",\"resolution\":\"9K(9999x9999)\",\"encoding\":\"H.267\",\"colour\":\"red\"");
    json.replace("\"version\":1", "\"version\":1,\"futureKey\":[1,2]");
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("plan.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.plan.groups.at(0).device.resolution, QStringLiteral("9K(9999x9999)"));
    QCOMPARE(read.plan.groups.at(0).device.bitrate, 2048.0);
    QCOMPARE(read.plan.videoStandard, PAL);
    QCOMPARE(read.plan.groups.at(0).recording.retentionDays, 30);
    // No uplink, and none written back.
    QVERIFY(!read.plan.uplink.isSet());
    QVERIFY(!PlanFile::toJson(read.plan).contains("uplink"));

    // Forms JSON readers differ on open as they always did: a byte order
    // mark, a number written "2048.", a repeated key (the last one counts).
    QByteArray loose = "\xef\xbb\xbf" + groupJson(",\"channels\":9").replace("2048", "2048.");
    const PlanFile::ReadResult looseRead = PlanFile::fromJson(loose, QStringLiteral("plan.vantrel"));
    QVERIFY2(looseRead.ok, qPrintable(looseRead.error));
    QCOMPARE(looseRead.plan.groups.at(0).device.channelCount, 9);
    QCOMPARE(looseRead.plan.groups.at(0).device.bitrate, 2048.0);
}

void tst_PlanFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("site.vantrel"));
    QString error;
    QVERIFY(PlanFile::write(path, samplePlan(), &error));
    const QByteArray before = PlanFile::toJson(samplePlan());

    PlanData bigger = samplePlan();
    bigger.groups.append(bigger.groups);
    aptui::SafeFileWriter::failWriteNumber(1);
    QVERIFY(!PlanFile::write(path, bigger, &error));
    aptui::SafeFileWriter::failWriteNumber(0);
    QVERIFY2(error.contains(QStringLiteral("site.vantrel")), qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void tst_PlanFile::recoverySurvivesAKill()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("recovery.vantrel"));
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/plan_recovery_helper"),
                { path, QStringLiteral("40") });
    QVERIFY(child.waitForStarted());
    // The helper says when its last change has had its second to reach the
    // file, then waits to be killed mid-plan.
    QVERIFY(child.waitForReadyRead(10000));
    QCOMPARE(child.readAll().trimmed(), QByteArray("40"));
    child.kill();
    QVERIFY(child.waitForFinished());

    Plan next;
    PlanRecovery start(&next, path);
    const PlanRecovery::Leftover leftover = start.check();
    QVERIFY(leftover.found && !leftover.outdated && leftover.setAside.isEmpty());
    QCOMPARE(leftover.plan.groups.size(), 40);
    QCOMPARE(leftover.plan.groups.last().device.groupNumber, 40);
    QCOMPARE(leftover.recoveredFrom, QStringLiteral("/plans/site.vantrel"));
}

QTEST_GUILESS_MAIN(tst_PlanFile)
#include "tst_PlanFile.moc"
