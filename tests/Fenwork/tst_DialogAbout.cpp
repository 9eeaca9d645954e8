#include <Fenwork/DialogAbout.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using aptui::DialogAbout;

class TestDialogAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesAndTexts()
    {
        DialogAbout about;
        about.SetNameValue(QStringLiteral("Vantrel"));
        about.SetVersionValue(QStringLiteral("v3.0.0.1build20151209"));
        about.SetBtn1Text(QStringLiteral("User Help"));
        about.SetBtn2Text(QStringLiteral("Update Scence"));
        QCOMPARE(about.objectName(), QStringLiteral("DialogAbout"));
        QCOMPARE(about.nameValue(), QStringLiteral("Vantrel"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("DialogAbout_nameValue"))->text(), QStringLiteral("Vantrel"));
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("DialogAbout_versionValue"))->text(),
                 QStringLiteral("v3.0.0.1build20151209"));
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("DialogAbout_btn1"))->text(), QStringLiteral("User Help"));
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("DialogAbout_btn2"))->text(),
                 QStringLiteral("Update Scence"));
    }

    void buttonsSignal()
    {
        DialogAbout about;
        about.show();
        QSignalSpy first(&about, &DialogAbout::siganlBtn1Clicked);
        QSignalSpy second(&about, &DialogAbout::siganlBtn2Clicked);
        QTest::mouseClick(about.button1(), Qt::LeftButton);
        QCOMPARE(first.count(), 1);
        QCOMPARE(second.count(), 0);
        QTest::mouseClick(about.button2(), Qt::LeftButton);
        QCOMPARE(first.count(), 1);
        QCOMPARE(second.count(), 1);
    }

    void cornerButton()
    {
        DialogAbout about;
        about.show();
        QVERIFY(about.isConerBtnVisible());
        QVERIFY(about.conerButton()->isVisible());
        about.setConerBtnVisible(false);
        QVERIFY(!about.isConerBtnVisible());
        QVERIFY(about.conerButton()->isHidden());
        about.setConerBtnVisible(true);
        QSignalSpy corner(&about, &DialogAbout::signalConerBtnClicked);
        QTest::mouseClick(about.conerButton(), Qt::LeftButton);
        QCOMPARE(corner.count(), 1);
        QVERIFY(!about.isVisible());
    }

    void logoFollowsTheApplicationIcon()
    {
        DialogAbout about;
        auto* logo = about.findChild<QLabel*>(QStringLiteral("DialogAbout_logo"));
        about.show();
        QVERIFY(logo->isHidden());
        about.hide();
        QPixmap pixmap(48, 48);
        pixmap.fill(Qt::blue);
        QApplication::setWindowIcon(QIcon(pixmap));
        about.show();
        QVERIFY(logo->isVisible());
        QApplication::setWindowIcon(QIcon());
    }
};

QTEST_MAIN(TestDialogAbout)
#include "tst_DialogAbout.moc"
