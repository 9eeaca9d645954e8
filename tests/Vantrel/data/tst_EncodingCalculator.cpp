#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>
#include <data/ShownRate.h>

#include <TempProgramDir.h>

#include <QtTest>

#include <cmath>

namespace {

const QByteArray kFrameXml =
    "<Frame>"
    "<NTSC><I><Show>30</Show><Value>30</Value></I><I><Show>10</Show><Value>10</Value></I>"
    "<I><Show>1</Show><Value>1</Value></I></NTSC>"
    "<PAL><I><Show>25</Show><Value>25</Value></I><I><Show>10</Show><Value>10</Value></I>"
    "<I><Show>5</Show><Value>5</Value></I><I><Show>1/2</Show><Value>0.5</Value></I></PAL>"
    "</Frame>";

// Tables whose rows are named by their position, R0 the largest, each with
// half the base bitrate of the row before it.
void writeTables(const TempProgramDir& dir, int ipcRows, int dvrRows)
{
    dir.write(QStringLiteral("IPCBitrateConfig.xml"), "<L/>");
    dir.write(QStringLiteral("DVRBitrateConfig.xml"), "<L/>");
    dir.write(QStringLiteral("Frame.xml"), kFrameXml);
    dir.write(QStringLiteral("NetworkConnection.xml"), "<L/>");
    QStringList ipc;
    double rate = 1 << 20;
    for (int row = 0; row < ipcRows; ++row, rate /= 2)
        ipc << QStringLiteral("R%1,%2").arg(row).arg(qMax(1, int(rate)));
    dir.writeLines(QStringLiteral("IPCBitrate/H.264.csv"), ipc);
    QStringList dvr;
    rate = 1 << 20;
    for (int row = 0; row < dvrRows; ++row, rate /= 2)
        dvr << QStringLiteral("R%1,%2").arg(row).arg(qMax(1, int(rate)));
    dir.writeLines(QStringLiteral("DVRBitrate/H.264.csv"), dvr);
    dir.writeLines(QStringLiteral("IPCBitrate/FLAT.csv"), {QStringLiteral("A,1000"), QStringLiteral("B,1000"),
                                                          QStringLiteral("A,5")});
}

CodeParameter parameter(double bandwidth, int streams = 1, int deviceType = 0, int streamType = 0)
{
    CodeParameter p;
    p.bandwidth = bandwidth;
    p.streamCount = streams;
    p.deviceType = deviceType;
    p.streamType = streamType;
    return p;
}

} // namespace

class tst_EncodingCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults();
    void bitrateFactor_data();
    void bitrateFactor();
    void unknownResolutionOrEncoding();
    void duplicateRowsUseTheFirst();
    void bandwidthProduct();
    void searchOrder();
    void budgetExactlyEqualFits();
    void noFit_data();
    void noFit();
    void subStreamStartRows_data();
    void subStreamStartRows();
    void searchSetsEncodingType();
    void searchOverALongTable();
    void shownRatesAreNeverNegative();
    void shippedTablesAnswerCommonLinks();
};

void tst_EncodingCalculator::defaults()
{
    const StructDeviceItem item;
    QCOMPARE(item.bitrate, 0.0001);
    QCOMPARE(item.groupNumber, 0);
    QVERIFY(item.sceneName.isEmpty());
    const CodeParameter p;
    QCOMPARE(p.streamCount, 1);
    QCOMPARE(p.encodingType, QStringLiteral("H.264"));
    QCOMPARE(p.bandwidth, 0.0);
    TempProgramDir dir;
    const EncodingCalculator calculator;
    QCOMPARE(calculator.encodeType(), QStringLiteral("H.264"));
}

