#include "BandWidthPage/BandWidthPage.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "PlanDocument.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "UplinkGauge/UplinkGauge.h"
#include "UplinkPicker/UplinkPicker.h"

#include <data/Plan.h>
#include <data/PlanReport.h>
#include <data/UplinkCheck.h>
#include <edit/PlanEditor.h>

#include <DeviceGroupBuilder.h>

#include <Fenwork/ComboBox.h>
#include <Fenwork/LineEdit.h>

#include <QLabel>
#include <QStyleOptionComboBox>
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
    void gaugeReadsThePlainLoad_data();
    void gaugeReadsThePlainLoad();
    void pickerChoosesAndShows();
    void pickerShowsEveryLinkInTheColumn();
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
    page.show(); // the form is made with the check given before
    const auto* gauge = page.findChild<UplinkGauge*>(QStringLiteral("picLabel"));
    QVERIFY(gauge);
    QCOMPARE(gauge->centreText(), QStringLiteral("140 %"));
    const auto* message = page.findChild<QLabel*>(QStringLiteral("uplinkMessageLabel"));
    QVERIFY(message->text().contains(QStringLiteral("140 %")));
    QVERIFY(message->styleSheet().contains(QStringLiteral("#e0443e")));
    // Painting any state works without a screen.
    QVERIFY(!page.grab().isNull());
}

void tst_UplinkGauge::gaugeReadsThePlainLoad_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("level");
    QTest::newRow("69 %") << 69.0 << int(UplinkCheck::Level::Comfortable);
    QTest::newRow("71 %") << 71.0 << int(UplinkCheck::Level::Tight);
    QTest::newRow("100 %") << 100.0 << int(UplinkCheck::Level::Tight);
    QTest::newRow("101 %") << 101.0 << int(UplinkCheck::Level::Over);
}

// The groups' plain load against the link: the bandwidth total's headroom
// is the 70 % line itself and must not be counted a second time.
void tst_UplinkGauge::gaugeReadsThePlainLoad()
{
    QFETCH(double, percent);
    QFETCH(int, level);
    PlanDocument document{ QString() };
    CapacityCalculation window;
    window.setDocument(&document);
    PlanEditor* editor = document.editor();
    editor->setUplink(link100());
    // Two groups of four streams each (2 channels × 2, and 4 × 1) at
    // percent × 128 kbps: percent × 1024 kbps in all, exact in binary.
    const double perStream = percent * 128.0;
    PlanGroup gate{ DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Gate"), 1).channels(2, 2).rate(perStream), {} };
    PlanGroup yard{ DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Yard"), 2).channels(4).rate(perStream), {} };
    editor->addGroup(gate);
    editor->addGroup(yard);
    window.showNormalPage(); // as the main window does once the plan has groups
    const auto* gauge = window.findChild<UplinkGauge*>(QStringLiteral("picLabel"));
    QVERIFY(gauge);
    QCOMPARE(int(gauge->check().level()), level);
    QCOMPARE(gauge->centreText(), QString::number(percent) + QStringLiteral(" %"));
    // The report says what the gauge shows.
    const PlanReport report(editor->plan()->data(), QDate(2026, 1, 1));
    QCOMPARE(int(report.uplinkCheck().level()), level);
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

    // 0 Mbps is no link: the plan keeps its own, and the field says why.
    aptui::LineEdit* custom = picker->customField();
    QVERIFY(!custom->property("invalid").toBool());
    custom->setText(QStringLiteral("0"));
    Q_EMIT custom->editingFinished();
    QCOMPARE(editor.plan()->uplink(), link100());
    QVERIFY(custom->property("invalid").toBool());
    QVERIFY(custom->toolTip().contains(QStringLiteral("Not a link")));
    QTest::keyClick(custom, Qt::Key_5);
    QVERIFY(!custom->property("invalid").toBool());

    // Showing a plan's uplink announces nothing.
    QSignalSpy chosen(&page, &BandWidthPage::signalUplinkChosen);
    page.showUplink(UplinkSettings{ QString(), 3.5 });
    QCOMPARE(box->currentIndex(), box->count() - 1);
    QCOMPARE(picker->customField()->text(), QStringLiteral("3.5"));
    page.showUplink(UplinkSettings());
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(chosen.count(), 0);
}

// In the bandwidth column at its width each link reads with its figure,
// never cut mid-word; a custom link's figure goes below the box.
void tst_UplinkGauge::pickerShowsEveryLinkInTheColumn()
{
    BandWidthPage page;
    page.resize(228, 720);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    UplinkPicker* picker = page.uplinkPicker();
    aptui::ComboBox* box = picker->linkBox();
    const int boxWidth = box->width();
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = false;
    const int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    for (int index = 0; index < box->count(); ++index) {
        box->setCurrentIndex(index);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QString shown = picker->shownLinkText();
        const QString name = box->itemText(index);
        QVERIFY2(box->fontMetrics().horizontalAdvance(shown) <= room, qPrintable(shown));
        // Only a note in brackets may go.
        QVERIFY2(name.startsWith(shown) && (shown == name || name.mid(shown.size()).trimmed().startsWith(QLatin1Char('('))),
                 qPrintable(shown));
        QCOMPARE(box->width(), boxWidth);
        QVERIFY(box->toolTip().contains(name));
    }
    QVERIFY(picker->customField()->isVisible());
    QVERIFY(picker->customField()->y() > box->y());
}

QTEST_MAIN(tst_UplinkGauge)
#include "tst_UplinkGauge.moc"
