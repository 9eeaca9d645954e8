#include "Vantrel.h"

#include "AboutDialog/AboutDialog.h"
#include "CapacityCalculation/CapacityCalculation.h"
#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceEditor/DeviceEditor.h"
#include "DeviceItemWidget/DeviceItemWidget.h"
#include "EncodeingPage/EncodeingPage.h"
#include "SectionBar/SectionBar.h"
#include "UpdateDialog/UpdateDialog.h"
#include "WidgetDeviceListBorder/WidgetDeviceListBorder.h"

#include <data/EncodingCalculator.h>

#include <Fenwork/Switch.h>
#include <ModalAnswer.h>

#include <QPlainTextEdit>
#include <QTimer>

#include <functional>
#include <data/DeviceConfigStore.h>
#include <TempProgramDir.h>
#include <WidgetLookup.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

// The whole main window, driven as a user would: both tabs end to end.
class tst_VantrelMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnTheEmptyBandwidthTab();
    void groupsReachTheBandwidthFigures();
    void encodingTabAnswersTheLinkQuestion();
    void clearAsksUnderCover();
    void sceneImportThroughTheAboutMenu();
    void f1OpensTheManual();
    void dataProblemsAreToldAtStart();

private:
    template<typename T>
    T* child(const char* name) const
    {
        return childNamed<T>(m_window.get(), name);
    }
    void addGroup(int deviceTypeIndex, const QString& resolution, int channels, int streams);
    QString figure(const char* label) const { return child<QLabel>(label)->text(); }
    QList<DeviceItemWidget*> cards() const;

    QString m_startFolder;
    std::unique_ptr<TempProgramDir> m_program;
    std::unique_ptr<Vantrel> m_window;
};

