#include <data/DeviceConfigStore.h>
#include <data/DeviceKind.h>
#include <data/EncodingCalculator.h>
#include <data/PlanComparison.h>
#include <data/PlanFile.h>
#include <data/PlanTotals.h>
#include <data/PlanVariant.h>
#include <data/ShownRate.h>
#include <data/SiteCheck.h>
#include <data/StorageCalculator.h>

#include <QtTest>

// A plan beside a copy of itself with another codec: the figures are those
// of the tabs, and exactly the groups the codec reaches differ.
class tst_PlanComparison : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyWithAnotherCodec();
};

void tst_PlanComparison::copyWithAnotherCodec()
{
    const PlanFile::ReadResult read =
        PlanFile::read(QCoreApplication::applicationDirPath() + QStringLiteral("/examples/warehouse-yard.vantrel"));
    QVERIFY2(read.ok, qPrintable(read.error));
    const PlanData& plan = read.plan;
    const QString codec = QStringLiteral("H.264");
    EncodingCalculator calculator;
    const PlanData copy = PlanVariant::withEncoding(plan, codec, calculator);
    const PlanComparison comparison(plan, copy);

    // The plan's own figures, from the functions the tabs use.
    const PlanComparison::Figures& a = comparison.a();
    QCOMPARE(a.bandwidthText, PlanTotals(plan.groups).bandwidth().text());
    const StorageSizing sizing = StorageCalculator::size(plan.groups, plan.storage);
    QCOMPARE(a.storageTBText, sizing.tbText);
    QCOMPARE(a.disks, sizing.disks);
    const SiteCheck check(plan);
    int overs = 0;
    for (const SiteProblem& problem : check.problems())
        overs += problem.state == CheckState::Over ? 1 : 0;
    QVERIFY(overs > 0); // the example has cameras short of their level
    QCOMPARE(a.overs, overs);
    QCOMPARE(a.warnings, int(check.problems().size()) - overs);
    // H.264 needs more than the H.265 most groups use.
    QVERIFY(comparison.b().bandwidthKbps > a.bandwidthKbps);
    QVERIFY(comparison.b().storageTB > a.storageTB);

    QVERIFY(comparison.added().isEmpty());
    QVERIFY(comparison.removed().isEmpty());
    QMap<int, QStringList> changed;
    for (const PlanComparison::ChangedGroup& group : comparison.changed())
        changed.insert(group.number, group.fields);
    int fixedChanged = 0;
    for (int row = 0; row < plan.groups.size(); ++row) {
        const StructDeviceItem& before = plan.groups.at(row).device;
        const StructDeviceItem& after = copy.groups.at(row).device;
        QCOMPARE(changed.contains(before.groupNumber), before.encodingType != codec);
        if (before.encodingType == codec)
            continue;
        QVERIFY(changed.value(before.groupNumber).contains(QStringLiteral("encoding")));
        if (!before.sceneName.isEmpty())
            continue;
        // A fixed rate follows the codec as the editor's rate field does.
        calculator.setEncodeType(codec);
        const double frameRate = calculator.store().getFrameRateValue(before.frameRate, plan.videoStandard);
        const int kind = encodingCode(deviceKindFromText(before.deviceType).value_or(DeviceKind::Ipc));
        QCOMPARE(after.bitrate, double(ShownRate::wholeKbpsInt(
                                    calculator.calculateBitrate(kind, before.resolution, frameRate))));
        QVERIFY(changed.value(before.groupNumber).contains(QStringLiteral("bitrateKbps")));
        ++fixedChanged;
    }
    QVERIFY(fixedChanged > 0);
}

QTEST_GUILESS_MAIN(tst_PlanComparison)
#include "tst_PlanComparison.moc"
