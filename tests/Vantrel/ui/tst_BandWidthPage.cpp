#include "BandWidthPage/BandWidthPage.h"
#include "UplinkGauge/UplinkGauge.h"
#include "UplinkPicker/UplinkPicker.h"

#include <Fenwork/Label.h>

#include <QFont>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QtTest>

namespace {

QString countText(const QString& colour, const QString& value, const QString& caption)
{
    return "<html><head/><body>\t\t<p align=\"center\">\t\t<span style=\" font-family:'Arial'; font-size:30px; "
           "font-weight:600; color:" + colour + ";\">\t\t" + value + "\t\t</span>\t\t<br></br>\t\t"
           "<span style=\" font-family:'Arial'; font-size:14px; color:#959595;\">\t\t" + caption
        + "\t\t</span></p>\t\t</body></html>";
}

QString totalText(const QString& value, const QString& caption, int figurePixels = 72)
{
    return "<html><head/><body>\t\t<p align=\"center\">\t\t<span style=\" font-family:'Arial'; font-size:"
           + QString::number(figurePixels) + "px; font-weight:600; color:#0098f8;\">" + value + "</span>\t\t<br/>\t\t<span style=\" font-family:'Arial'; "
           "color:#dedede;\">----</span>\t\t<br/><br/>\t\t<span style=\" font-family:'Arial'; font-size:14px; "
           "color:#959595;\">" + caption + "</span>\t\t</p>\t\t</body></html>";
}

QString labelText(const BandWidthPage& page, const char* name)
{
    const auto* label = page.findChild<aptui::Label*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// The pixel size the total's figure is drawn at, read back from the label.
int figurePixels(const QString& labelText)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("font-size:(\\d+)px; font-weight:600; color:#0098f8")).match(labelText);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Whether a figure fits the 228 px column, with its few pixels of air, in the
// font this machine actually draws "Arial" with.
bool figureFitsColumn(const QString& value, int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setWeight(QFont::DemiBold);
    return QFontMetrics(font).horizontalAdvance(value) <= 228 - 12;
}

} // namespace

class tst_BandWidthPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startValues();
    void allCounts_data();
    void allCounts();
    void figureIsNotTakenForAMarker();
    void form();
    void totalGrowsWithItsFont();
    void longTotalFitsTheColumn();
};

void tst_BandWidthPage::startValues()
{
    // An empty plan's figures, never made-up ones, until a plan is shown.
    BandWidthPage page;
    page.show();
    QCOMPARE(labelText(page, "channelLabel"), countText("#5e6fec", "0", "Channel Counts"));
    QCOMPARE(labelText(page, "IPCLabel"), countText("#00c8ec", "0", "IPC Counts"));
    QCOMPARE(labelText(page, "DVRLabel"), countText("#a2e4c4", "0", " DVR Counts"));
    QCOMPARE(labelText(page, "bandWidthLabel"), totalText("0.0", "Total Band Width(Kpbs)"));
}

void tst_BandWidthPage::allCounts_data()
{
    QTest::addColumn<QStringList>("figures");
    QTest::newRow("empty list") << QStringList{ "0", "0", "0", "0", "Kpbs" };
    QTest::newRow("one group") << QStringList{ "4", "4", "0", "860.2", "Kpbs" };
    QTest::newRow("mixed, large") << QStringList{ "512", "200", "312", "1.25", "Gpbs" };
}

void tst_BandWidthPage::allCounts()
{
    QFETCH(QStringList, figures);
    BandWidthPage page;
    page.show(); // the figure is sized to the column on screen
    page.onSetAllCount(figures[0], figures[1], figures[2], figures[3], figures[4]);
    QCOMPARE(labelText(page, "channelLabel"), countText("#5e6fec", figures[0], "Channel Counts"));
    QCOMPARE(labelText(page, "IPCLabel"), countText("#00c8ec", figures[1], "IPC Counts"));
    QCOMPARE(labelText(page, "DVRLabel"), countText("#a2e4c4", figures[2], " DVR Counts"));
    // Which figures keep the full 72 px depends on the fonts installed, so
    // the size is checked against the font in use rather than a constant.
    const QString total = labelText(page, "bandWidthLabel");
    const int pixels = figurePixels(total);
    QVERIFY2(pixels > 0 && pixels <= 72, qPrintable(total));
    QVERIFY(figureFitsColumn(figures[3], pixels));
    if (figureFitsColumn(figures[3], 72))
        QCOMPARE(pixels, 72);
    QCOMPARE(total, totalText(figures[3], "Total Band Width(" + figures[4] + ")", pixels));
}

