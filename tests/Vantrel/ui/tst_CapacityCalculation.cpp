#include "BandWidthPage/BandWidthPage.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "EncodingAnswers/EncodingAnswers.h"
#include "PlanDocument.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "EncodeingPage/EncodeingPage.h"
#include "UplinkGauge/UplinkGauge.h"
#include "WidgetDeviceListBorder/WidgetDeviceListBorder.h"

#include <Fenwork/Label.h>
#include <Fenwork/StackedWidget.h>
#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>
#include <edit/PlanEditor.h>

#include <DeviceGroupBuilder.h>
#include <ModalAnswer.h>

#include <QLayout>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

namespace {

struct Answer
{
    QString resolution = QStringLiteral("0");
    QString frameRate = QStringLiteral("0");
    QString bitRate = QStringLiteral("0");
};

enum class Search { ResolutionFirst, FrameRateFirst };

// What a result page should show, worked out with a calculator of its own.
Answer expectedAnswer(const CodeParameter& parameter, Search search)
{
    EncodingCalculator calculator;
    Answer answer;
    QString resolution = answer.resolution;
    QString frameRate = answer.frameRate;
    const bool found = search == Search::ResolutionFirst
        ? calculator.calculateResolutionFirst(resolution, frameRate, parameter)
        : calculator.calculateFrameRateFirst(resolution, frameRate, parameter);
    if (!found)
        return answer;
    const double fps = calculator.store().getFrameRateValue(frameRate, parameter.videoStandard);
    answer.bitRate = QString::number(static_cast<qint64>(calculator.calculateBitrate(parameter.deviceType, resolution, fps)));
    answer.resolution = resolution;
    answer.frameRate = frameRate;
    return answer;
}

CodeParameter parameter(double mbps, int streams, int deviceType, int standard, int streamType, const QString& encoding)
{
    CodeParameter p;
    p.bandwidth = mbps * 1024;
    p.streamCount = streams;
    p.deviceType = deviceType;
    p.videoStandard = standard;
    p.streamType = streamType;
    p.encodingType = encoding;
    return p;
}

StructDeviceItem group(int number, int channels)
{
    return DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Lobby"), number)
        .channels(channels)
        .resolution(QStringLiteral("1080P"))
        .rate(2048);
}

void compareAnswer(const EncodeingPage* page, const Answer& expected)
{
    QCOMPARE(page->resolution(), expected.resolution);
    QCOMPARE(page->frameRate(), expected.frameRate);
    QCOMPARE(page->bitRate(), expected.bitRate);
}

} // namespace

class tst_CapacityCalculation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void startState();
    void nullAndNormalPages();
    void sections_data();
    void sections();
    void searches_data();
    void searches();
    void fractionalFrameRateKeepsItsBitrate();
    void figuresFitTheirLabels_data();
    void figuresFitTheirLabels();
    void deviceChangesReachBandwidthPage();
    void gaugeMeasuresWhatLeavesTheSite();
    void clearWithoutGroups();
    void clearDeclined();
    void clearConfirmed();

private:
    std::unique_ptr<PlanDocument> m_document;
    std::unique_ptr<CapacityCalculation> m_page;
    EncodeingPage* resolutionPage() const { return m_page->findChild<EncodeingPage*>("resolutionPage"); }
    EncodeingPage* frameRatePage() const { return m_page->findChild<EncodeingPage*>("frameRatePage"); }
    QWidget* stack() const { return m_page->findChild<aptui::StackedWidget*>("m_CapacityStackedWidget"); }
    QWidget* placeholder() const { return m_page->findChild<WidgetDeviceListBorder*>(); }
};

