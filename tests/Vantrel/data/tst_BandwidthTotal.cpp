#include <data/BandwidthTotal.h>

#include <QtTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(BandwidthTotal::Unit)

// The figure the bandwidth result shows: margin, rounding up to whole kbps and
// to a tenth of the unit, units stepping by 1024, and the cap in Gpbs.
class TestBandwidthTotal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shownFigure_data();
    void shownFigure();
    void marginRoundsUpToWholeKbps();
    void badLoadsCountAsNothing();
    void hugeSumsGiveTheTrueFigure();
};

void TestBandwidthTotal::shownFigure_data()
{
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("text");
    QTest::addColumn<BandwidthTotal::Unit>("unit");

    // The sums are chosen so that sum * 10 / 7 lands just below the total.
    using U = BandwidthTotal::Unit;
    QTest::newRow("nothing") << 0.0 << 0.0 << "0.0" << U::Kpbs;
    QTest::newRow("1 kbps load needs 2") << 1.0 << 2.0 << "2.0" << U::Kpbs;
    QTest::newRow("exactly 1024 stays Kpbs") << 716.7 << 1024.0 << "1024.0" << U::Kpbs;
    QTest::newRow("1025 rounds up to 1.1 Mpbs") << 717.4 << 1025.0 << "1.1" << U::Mpbs;
    QTest::newRow("exactly 2048 is 2.0 Mpbs") << 1433.5 << 2048.0 << "2.0" << U::Mpbs;
    QTest::newRow("4 channels of 4096") << 16384.0 << 23406.0 << "22.9" << U::Mpbs;
    QTest::newRow("exactly 1048576 stays Mpbs") << 734003.1 << 1048576.0 << "1024.0" << U::Mpbs;
    QTest::newRow("1048577 rounds up to 1.1 Gpbs") << 734003.8 << 1048577.0 << "1.1" << U::Gpbs;
    // 999.8 Gpbs less a little: single precision still rounds to 999.8.
    QTest::newRow("below the cap") << 733856399.0 << 1048366285.0 << "999.8" << U::Gpbs;
    QTest::newRow("1000 Gpbs") << 734003200.0 << 1048576000.0 << "1000.0" << U::Gpbs;
}

void TestBandwidthTotal::shownFigure()
{
    QFETCH(double, sum);
    QFETCH(double, total);
    QFETCH(QString, text);
    QFETCH(BandwidthTotal::Unit, unit);

    const BandwidthTotal bandwidth(sum);
    QCOMPARE(bandwidth.total(), total);
    QCOMPARE(bandwidth.text(), text);
    QCOMPARE(bandwidth.unit(), unit);
    // Only the window's field marks a figure beyond its reach.
    QCOMPARE(bandwidth.windowText(), total > 1048471142.0 ? QStringLiteral("\u2265 999.9") : text);
}

void TestBandwidthTotal::marginRoundsUpToWholeKbps()
{
    // 7 kbps of load need exactly 10; a hair more needs 11.
    QCOMPARE(BandwidthTotal(7.0).total(), 10.0);
    QCOMPARE(BandwidthTotal(7.0001).total(), 11.0);

    BandwidthTotal summed;
    summed.add(8 * 2 * 1024.0); // a DVR group of 8 channels, 2 streams
    summed.add(4 * 4096.0);
    QCOMPARE(summed.sum(), 32768.0);
    QCOMPARE(summed.text(), QStringLiteral("45.8")); // 46812 / 1024 = 45.71...
}

void TestBandwidthTotal::badLoadsCountAsNothing()
{
    BandwidthTotal total;
    total.add(1000.0);
    total.add(-4.0); // a scene without a recommended rate
    total.add(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(total.sum(), 1000.0);
    QCOMPARE(total.text(), QStringLiteral("1.4"));
    QCOMPARE(total.unit(), BandwidthTotal::Unit::Mpbs);

    QCOMPARE(BandwidthTotal(-1.0).text(), QStringLiteral("0.0"));
    QCOMPARE(BandwidthTotal(std::nan("")).text(), QStringLiteral("0.0"));
}

void TestBandwidthTotal::hugeSumsGiveTheTrueFigure()
{
    // Thousands of groups of 512 channels x 512 streams at the highest rate:
    // 383,479,222,857,143 kbps.
    BandwidthTotal total;
    for (int group = 0; group < 5000; ++group)
        total.add(512.0 * 204800.0 * 512.0);
    QCOMPARE(total.text(), QStringLiteral("365714285.8"));
    QCOMPARE(total.windowText(), QStringLiteral("\u2265 999.9"));
    QCOMPARE(BandwidthTotal::unitName(total.unit()), QStringLiteral("Gbps"));

    const BandwidthTotal infinite(std::numeric_limits<double>::infinity());
    QCOMPARE(infinite.text(), QStringLiteral("0.0"));
}

QTEST_GUILESS_MAIN(TestBandwidthTotal)
#include "tst_BandwidthTotal.moc"
