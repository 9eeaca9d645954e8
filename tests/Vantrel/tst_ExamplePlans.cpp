#include "Vantrel.h"
#include "PlanDocument.h"

#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "ExamplePlans.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "PlanFileController.h"
#include "StoragePage/StoragePage.h"

#include <data/ShownRate.h>
#include <data/DeviceConfigStore.h>
#include <data/DeviceKind.h>
#include <data/EncodingCalculator.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>
#include <data/PlanTotals.h>
#include <data/SiteCheck.h>
#include <data/StorageCalculator.h>
#include <data/UplinkCheck.h>
#include <edit/PlanEditor.h>

#include <Fenwork/Menu.h>
#include <Fenwork/TargetPath.h>

#include <QAction>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileHash(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QJsonObject cli(const QString& command, const QString& plan)
{
    QProcess process;
    process.start(aptui::GetTargetPathFile(QStringLiteral("vantrel-cli")), { command, plan });
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QJsonObject();
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

// The command's JSON and its exit code; check exits 1 for a design with a
// problem over.
QJsonObject cli(const QStringList& arguments, int* exitCode)
{
    QProcess process;
    process.start(aptui::GetTargetPathFile(QStringLiteral("vantrel-cli")), arguments);
    if (!process.waitForFinished(60000))
        return QJsonObject();
    *exitCode = process.exitCode();
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

} // namespace

// Every shipped example opens from File > Examples as a new, untitled plan,
// carries the rates the program itself would give, and its figures agree
// with the command line's.
class tst_ExamplePlans : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyExampleOpensAndAgreesWithTheCommandLine();
    void windowMenuOpensAnExample();
    void detailAndDaysAgreeWithTheCommandLine();
    void networkAgreesWithTheCommandLine();

private:
    void checkRates(const PlanData& plan);

    std::unique_ptr<Vantrel> m_window;
    QTemporaryDir m_saved;
    QString m_savePath;
};

void tst_ExamplePlans::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("VantrelTests"));
    QFile::remove(PlanRecovery::defaultPath());
    m_window = std::make_unique<Vantrel>();
    PlanFileController::Prompts prompts = m_window->planFiles()->prompts();
    prompts.savePath = [this](const QString&) { return m_savePath; };
    prompts.saveChoice = [](const QString&) { return PlanFileController::SaveChoice::Discard; };
    prompts.notice = [](const QString& text) { QFAIL(qPrintable(text)); };
    m_window->planFiles()->setPrompts(prompts);
    m_window->resize(1200, 750);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_ExamplePlans::cleanupTestCase()
{
    m_window.reset();
    QFile::remove(PlanRecovery::defaultPath());
}

void tst_ExamplePlans::checkRates(const PlanData& plan)
{
    EncodingCalculator calculator;
    const DeviceConfigStore store;
    for (const PlanGroup& group : plan.groups) {
        const StructDeviceItem& device = group.device;
        double expected = 0;
        if (device.sceneName.isEmpty()) {
            calculator.setEncodeType(device.encodingType);
            const DeviceKind kind = device.deviceType == QLatin1String("DVR") ? DeviceKind::Dvr : DeviceKind::Ipc;
            expected = double(ShownRate::wholeKbps(calculator.calculateBitrate(
                encodingCode(kind), device.resolution, store.getFrameRateValue(device.frameRate, plan.videoStandard))));
        } else {
            expected = store.getScenceBitrate(device.sceneName, device.encodingType, device.resolution);
        }
        QVERIFY2(expected > 0 && device.bitrate == expected, qPrintable(device.channelName));
    }
}