void tst_EncodingCalculator::bitrateFactor_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<double>("fps");
    QTest::addColumn<double>("factor");
    const double ipc[][2] = {{30, 1.2}, {25, 1.0}, {20, 0.8}, {15, 0.6}, {10, 0.4}, {8, 0.324},
                             {5, 0.4 * std::pow(0.9, 5)}, {2, 0.4 * std::pow(0.9, 8)},
                             {1, 0.4 * std::pow(0.9, 9)}, {0.5, 0.4 * std::pow(0.9, 9)},
                             {0, 0.4 * std::pow(0.9, 9)}, {9.5, 0.4 * std::pow(0.9, 0.5)}};
    for (const auto& row : ipc)
        QTest::addRow("IPC %g fps", row[0]) << 0 << row[0] << row[1];
    const double dvr[][2] = {{30, 1.16}, {25, 1.0}, {20, 0.84}, {15, 0.68}, {10, 0.52}, {8, 0.456},
                             {5, 0.36}, {2, 0.264}, {1, 0.232}, {0.5, 0.216}};
    for (const auto& row : dvr)
        QTest::addRow("DVR %g fps", row[0]) << 1 << row[0] << row[1];
}

void tst_EncodingCalculator::bitrateFactor()
{
    QFETCH(int, deviceType);
    QFETCH(double, fps);
    QFETCH(double, factor);
    TempProgramDir dir;
    dir.writeLines(QStringLiteral("IPCBitrate/H.264.csv"), {QStringLiteral("1080P,4000")});
    dir.writeLines(QStringLiteral("DVRBitrate/H.264.csv"), {QStringLiteral("1080P,4000")});
    EncodingCalculator calculator;
    QVERIFY(qAbs(calculator.calculateBitrate(deviceType, QStringLiteral("1080P"), fps) - 4000 * factor) < 1e-6);
}

void tst_EncodingCalculator::unknownResolutionOrEncoding()
{
    TempProgramDir dir;
    writeTables(dir, 4, 4);
    EncodingCalculator calculator;
    QCOMPARE(calculator.calculateBitrate(0, QStringLiteral("nope"), 25), 0.0);
    QCOMPARE(calculator.calculateBitrate(1, QStringLiteral("nope"), 25), 0.0);
    calculator.setEncodeType(QStringLiteral("H.265"));
    QCOMPARE(calculator.calculateBitrate(0, QStringLiteral("R0"), 25), 0.0);
    QString resolution = QStringLiteral("keep");
    QString frameRate = QStringLiteral("keep");
    CodeParameter p = parameter(1e9);
    p.encodingType = QStringLiteral("H.265");
    QVERIFY(!calculator.calculateResolutionFirst(resolution, frameRate, p));
    QVERIFY(!calculator.calculateFrameRateFirst(resolution, frameRate, p));
    QCOMPARE(resolution, QStringLiteral("keep"));
    QCOMPARE(frameRate, QStringLiteral("keep"));
    p.encodingType = QStringLiteral("H.264");
    p.deviceType = 2;
    QVERIFY(!calculator.calculateResolutionFirst(resolution, frameRate, p));
}

void tst_EncodingCalculator::duplicateRowsUseTheFirst()
{
    TempProgramDir dir;
    writeTables(dir, 2, 2);
    EncodingCalculator calculator;
    calculator.setEncodeType(QStringLiteral("FLAT"));
    QCOMPARE(calculator.calculateBitrate(0, QStringLiteral("A"), 25), 1000.0);
}

void tst_EncodingCalculator::bandwidthProduct()
{
    TempProgramDir dir;
    const EncodingCalculator calculator;
    QCOMPARE(calculator.calculateBandwidth(1024, 8, 2), 16384.0);
    QCOMPARE(calculator.calculateBandwidth(204800, 512, 512), 204800.0 * 512 * 512);
    QCOMPARE(calculator.calculateBandwidth(-1, 2, 3), -6.0);
}

