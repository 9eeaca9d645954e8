#include "EncodeingPage/EncodeingPage.h"

#include <Fenwork/Label.h>

#include <QtTest>

namespace {

const QString kAccent = QStringLiteral("#5e6fec");
const QString kGrey = QStringLiteral("#959595");

QString titleText(int big, int small, const QString& pre, const QString& next)
{
    return QStringLiteral("<html><head/><body><p>\t<span style=\" font-size:%1px; font-weight:600; "
                          "font-family:'Arial' ;color:#5a5a5a;\">%3</span>\t<span style=\" font-size:%2px; "
                          "font-weight:600; font-family:'Arial';color:#5a5a5a\">%4</span>\t</p></body></html>")
        .arg(QString::number(big), QString::number(small), pre, next);
}

QString valueText(const QString& colour, int big, int small, const QString& value, const QString& section)
{
    return QStringLiteral("<html><head/><body><p align=\"center\">\t<span style=\" font-family:'Arial'; "
                          "font-size:%1px; font-weight:600; color:%3;\">%4</span>\t<br/>\t<span style=\" "
                          "font-family:'Arial'; font-size:%2px; color:#959595;\">%5</span>\t</p></body></html>")
        .arg(QString::number(big), QString::number(small), colour, value, section);
}

QString unitText(const QString& colour, int big, int small, const QString& count, const QString& unit,
                 const QString& section)
{
    return QStringLiteral("<html><head/><body><p align=\"center\">\t<span style=\" font-family:'Arial'; "
                          "font-size:%1px; font-weight:600; color:%3;\">%4</span>\t<br/>\t<span style=\" "
                          "font-family:'Arial'; font-size:%1px; color:%3;\">%5</span>\t<br/>\t<span style=\" "
                          "font-family:'Arial'; font-size:%2px; color:#959595;\">%6</span>\t</p></body></html>")
        .arg(QString::number(big), QString::number(small), colour, count, unit, section);
}

aptui::Label* label(const EncodeingPage& page, const char* name)
{
    return page.findChild<aptui::Label*>(QString::fromLatin1(name));
}

// Shows the page at the given height, which is what sets its font sizes.
void showAtHeight(EncodeingPage& page, int height)
{
    page.resize(663, height);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.height(), height);
}

} // namespace

class tst_EncodeingPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startState();
    void title_data();
    void title();
    void resolutionText_data();
    void resolutionText();
    void emphasis_data();
    void emphasis();
    void resizeRedrawsStoredTexts();
    void recolouringIsNotUndone();
    void formProportions();
};

void tst_EncodeingPage::startState()
{
    EncodeingPage page;
    QCOMPARE(page.objectName(), QStringLiteral("EncodeingPage"));
    QCOMPARE(page.prefer(), PreferResolution);
    QCOMPARE(page.title(), QStringLiteral("10"));
    QCOMPARE(page.resolution(), QStringLiteral("20"));
    QCOMPARE(page.frameRate(), QStringLiteral("30"));
    QCOMPARE(page.bitRate(), QStringLiteral("40"));
    for (const char* name : { "titleLabel", "resolutionLabel", "frameRateLabel", "bitRateLabel" })
        QVERIFY2(label(page, name), name);

    // Until the first resize the sizes are the smallest readable ones: at 0
    // a page that was never resized while shown stayed blank.
    page.setFrameRate(QStringLiteral("25"));
    QCOMPARE(label(page, "frameRateLabel")->text(), valueText(kAccent, 14, 10, "25", "Frame Rate"));
}

void tst_EncodeingPage::title_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("next");
    QTest::newRow("frame rate page") << "Frame Rate" << " Priority Calculate Result 1";
    QTest::newRow("resolution page") << "Resolution" << " Priority Calculate Result 2";
    QTest::newRow("any other title") << "Bit Rate" << " Priority Calculate Result 2";
    QTest::newRow("case matters") << "frame rate" << " Priority Calculate Result 2";
}

void tst_EncodeingPage::title()
{
    QFETCH(QString, title);
    QFETCH(QString, next);
    EncodeingPage page;
    showAtHeight(page, 500);
    page.setTitle(title);
    QCOMPARE(page.title(), title);
    QCOMPARE(label(page, "titleLabel")->text(), titleText(30, 24, title, next));
}

void tst_EncodeingPage::resolutionText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");

    // The resolution page emphasises its resolution: 60 / 30 px at height 500.
    // The page keeps the name as the bitrate table gives it.
    QTest::newRow("x becomes times") << "1280x720" << "1280x720"
                                     << valueText(kAccent, 60, 30, "1280&times;720", "Resolution");
    QTest::newRow("split at bracket") << "1080P(1920x1080)" << "1080P(1920x1080)"
                                      << unitText(kAccent, 60, 30, "1080P", "(1920&times;1080)", "Resolution");
    QTest::newRow("upper-case X kept") << "1280X720" << "1280X720"
                                       << valueText(kAccent, 60, 30, "1280X720", "Resolution");
    // A table's name is text, whatever it looks like.
    QTest::newRow("entity shown as written") << "1280&times;720" << "1280&times;720"
                                             << valueText(kAccent, 60, 30, "1280&amp;times;720", "Resolution");
    QTest::newRow("tag shown as written")
        << "720P<br/>(1280x720)" << "720P<br/>(1280x720)"
        << unitText(kAccent, 60, 30, "720P&lt;br/&gt;", "(1280&times;720)", "Resolution");
    QTest::newRow("second bracket dropped") << "4K(3840(2160" << "4K(3840(2160"
                                            << unitText(kAccent, 60, 30, "4K", "(3840", "Resolution");
    QTest::newRow("failed search") << "0" << "0" << valueText(kAccent, 60, 30, "0", "Resolution");
}