void tst_CapacityCalculation::init()
{
    m_page.reset();
    m_document = std::make_unique<PlanDocument>(QString());
    m_page = std::make_unique<CapacityCalculation>();
    m_page->setDocument(m_document.get());
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_CapacityCalculation::startState()
{
    QCOMPARE(m_page->objectName(), QStringLiteral("CapacityCalculation"));
    QCOMPARE(m_page->minimumSize(), QSize(700, 650));
    QVERIFY(placeholder() && placeholder()->isVisible());
    QVERIFY(!stack()->isVisible());
    QVERIFY(m_page->deviceAddPage());
    QCOMPARE(m_page->deviceAddPage(), m_page->findChild<DeviceAddPage*>("m_deviceAddPage"));

    // The answers, the dearest widgets to make, wait for their tab.
    QVERIFY(!resolutionPage() && !m_page->encodingAnswers());
    m_page->setCurrentSection(1);
    QCOMPARE(resolutionPage()->title(), QStringLiteral("Resolution"));
    QCOMPARE(resolutionPage()->prefer(), PreferResolution);
    QCOMPARE(frameRatePage()->title(), QStringLiteral("Frame Rate"));
    QCOMPARE(frameRatePage()->prefer(), PreferFrameRate);

    const auto* tip = placeholder()->findChild<aptui::Label*>("m_labeNullTip");
    QVERIFY(tip);
    QCOMPARE(tip->text(), QStringLiteral("<html><head/><body><p><span style=\" font-size:18pt; color:#D9DaDb;\">NO DEVICE, "
                                         "</span><span style=\" font-size:18pt; font-weight:600; color:#D9dadb;\">Please "
                                         "Add Device!</span></p></body></html>"));
    QCOMPARE(m_page->findChild<QPushButton*>("m_btnClear")->text(), QStringLiteral("Clear"));
    // The figures' column is made when the list is first shown.
    auto* figures = m_page->findChild<BandWidthPage*>("m_dataCalculatorPage");
    QVERIFY(!figures->hasForm());
    m_page->showNormalPage();
    QTRY_COMPARE(figures->width(), 228);
}

void tst_CapacityCalculation::nullAndNormalPages()
{
    m_page->showNormalPage();
    QVERIFY(stack()->isVisible());
    QVERIFY(!placeholder()->isVisible());
    // The shown widget fills the page; the hidden one is out of the layout.
    auto* border = m_page->layout()->itemAt(0)->layout();
    QVERIFY(border);
    QCOMPARE(border->count(), 1);
    QCOMPARE(border->itemAt(0)->widget(), stack());

    m_page->showNullPage();
    m_page->showNullPage();
    QVERIFY(!stack()->isVisible());
    QVERIFY(placeholder()->isVisible());
    QCOMPARE(border->count(), 1);
    QCOMPARE(border->itemAt(0)->widget(), placeholder());
}

void tst_CapacityCalculation::sections_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("bandwidthSection");
    QTest::newRow("bandwidth") << 0 << true;
    QTest::newRow("encoding") << 1 << false;
    QTest::newRow("any other index") << 7 << false;
}

void tst_CapacityCalculation::sections()
{
    QFETCH(int, index);
    QFETCH(bool, bandwidthSection);
    m_page->showNormalPage();
    m_page->setCurrentSection(1 - int(bandwidthSection)); // start from the other one
    m_page->setCurrentSection(index);
    auto* section1 = m_page->findChild<QWidget*>("m_Section1");
    auto* section2 = m_page->findChild<QWidget*>("m_Section2");
    QCOMPARE(section1->isVisible(), bandwidthSection);
    QCOMPARE(section2 && section2->isVisible(), !bandwidthSection);
    QCOMPARE(resolutionPage() && resolutionPage()->isVisible(), !bandwidthSection);
    QCOMPARE(m_page->deviceAddPage()->isVisible(), bandwidthSection);
}

void tst_CapacityCalculation::searches_data()
{
    QTest::addColumn<CodeParameter>("codeParameter");
    QTest::newRow("IPC main 4 Mbps H.264") << parameter(4, 1, 0, 0, 0, "H.264");
    QTest::newRow("IPC main 100 Mbps 16 streams H.265") << parameter(100, 16, 0, 0, 0, "H.265");
    QTest::newRow("IPC sub 2 Mbps NTSC") << parameter(2, 1, 0, 1, 1, "H.264");
    QTest::newRow("DVR main 10 Mbps 4 streams") << parameter(10, 4, 1, 0, 0, "H.264+");
    QTest::newRow("DVR sub 1 Mbps NTSC Smart") << parameter(1, 1, 1, 1, 1, "Smart H.264");
    QTest::newRow("DVR main 1 Gbps MJPEG") << parameter(1024, 1, 1, 0, 0, "MJPEG");
    QTest::newRow("stream count 0") << parameter(100, 0, 0, 0, 0, "H.264");
    QTest::newRow("bandwidth 0") << parameter(0, 1, 0, 0, 0, "H.264");
    QTest::newRow("encoding without table") << parameter(100, 1, 0, 0, 0, "H.266");
}