void tst_ExamplePlans::everyExampleOpensAndAgreesWithTheCommandLine()
{
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    QCOMPARE(examples.size(), 5);
    const QList<int> groupCounts{ 6, 25, 40, 300, 10000 };
    // The plan behind a File menu of its own, without the cards: one widget
    // per group takes minutes to build and tear down for the city.
    QWidget host;
    PlanDocument document(m_saved.filePath(QStringLiteral("recovery.vantrel")));
    const PlanEditor& editor = *document.editor();
    PlanFileController files(&document, &host);
    files.setPrompts(m_window->planFiles()->prompts());
    QCOMPARE(files.examplesMenu()->actions().size(), examples.size());

    for (int i = 0; i < examples.size(); ++i) {
        const QString path = examples.at(i).path;
        const QByteArray before = fileHash(path);
        files.examplesMenu()->actions().at(i)->trigger();
        const PlanData& plan = editor.plan()->data();
        QCOMPARE(plan.groups.size(), groupCounts.at(i));
        QVERIFY(!plan.notes.isEmpty() && !plan.siteName.isEmpty() && plan.uplink.isSet());
        QVERIFY(files.filePath().isEmpty());
        checkRates(plan);

        const PlanTotals totals(plan.groups);
        // The notes say what the uplink gauge shows: the streams that leave
        // the site.
        const UplinkCheck uplink(document.siteCheck().siteLoadKbps(), plan.uplink);
        const char* colour = uplink.level() == UplinkCheck::Level::Comfortable ? "green"
            : uplink.level() == UplinkCheck::Level::Tight                     ? "amber"
                                                                              : "red";
        QVERIFY2(plan.notes.contains(QStringLiteral("gauge stays %1").arg(QLatin1String(colour)))
                     || plan.notes.contains(QStringLiteral("gauge shows %1").arg(QLatin1String(colour)))
                     || plan.notes.contains(QStringLiteral("gauge shows in %1").arg(QLatin1String(colour)))
                     || !plan.notes.contains(QLatin1String("gauge")),
                 qPrintable(plan.notes));
        const QJsonObject cliTotals = cli(QStringLiteral("totals"), path);
        QCOMPARE(cliTotals.value("channels").toInteger(), totals.channels());
        QCOMPARE(cliTotals.value("totalKbps").toDouble(), totals.bandwidth().total());
        QCOMPARE(cliTotals.value("text").toString(), totals.bandwidth().text());
        const StorageSizing storage = StorageCalculator::size(plan.groups, plan.storage);
        const QJsonObject cliStorage = cli(QStringLiteral("storage"), path);
        QCOMPARE(QJsonDocument(cliStorage).toJson(QJsonDocument::Compact),
                 QJsonDocument::fromJson(storage.toJson()).toJson(QJsonDocument::Compact));

        // An untouched example asks nothing; the first save asks where.
        QVERIFY(!editor.isModified());
        m_savePath = m_saved.filePath(QStringLiteral("example%1.vantrel").arg(i));
        QVERIFY(files.save());
        QCOMPARE(files.filePath(), m_savePath);
        QCOMPARE(fileHash(path), before);
        QCOMPARE(PlanFile::read(m_savePath).plan.groups.size(), groupCounts.at(i));
    }
}

void tst_ExamplePlans::windowMenuOpensAnExample()
{
    QMenu* menu = m_window->planFiles()->examplesMenu();
    QVERIFY(m_window->aboutMenu()->actions().contains(menu->menuAction()));
    menu->actions().at(2)->trigger();
    const Plan* plan = m_window->document()->editor()->plan();
    QCOMPARE(plan->groupCount(), 40);
    QCOMPARE(m_window->capacityCalculation()->deviceAddPage()->getDeviceGroupNumber(), 40);
    QVERIFY(m_window->planFiles()->filePath().isEmpty());
}

// The examples that give views and disks: what the cards and the Storage
// tab show is what vantrel-cli check and storage --disks print.
void tst_ExamplePlans::detailAndDaysAgreeWithTheCommandLine()
{
    const QVector<ExamplePlans::Entry> examples = ExamplePlans::available();
    for (const int index : { 0, 2 }) { // the shop and the warehouse
        const QString path = examples.at(index).path;
        m_window->planFiles()->examplesMenu()->actions().at(index)->trigger();
        const Plan* plan = m_window->document()->editor()->plan();
        const int disks = plan->storage().disksAvailable;
        QVERIFY(disks > 0);

        int exitCode = -1;
        const QJsonObject check = cli({ QStringLiteral("check"), path }, &exitCode);
        const SiteCheck site(plan->data());
        QCOMPARE(exitCode, site.hasOver() ? 1 : 0);
        QCOMPARE(check.value("problems").toArray().size(), site.problems().size());
        const QJsonArray groups = check.value("groups").toArray();
        QCOMPARE(groups.size(), plan->groupCount());
        int shown = 0;
        for (int row = 0; row < plan->groupCount(); ++row) {
            const QJsonObject group = groups.at(row).toObject();
            const DeviceItemWidget* card = m_window->capacityCalculation()->deviceAddPage()->cardOf(
                plan->groupAt(row).device.groupNumber);
            if (group.value("pxPerM").isNull()) {
                QVERIFY(card->detailText().isEmpty());
                continue;
            }
            ++shown;
            const QString level = PixelDensity::shownLevel(*PixelDensity::levelFromName(group.value("level").toString()));
            QVERIFY2(card->detailText().startsWith(QStringLiteral("%1 px/m, %2")
                                                       .arg(QString::number(group.value("pxPerM").toDouble(), 'f', 1), level)),
                     qPrintable(card->detailText()));
            QCOMPARE(card->detailText().contains(QStringLiteral("below")), group.value("state").toString() == "over");
        }
        QVERIFY(shown > 0);

        const QJsonObject storage = cli({ QStringLiteral("storage"), path, QStringLiteral("--disks"),
                                          QString::number(disks) }, &exitCode);
        QCOMPARE(exitCode, 0);
        m_window->switchStorageTab();
        const auto* table = m_window->storagePage()->findChild<QTableWidget*>(QStringLiteral("m_tableStorageGroups"));
        const QJsonArray days = storage.value("days").toArray();
        QCOMPARE(days.size(), plan->groupCount());
        for (int row = 0; row < days.size(); ++row) {
            QCOMPARE(table->item(row, 3)->text(), QStringLiteral("%1 days asked, %2 kept")
                                                      .arg(plan->groupAt(row).recording.retentionDays)
                                                      .arg(days.at(row).toObject().value("retentionDays").toInt()));
        }
        QVERIFY(storage.value("factor").toDouble() >= 1.0);
        QVERIFY(m_window->storagePage()->diskDaysText().contains(QStringLiteral("to spare")));
        m_window->switchNetTab();
    }
}