void tst_EncodeingPage::resolutionText()
{
    QFETCH(QString, input);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    EncodeingPage page;
    showAtHeight(page, 500);
    page.setResolution(input);
    QCOMPARE(page.resolution(), stored);
    QCOMPARE(label(page, "resolutionLabel")->text(), shown);
    QCOMPARE(label(page, "resolutionLabel")->toolTip(), shown);
}

void tst_EncodeingPage::emphasis_data()
{
    QTest::addColumn<ValuePreferSection>("prefer");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<QString>("bitRate");

    QTest::newRow("resolution") << PreferResolution << valueText(kAccent, 60, 30, "1280&times;720", "Resolution")
                                << valueText(kGrey, 50, 25, "25", "Frame Rate")
                                << valueText(kGrey, 50, 25, "1843", "Bit Rate (kbps)");
    QTest::newRow("frame rate") << PreferFrameRate << valueText(kGrey, 50, 25, "1280&times;720", "Resolution")
                                << valueText(kAccent, 65, 32, "25", "Frame Rate")
                                << valueText(kGrey, 50, 25, "1843", "Bit Rate (kbps)");
    QTest::newRow("bitrate") << PreferBitRate << valueText(kGrey, 50, 25, "1280&times;720", "Resolution")
                             << valueText(kGrey, 50, 25, "25", "Frame Rate")
                             << valueText(kAccent, 60, 30, "1843", "Bit Rate (kbps)");
}

void tst_EncodeingPage::emphasis()
{
    QFETCH(ValuePreferSection, prefer);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QFETCH(QString, bitRate);

    // As the capacity page does it: built with the default, emphasis given once.
    EncodeingPage page;
    page.setPrefer(prefer);
    QCOMPARE(page.prefer(), prefer);
    showAtHeight(page, 500);
    page.setAllInformation(QStringLiteral("1280x720"), QStringLiteral("25"), QStringLiteral("1843"));
    QCOMPARE(label(page, "resolutionLabel")->text(), resolution);
    QCOMPARE(label(page, "frameRateLabel")->text(), frameRate);
    QCOMPARE(label(page, "bitRateLabel")->text(), bitRate);
    QCOMPARE(label(page, "bitRateLabel")->toolTip(), bitRate);

    // The resolution with its bracketed unit greys both accent spans too.
    page.setResolution(QStringLiteral("1080P(1920x1080)"));
    const QString colour = prefer == PreferResolution ? kAccent : kGrey;
    const int big = prefer == PreferResolution ? 60 : 50;
    QCOMPARE(label(page, "resolutionLabel")->text(),
             unitText(colour, big, big / 2, "1080P", "(1920&times;1080)", "Resolution"));
}

void tst_EncodeingPage::resizeRedrawsStoredTexts()
{
    EncodeingPage page(nullptr, PreferFrameRate);
    page.setTitle(QStringLiteral("Frame Rate"));
    page.setAllInformation(QStringLiteral("720P(1280x720)"), QStringLiteral("12"), QStringLiteral("768"));
    showAtHeight(page, 500);
    page.resize(663, 333);
    QTRY_COMPARE(page.height(), 333);

    // 0.06 * 333 = 19.98, 0.048 * 333 = 15.98, 0.1 * 333 = 33.3, 0.05 * 333 = 16.65: truncated.
    QCOMPARE(label(page, "titleLabel")->text(), titleText(19, 15, "Frame Rate", " Priority Calculate Result 1"));
    QCOMPARE(label(page, "resolutionLabel")->text(),
             unitText(kAccent, 33, 16, "720P", "(1280&times;720)", "Resolution"));
    // 33 * 1.3 = 42.9 and 16 * 1.3 = 20.8, truncated.
    QCOMPARE(label(page, "frameRateLabel")->text(), valueText(kAccent, 42, 20, "12", "Frame Rate"));
    QCOMPARE(label(page, "bitRateLabel")->text(), valueText(kAccent, 33, 16, "768", "Bit Rate (kbps)"));
}

void tst_EncodeingPage::recolouringIsNotUndone()
{
    EncodeingPage page;
    page.setPrefer(PreferFrameRate);
    page.setPrefer(PreferResolution);
    showAtHeight(page, 500);
    page.setAllInformation(QStringLiteral("D1"), QStringLiteral("25"), QStringLiteral("512"));
    // Emphasis sizes follow the latest call, colours stay as both calls left them.
    QCOMPARE(label(page, "resolutionLabel")->text(), valueText(kGrey, 60, 30, "D1", "Resolution"));
    QCOMPARE(label(page, "frameRateLabel")->text(), valueText(kGrey, 50, 25, "25", "Frame Rate"));
    QCOMPARE(label(page, "bitRateLabel")->text(), valueText(kGrey, 50, 25, "512", "Bit Rate (kbps)"));
}

void tst_EncodeingPage::formProportions()
{
    EncodeingPage page;
    QVERIFY(!page.keepsFormProportions());
    page.setKeepFormProportions(true);
    page.resize(663, 700);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_COMPARE(page.height(), 453);
    page.setTitle(QStringLiteral("Resolution"));
    // 0.06 * 453 = 27.18, 0.048 * 453 = 21.744: drawn for the held height.
    QCOMPARE(label(page, "titleLabel")->text(), titleText(27, 21, "Resolution", " Priority Calculate Result 2"));

    page.setKeepFormProportions(false);
    page.resize(663, 700);
    QTRY_COMPARE(page.height(), 700);
    QCOMPARE(label(page, "titleLabel")->text(), titleText(42, 33, "Resolution", " Priority Calculate Result 2"));
}

QTEST_MAIN(tst_EncodeingPage)
#include "tst_EncodeingPage.moc"
