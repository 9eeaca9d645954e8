#include "DeviceItemWidget/DeviceItemWidget.h"

#include <DeviceGroupBuilder.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

DeviceGroupBuilder lobby()
{
    return DeviceGroupBuilder(QStringLiteral("IPC"), QStringLiteral("Lobby"), 3).channels(8, 2).rate(2048);
}

StructDeviceItem fixedGroup()
{
    return lobby();
}

StructDeviceItem sceneGroup()
{
    return lobby().scene(QStringLiteral("Parking Lot")).encoding(QStringLiteral("H.265+")).rate(2457.6);
}

} // namespace

class TestDeviceItemWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixedRateTexts();
    void sceneTexts();
    void rateKeepsSixDigits();
    void deviceIcon_data();
    void deviceIcon();
    void standardChangeTruncatesShownRate();
    void layoutByWidth_data();
    void layoutByWidth();
    void shrinkingAgainRestoresTwoRows();
    void deleteButtonReportsCardAndGroup();

private:
    static QLabel* label(const QWidget& card, const char* name)
    {
        return card.findChild<QLabel*>(QLatin1String(name));
    }
    static QStringList rowContents(const QWidget& card, const char* layoutName)
    {
        QStringList names;
        const auto* row = card.findChild<QHBoxLayout*>(QLatin1String(layoutName));
        for (int i = 0; row && i < row->count(); ++i) {
            if (QWidget* widget = row->itemAt(i)->widget())
                names << widget->objectName();
        }
        return names;
    }
};

void TestDeviceItemWidget::fixedRateTexts()
{
    const DeviceItemWidget card(nullptr, fixedGroup());

    QCOMPARE(label(card, "m_labelChannelGroupName")->text(), QStringLiteral("Lobby(3)"));
    QCOMPARE(label(card, "deviceCountLabel")->text(), QString());
    QCOMPARE(label(card, "streamCountsLabel")->text(), QStringLiteral("Stream Counts : 2 x 8"));
    QCOMPARE(label(card, "streamCountsLabel")->toolTip(), QStringLiteral("Stream Counts : 2"));
    const QList<QPair<const char*, QString>> fields = {
        {"m_labelDeviceBitRate", QStringLiteral("Fixted Rate : 2048 kbps")},
        {"m_labelDeviceResolution", QStringLiteral("Frame Rate : 25")},
        {"m_labelEncodeType", QStringLiteral("Resolution : 1080P(1920x1080)")},
        {"m_labelScenceName", QStringLiteral("Encode Type : H.264")},
    };
    for (const auto& field : fields) {
        QCOMPARE(label(card, field.first)->text(), field.second);
        QCOMPARE(label(card, field.first)->toolTip(), field.second);
    }
    QVERIFY(!label(card, "m_labelScenceName")->isHidden());
    QCOMPARE(card.deviceItem().groupNumber, 3);
    QCOMPARE(card.deviceItem().bitrate, 2048.0);
}

