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
    void rateIsWholeKbps();
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
    // Channels × streams, in the report's order.
    QCOMPARE(label(card, "streamCountsLabel")->text(), QStringLiteral("Stream Counts : 8 x 2"));
    QCOMPARE(label(card, "streamCountsLabel")->toolTip(), QStringLiteral("8 channels × 2 streams"));
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

    QCOMPARE(label(card, "streamCountsLabel")->text(), QStringLiteral("Stream Counts : 8 x 2"));
    QCOMPARE(label(card, "m_labelDeviceBitRate")->text(), QStringLiteral("Variable Rate : 2457 kbps"));
    QCOMPARE(label(card, "m_labelDeviceBitRate")->toolTip(), QStringLiteral("Variable Rate : 2457 kbps"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->text(), QStringLiteral("Resolution : 1080P(1920x1080)"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->toolTip(), QString());
    QCOMPARE(label(card, "m_labelEncodeType")->text(), QStringLiteral("Encode Type : H.265+"));
    QCOMPARE(label(card, "m_labelScenceName")->text(), QStringLiteral("Scene Type : Parking Lot"));
    QCOMPARE(label(card, "m_labelScenceName")->toolTip(), QStringLiteral("Scene Type : Parking Lot"));
}

void TestDeviceItemWidget::rateIsWholeKbps()
{
    StructDeviceItem group = fixedGroup();
    group.bitrate = 123456.7;
    QCOMPARE(label(DeviceItemWidget(nullptr, group), "m_labelDeviceBitRate")->text(),
             QStringLiteral("Fixted Rate : 123456 kbps"));
    // Whole kbps however large, never in exponent form.
    group.bitrate = 1000000;
    QCOMPARE(label(DeviceItemWidget(nullptr, group), "m_labelDeviceBitRate")->text(),
             QStringLiteral("Fixted Rate : 1000000 kbps"));
    // A rate a change of video standard left with a fraction shows as the
    // cards it changed do.
    group.bitrate = 4915.2;
    QCOMPARE(label(DeviceItemWidget(nullptr, group), "m_labelDeviceBitRate")->text(),
             QStringLiteral("Fixted Rate : 4915 kbps"));
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
    // Tool tips say what the card says.
    QCOMPARE(label(card, "m_labelDeviceBitRate")->toolTip(), QStringLiteral("Fixted Rate : 2457 kbps"));
    QCOMPARE(label(card, "m_labelDeviceResolution")->toolTip(), QStringLiteral("Frame Rate : 30"));

    card.setFrameRateAndBitRate(QStringLiteral("25"), std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(label(card, "m_labelDeviceBitRate")->text(), QStringLiteral("Fixted Rate : 0 kbps"));
}

void TestDeviceItemWidget::layoutByWidth_data()
{
    QTest::addColumn<bool>("scene");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("widths"); // at least, from 1000 px: counts, rate, third, fourth, fifth
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

    for (const bool scene : {false, true}) {
        const char* mode = scene ? "scene" : "fixed";
        auto row = [&](int width) -> QTestData& { return QTest::addRow("%s %d", mode, width) << scene << width; };
        row(480) << QList<int>{180, 180, 120, 180, 120} << rateUp << rateUpLower << "line2";
        row(700) << QList<int>{180, 180, 120, 180, 120} << rateUp << rateUpLower << "line2";
        row(720) << QList<int>{180, 180, 120, 180, 120} << rateUp << rateUpLower << "line2";
        row(721) << QList<int>{180, 180, 120, 180, 120} << rateDown << rateDownLower << "line1";
        row(800) << QList<int>{180, 180, 120, 180, 120} << rateDown << rateDownLower << "line1";
        row(899) << QList<int>{180, 180, 120, 180, 120} << rateDown << rateDownLower << "line1";
        row(900) << QList<int>{180, 180, 120, 180, 120} << QStringList() << oneRow << "";
        row(1000) << QList<int>{180, 180, 120, 180, 120} << QStringList() << oneRow << "";
        row(1400) << QList<int>{220, 250, 160, 250, 160} << QStringList() << oneRow << "";
    }
}

// Each arrangement keeps its fields inside the card; spare width, and then
// the slack of short fields, goes to a field whose text would be cut, so from
// 700 px on every field of these groups (a resolution name the longest)
// reads whole, at 1400 px too.
void TestDeviceItemWidget::layoutByWidth()
{
    QFETCH(bool, scene);
    QFETCH(int, width);
    QFETCH(QList<int>, widths);
    QFETCH(QStringList, upper);
    QFETCH(QStringList, lower);
    QFETCH(QString, hiddenLine);

    StructDeviceItem group = scene ? sceneGroup() : fixedGroup();
    group.resolution = QStringLiteral("4K(3840x2160)");
    DeviceItemWidget card(nullptr, group);
    card.show(); // a hidden widget gets its resize events only when shown
    card.resize(width, 84);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(card.width(), width);

    const char* fields[] = {"streamCountsLabel", "m_labelDeviceBitRate", "m_labelDeviceResolution",
                            "m_labelEncodeType", "m_labelScenceName"};
    for (int field = 0; field < 5; ++field) {
        const QLabel* shown = label(card, fields[field]);
        QCOMPARE(shown->minimumWidth(), shown->maximumWidth());
        QCOMPARE(shown->width(), shown->minimumWidth());
        // A wide card's fields grow; a narrower one's may lend their slack.
        if (width >= 1000)
            QVERIFY2(shown->width() >= widths.at(field), fields[field]);
        QVERIFY2(shown->geometry().right() < width, fields[field]);
        // Right at the width where an arrangement begins there is no spare
        // width to give.
        if (width >= 700) {
            QVERIFY2(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->contentsRect().width(),
                     qPrintable(shown->text()));
        }
    }
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
    QVERIFY(label(card, "m_labelScenceName")->width() >= 120);
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
