#include "BandWidthPage/BandWidthPage.h"
#include "UplinkGauge/UplinkGauge.h"
#include "UplinkPicker/UplinkPicker.h"

#include <data/UplinkCheck.h>
#include <edit/PlanEditor.h>

#include <Fenwork/ComboBox.h>
#include <Fenwork/LineEdit.h>

#include <QLabel>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

namespace {

// A 100 Mbps link: 102400 kbps, so every tenth of a percent is a whole
// number of kbps and the shares below are exact.
UplinkSettings link100()
{
    return UplinkSettings{ QStringLiteral("Fibre 100 Mbps"), 100.0 };
}

} // namespace

class tst_UplinkGauge : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void levels_data();
    void levels();
    void noUplink();
    void warningNamesNeedAndLink();
    void gaugeTakesTheCheck();
    void pickerChoosesAndShows();
};

void tst_UplinkGauge::levels_data()
{
    QTest::addColumn<double>("totalKbps");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("percent");
    QTest::newRow("0 %") << 0.0 << int(UplinkCheck::Level::Comfortable) << "0 %";
    QTest::newRow("69.9 %") << 71577.6 << int(UplinkCheck::Level::Comfortable) << "69.9 %";
    QTest::newRow("70 %") << 71680.0 << int(UplinkCheck::Level::Comfortable) << "70 %";
    QTest::newRow("just over 70 %") << 71681.0 << int(UplinkCheck::Level::Tight) << "70.1 %";
    QTest::newRow("100 %") << 102400.0 << int(UplinkCheck::Level::Tight) << "100 %";
    QTest::newRow("140 %") << 143360.0 << int(UplinkCheck::Level::Over) << "140 %";
}

void tst_UplinkGauge::levels()
{
    QFETCH(double, totalKbps);
    QFETCH(int, level);
    QFETCH(QString, percent);
    const UplinkCheck check(totalKbps, link100());
    QCOMPARE(int(check.level()), level);
    QCOMPARE(check.percentText(), percent);
    QCOMPARE(check.share(), totalKbps / 102400.0);
    const QColor colour = UplinkGauge::levelColour(check.level());
    const QColor expected = level == int(UplinkCheck::Level::Comfortable) ? QColor("#2fb36f")
        : level == int(UplinkCheck::Level::Tight)                        ? QColor("#f0a020")
                                                                         : QColor("#e0443e");
    QCOMPARE(colour, expected);
}

void tst_UplinkGauge::noUplink()
{
    const UplinkCheck check(500000.0, UplinkSettings());
    QCOMPARE(check.level(), UplinkCheck::Level::NoUplink);
    QCOMPARE(check.share(), 0.0);
    QVERIFY(check.percentText().isEmpty());
    QCOMPARE(UplinkGauge::levelColour(check.level()), QColor("#959595"));
    UplinkGauge gauge;
    gauge.setCheck(check);
    QCOMPARE(gauge.centreText(), QStringLiteral("No uplink"));
}

void tst_UplinkGauge::warningNamesNeedAndLink()
{
    // 1.4 Gbps of devices on a 1 Gbps (1024 Mbps) link.
    const UplinkCheck check(1.4 * 1024 * 1024, UplinkSettings{ QString(), 1024.0 });
    QCOMPARE(check.message(), QStringLiteral("The devices need 1.4 Gbps; the 1 Gbps uplink is 140 % used."));
    QCOMPARE(UplinkCheck::rateText(95 * 1024), QStringLiteral("95 Mbps"));
    QCOMPARE(UplinkCheck::rateText(512), QStringLiteral("512 Kbps"));
}

void tst_UplinkGauge::gaugeTakesTheCheck()
{
    BandWidthPage page;
    page.resize(228, 700);
    page.showUplinkCheck(UplinkCheck(143360.0, link100()));
    const auto* gauge = page.findChild<UplinkGauge*>(QStringLiteral("picLabel"));
    QVERIFY(gauge);
    QCOMPARE(gauge->centreText(), QStringLiteral("140 %"));
    const auto* message = page.findChild<QLabel*>(QStringLiteral("uplinkMessageLabel"));
    QVERIFY(message->text().contains(QStringLiteral("140 %")));
    QVERIFY(message->styleSheet().contains(QStringLiteral("#e0443e")));
    // Painting any state works without a screen.
    QVERIFY(!page.grab().isNull());
}

void tst_UplinkGauge::pickerChoosesAndShows()
{
    PlanEditor editor;
    BandWidthPage page;
    connect(&page, &BandWidthPage::signalUplinkChosen, &editor, &PlanEditor::setUplink);
    UplinkPicker* picker = page.uplinkPicker();
    aptui::ComboBox* box = picker->linkBox();
    const int fibre = box->findText(QStringLiteral("Fibre 100 Mbps"));
    QVERIFY(fibre > 0);
    box->setCurrentIndex(fibre);
    QCOMPARE(editor.plan()->uplink(), link100());

    // A custom figure counts once typed; undo brings the link back.
    box->setCurrentIndex(box->count() - 1);
    QCOMPARE(editor.plan()->uplink(), link100());
    picker->customField()->setText(QStringLiteral("250"));
    Q_EMIT picker->customField()->editingFinished();
    QCOMPARE(editor.plan()->uplink(), (UplinkSettings{ QString(), 250.0 }));
    editor.undoStack()->undo();
    QCOMPARE(editor.plan()->uplink(), link100());

    // Showing a plan's uplink announces nothing.
    QSignalSpy chosen(&page, &BandWidthPage::signalUplinkChosen);
    page.showUplink(UplinkSettings{ QString(), 3.5 });
    QCOMPARE(box->currentIndex(), box->count() - 1);
    QCOMPARE(picker->customField()->text(), QStringLiteral("3.5"));
    page.showUplink(UplinkSettings());
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(chosen.count(), 0);
}

QTEST_MAIN(tst_UplinkGauge)
#include "tst_UplinkGauge.moc"