void tst_VantrelMainWindow::init()
{
    m_program = std::make_unique<TempProgramDir>(TempProgramDir::ShippedData);
    // The manual is looked for in the working folder first.
    m_startFolder = QDir::currentPath();
    QDir::setCurrent(m_program->path());
    m_window = std::make_unique<Vantrel>();
    m_window->resize(1200, 750);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_VantrelMainWindow::cleanup()
{
    m_window.reset();
    QDir::setCurrent(m_startFolder);
    m_program.reset();
}

void tst_VantrelMainWindow::addGroup(int deviceTypeIndex, const QString& resolution, int channels, int streams)
{
    child<QComboBox>("m_comboBoxDeviceType")->setCurrentIndex(deviceTypeIndex);
    auto* resolutions = child<QComboBox>("m_comboBoxResolution");
    resolutions->setCurrentIndex(resolutions->findText(resolution));
    QCOMPARE(resolutions->currentText(), resolution);
    child<QSpinBox>("channelCountsEdit")->setValue(channels);
    child<QSpinBox>("streamCountsEdit")->setValue(streams);
    QTest::mouseClick(child<QPushButton>("m_btnAddDevice"), Qt::LeftButton);
}

QList<DeviceItemWidget*> tst_VantrelMainWindow::cards() const
{
    QList<DeviceItemWidget*> result;
    for (QWidget* cell : m_window->capacityCalculation()->deviceAddPage()->findChildren<DeviceItemWidget*>())
        result.append(static_cast<DeviceItemWidget*>(cell));
    return result;
}

void tst_VantrelMainWindow::opensOnTheEmptyBandwidthTab()
{
    QCOMPARE(child<QStackedWidget>("m_verticalWidgetAddBorder")->currentIndex(), 0);
    QVERIFY(child<QToolButton>("bandwidthBtn")->isChecked());
    QVERIFY(m_window->findChild<WidgetDeviceListBorder*>()->isVisible());
    QVERIFY(!child<QStackedWidget>("m_CapacityStackedWidget")->isVisible());
    QCOMPARE(m_window->deviceEditor()->width(), 320);
    // The first fixed rate: the largest camera resolution at 25 fps.
    QVERIFY(child<QLineEdit>("m_lineEditScenceRecommandRate")->text().toInt() > 0);
}

void tst_VantrelMainWindow::groupsReachTheBandwidthFigures()
{
    // 4 x 4096 + 8 x 2 x 4096 + 2048 = 83968 kbps; with the margin 119955 kbps = 117.2 Mbps.
    addGroup(0, QStringLiteral("1080P(1920x1080)"), 4, 1);
    QVERIFY(child<QStackedWidget>("m_CapacityStackedWidget")->isVisible());
    QVERIFY(figure("bandWidthLabel").contains(QStringLiteral(">22.9<")));
    addGroup(1, QStringLiteral("1080P(1920x1080)"), 8, 2);
    addGroup(0, QStringLiteral("720P(1280x720)"), 1, 1);
    QVERIFY(figure("channelLabel").contains(QStringLiteral("\t\t13\t\t")));
    QVERIFY(figure("IPCLabel").contains(QStringLiteral("\t\t5\t\t")));
    QVERIFY(figure("DVRLabel").contains(QStringLiteral("\t\t8\t\t")));
    QVERIFY2(figure("bandWidthLabel").contains(QStringLiteral(">117.2<")), qPrintable(figure("bandWidthLabel")));
    QVERIFY(figure("bandWidthLabel").contains(QStringLiteral("Total Band Width(Mpbs)")));
    QCOMPARE(cards().size(), 3);

    // Delete the recorder group: its number is free for the next group.
    DeviceItemWidget* recorder = nullptr;
    for (DeviceItemWidget* card : cards()) {
        if (card->deviceItem().deviceType == QLatin1String("DVR"))
            recorder = card;
    }
    QVERIFY(recorder);
    QCOMPARE(recorder->deviceItem().groupNumber, 2);
    QTest::mouseClick(recorder->findChild<QToolButton*>(QStringLiteral("m_btnDelete")), Qt::LeftButton);
    QTRY_COMPARE(cards().size(), 2);
    QVERIFY(figure("DVRLabel").contains(QStringLiteral("\t\t0\t\t")));
    QVERIFY(figure("bandWidthLabel").contains(QStringLiteral(">25.8<"))); // 18432 kbps
    QSignalSpy added(m_window->deviceEditor(), &DeviceEditor::signalAddDevice);
    addGroup(0, QStringLiteral("720P(1280x720)"), 1, 1);
    QCOMPARE(added.takeFirst().at(0).value<StructDeviceItem>().groupNumber, 2);
    QVERIFY(figure("bandWidthLabel").contains(QStringLiteral(">28.6<"))); // 20480 kbps
    QTest::mouseClick(cards().last()->findChild<QToolButton*>(QStringLiteral("m_btnDelete")), Qt::LeftButton);
    QTRY_COMPARE(cards().size(), 2);

    // NTSC: groups at the recommended 25 fps rate follow to 30 fps (x 1.2).
    auto* standard = child<aptui::Switch>("PalNtscSwitch");
    QTest::mouseClick(standard, Qt::LeftButton);
    QVERIFY(!standard->isOn());
    for (DeviceItemWidget* card : cards())
        QCOMPARE(card->deviceItem().frameRate, QStringLiteral("30"));
    QVERIFY2(figure("bandWidthLabel").contains(QStringLiteral(">30.9<")), qPrintable(figure("bandWidthLabel")));
    QTest::mouseClick(standard, Qt::LeftButton);
    QVERIFY(figure("bandWidthLabel").contains(QStringLiteral(">25.8<")));
    for (DeviceItemWidget* card : cards())
        QCOMPARE(card->deviceItem().frameRate, QStringLiteral("25"));

    // The encoding tab shows its answers even with groups; back on the
    // bandwidth tab the list is still there.
    QTest::mouseClick(child<QToolButton>("encodingBtn"), Qt::LeftButton);
    QCOMPARE(child<QStackedWidget>("m_verticalWidgetAddBorder")->currentIndex(), 1);
    QTest::mouseClick(child<QToolButton>("bandwidthBtn"), Qt::LeftButton);
    QVERIFY(child<QStackedWidget>("m_CapacityStackedWidget")->isVisible());
}

void tst_VantrelMainWindow::encodingTabAnswersTheLinkQuestion()
{
    QTest::mouseClick(child<QToolButton>("encodingBtn"), Qt::LeftButton);
    QVERIFY(child<QStackedWidget>("m_CapacityStackedWidget")->isVisible());
    auto* resolutionPage = child<EncodeingPage>("resolutionPage");
    auto* frameRatePage = child<EncodeingPage>("frameRatePage");
    // The start values were answered at construction.
    QVERIFY(resolutionPage->bitRate() != QStringLiteral("40"));

    auto* custom = child<QCheckBox>("customBandCheckbox_2");
    QTest::mouseClick(custom, Qt::LeftButton);
    QVERIFY(custom->isChecked());
    auto* bandwidth = child<QLineEdit>("customBandEdit");
    bandwidth->clear();
    QTest::keyClicks(bandwidth, QStringLiteral("10.5"));
    child<QSpinBox>("streamCountSpinBox_2")->setValue(2);

    CodeParameter question;
    question.bandwidth = 10.5 * 1024;
    question.streamCount = 2;
    question.deviceType = 0;
    question.videoStandard = 0;
    question.streamType = 0;
    question.encodingType = child<QComboBox>("encodingTypeCombox_2")->currentText();
    EncodingCalculator calculator;
    QString resolution;
    QString frameRate;
    QVERIFY(calculator.calculateResolutionFirst(resolution, frameRate, question));
    QCOMPARE(resolutionPage->resolution(), resolution);
    QCOMPARE(resolutionPage->frameRate(), frameRate);
    QCOMPARE(resolutionPage->bitRate(),
             QString::number(int(calculator.calculateBitrate(0, resolution, frameRate.toDouble()))));
    QVERIFY(calculator.calculateFrameRateFirst(resolution, frameRate, question));
    QCOMPARE(frameRatePage->frameRate(), frameRate);
    QCOMPARE(frameRatePage->resolution(), resolution);

    // A link too thin for anything: both pages say 0.
    bandwidth->clear();
    QTest::keyClicks(bandwidth, QStringLiteral("0.01"));
    QCOMPARE(resolutionPage->bitRate(), QStringLiteral("0"));
    QCOMPARE(frameRatePage->resolution(), QStringLiteral("0"));
}

void tst_VantrelMainWindow::clearAsksUnderCover()
{
    addGroup(0, QStringLiteral("720P(1280x720)"), 2, 1);
    addGroup(0, QStringLiteral("720P(1280x720)"), 3, 1);
    bool coveredWhileAsking = false;
    QTimer::singleShot(0, m_window.get(), [&] {
        coveredWhileAsking = m_window->isCovered();
    });
    ModalAnswer::answerNext(QDialog::Rejected);
    QTest::mouseClick(child<QPushButton>("m_btnClear"), Qt::LeftButton);
    QVERIFY(coveredWhileAsking);
    QVERIFY(!m_window->isCovered());
    QCOMPARE(m_window->capacityCalculation()->deviceAddPage()->getDeviceGroupNumber(), 2);

    ModalAnswer::answerNext(QDialog::Accepted);
    QTest::mouseClick(child<QPushButton>("m_btnClear"), Qt::LeftButton);
    QVERIFY(!m_window->isCovered());
    QCOMPARE(m_window->capacityCalculation()->deviceAddPage()->getDeviceGroupNumber(), 0);
    QVERIFY(figure("channelLabel").contains(QStringLiteral("\t\t0\t\t")));
    // Numbers start again at 1.
    QSignalSpy added(m_window->deviceEditor(), &DeviceEditor::signalAddDevice);
    addGroup(0, QStringLiteral("720P(1280x720)"), 1, 1);
    QCOMPARE(added.takeFirst().at(0).value<StructDeviceItem>().groupNumber, 1);
}

void tst_VantrelMainWindow::sceneImportThroughTheAboutMenu()
{
    QTemporaryDir source;
    const QString table = source.filePath(QStringLiteral("new.csv"));
    {
        QFile file(table);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                   "Lab,H.264,720P(1280x720),900,C:\\pictures\\lab.png\n");
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(source.filePath(QStringLiteral("lab.png")), "PNG"));
    }
    bool coveredWhileOpen = false;
    QTimer::singleShot(0, m_window.get(), [&] {
        auto* dialog = qobject_cast<UpdateDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        coveredWhileOpen = m_window->isCovered();
        dialog->setOpenFileAsker([table](QWidget*, const QString&, const QString&, const QString&) { return table; });
        ModalAnswer::answerNext(QDialog::Accepted); // "... Replace the scene table?"
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("m_btnImport")), Qt::LeftButton);
        dialog->accept();
    });
    Q_EMIT m_window->aboutBox()->siganlBtn2Clicked();
    QVERIFY(coveredWhileOpen);
    QVERIFY(!m_window->isCovered());
    QFile installed(m_program->filePath(QStringLiteral("Scene.csv")));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    QVERIFY(installed.readAll().contains("Lab,H.264,720P(1280x720),900"));
    QVERIFY(QFile::exists(m_program->filePath(QStringLiteral("ScenePicture/lab.png"))));
}