void tst_EncodingCalculator::searchOrder()
{
    TempProgramDir dir;
    writeTables(dir, 6, 6);
    EncodingCalculator calculator;
    // Budget 43750 kbps. R2 (262144 base) is the largest row that fits at
    // any rate, at 1/2 fps (0.155 x base); at 25 fps only R5 (32768) fits.
    const CodeParameter p = parameter(62500);
    QString resolution;
    QString frameRate;
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, p));
    QCOMPARE(resolution, QStringLiteral("R2"));
    QCOMPARE(frameRate, QStringLiteral("1/2"));
    QVERIFY(calculator.calculateFrameRateFirst(resolution, frameRate, p));
    QCOMPARE(resolution, QStringLiteral("R5"));
    QCOMPARE(frameRate, QStringLiteral("25"));

    // The fit carries the numbers the search judged by: "1/2" is 0.5 fps,
    // and its rate is the bitrate at that frame rate, not at 0 fps.
    const std::optional<EncodingFit> fit = calculator.resolutionFirst(p);
    QVERIFY(fit);
    QCOMPARE(fit->resolution, QStringLiteral("R2"));
    QCOMPARE(fit->frameRateText, QStringLiteral("1/2"));
    QCOMPARE(fit->frameRate, 0.5);
    QCOMPARE(fit->kbps, calculator.calculateBitrate(0, QStringLiteral("R2"), 0.5));
    QVERIFY(!calculator.frameRateFirst(parameter(0)));
}

void tst_EncodingCalculator::budgetExactlyEqualFits()
{
    TempProgramDir dir;
    dir.write(QStringLiteral("IPCBitrateConfig.xml"), "<L/>");
    dir.write(QStringLiteral("DVRBitrateConfig.xml"), "<L/>");
    dir.write(QStringLiteral("Frame.xml"), kFrameXml);
    dir.writeLines(QStringLiteral("IPCBitrate/H.264.csv"), {QStringLiteral("Big,7000"), QStringLiteral("Small,700")});
    EncodingCalculator calculator;
    QString resolution;
    QString frameRate;
    // 10000 * 0.7 = 7000 = Big at 25 fps.
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, parameter(10000)));
    QCOMPARE(resolution, QStringLiteral("Big"));
    QCOMPARE(frameRate, QStringLiteral("25"));
    // Two streams halve the budget: Big fits only at a lower rate.
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, parameter(10000, 2)));
    QCOMPARE(resolution, QStringLiteral("Big"));
    QCOMPARE(frameRate, QStringLiteral("10"));
}

void tst_EncodingCalculator::noFit_data()
{
    QTest::addColumn<double>("bandwidth");
    QTest::addColumn<int>("streams");
    QTest::newRow("no streams") << 1e9 << 0;
    QTest::newRow("negative streams") << 1e9 << -3;
    QTest::newRow("no bandwidth") << 0.0 << 1;
    QTest::newRow("negative bandwidth") << -100.0 << 1;
}

void tst_EncodingCalculator::noFit()
{
    QFETCH(double, bandwidth);
    QFETCH(int, streams);
    TempProgramDir dir;
    writeTables(dir, 4, 4);
    EncodingCalculator calculator;
    QString resolution = QStringLiteral("0");
    QString frameRate = QStringLiteral("0");
    QVERIFY(!calculator.calculateResolutionFirst(resolution, frameRate, parameter(bandwidth, streams)));
    QVERIFY(!calculator.calculateFrameRateFirst(resolution, frameRate, parameter(bandwidth, streams)));
    QCOMPARE(resolution, QStringLiteral("0"));
    QCOMPARE(frameRate, QStringLiteral("0"));
}

void tst_EncodingCalculator::subStreamStartRows_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QString>("resolutionFirst");
    QTest::addColumn<QString>("frameRateFirst");
    QTest::newRow("IPC skips 18 rows, or 8 rate first") << 0 << "R18" << "R8";
    QTest::newRow("DVR skips 6 rows") << 1 << "R6" << "R6";
}

void tst_EncodingCalculator::subStreamStartRows()
{
    QFETCH(int, deviceType);
    QFETCH(QString, resolutionFirst);
    QFETCH(QString, frameRateFirst);
    TempProgramDir dir;
    writeTables(dir, 24, 11);
    EncodingCalculator calculator;
    // An endless link: the first candidate after the skipped rows wins.
    const CodeParameter p = parameter(1e12, 1, deviceType, 1);
    QString resolution;
    QString frameRate;
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, p));
    QCOMPARE(resolution, resolutionFirst);
    QVERIFY(calculator.calculateFrameRateFirst(resolution, frameRate, p));
    QCOMPARE(resolution, frameRateFirst);
    QCOMPARE(frameRate, QStringLiteral("25"));

    // Main stream starts at the top.
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, parameter(1e12, 1, deviceType, 0)));
    QCOMPARE(resolution, QStringLiteral("R0"));

    // A start row past the end of a short table finds nothing.
    TempProgramDir small;
    writeTables(small, 5, 5);
    EncodingCalculator shortTables;
    QVERIFY(!shortTables.calculateResolutionFirst(resolution, frameRate, p));
    QVERIFY(!shortTables.calculateFrameRateFirst(resolution, frameRate, p));
}