void tst_CapacityCalculation::searches()
{
    QFETCH(CodeParameter, codeParameter);
    // Figures of an earlier question must not survive a failed search.
    m_page->onCalculationCodeParameter(parameter(8, 1, 0, 0, 0, "H.264"));
    m_page->setCurrentSection(1);
    m_page->onCalculationCodeParameter(codeParameter);
    compareAnswer(resolutionPage(), expectedAnswer(codeParameter, Search::ResolutionFirst));
    compareAnswer(frameRatePage(), expectedAnswer(codeParameter, Search::FrameRateFirst));

    if (codeParameter.streamCount == 0 || codeParameter.bandwidth == 0 || codeParameter.encodingType == "H.266") {
        compareAnswer(resolutionPage(), Answer());
        compareAnswer(frameRatePage(), Answer());
    } else {
        QVERIFY(resolutionPage()->bitRate() != "0");
        QVERIFY(frameRatePage()->bitRate() != "0");
    }
}

void tst_CapacityCalculation::fractionalFrameRateKeepsItsBitrate()
{
    // A recorder's 4K stream (8192 kbps in the H.264+ table) needs 1769.472
    // kbps at 1/2 fps and 1900.544 at 1 fps: a budget of 0.7 * 2600 fits
    // only the half frame. Read as a plain number "1/2" would be 0 fps, 1638.
    const CodeParameter p = parameter(2600.0 / 1024, 1, 1, 0, 0, "H.264+");
    // Asked before the answers exist, as the editor does at start.
    m_page->onCalculationCodeParameter(p);
    m_page->setCurrentSection(1);
    QCOMPARE(resolutionPage()->resolution(), QStringLiteral("4K(3840x2160)"));
    QCOMPARE(resolutionPage()->frameRate(), QStringLiteral("1/2"));
    QCOMPARE(resolutionPage()->bitRate(), QStringLiteral("1769"));
    compareAnswer(frameRatePage(), expectedAnswer(p, Search::FrameRateFirst));
}

void tst_CapacityCalculation::figuresFitTheirLabels_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("minimum") << QSize(700, 650);
    QTest::newRow("1000 x 700") << QSize(1000, 700);
    QTest::newRow("tall") << QSize(900, 1400);
    QTest::newRow("wide") << QSize(1800, 1000);
}

void tst_CapacityCalculation::figuresFitTheirLabels()
{
    QFETCH(QSize, size);
    m_page->showNormalPage();
    m_page->setCurrentSection(1);
    m_page->setMinimumWidth(400);
    m_page->resize(size);
    // 20 Mbps over 4 streams: 12MP(4000x3000) at 2 fps and XGA(1024x768) at 50.
    m_page->onCalculationCodeParameter(parameter(20, 4, 0, 0, 0, "H.264"));
    QCOMPARE(resolutionPage()->resolution(), QStringLiteral("12MP(4000x3000)"));

    for (EncodeingPage* page : { resolutionPage(), frameRatePage() }) {
        QTRY_VERIFY(page->height() <= page->width() * 453 / 663);
        for (auto* figure : page->findChildren<aptui::Label*>()) {
            const QString what = page->objectName() + "/" + figure->objectName();
            QTRY_VERIFY2(figure->width() >= figure->sizeHint().width(), qPrintable(what));
            QTRY_VERIFY2(figure->height() >= figure->sizeHint().height(), qPrintable(what));
        }
    }
}

void tst_CapacityCalculation::deviceChangesReachBandwidthPage()
{
    auto* bandwidth = m_page->findChild<BandWidthPage*>("m_dataCalculatorPage");
    m_document->editor()->addGroup(PlanGroup{ DeviceGroupBuilder("IPC", "Gate", 1).channels(5).rate(1280), {} });
    // The column's form is made when the list is first shown, with the
    // figures of the edits before and after.
    m_page->showNormalPage();
    m_document->editor()->addGroup(PlanGroup{ DeviceGroupBuilder("DVR", "Store", 2).channels(2).rate(1280), {} });
    // Made at once and on screen at the column's width: the total's figure
    // is sized to it.
    BandWidthPage reference;
    reference.makeForm();
    reference.resize(bandwidth->size());
    reference.show();
    // 5 IPC channels and 2 DVR channels of 1280 kbps: 8960 kbps of load,
    // 12800 kbps with the headroom.
    reference.onSetAllCount("7", "5", "2", "12.5", "Mpbs");
    for (const char* name : { "channelLabel", "IPCLabel", "DVRLabel", "bandWidthLabel" }) {
        QCOMPARE(bandwidth->findChild<aptui::Label*>(name)->text(),
                 reference.findChild<aptui::Label*>(name)->text());
    }
}