void tst_VantrelMainWindow::f1OpensTheManual()
{
    m_program->write(QStringLiteral("help.pdf"), "%PDF-1.4");
    QUrl opened;
    m_window->aboutBox()->setUrlOpener([&opened](const QUrl& url) { opened = url; return true; });
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    QVERIFY(opened.isEmpty());
    QTest::keyClick(m_window.get(), Qt::Key_F1);
    QCOMPARE(opened, QUrl::fromLocalFile(m_program->filePath(QStringLiteral("help.pdf"))));
    opened.clear();
    Q_EMIT m_window->aboutBox()->siganlBtn1Clicked();
    QVERIFY(opened.isValid());
}

void tst_VantrelMainWindow::dataProblemsAreToldAtStart()
{
    QFile table(m_program->filePath(QStringLiteral("IPCBitrate/H.264.csv")));
    QVERIFY(table.open(QIODevice::Append));
    table.write("ZERO,0\n");
    table.close();
    m_program->remove(QStringLiteral("Frame.xml"));
    Vantrel window;

    QString shown;
    std::function<void()> answer = [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, this, answer);
            return;
        }
        shown = dialog->findChild<QPlainTextEdit*>(QStringLiteral("DataProblemsNotice_list"))->toPlainText();
        dialog->done(QDialog::Accepted);
    };
    QTimer::singleShot(0, this, answer);
    window.openAtStart({QStringLiteral("Vantrel")});
    const QStringList lines = shown.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).startsWith(QStringLiteral("Frame.xml: ")), qPrintable(shown));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("IPCBitrate/H.264.csv:25: ")), qPrintable(shown));
    // The rest of the tables is in use.
    QCOMPARE(window.deviceEditor()->configStore().getEncodingTable(QStringLiteral("H.264"), 0).size(), 24);
}

QTEST_MAIN(tst_VantrelMainWindow)
#include "tst_VantrelMainWindow.moc"