void tst_EncodingCalculator::searchSetsEncodingType()
{
    TempProgramDir dir;
    writeTables(dir, 4, 4);
    EncodingCalculator calculator;
    CodeParameter p = parameter(1e9);
    p.encodingType = QStringLiteral("FLAT");
    QString resolution;
    QString frameRate;
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, p));
    QCOMPARE(resolution, QStringLiteral("A"));
    QCOMPARE(calculator.encodeType(), QStringLiteral("FLAT"));
}

void tst_EncodingCalculator::shippedTablesAnswerCommonLinks()
{
    TempProgramDir dir(TempProgramDir::ShippedData);
    EncodingCalculator calculator;
    // 1080P H.264 at 25 fps is 4096 kbps: a 10 Mbps link with one stream
    // (7168 kbps usable) carries it, a 4 Mbps link does not.
    QCOMPARE(calculator.calculateBitrate(0, QStringLiteral("1080P(1920x1080)"), 25), 4096.0);
    QString resolution;
    QString frameRate;
    QVERIFY(calculator.calculateFrameRateFirst(resolution, frameRate, parameter(10 * 1024)));
    QCOMPARE(frameRate, QStringLiteral("50"));
    const double rate = calculator.calculateBitrate(0, resolution, frameRate.toDouble());
    QVERIFY(rate <= 10 * 1024 * 0.7);
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, parameter(10 * 1024)));
    QVERIFY(calculator.calculateBitrate(0, resolution, frameRate.toDouble()) <= 10 * 1024 * 0.7);
}


void tst_EncodingCalculator::searchOverALongTable()
{
    // Each trial once looked its row up by name: 100000 rows that never fit
    // took hours. Now each row is looked up once per question.
    TempProgramDir dir;
    writeTables(dir, 1, 1);
    QByteArray table;
    for (int row = 0; row < 100000; ++row)
        table += "R" + QByteArray::number(row) + "," + QByteArray::number(1048576 - row / 10) + "\n";
    table += "Last,1\n";
    dir.write(QStringLiteral("IPCBitrate/H.264.csv"), table);
    EncodingCalculator calculator;
    QString resolution;
    QString frameRate;
    // Only the last row fits, and only at 1/2 fps: every candidate is tried.
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, parameter(0.155 / 0.7 + 0.01)));
    QCOMPARE(resolution, QStringLiteral("Last"));
    QCOMPARE(frameRate, QStringLiteral("1/2"));
    QVERIFY(calculator.calculateFrameRateFirst(resolution, frameRate, parameter(0.155 / 0.7 + 0.01)));
    QCOMPARE(resolution, QStringLiteral("Last"));
}

void tst_EncodingCalculator::shownRatesAreNeverNegative()
{
    // 2147483647 kbps at 50 fps once showed as -2147483648.
    const double huge = EncodingCalculator::bitrateFromTableRate(0, 2147483647.0, 50);
    QCOMPARE(ShownRate::wholeKbpsInt(huge), std::numeric_limits<int>::max());
    QCOMPARE(ShownRate::wholeKbps(huge), qint64(4294967294));
    QCOMPARE(ShownRate::wholeKbps(std::numeric_limits<double>::infinity()), ShownRate::kMaxWholeKbps);
    QCOMPARE(ShownRate::wholeKbps(std::nan("")), qint64(0));
    QCOMPARE(ShownRate::wholeKbpsInt(-3.5), 0);
    QCOMPARE(ShownRate::wholeKbpsInt(4095.9), 4095);
}

QTEST_GUILESS_MAIN(tst_EncodingCalculator)
#include "tst_EncodingCalculator.moc"
