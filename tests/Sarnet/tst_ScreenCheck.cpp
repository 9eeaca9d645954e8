#include <Sarnet/ScreenCheck.h>

#include <QTest>

using apt::ScreenCheck;

class TestScreenCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screensLargeEnough_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<bool>("enough");
        QTest::newRow("1280x720 is too low") << QList<QRect>{QRect(0, 0, 1280, 720)} << false;
        QTest::newRow("exactly 1024x768") << QList<QRect>{QRect(0, 0, 1024, 768)} << true;
        QTest::newRow("1023 wide") << QList<QRect>{QRect(0, 0, 1023, 900)} << false;
        QTest::newRow("767 high") << QList<QRect>{QRect(0, 0, 1920, 767)} << false;
        QTest::newRow("1920x1080") << QList<QRect>{QRect(0, 0, 1920, 1080)} << true;
        QTest::newRow("width and height from different screens")
            << QList<QRect>{QRect(0, 0, 1024, 600), QRect(1024, 0, 800, 800)} << true;
        QTest::newRow("second screen to the right reaches far enough")
            << QList<QRect>{QRect(0, 0, 800, 800), QRect(800, 0, 300, 200)} << true;
        QTest::newRow("two small screens side by side, both low")
            << QList<QRect>{QRect(0, 0, 800, 600), QRect(800, 0, 800, 600)} << false;
        QTest::newRow("no screen") << QList<QRect>{} << false;
    }

    void screensLargeEnough()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(bool, enough);
        QCOMPARE(ScreenCheck::screensLargeEnough(screens), enough);
    }
};

QTEST_GUILESS_MAIN(TestScreenCheck)
#include "tst_ScreenCheck.moc"