void TestDeviceItemWidget::sceneTexts()
{
    const DeviceItemWidget card(nullptr, sceneGroup());

    QCOMPARE(label(card, "streamCountsLabel")->text(), QStringLiteral("Stream Counts : 2 x 8"));
    QCOMPARE(label(card, "m_labelDeviceBitRate")->text(), QStringLiteral("Variable Rate : 2457.6 kbps"));
    QCOMPARE(label(card, "m_labelDeviceBitRate")->toolTip(), QStringLiteral("Variable Rate : 2457.6 kbps"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->text(), QStringLiteral("Resolution : 1080P(1920x1080)"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->toolTip(), QString());
    QCOMPARE(label(card, "m_labelEncodeType")->text(), QStringLiteral("Encode Type : H.265+"));
    QCOMPARE(label(card, "m_labelScenceName")->text(), QStringLiteral("Scene Type : Parking Lot"));
    QCOMPARE(label(card, "m_labelScenceName")->toolTip(), QStringLiteral("Scene Type : Parking Lot"));
}

void TestDeviceItemWidget::rateKeepsSixDigits()
{
    StructDeviceItem group = fixedGroup();
    group.bitrate = 123456.7;
    QCOMPARE(label(DeviceItemWidget(nullptr, group), "m_labelDeviceBitRate")->text(),
             QStringLiteral("Fixted Rate : 123457 kbps"));
    group.sceneName = QStringLiteral("Road");
    group.bitrate = -1; // the scene table had no row
    QCOMPARE(label(DeviceItemWidget(nullptr, group), "m_labelDeviceBitRate")->text(),
             QStringLiteral("Variable Rate : -1 kbps"));
}

void TestDeviceItemWidget::deviceIcon_data()
{
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<bool>("dvrIcon");
    QTest::newRow("DVR") << "DVR" << true;
    QTest::newRow("lower-case dvr") << "dvr" << true;
    QTest::newRow("IPC") << "IPC" << false;
    QTest::newRow("unknown type") << "NVR" << false;
    QTest::newRow("empty") << "" << false;
}

void TestDeviceItemWidget::deviceIcon()
{
    QFETCH(QString, deviceType);
    QFETCH(bool, dvrIcon);
    StructDeviceItem group = fixedGroup();
    group.deviceType = deviceType;
    const DeviceItemWidget card(nullptr, group);
    QCOMPARE(!label(card, "m_labelDeviceTypeIconDVR")->isHidden(), dvrIcon);
    QCOMPARE(!label(card, "m_labelDeviceTypeIconIPC")->isHidden(), !dvrIcon);
}

void TestDeviceItemWidget::standardChangeTruncatesShownRate()
{
    DeviceItemWidget card(nullptr, fixedGroup());
    card.setFrameRateAndBitRate(QStringLiteral("30"), 2457.6);

    QCOMPARE(label(card, "m_labelDeviceBitRate")->text(), QStringLiteral("Fixted Rate : 2457 kbps"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->text(), QStringLiteral("Frame Rate : 30"));
    QCOMPARE(card.deviceItem().bitrate, 2457.6);
    QCOMPARE(card.deviceItem().frameRate, QStringLiteral("30"));
    // Tool tips keep what the group was added with.
    QCOMPARE(label(card, "m_labelDeviceBitRate")->toolTip(), QStringLiteral("Fixted Rate : 2048 kbps"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->toolTip(), QStringLiteral("Frame Rate : 25"));

    card.setFrameRateAndBitRate(QStringLiteral("25"), std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(label(card, "m_labelDeviceBitRate")->text(), QStringLiteral("Fixted Rate : 0 kbps"));
}

void TestDeviceItemWidget::layoutByWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("widths"); // counts, rate, third, fourth, fifth
    QTest::addColumn<QStringList>("upper");
    QTest::addColumn<QStringList>("lower");
    QTest::addColumn<QString>("hiddenLine");

    const QString counts = QStringLiteral("streamCountsLabel");
    const QString rate = QStringLiteral("m_labelDeviceBitRate");
    const QString third = QStringLiteral("m_labelDeviceResolution");
    const QString fourth = QStringLiteral("m_labelEncodeType");
    const QString fifth = QStringLiteral("m_labelScenceName");
    const QStringList rateUp = {counts, "line1", rate, "line2"};
    const QStringList rateUpLower = {fourth, "line3", third, "line4", fifth};
    const QStringList rateDown = {counts, "line1"};
    const QStringList rateDownLower = {rate, "line2", fourth, "line3", third, "line4", fifth};
    const QStringList oneRow = {counts, "line1", rate, "line2", fourth, "line3", third, "line4", fifth};

    QTest::newRow("480") << 480 << QList<int>{180, 180, 120, 180, 120} << rateUp << rateUpLower << "line2";
    QTest::newRow("700") << 700 << QList<int>{180, 180, 120, 180, 295} << rateUp << rateUpLower << "line2";
    QTest::newRow("720") << 720 << QList<int>{180, 180, 120, 180, 315} << rateUp << rateUpLower << "line2";
    QTest::newRow("721") << 721 << QList<int>{180, 180, 120, 180, 121} << rateDown << rateDownLower << "line1";
    QTest::newRow("800") << 800 << QList<int>{180, 180, 120, 180, 200} << rateDown << rateDownLower << "line1";
    QTest::newRow("899") << 899 << QList<int>{180, 180, 120, 180, 299} << rateDown << rateDownLower << "line1";
    QTest::newRow("900") << 900 << QList<int>{180, 180, 120, 180, 120} << QStringList() << oneRow << "";
    QTest::newRow("909") << 909 << QList<int>{180, 180, 120, 180, 120} << QStringList() << oneRow << "";
    QTest::newRow("910") << 910 << QList<int>{181, 181, 121, 181, 121} << QStringList() << oneRow << "";
    QTest::newRow("1000") << 1000 << QList<int>{199, 199, 139, 199, 139} << QStringList() << oneRow << "";
    QTest::newRow("1400") << 1400 << QList<int>{220, 250, 160, 250, 160} << QStringList() << oneRow << "";
}

void TestDeviceItemWidget::layoutByWidth()
{
    QFETCH(int, width);
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, upper);
    QFETCH(QStringList, lower);
    QFETCH(QString, hiddenLine);

    DeviceItemWidget card(nullptr, fixedGroup());
    card.show(); // a hidden widget gets its resize events only when shown
    card.resize(width, 84);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(card.width(), width);

    const QList<int> actual = {label(card, "streamCountsLabel")->width(), label(card, "m_labelDeviceBitRate")->width(),
                               label(card, "m_labelDeviceResolution")->width(), label(card, "m_labelEncodeType")->width(),
                               label(card, "m_labelScenceName")->width()};
    const QList<int> fixedWidths = {label(card, "streamCountsLabel")->minimumWidth(),
                                    label(card, "m_labelDeviceBitRate")->maximumWidth(),
                                    label(card, "m_labelDeviceResolution")->minimumWidth(),
                                    label(card, "m_labelEncodeType")->maximumWidth(),
                                    label(card, "m_labelScenceName")->minimumWidth()};
    QCOMPARE(fixedWidths, widths);
    QCOMPARE(actual, widths);
    QCOMPARE(rowContents(card, "m_hlayout2"), upper);
    QCOMPARE(rowContents(card, "m_hlayout3"), lower);
    for (const char* line : {"line1", "line2", "line3", "line4"}) {
        const bool hidden = card.findChild<QWidget*>(QLatin1String(line))->isHidden();
        QCOMPARE(hidden, hiddenLine == QLatin1String(line));
    }
}

void TestDeviceItemWidget::shrinkingAgainRestoresTwoRows()
{
    DeviceItemWidget card(nullptr, sceneGroup());
    card.show();
    card.resize(1000, 60);
    card.resize(700, 84);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(rowContents(card, "m_hlayout2"),
             QStringList({"streamCountsLabel", "line1", "m_labelDeviceBitRate", "line2"}));
    QCOMPARE(label(card, "m_labelScenceName")->width(), 295);
    // The rows do not overlap: the lower row sits below the upper one.
    const QLabel* upperLabel = label(card, "streamCountsLabel");
    const QLabel* lowerLabel = label(card, "m_labelEncodeType");
    QVERIFY(upperLabel->geometry().bottom() < lowerLabel->geometry().top());
    QCOMPARE(label(card, "m_labelScenceName")->text(), QStringLiteral("Scene Type : Parking Lot"));
}

void TestDeviceItemWidget::deleteButtonReportsCardAndGroup()
{
    DeviceItemWidget card(nullptr, fixedGroup());
    card.show();
    QSignalSpy spy(&card, &DeviceItemWidget::signalDeleteClicked);
    auto* button = card.findChild<QToolButton*>(QStringLiteral("m_btnDelete"));
    QVERIFY(button);
    QCOMPARE(button->size(), QSize(24, 24));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QWidget*>(), static_cast<QWidget*>(&card));
    QCOMPARE(spy.at(0).at(1).toInt(), 3);
}

QTEST_MAIN(TestDeviceItemWidget)
#include "tst_DeviceItemWidget.moc"
