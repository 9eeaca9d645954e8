#include "ExportMenuAction/ExportMenuAction.h"
#include "SectionBar/SectionBar.h"

#include <Fenwork/Menu.h>
#include <Fenwork/ToolButton.h>

#include <WidgetLookup.h>

#include <QFrame>
#include <QPushButton>
#include <QtTest>


class tst_SectionBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startState();
    void tabButtons();
    void exportMenuForm();
    void exportChoice_data();
    void exportChoice();
    void exportRequestFromElsewhereDoesNothing();
    void exportTypeIsRegistered();
};

void tst_SectionBar::startState()
{
    SectionBar bar;
    QCOMPARE(bar.objectName(), QStringLiteral("SectionBar"));
    auto* bandwidth = childNamed<aptui::ToolButton>(&bar, "bandwidthBtn");
    auto* encoding = childNamed<aptui::ToolButton>(&bar, "encodingBtn");
    QVERIFY(bandwidth && encoding);
    QCOMPARE(bandwidth->text(), QStringLiteral("Bandwidth"));
    QCOMPARE(encoding->text(), QStringLiteral("Encoidng"));
    QCOMPARE(bandwidth->size(), QSize(110, 80));
    QVERIFY(bandwidth->isChecked());
    QVERIFY(!encoding->isChecked());

    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(bandwidth->isVisible());
    QVERIFY(childNamed<aptui::ToolButton>(&bar, "btnExport")->isVisible());
    QVERIFY(childNamed<QFrame>(&bar, "line_2")->isVisible());
}

void tst_SectionBar::tabButtons()
{
    SectionBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto* bandwidth = childNamed<aptui::ToolButton>(&bar, "bandwidthBtn");
    auto* encoding = childNamed<aptui::ToolButton>(&bar, "encodingBtn");
    QSignalSpy netSpy(&bar, &SectionBar::signalSwitchNetTab);
    QSignalSpy encodingSpy(&bar, &SectionBar::signalSwitchEncodingTab);

    QTest::mouseClick(encoding, Qt::LeftButton);
    QCOMPARE(encodingSpy.count(), 1);
    QCOMPARE(netSpy.count(), 0);
    QVERIFY(encoding->isChecked());
    QVERIFY(!bandwidth->isChecked());

    // Clicking the current tab keeps it checked and announces it again.
    QTest::mouseClick(encoding, Qt::LeftButton);
    QCOMPARE(encodingSpy.count(), 2);
    QVERIFY(encoding->isChecked());
    QVERIFY(!bandwidth->isChecked());

    QTest::mouseClick(bandwidth, Qt::LeftButton);
    QCOMPARE(netSpy.count(), 1);
    QVERIFY(bandwidth->isChecked());
    QVERIFY(!encoding->isChecked());
}

void tst_SectionBar::exportMenuForm()
{
    SectionBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    // The menu is made when it first opens.
    QVERIFY(!bar.findChild<aptui::Menu*>());
    QTest::mouseClick(childNamed<aptui::ToolButton>(&bar, "btnExport"), Qt::LeftButton);
    auto* holder = childNamed<QWidget>(&bar, "ExportMenuAction_ID_FX_CANNOT_BE_MULTI");
    QVERIFY(holder);
    QTRY_VERIFY(holder->isVisible());
    QVERIFY(qobject_cast<aptui::Menu*>(holder->parentWidget()));
    QCOMPARE(childNamed<QPushButton>(holder, "btnExportScreentShot")->text(), QStringLiteral("   Screenshot"));
    QCOMPARE(childNamed<QPushButton>(holder, "btnExportPdf")->text(), QStringLiteral("   PDF"));
    QCOMPARE(childNamed<QPushButton>(holder, "btnExportExcel")->text(), QStringLiteral("   EXCEL"));
    QVERIFY(!childNamed<QPushButton>(holder, "btnExportScreentShot")->isHidden());
    QVERIFY(!childNamed<QPushButton>(holder, "btnExportPdf")->isHidden());
}

void tst_SectionBar::exportChoice_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("pdfCount");
    QTest::addColumn<int>("excelCount");
    QTest::addColumn<int>("screenshotCount");
    QTest::newRow("PDF") << "btnExportPdf" << 1 << 0 << 0;
    QTest::newRow("EXCEL") << "btnExportExcel" << 0 << 1 << 0;
    QTest::newRow("Screenshot") << "btnExportScreentShot" << 0 << 0 << 1;
}

void tst_SectionBar::exportChoice()
{
    QFETCH(QString, button);
    QFETCH(int, pdfCount);
    QFETCH(int, excelCount);
    QFETCH(int, screenshotCount);

    SectionBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QSignalSpy pdfSpy(&bar, &SectionBar::signalExportPdf);
    QSignalSpy excelSpy(&bar, &SectionBar::signalExportExcel);
    QSignalSpy screenshotSpy(&bar, &SectionBar::signalExportScreenshot);
    bar.onPopupExport();
    auto* menu = bar.findChild<aptui::Menu*>();
    QVERIFY(menu);
    QCOMPARE(menu->windowFlags() & (Qt::Popup | Qt::FramelessWindowHint), Qt::Popup | Qt::FramelessWindowHint);
    QTRY_VERIFY(menu->isVisible());

    auto* entry = bar.findChild<QPushButton*>(button);
    QVERIFY(entry);
    entry->click();

    QVERIFY(!menu->isVisible());
    QCOMPARE(pdfSpy.count(), pdfCount);
    QCOMPARE(excelSpy.count(), excelCount);
    QCOMPARE(screenshotSpy.count(), screenshotCount);
}

void tst_SectionBar::exportRequestFromElsewhereDoesNothing()
{
    ExportMenuAction action;
    QSignalSpy spy(&action, &ExportMenuAction::signalExport);
    action.onExportRequest();

    QPushButton stranger;
    connect(&stranger, &QPushButton::clicked, &action, &ExportMenuAction::onExportRequest);
    stranger.click();
    QCOMPARE(spy.count(), 0);

    childNamed<QPushButton>(action.defaultWidget(), "btnExportExcel")->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<ExportMenuAction::ExportType>(), ExportMenuAction::ExportExcel);
}

void tst_SectionBar::exportTypeIsRegistered()
{
    ExportMenuAction action;
    const QMetaType type = QMetaType::fromName("ExportMenuAction::ExportType");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<ExportMenuAction::ExportType>());
    QCOMPARE(int(ExportMenuAction::ExportScreenshot), 0);
    QCOMPARE(int(ExportMenuAction::ExportPdf), 1);
    QCOMPARE(int(ExportMenuAction::ExportExcel), 2);
}

QTEST_MAIN(tst_SectionBar)
#include "tst_SectionBar.moc"