// Every example's switches, recorders and problems as vantrel-cli check
// prints them are the site check's, which the window's Network tab shows.
void tst_ExamplePlans::networkAgreesWithTheCommandLine()
{
    const auto tenth = [](double value) { return std::round(value * 10.0) / 10.0; };
    QStringList networkProblems;
    for (const ExamplePlans::Entry& example : ExamplePlans::available()) {
        const PlanFile::ReadResult read = PlanFile::read(example.path);
        QVERIFY2(read.ok, qPrintable(read.error));
        const SiteCheck site(read.plan);
        int exitCode = -1;
        const QJsonObject check = cli({ QStringLiteral("check"), example.path }, &exitCode);
        QCOMPARE(exitCode, site.hasOver() ? 1 : 0);

        const QJsonArray switches = check.value("switches").toArray();
        QCOMPARE(switches.size(), site.switches().size());
        for (int i = 0; i < switches.size(); ++i) {
            const QJsonObject shown = switches.at(i).toObject();
            const SwitchFigures& sw = site.switches().at(i);
            QCOMPARE(shown.value("id").toString(), sw.id);
            QCOMPARE(shown.value("uplinkMbps").toDouble(), tenth(sw.loadKbps / 1024.0));
            QCOMPARE(shown.value("utilisation").toDouble(), std::round(sw.utilisation * 100.0) / 100.0);
            QCOMPARE(shown.value("portsUsed").toInt(), sw.portsUsed);
            QCOMPARE(shown.value("poeW").toDouble(), tenth(sw.poeW));
            QCOMPARE(shown.value("state").toString(), checkStateName(sw.state));
        }
        const QJsonArray recorders = check.value("recorders").toArray();
        QCOMPARE(recorders.size(), site.recorders().size());
        for (int i = 0; i < recorders.size(); ++i) {
            const QJsonObject shown = recorders.at(i).toObject();
            const RecorderFigures& rec = site.recorders().at(i);
            QCOMPARE(shown.value("id").toString(), rec.id);
            QCOMPARE(shown.value("channels").toInt(), rec.channelsUsed);
            QCOMPARE(shown.value("inputMbps").toDouble(), tenth(rec.inputKbps / 1024.0));
            QCOMPARE(shown.value("disks").toInteger(), rec.disks.value_or(-1));
            QCOMPARE(shown.value("state").toString(), checkStateName(rec.state));
        }
        const QJsonArray problems = check.value("problems").toArray();
        QCOMPARE(problems.size(), site.problems().size());
        for (int i = 0; i < problems.size(); ++i) {
            const QJsonObject shown = problems.at(i).toObject();
            const SiteProblem& problem = site.problems().at(i);
            QCOMPARE(shown.value("object").toString(), problem.object);
            QCOMPARE(shown.value("id").toString(), problem.id);
            QCOMPARE(shown.value("rule").toString(), problem.rule);
            QCOMPARE(shown.value("state").toString(), checkStateName(problem.state));
            QCOMPARE(shown.value("text").toString(), problem.text);
            if (problem.object == QLatin1String("switch") || problem.object == QLatin1String("recorder"))
                networkProblems << QStringLiteral("%1 %2 %3 %4").arg(QFileInfo(example.path).baseName(), problem.id,
                                                                     problem.rule, checkStateName(problem.state));
        }
        if (QFileInfo(example.path).baseName() == QLatin1String("city")) {
            QCOMPARE(site.switches().size(), 311);
            QCOMPARE(site.recorders().size(), 60);
        }
    }
    // The campus is a clean design and the city's only fault is its uplink;
    // the office's first draft shows one problem of each kind.
    QCOMPARE(networkProblems, QStringList({ "office-building parking uplink warn", "office-building parking poe over",
                                            "office-building nvr2 channels over" }));
}

QTEST_MAIN(tst_ExamplePlans)
#include "tst_ExamplePlans.moc"