void tst_BandWidthPage::figureIsNotTakenForAMarker()
{
    BandWidthPage page;
    page.setChannelCount(QStringLiteral("%2"));
    page.show(); // the form is made with the count given before
    QCOMPARE(labelText(page, "channelLabel"), countText("#5e6fec", "%2", "Channel Counts"));
}

void tst_BandWidthPage::form()
{
    BandWidthPage page;
    // The form is made when the page is first shown.
    QVERIFY(!page.hasForm() && !page.findChild<aptui::Label*>());
    page.show();
    QCOMPARE(page.objectName(), QStringLiteral("BandWidthPage"));
    QCOMPARE(page.windowTitle(), QStringLiteral("DataCalculatorPage"));
    // The column narrows beside a narrow window's list.
    QCOMPARE(page.minimumWidth(), 150);
    QCOMPARE(page.maximumWidth(), 228);
    const QList<QPair<QString, int>> fixedHeights{
        { "channelLabel", 120 }, { "IPCLabel", 100 }, { "DVRLabel", 100 }
    };
    for (const auto& [name, height] : fixedHeights) {
        const auto* label = page.findChild<aptui::Label*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->minimumHeight(), height);
        QCOMPARE(label->maximumHeight(), height);
    }
    // The total keeps at least its 140 px and grows when the fonts at hand
    // need more, so the caption under the 72 px figure is never cut; it is
    // measured once the page is on screen.
    const auto* total = page.findChild<aptui::Label*>("bandWidthLabel");
    QVERIFY(total);
    QCOMPARE(total->minimumHeight(), total->maximumHeight());
    QVERIFY(total->minimumHeight() >= 140);
    QVERIFY(total->minimumHeight() >= total->sizeHint().height());

    // The gauge took the picture's place and name.
    QVERIFY(page.findChild<UplinkGauge*>("picLabel"));
    QVERIFY(page.findChild<UplinkPicker*>("uplinkPicker"));
}

void tst_BandWidthPage::totalGrowsWithItsFont()
{
    BandWidthPage page;
    page.show();
    QFont large = page.font();
    large.setPointSize(20);
    page.setFont(large);
    const auto* total = page.findChild<aptui::Label*>("bandWidthLabel");
    QVERIFY(total->sizeHint().height() > 140);
    QCOMPARE(total->height(), total->sizeHint().height());

    QFont small = page.font();
    small.setPixelSize(6);
    page.setFont(small);
    page.setBandWidthCount(QStringLiteral("1.1"), QStringLiteral("Gpbs"));
    QCOMPARE(total->minimumHeight(), std::max(140, total->sizeHint().height()));
}

void tst_BandWidthPage::longTotalFitsTheColumn()
{
    BandWidthPage page;
    page.show();
    const auto* total = page.findChild<aptui::Label*>("bandWidthLabel");
    page.setBandWidthCount(QStringLiteral("999.9"), QStringLiteral("Gpbs"));
    const bool shortFitsAtFullSize = total->text().contains(QStringLiteral("font-size:72px"));
    // 1024 kbps exactly stays in Kpbs: six characters.
    page.setBandWidthCount(QStringLiteral("1024.0"), QStringLiteral("Kpbs"));
    QVERIFY(total->sizeHint().width() <= 228);
    QVERIFY(total->text().contains(QStringLiteral(">1024.0<")));
    if (shortFitsAtFullSize)
        QVERIFY(!total->text().contains(QStringLiteral("font-size:72px")));
    QVERIFY(total->text().contains(QStringLiteral("Total Band Width(Kpbs)")));
}

QTEST_MAIN(tst_BandWidthPage)
#include "tst_BandWidthPage.moc"