void tst_CapacityCalculation::gaugeMeasuresWhatLeavesTheSite()
{
    m_page->showNormalPage();
    const auto* gauge = m_page->findChild<UplinkGauge*>("picLabel");
    PlanEditor* editor = m_document->editor();
    editor->setUplink(UplinkSettings{ QString(), 10.0 });
    PlanGroup kept{ DeviceGroupBuilder("IPC", "Gate", 1).channels(5).rate(1280), {} };
    kept.network.switchId = QStringLiteral("sw");
    kept.network.recorderId = QStringLiteral("nvr");
    editor->addGroup(kept);
    editor->addGroup(PlanGroup{ DeviceGroupBuilder("IPC", "Yard", 2).channels(2).rate(1024), {} });
    // Without a network every stream leaves: 6400 + 2048 kbps of 10240.
    QCOMPARE(gauge->check().loadKbps(), 8448.0);
    QCOMPARE(gauge->check().level(), UplinkCheck::Level::Tight);

    // The gate records on site once its switch and recorder are there.
    PlanNetwork network;
    NetworkSwitch sw;
    sw.id = QStringLiteral("sw");
    network.switches = { sw };
    NetworkRecorder nvr;
    nvr.id = QStringLiteral("nvr");
    nvr.switchId = QStringLiteral("sw");
    network.recorders = { nvr };
    editor->setNetwork(network);
    QCOMPARE(gauge->check().loadKbps(), 2048.0);
    QCOMPARE(gauge->check().level(), UplinkCheck::Level::Comfortable);
    QCOMPARE(m_document->siteCheck().siteLoadKbps(), 2048.0);
    editor->undoStack()->undo();
    QCOMPARE(gauge->check().loadKbps(), 8448.0);
}

void tst_CapacityCalculation::clearWithoutGroups()
{
    m_page->showNormalPage();
    m_page->setCurrentSection(0);
    QSignalSpy cover(m_page.get(), &CapacityCalculation::signalCover);
    QSignalSpy disvocer(m_page.get(), &CapacityCalculation::signalDisvocer);
    QTest::mouseClick(m_page->findChild<QPushButton*>("m_btnClear"), Qt::LeftButton);
    m_page->onClearDeviceItems();
    QCOMPARE(cover.count(), 0);
    QCOMPARE(disvocer.count(), 0);
}

void tst_CapacityCalculation::clearDeclined()
{
    m_page->deviceAddPage()->onAddDeviceTypeItem(group(1, 2));
    m_page->deviceAddPage()->onAddDeviceTypeItem(group(2, 3));
    QCOMPARE(m_page->deviceAddPage()->getDeviceGroupNumber(), 2);

    QSignalSpy cover(m_page.get(), &CapacityCalculation::signalCover);
    QSignalSpy disvocer(m_page.get(), &CapacityCalculation::signalDisvocer);
    ModalAnswer::answerNext(QDialog::Rejected);
    m_page->onClearDeviceItems();
    QCOMPARE(cover.count(), 1);
    QCOMPARE(disvocer.count(), 1);
    QCOMPARE(m_page->deviceAddPage()->getDeviceGroupNumber(), 2);
}

void tst_CapacityCalculation::clearConfirmed()
{
    m_page->showNormalPage();
    m_page->setCurrentSection(0);
    m_page->deviceAddPage()->onAddDeviceTypeItem(group(1, 2));
    m_page->deviceAddPage()->onAddDeviceTypeItem(group(2, 3));

    QStringList events;
    QObject listener;
    connect(m_page.get(), &CapacityCalculation::signalCover, &listener, [&] { events << "cover"; });
    connect(m_page.get(), &CapacityCalculation::signalDisvocer, &listener, [&] {
        events << QStringLiteral("disvocer(%1 groups)").arg(m_page->deviceAddPage()->getDeviceGroupNumber());
    });
    ModalAnswer::answerNext(QDialog::Accepted);
    QTest::mouseClick(m_page->findChild<QPushButton*>("m_btnClear"), Qt::LeftButton);

    QCOMPARE(events, QStringList({ "cover", "disvocer(2 groups)", "disvocer(0 groups)" }));
    QCOMPARE(m_page->deviceAddPage()->getDeviceGroupNumber(), 0);
}

QTEST_MAIN(tst_CapacityCalculation)
#include "tst_CapacityCalculation.moc"
