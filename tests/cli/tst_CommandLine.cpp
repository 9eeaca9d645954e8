#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "EncodeingPage/EncodeingPage.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "PlanFileController.h"
#include "SectionBar/SectionBar.h"
#include "StoragePage/StoragePage.h"

#include <TempProgramDir.h>
#include <Fenwork/Switch.h>
#include <data/PlanFile.h>
#include <data/PlanTotals.h>
#include <edit/PlanEditor.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

// vantrel-cli and the window agree: the same plan gives the same totals,
// the same link the same two answers, on the shipped tables and on a data
// folder of the test's own.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithTheWindow_data();
    void agreesWithTheWindow();
    void refusesAndExplains();
    void writesEachReport();
    void statesTotalsBeyondTheWindowsField();
    void storageAgreesWithTheSection();

private:
    static QJsonObject run(const QStringList& arguments);
    static int exitCode(const QStringList& arguments);
};

QJsonObject tst_CommandLine::run(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-cli"), arguments);
    if (!cli.waitForFinished(10000) || cli.exitCode() != 0) {
        qWarning() << "vantrel-cli" << arguments << cli.exitCode() << cli.readAllStandardError();
        return {};
    }
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

int tst_CommandLine::exitCode(const QStringList& arguments)
{
    QProcess cli;
    cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-cli"), arguments);
    if (!cli.waitForFinished(10000))
        return -1;
    // Every refusal says why on standard error.
    if (cli.exitCode() != 0 && cli.readAllStandardError().isEmpty())
        return -2;
    return cli.exitCode();
}

void tst_CommandLine::agreesWithTheWindow_data()
{
    QTest::addColumn<bool>("ownData");
    QTest::newRow("shipped tables") << false;
    QTest::newRow("--data folder") << true;
}

void tst_CommandLine::agreesWithTheWindow()
{
    QFETCH(bool, ownData);
    TempProgramDir program(TempProgramDir::ShippedData);
    if (ownData) {
        // Other rates than the shipped ones, so an answer from the wrong
        // tables cannot pass.
        QVERIFY(program.writeLines(QStringLiteral("IPCBitrate/H.264.csv"),
                                   { "8MP(3840x2160),9000", "1080P(1920x1080),3000", "720P(1280x720),1500",
                                     "D1(704x576),700", "CIF(352x288),300", "QCIF(176x144),100" }));
    }
    const QStringList dataOption = ownData ? QStringList{ QStringLiteral("--data"), program.path() } : QStringList();

    Vantrel window;
    window.resize(1200, 750);
    window.show();
    auto pick = [&](const char* name, const QString& text) {
        auto* box = window.findChild<QComboBox*>(QString::fromLatin1(name));
        box->setCurrentIndex(box->findText(text));
        QCOMPARE(box->currentText(), text);
    };
    auto add = [&](const QString& type, const QString& resolution, int channels, int streams) {
        pick("m_comboBoxDeviceType", type);
        pick("m_comboBoxResolution", resolution);
        pick("m_comboxEncodingType", QStringLiteral("H.264"));
        window.findChild<QSpinBox*>(QStringLiteral("channelCountsEdit"))->setValue(channels);
        window.findChild<QSpinBox*>(QStringLiteral("streamCountsEdit"))->setValue(streams);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_btnAddDevice")), Qt::LeftButton);
    };
    QSignalSpy figures(window.capacityCalculation()->deviceAddPage(), &DeviceAddPage::signalDeviceChanged);
    add(QStringLiteral("IPC"), QStringLiteral("1080P(1920x1080)"), 16, 2);
    add(QStringLiteral("DVR"), QStringLiteral("720P(1280x720)"), 12, 1);
    add(QStringLiteral("IPC"), QStringLiteral("720P(1280x720)"), 300, 1);
    const QVariantList shown = figures.last();

    QTemporaryDir folder;
    const QString planPath = folder.filePath(QStringLiteral("site.vantrel"));
    QVERIFY(PlanFile::write(planPath, window.document()->editor()->plan()->data(),
                            nullptr));
    const QJsonObject totals = run(dataOption + QStringList{ QStringLiteral("totals"), planPath });
    QCOMPARE(QString::number(totals.value("channels").toInt()), shown.at(0).toString());
    QCOMPARE(QString::number(totals.value("ipc").toInt()), shown.at(1).toString());
    QCOMPARE(QString::number(totals.value("dvr").toInt()), shown.at(2).toString());
    QCOMPARE(totals.value("text").toString(), shown.at(3).toString());
    // The window's unit words keep their historic spelling; scripts get the
    // usual one.
    QCOMPARE(totals.value("unit").toString(), QString(shown.at(4).toString()).replace(QStringLiteral("pbs"), QStringLiteral("bps")));

    // The PAL/NTSC switch: the converted plan a script writes is the one the
    // window makes.
    const QString ntscPath = folder.filePath(QStringLiteral("ntsc.vantrel"));
    const QJsonObject converted =
        run(dataOption + QStringList{ QStringLiteral("convert"), planPath, QStringLiteral("--standard"),
                                      QStringLiteral("NTSC"), QStringLiteral("-o"), ntscPath });
    QCOMPARE(converted.value("converted").toInt(), 3);
    QTest::mouseClick(window.findChild<aptui::Switch*>(QStringLiteral("PalNtscSwitch")), Qt::LeftButton);
    QCOMPARE(window.document()->plan()->videoStandard(), NTSC);
    const PlanFile::ReadResult written = PlanFile::read(ntscPath);
    QVERIFY(written.ok);
    QCOMPARE(written.plan.groups.size(), 3);
    for (int row = 0; row < 3; ++row) {
        const StructDeviceItem& inWindow = window.document()->plan()->groupAt(row).device;
        QCOMPARE(written.plan.groups.at(row).device.frameRate, inWindow.frameRate);
        QCOMPARE(written.plan.groups.at(row).device.bitrate, inWindow.bitrate);
    }
    QCOMPARE(written.plan.videoStandard, NTSC);
    window.planFiles()->undoAction()->trigger();

    // The Encoding tab: 10.5 Mbps shared by 3 main streams of cameras.
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("encodingBtn")), Qt::LeftButton);
    auto* custom = window.findChild<QCheckBox*>(QStringLiteral("customBandCheckbox_2"));
    QTest::mouseClick(custom, Qt::LeftButton);
    auto* bandwidth = window.findChild<QLineEdit*>(QStringLiteral("customBandEdit"));
    bandwidth->clear();
    QTest::keyClicks(bandwidth, QStringLiteral("10.5"));
    window.findChild<QSpinBox*>(QStringLiteral("streamCountSpinBox_2"))->setValue(3);
    pick("encodingTypeCombox_2", QStringLiteral("H.264"));
    const QJsonObject fit = run(dataOption + QStringList{ "fit", "--mbps", "10.5", "--streams", "3", "--device", "IPC",
                                                           "--standard", "PAL", "--stream", "main", "--encoding",
                                                           "H.264" });
    for (const auto& [key, page] : { std::pair{ "resolutionFirst", "resolutionPage" },
                                     std::pair{ "frameRateFirst", "frameRatePage" } }) {
        const QJsonObject answer = fit.value(QLatin1String(key)).toObject();
        const auto* shownPage = window.findChild<EncodeingPage*>(QLatin1String(page));
        QVERIFY2(!answer.isEmpty(), key);
        QCOMPARE(answer.value("resolution").toString(), shownPage->resolution());
        QCOMPARE(answer.value("frameRate").toString(), shownPage->frameRate());
        QCOMPARE(QString::number(answer.value("kbps").toDouble()), shownPage->bitRate());
    }
}

void tst_CommandLine::refusesAndExplains()
{
    QTemporaryDir folder;
    const QString bad = folder.filePath(QStringLiteral("bad.vantrel"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\"format\":\"vantrel-plan\",\"version\":1,\"groups\":[{\"number\":1}]}");
    file.close();
    QCOMPARE(exitCode({ QStringLiteral("totals"), bad }), 1);
    QCOMPARE(exitCode({ QStringLiteral("storage"), bad }), 1);
    QCOMPARE(exitCode({ "fit", "--mbps", "-1", "--streams", "1", "--device", "IPC", "--standard", "PAL", "--stream",
                        "main", "--encoding", "H.264" }),
             1);
    QCOMPARE(exitCode({ QStringLiteral("fit"), QStringLiteral("--mbps") }), 2);
    QCOMPARE(exitCode({ QStringLiteral("frobnicate") }), 2);
    QCOMPARE(exitCode({ QStringLiteral("check") }), 2);
    QCOMPARE(exitCode({ QStringLiteral("check"), bad, bad }), 2);
    QCOMPARE(exitCode({ QStringLiteral("check"), bad }), 1);
    QCOMPARE(exitCode({ QStringLiteral("--data"), bad, QStringLiteral("totals"), bad }), 2);

    // A name the tables do not list is refused, as the window refuses it,
    // with the names it was likely meant to be.
    const QString unknown = folder.filePath(QStringLiteral("unknown.vantrel"));
    QFile plan(unknown);
    QVERIFY(plan.open(QIODevice::WriteOnly));
    plan.write("{\"format\":\"vantrel-plan\",\"version\":1,\"groups\":[{\"number\":1,\"name\":\"Gate\","
               "\"deviceType\":\"IPC\",\"channels\":1,\"streams\":1,\"resolution\":\"1080P(1920x1081)\","
               "\"frameRate\":\"25\",\"encoding\":\"H.264\",\"bitrateKbps\":2048}]}");
    plan.close();
    QProcess cli;
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-cli");
    cli.start(program, { QStringLiteral("totals"), unknown });
    QVERIFY(cli.waitForFinished(10000));
    QCOMPARE(cli.exitCode(), 1);
    const QString why = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(why.contains(QStringLiteral("group 1 (Gate)")) && why.contains(QStringLiteral("\"resolution\""))
                 && why.contains(QStringLiteral("nearest: 1080P(1920x1080)")),
             qPrintable(why));

    // A scene table with a bad row is refused whole, as check-scenes lists
    // it, and the scenes in use stay.
    TempProgramDir data(TempProgramDir::ShippedData);
    const QByteArray scenesBefore = TempProgramDir::readFile(data.filePath(QStringLiteral("Scene.csv")));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QVERIFY(picture.save(folder.filePath(QStringLiteral("lab.png")), "PNG"));
    const QString table = folder.filePath(QStringLiteral("scenes.csv"));
    QFile scenes(table);
    QVERIFY(scenes.open(QIODevice::WriteOnly));
    scenes.write("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                 "Lab,H.264,720P(1280x720),900,lab.png\n"
                 "Lab,H.264,1080P(1920x1080),lots,lab.png\n");
    scenes.close();
    QProcess check;
    check.start(program, { QStringLiteral("--data"), data.path(), QStringLiteral("check-scenes"), table });
    QVERIFY(check.waitForFinished(10000));
    QCOMPARE(check.exitCode(), 1);
    const QByteArray listed = check.readAllStandardOutput();
    QVERIFY2(listed.contains("\"line\":3"), listed.constData());
    QProcess import;
    import.start(program, { QStringLiteral("--data"), data.path(), QStringLiteral("import-scenes"), table });
    QVERIFY(import.waitForFinished(10000));
    QCOMPARE(import.exitCode(), 1);
    QCOMPARE(import.readAllStandardOutput(), listed);
    QVERIFY2(import.readAllStandardError().contains("scenes.csv was not imported: line 3: rate 'lots'"),
             qPrintable(table));
    QCOMPARE(TempProgramDir::readFile(data.filePath(QStringLiteral("Scene.csv"))), scenesBefore);

    // Figures that never reached the reader are no success.
    const QString good = QCoreApplication::applicationDirPath() + QStringLiteral("/examples/small-shop.vantrel");
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(program, { QStringLiteral("totals"), good });
    QVERIFY(full.waitForFinished(10000));
    QCOMPARE(full.exitCode(), 1);
    QVERIFY(full.readAllStandardError().contains("No space left on device"));
}

void tst_CommandLine::writesEachReport()
{
    QTemporaryDir folder;
    PlanData plan;
    plan.siteName = QStringLiteral("Depot");
    plan.groups.append(PlanGroup{ StructDeviceItem(), RecordingSettings() });
    plan.groups[0].device = { QStringLiteral("IPC"), QStringLiteral("Gate(1)"), {}, false, {}, QStringLiteral("H.264"),
                              4, 1, QStringLiteral("720P(1280x720)"), QStringLiteral("25"), 2048, 1 };
    const QString planPath = folder.filePath(QStringLiteral("depot.vantrel"));
    QVERIFY(PlanFile::write(planPath, plan, nullptr));
    const QList<std::pair<QString, QByteArray>> formats = { { QStringLiteral("pdf"), "%PDF" },
                                                            { QStringLiteral("xlsx"), "PK" },
                                                            { QStringLiteral("csv"), "\xEF\xBB\xBF" } };
    for (const auto& [format, magic] : formats) {
        const QString out = folder.filePath(QStringLiteral("report.") + format);
        const QJsonObject written = run({ QStringLiteral("report"), planPath, QStringLiteral("--") + format, out });
        QCOMPARE(written.value("written").toString(), out);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.read(magic.size()) == magic, qPrintable(format));
    }
}

// The window's field stops at 999.9 Gbps; a script and a report read the
// true figure.
void tst_CommandLine::statesTotalsBeyondTheWindowsField()
{
    QTemporaryDir folder;
    PlanData plan;
    plan.groups.append(PlanGroup{ StructDeviceItem(), RecordingSettings() });
    plan.groups[0].device = { QStringLiteral("IPC"), QStringLiteral("City(1)"), {}, false, {}, QStringLiteral("H.264"),
                              512, 512, QStringLiteral("720P(1280x720)"), QStringLiteral("25"), 204800, 1 };
    const QString planPath = folder.filePath(QStringLiteral("city.vantrel"));
    QVERIFY(PlanFile::write(planPath, plan, nullptr));
    const PlanTotals planTotals(plan.groups);
    const BandwidthTotal& expected = planTotals.bandwidth();
    QVERIFY(expected.text().toDouble() > 999.9);

    const QJsonObject totals = run({ QStringLiteral("totals"), planPath });
    QCOMPARE(totals.value("text").toString(), expected.text());
    QCOMPARE(totals.value("unit").toString(), QStringLiteral("Gbps"));

    const QString csv = folder.filePath(QStringLiteral("city.csv"));
    QVERIFY(!run({ QStringLiteral("report"), planPath, QStringLiteral("--csv"), csv }).isEmpty());
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll())
                .contains(QStringLiteral("\r\nTotal bandwidth,%1,Gbps\r\n").arg(expected.text())));
}

void tst_CommandLine::storageAgreesWithTheSection()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    Vantrel window;
    window.resize(1200, 750);
    window.show();
    auto spin = [&](const char* name) { return window.findChild<QSpinBox*>(QString::fromLatin1(name)); };
    auto combo = [&](const char* name) { return window.findChild<QComboBox*>(QString::fromLatin1(name)); };
    // Cameras recording on events 12 h a day for a week; recorders all day
    // for 90 days, both streams.
    spin("channelCountsEdit")->setValue(24);
    combo("m_comboRecordingMode")->setCurrentIndex(1);
    spin("m_spinHoursPerDay")->setValue(12);
    spin("m_spinEventShare")->setValue(25);
    spin("m_spinRetentionDays")->setValue(7);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_btnAddDevice")), Qt::LeftButton);
    combo("m_comboBoxDeviceType")->setCurrentIndex(1);
    spin("streamCountsEdit")->setValue(2);
    combo("m_comboRecordingMode")->setCurrentIndex(0);
    spin("m_spinHoursPerDay")->setValue(24);
    spin("m_spinRetentionDays")->setValue(90);
    spin("m_spinRecordedStreams")->setValue(2);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_btnAddDevice")), Qt::LeftButton);

    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("storageBtn")), Qt::LeftButton);
    StoragePage* page = window.storagePage();
    QVERIFY(page->isVisible());
    combo("m_comboDiskSize")->setCurrentIndex(combo("m_comboDiskSize")->findText(QStringLiteral("4 TB")));
    combo("m_comboRaid")->setCurrentIndex(combo("m_comboRaid")->findText(QStringLiteral("RAID 5")));
    spin("m_spinHotSpares")->setValue(1);

    auto cliAgrees = [&] {
        QTemporaryDir folder;
        const QString planPath = folder.filePath(QStringLiteral("site.vantrel"));
        const Plan* plan = window.document()->editor()->plan();
        QVERIFY(PlanFile::write(planPath, plan->data(), nullptr));
        const QJsonObject storage = run({ QStringLiteral("storage"), planPath });
        QCOMPARE(page->totalText(), QStringLiteral("Total storage: %1 TB").arg(QString::number(storage.value("tb").toDouble(), 'f', 1)));
        QCOMPARE(page->dataDisks(), storage.value("dataDisks").toInt());
        QCOMPARE(page->disks(), storage.value("disks").toInt());
    };
    cliAgrees();
    const QString before = page->totalText();
    QVERIFY(page->disks() >= 4); // RAID 5 on at least two data disks, one spare

    // Keep the recorders' footage a year instead: an edit like any other,
    // undone by Ctrl+Z.
    auto* addPage = window.capacityCalculation()->deviceAddPage();
    QTest::mouseDClick(addPage->cardOf(2), Qt::LeftButton);
    spin("m_spinRetentionDays")->setValue(365);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("m_btnAddDevice")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("storageBtn")), Qt::LeftButton);
    QVERIFY(page->totalText() != before);
    cliAgrees();
    window.planFiles()->undoAction()->trigger();
    QCOMPARE(page->totalText(), before);

    // A custom size is kept as typed, though it starts like a preset.
    QComboBox* size = combo("m_comboDiskSize");
    size->setCurrentIndex(size->count() - 1);
    auto* custom = window.findChild<QDoubleSpinBox*>(QStringLiteral("m_spinCustomDisk"));
    QVERIFY(custom->isVisible());
    custom->setFocus();
    custom->selectAll();
    QTest::keyClicks(custom, QStringLiteral("12.5"));
    QTest::keyClick(custom, Qt::Key_Return);
    QCOMPARE(size->currentIndex(), size->count() - 1);
    QCOMPARE(window.document()->editor()->plan()->storage().diskTB, 12.5);
    cliAgrees();

    // A change of the storage settings is undone like any edit, and the
    // section shows the settings it brings back.
    window.planFiles()->undoAction()->trigger();
    QCOMPARE(window.document()->plan()->storage().diskTB, 4.0);
    QCOMPARE(size->currentText(), QStringLiteral("4 TB"));
    cliAgrees();
}

QTEST_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
