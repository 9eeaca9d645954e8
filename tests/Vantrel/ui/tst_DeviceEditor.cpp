#include "DeviceEditorProbe.h"
#include "ScenceSelector/ScenceSelector.h"

#include <Fenwork/SpinBox.h>
#include <Fenwork/Switch.h>
#include <Sarnet/ToolApplicationHull.h>
#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>

#include <QComboBox>
#include <QLabel>
#include <QWheelEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList g_log;

void collectMessages(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_log << message;
}

QList<StructDeviceItem> added(const QSignalSpy& spy)
{
    QList<StructDeviceItem> items;
    for (const QList<QVariant>& arguments : spy)
        items << arguments.at(0).value<StructDeviceItem>();
    return items;
}

QStringList texts(const QSignalSpy& spy)
{
    QStringList values;
    for (const QList<QVariant>& arguments : spy)
        values << arguments.at(0).toString();
    return values;
}

int shippedRate(const QString& encoding, int deviceType, const QString& resolution, double frameRate)
{
    EncodingCalculator calculator;
    calculator.setEncodeType(encoding);
    return static_cast<int>(calculator.calculateBitrate(deviceType, resolution, frameRate));
}

// The largest rate the shipped tables give, over every encoding, device type,
// resolution and frame rate of both standards.
qint64 largestShippedRate()
{
    EncodingCalculator calculator;
    const DeviceConfigStore& store = calculator.store();
    qint64 largest = 0;
    for (const QString& encoding : store.getEncodeTypes()) {
        calculator.setEncodeType(encoding);
        for (int type : {0, 1}) {
            for (const BitrateEntry& entry : store.getEncodingTable(encoding, type)) {
                for (int standard : {0, 1}) {
                    for (const ShowValueItem& frameRate : store.getFrameRateTable(standard)) {
                        largest = std::max(largest, static_cast<qint64>(calculator.calculateBitrate(
                                                        type, entry.resolution, frameRate.value)));
                    }
                }
            }
        }
    }
    return largest;
}

QAbstractButton* sceneButton(DeviceEditor& editor, int row)
{
    auto* list = widget<QListWidget>(editor, "m_listWidgetScences");
    return qobject_cast<QAbstractButton*>(list->itemWidget(list->item(row)));
}

void clickAdd(DeviceEditor& editor)
{
    QTest::mouseClick(widget<QAbstractButton>(editor, "m_btnAddDevice"), Qt::LeftButton);
}

} // namespace

class TestDeviceEditor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<StructDeviceItem>();
        qRegisterMetaType<CodeParameter>("CodeParameter");
        qRegisterMetaType<VideoStandard>();
    }

    void tabOrder()
    {
        DeviceEditor editor;
        // The folded sections' fields are made at their first unfold, and
        // the link's form when its page is first shown; each takes its place
        // in the chain then.
        widget<QAbstractButton>(editor, "m_btnView")->setChecked(true);
        widget<QAbstractButton>(editor, "m_btnRecording")->setChecked(true);
        editor.setCurrentPage(1);
        editor.setCurrentPage(0);
        const QStringList order = {
            "m_lineEditChannelName", "channelCountsEdit", "m_comboBoxDeviceType", "streamCountsEdit",
            "m_radioButtonFixedRate", "m_radioButtonVarRate", "m_comboBoxResolution", "m_comboxFrameRate",
            "m_comboxEncodingType", "m_scenceSelector", "m_lineEditScenceRecommandRate", "m_btnView",
            // The View section's fields, in the order they are seen.
            "m_comboViewKind", "m_spinViewAngle", "m_spinFocalLength", "m_comboSensor", "m_spinSensorWidth",
            "m_spinViewDistance", "m_comboRequiredLevel", "m_btnRecording", "m_comboRecordingMode",
            "m_btnAddDevice", "m_btnCancelEdit", "deviceTypeCombox_2", "customBandCheckbox_2", "customBandEdit",
            "netLinkCombox_2", "selectBandCombox_2", "sSystemCombox_2", "encodingTypeCombox_2",
            "streamTypeCombox_2", "streamCountSpinBox_2"};
        QStringList seen;
        QWidget* start = widget<QWidget>(editor, "m_lineEditChannelName");
        QWidget* current = start;
        do {
            if (order.contains(current->objectName()) && !seen.contains(current->objectName()))
                seen << current->objectName();
            current = current->nextInFocusChain();
        } while (current != start);
        QCOMPARE(seen, order);
    }

    void startState()
    {
        g_log.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
        DeviceEditor editor;
        qInstallMessageHandler(previous);
        QVERIFY2(g_log.filter(QStringLiteral("connect failure!")).isEmpty(), qPrintable(g_log.join('\n')));

        // The group form first; the link's form is not made until shown.
        QCOMPARE(widget<QStackedWidget>(editor, "m_verticalWidgetAddBorder")->currentIndex(), 0);
        QVERIFY(!editor.findChild<QWidget*>(QStringLiteral("m_verticalStackedWidgetAddBorderPage2")));
        QCOMPARE(editor.width(), 400);
        QCOMPARE(editor.minimumWidth(), 400);
        QVERIFY(widget<QRadioButton>(editor, "m_radioButtonFixedRate")->isChecked());
        QVERIFY(widget<QWidget>(editor, "m_scenceSelector")->isHidden());
        QVERIFY(!widget<QWidget>(editor, "m_radioButtonVarRate")->isHidden());
        QVERIFY(widget<QLineEdit>(editor, "m_lineEditChannelName")->text().isEmpty());
        QCOMPARE(widget<QLineEdit>(editor, "m_lineEditChannelName")->placeholderText(), QStringLiteral("Channel Name"));
        QCOMPARE(widget<QLineEdit>(editor, "m_lineEditChannelName")->maxLength(), 20);
        for (const char* name : {"channelCountsEdit", "streamCountsEdit"}) {
            auto* box = widget<QSpinBox>(editor, name);
            QCOMPARE(box->value(), 1);
            QCOMPARE(box->minimum(), 1);
            QCOMPARE(box->maximum(), 512);
        }
        QVERIFY(widget<aptui::Switch>(editor, "PalNtscSwitch")->isOn());
        QCOMPARE(comboItems(combo(editor, "m_comboBoxDeviceType")), QStringList({"IPC", "DVR"}));
        QCOMPARE(editor.onGetScenceSelector(), widget<QObject>(editor, "m_scenceSelector"));

        editor.setCurrentPage(1);
        QCOMPARE(widget<QStackedWidget>(editor, "m_verticalWidgetAddBorder")->currentWidget()->objectName(),
                 QStringLiteral("m_verticalStackedWidgetAddBorderPage2"));
        editor.setCurrentPage(0);
        QCOMPARE(widget<QStackedWidget>(editor, "m_verticalWidgetAddBorder")->currentIndex(), 0);
        QCOMPARE(editor.width(), 400);
    }

    void longEntriesStayWithinThePanel()
    {
        // A data file may name a resolution at any length: the lists keep
        // the panel's columns and show such a name cut off.
        DeviceEditor plain;
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        DeviceEditor editor;
        combo(editor, "m_comboBoxResolution")->addItem(QString(120, QLatin1Char('W')));
        combo(editor, "m_comboBoxDeviceType")->addItem(QString(60, QLatin1Char('W')));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        for (const char* name : {"m_comboBoxDeviceType", "m_comboBoxResolution", "m_comboxFrameRate"}) {
            QCOMPARE(combo(editor, name)->geometry(), combo(plain, name)->geometry());
            QVERIFY2(combo(editor, name)->mapTo(&editor, QPoint(combo(editor, name)->width(), 0)).x() <= editor.width(),
                     name);
        }
    }

    // ---- fixed rate ---------------------------------------------------------

    void startRateIsComputedWithH264()
    {
        TempProgramDir dir;
        MiniData data;
        // "AAA" sorts first, yet the start-up rate still uses H.264.
        data.ipcTables.append({QStringLiteral("AAA"), {QStringLiteral("1080P,100")}});
        data.write(dir);
        DeviceEditor editor;
        QCOMPARE(combo(editor, "m_comboxEncodingType")->currentText(), QStringLiteral("AAA"));
        QCOMPARE(combo(editor, "m_comboxFrameRate")->currentText(), QStringLiteral("25"));
        QCOMPARE(rateField(editor)->text(), QStringLiteral("4000"));

        // Choosing the fixed rate again hands the shown type to the calculator.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonFixedRate"), Qt::LeftButton);
        QCOMPARE(rateField(editor)->text(), QStringLiteral("100"));
    }

    void fixedRateWithShippedData()
    {
        TempProgramDir dir(TempProgramDir::ShippedData);
        DeviceEditor editor;
        QComboBox* resolutions = combo(editor, "m_comboBoxResolution");
        const QString first = resolutions->itemText(0);
        QCOMPARE(resolutions->count(), 24);
        QCOMPARE(rateField(editor)->text(), QString::number(shippedRate("H.264", 0, first, 25)));

        combo(editor, "m_comboxFrameRate")->setCurrentIndex(0); // 50
        QCOMPARE(rateField(editor)->text(), QString::number(shippedRate("H.264", 0, first, 50)));

        combo(editor, "m_comboxEncodingType")->setCurrentText(QStringLiteral("H.265"));
        QCOMPARE(rateField(editor)->text(), QString::number(shippedRate("H.265", 0, first, 50)));

        resolutions->setCurrentIndex(12);
        QCOMPARE(rateField(editor)->text(),
                 QString::number(shippedRate("H.265", 0, resolutions->itemText(12), 50)));

        combo(editor, "m_comboxFrameRate")->setCurrentText(QStringLiteral("1/16"));
        QCOMPARE(rateField(editor)->text(),
                 QString::number(shippedRate("H.265", 0, resolutions->itemText(12), 0.0625)));

        combo(editor, "m_comboBoxDeviceType")->setCurrentIndex(1);
        QCOMPARE(resolutions->count(), 11);
        QCOMPARE(rateField(editor)->text(),
                 QString::number(shippedRate("H.265", 1, resolutions->itemText(0), 0.0625)));
    }

    void encodingListsFollowTheLanguage()
    {
        TempProgramDir dir(TempProgramDir::ShippedData);
        DeviceEditor editor;
        const bool english = apt::ToolApplicationHull::instance()->language() == 0;
        const QString kept = english ? QStringLiteral("H.264+") : QStringLiteral("Smart H.264");
        const QString dropped = english ? QStringLiteral("Smart H.264") : QStringLiteral("H.264+");

        QStringList sorted = {"H.264", "H.264+", "H.265", "H.265+", "MJPEG", "Smart H.264", "Smart H.265"};
        sorted.removeAll(dropped);
        QCOMPARE(comboItems(combo(editor, "m_comboxEncodingType")), sorted);

        // The encoding page keeps the store's order and preselects the second.
        editor.setCurrentPage(1);
        QStringList stored = {"H.264+", "H.264", "H.265+", "H.265", "MJPEG", "Smart H.264", "Smart H.265"};
        stored.removeAll(dropped);
        QComboBox* page = combo(editor, "encodingTypeCombox_2");
        QCOMPARE(comboItems(page), stored);
        QCOMPARE(page->currentIndex(), 1);
        QVERIFY(comboItems(page).contains(kept));
    }

    void languageFilter_data()
    {
        QTest::addColumn<uint>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("english") << 0u << QStringList({"H.264", "H.264+", "H.265"});
        QTest::newRow("chinese") << 1u << QStringList({"Smart H.264", "H.264", "Smart H.264", "H.265"});
        QTest::newRow("font language") << 10u << QStringList({"Smart H.264", "H.264", "Smart H.264", "H.265"});
    }

    void languageFilter()
    {
        QFETCH(uint, language);
        QFETCH(QStringList, expected);
        const QStringList all = {"Smart H.264", "H.264", "H.264+", "Smart H.264", "H.265"};
        QCOMPARE(DeviceEditor::encodingTypesForLanguage(all, language), expected);
    }

    void refillRunsOfTheFixedRateBoxes()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        QSignalSpy rates(rateField(editor), &QLineEdit::textChanged);

        // The plain refill of the encoding box runs its slot for the emptied
        // box (no encoding, rate 0) and again for the first type.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonFixedRate"), Qt::LeftButton);
        QCOMPARE(texts(rates), QStringList({"0", "4000"}));

        // Changing the device type refills the resolutions from their first
        // item: the emptied box never reaches the calculator.
        rates.clear();
        combo(editor, "m_comboBoxDeviceType")->setCurrentIndex(1);
        QCOMPARE(comboItems(combo(editor, "m_comboBoxResolution")), QStringList({"D1", "CIF"}));
        QCOMPARE(texts(rates), QStringList({"1000"}));

        combo(editor, "m_comboxFrameRate")->setCurrentIndex(2); // 5 fps: 1000/5 + 5*4*1000/125
        QCOMPARE(rateField(editor)->text(), QStringLiteral("360"));
    }

    void videoStandardSwitch()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        auto* toggle = widget<aptui::Switch>(editor, "PalNtscSwitch");
        QSignalSpy standards(&editor, &DeviceEditor::signalCurrentFrameStandard);
        QString rateWhenEmitted;
        connect(&editor, &DeviceEditor::signalCurrentFrameStandard, this,
                [&] { rateWhenEmitted = rateField(editor)->text(); });

        // The frame-rate box is refilled silently: only the preselection of
        // the second entry recomputes the rate.
        QSignalSpy rates(rateField(editor), &QLineEdit::textChanged);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!toggle->isOn());
        QCOMPARE(texts(rates), QStringList({"4800"}));
        QCOMPARE(comboItems(combo(editor, "m_comboxFrameRate")), QStringList({"60", "30", "6"}));
        QCOMPARE(combo(editor, "m_comboxFrameRate")->currentText(), QStringLiteral("30"));
        QCOMPARE(standards.count(), 1);
        QCOMPARE(standards.at(0).at(0).value<VideoStandard>(), NTSC);
        QCOMPARE(rateWhenEmitted, QStringLiteral("4800")); // recomputed before the list hears of it

        // 6 fps under NTSC: (4000*10/25) * 0.9^4
        combo(editor, "m_comboxFrameRate")->setCurrentIndex(2);
        QCOMPARE(rateField(editor)->text(), QStringLiteral("1049"));

        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(standards.at(1).at(0).value<VideoStandard>(), PAL);
        QCOMPARE(combo(editor, "m_comboxFrameRate")->currentText(), QStringLiteral("25"));
        QCOMPARE(rateField(editor)->text(), QStringLiteral("4000"));

        // In scene mode the standard changes, the scene's rate stays.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonVarRate"), Qt::LeftButton);
        QCOMPARE(rateField(editor)->text(), QStringLiteral("3000"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(standards.count(), 3);
        QCOMPARE(rateField(editor)->text(), QStringLiteral("3000"));
        QCOMPARE(combo(editor, "m_comboxFrameRate")->currentText(), QStringLiteral("30"));
    }

    void shortFrameRateLists_data()
    {
        QTest::addColumn<QStringList>("pal");
        QTest::addColumn<bool>("writeFrameXml");
        QTest::addColumn<QString>("rate");
        // Below 1 fps the IPC curve is flat: 1600 * 0.9^9
        QTest::newRow("one frame rate") << QStringList({"25=25"}) << true << QStringLiteral("619");
        QTest::newRow("no frame rates") << QStringList() << true << QStringLiteral("619");
        QTest::newRow("no Frame.xml") << QStringList({"25=25"}) << false << QStringLiteral("619");
    }

    void shortFrameRateLists()
    {
        QFETCH(QStringList, pal);
        QFETCH(bool, writeFrameXml);
        QFETCH(QString, rate);
        TempProgramDir dir;
        MiniData data;
        data.pal = pal;
        data.ntsc = pal;
        data.writeFrameXml = writeFrameXml;
        data.write(dir);
        DeviceEditor editor;
        QComboBox* frames = combo(editor, "m_comboxFrameRate");
        QCOMPARE(frames->currentIndex(), -1);
        QCOMPARE(rateField(editor)->text(), rate);

        editor.onFrametareStandardNTSC();
        QCOMPARE(frames->currentIndex(), -1);
        editor.onFrametareStandardPAL();
        clickAdd(editor);
    }

    // ---- variable rate ------------------------------------------------------

    void sceneModeFlow()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QSignalSpy rates(rateField(editor), &QLineEdit::textChanged);

        // Entering the mode loads scene 0 with silent refills: one rate, no
        // intermediate -1 from an emptied box.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonVarRate"), Qt::LeftButton);
        QCOMPARE(editor.width(), 390);
        QVERIFY(!widget<QWidget>(editor, "m_scenceSelector")->isHidden());
        QVERIFY(widget<QWidget>(editor, "m_comboxFrameRate")->isHidden());
        QVERIFY(widget<QWidget>(editor, "m_labelFrameRate")->isHidden());
        QVERIFY(!widget<QWidget>(editor, "m_comboxEncodingType")->isHidden());
        QCOMPARE(comboItems(combo(editor, "m_comboBoxResolution")), QStringList({"1080P", "720P"}));
        // Scene lists are not filtered by language.
        QCOMPARE(comboItems(combo(editor, "m_comboxEncodingType")), QStringList({"H.264", "Smart H.264"}));
        QCOMPARE(texts(rates), QStringList({"3000"}));

        rates.clear();
        combo(editor, "m_comboxEncodingType")->setCurrentIndex(1);
        QCOMPARE(texts(rates), QStringList({"1500"}));

        rates.clear();
        combo(editor, "m_comboBoxResolution")->setCurrentIndex(1);
        QCOMPARE(comboItems(combo(editor, "m_comboxEncodingType")), QStringList({"H.264"}));
        QCOMPARE(texts(rates), QStringList({"1200"}));

        // Scene 1 through its button.
        QTest::mouseClick(sceneButton(editor, 1), Qt::LeftButton);
        QCOMPARE(comboItems(combo(editor, "m_comboBoxResolution")), QStringList({"720P"}));
        QCOMPARE(rateField(editor)->text(), QStringLiteral("800"));
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        clickAdd(editor);
        QCOMPARE(adds.count(), 1);
        StructDeviceItem yard = added(adds).at(0);
        QCOMPARE(yard.sceneName, QStringLiteral("Yard"));
        QVERIFY(yard.frameRate.isEmpty());
        QCOMPARE(yard.encodingType, QStringLiteral("H.265"));
        QCOMPARE(yard.resolution, QStringLiteral("720P"));
        QCOMPARE(yard.bitrate, 800.0);

        // Re-entering the mode starts from scene 0 whatever the selector shows.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonVarRate"), Qt::LeftButton);
        QVERIFY(sceneButton(editor, 1)->isChecked());
        QCOMPARE(rateField(editor)->text(), QStringLiteral("3000"));
        clickAdd(editor);
        QCOMPARE(added(adds).at(1).sceneName, QStringLiteral("Lab"));

        // Back to fixed rate.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonFixedRate"), Qt::LeftButton);
        QCOMPARE(editor.width(), 320);
        QVERIFY(widget<QWidget>(editor, "m_scenceSelector")->isHidden());
        QVERIFY(!widget<QWidget>(editor, "m_comboxFrameRate")->isHidden());
        QCOMPARE(comboItems(combo(editor, "m_comboxEncodingType")), QStringList({"H.264", "H.265"}));
        QCOMPARE(rateField(editor)->text(), QStringLiteral("4000"));
        clickAdd(editor);
        QVERIFY(added(adds).at(2).sceneName.isEmpty());
        QCOMPARE(added(adds).at(2).frameRate, QStringLiteral("25"));
    }

    void withoutScenesOnlyFixedRate()
    {
        TempProgramDir dir;
        MiniData data;
        data.writeScenes = false;
        data.write(dir);
        DeviceEditor editor;
        QVERIFY(widget<QWidget>(editor, "m_radioButtonVarRate")->isHidden());
        // The hidden picker holds no scene (nor, yet, its form).
        const auto* scenes = editor.findChild<QListWidget*>(QStringLiteral("m_listWidgetScences"));
        QVERIFY(!scenes || scenes->count() == 0);
        QVERIFY(widget<QRadioButton>(editor, "m_radioButtonFixedRate")->isChecked());
    }

    // ---- "+ Add" --------------------------------------------------------------

    void addTwiceOnAFreshEditor()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        QStringList order;
        connect(&editor, &DeviceEditor::signalAppStart, this, [&] { order << QStringLiteral("start"); });
        connect(&editor, &DeviceEditor::signalAddDevice, this,
                [&](const StructDeviceItem& item) { order << item.channelName; });
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);

        clickAdd(editor);
        clickAdd(editor);
        QCOMPARE(order, QStringList({"start", "Channel Name(1)", "Channel Name(2)"}));
        const StructDeviceItem first = added(adds).at(0);
        QCOMPARE(first.deviceType, QStringLiteral("IPC"));
        QCOMPARE(first.resolution, QStringLiteral("1080P"));
        QCOMPARE(first.frameRate, QStringLiteral("25"));
        QVERIFY(first.sceneName.isEmpty());
        QCOMPARE(first.encodingType, QStringLiteral("H.264"));
        QCOMPARE(first.bitrate, 4000.0);
        QCOMPARE(first.channelCount, 1);
        QCOMPARE(first.streamCount, 1);
        QCOMPARE(first.groupNumber, 1);
        QVERIFY(!first.spareFlag);
        QVERIFY(first.spareText.isEmpty());
        QCOMPARE(added(adds).at(1).groupNumber, 2);

        // After a reset by the window the next add starts the app again.
        editor.setAppStarted(false);
        clickAdd(editor);
        QCOMPARE(order.mid(3), QStringList({"start", "Channel Name(3)"}));
    }

    void groupNumbersAreReused()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        for (int i = 0; i < 3; ++i)
            clickAdd(editor);
        editor.onDeleteChannelGroupNumber(2);
        clickAdd(editor);
        clickAdd(editor);
        QVERIFY(QMetaObject::invokeMethod(&editor, "onDeleteChannelGroupNumber", Q_ARG(int, 0)));
        clickAdd(editor);
        QList<int> numbers;
        for (const StructDeviceItem& item : added(adds))
            numbers << item.groupNumber;
        QCOMPARE(numbers, QList<int>({1, 2, 3, 2, 4, 1}));
    }

    void typedValuesAreSent()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);

        auto* name = widget<QLineEdit>(editor, "m_lineEditChannelName");
        retype(name, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")); // 25 typed, 20 kept
        QCOMPARE(name->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        retype(widget<QSpinBox>(editor, "channelCountsEdit"), QStringLiteral("512"));
        retype(widget<QSpinBox>(editor, "streamCountsEdit"), QStringLiteral("512"));
        retype(rateField(editor), QStringLiteral("1234"));
        clickAdd(editor);
        StructDeviceItem item = added(adds).at(0);
        QCOMPARE(item.channelCount, 512);
        QCOMPARE(item.streamCount, 512);
        QCOMPARE(item.bitrate, 1234.0);

        // The typed rate holds until a choice rewrites the field.
        for (int i = 0; i < 10; ++i)
            clickAdd(editor);
        QCOMPARE(added(adds).at(10).bitrate, 1234.0);
        combo(editor, "m_comboxFrameRate")->setCurrentIndex(0);
        clickAdd(editor);
        item = added(adds).at(11);
        QCOMPARE(item.bitrate, 8000.0);
        QCOMPARE(item.groupNumber, 12);
        QCOMPARE(item.channelName, QStringLiteral("ABCDEFGHIJKLMNOPQRST(12)"));
        QCOMPARE(item.channelName.size(), 24);
    }

    void typedNumbersAreClampedVisibly()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        auto* channels = widget<QSpinBox>(editor, "channelCountsEdit");
        auto* streams = widget<QSpinBox>(editor, "streamCountsEdit");

        // Beyond the maximum: the limit, said in the frame and the tool tip,
        // never the number less its last digits.
        retype(channels, QStringLiteral("1000"));
        retype(streams, QStringLiteral("9999"));
        retype(rateField(editor), QStringLiteral("2000000"));
        for (QWidget* field : {static_cast<QWidget*>(channels), static_cast<QWidget*>(streams),
                               static_cast<QWidget*>(rateField(editor))}) {
            QVERIFY(field->property("invalid").toBool());
            QVERIFY(!field->toolTip().isEmpty());
        }
        QCOMPARE(channels->text(), QStringLiteral("512"));
        QCOMPARE(rateField(editor)->text(), QStringLiteral("1048576"));
        clickAdd(editor);
        StructDeviceItem item = added(adds).at(0);
        QCOMPARE(item.channelCount, 512);
        QCOMPARE(item.streamCount, 512);
        QCOMPARE(item.bitrate, 1048576.0);

        // The next edit within the range clears the hint.
        retype(channels, QStringLiteral("12"));
        QVERIFY(!channels->property("invalid").toBool());
        QVERIFY(channels->toolTip().isEmpty());

        // Below the minimum: "+ Add" takes the minimum the box then shows,
        // not the value before the typing.
        retype(channels, QStringLiteral("0"));
        clickAdd(editor);
        QCOMPARE(channels->text(), QStringLiteral("1"));
        QVERIFY(channels->property("invalid").toBool());
        QCOMPARE(added(adds).at(1).channelCount, 1);
    }

    void largestShippedRateIsAdded()
    {
        // The shipped data beside the program: its MJPEG tables at NTSC 60
        // give the largest rates.
        const qint64 largest = largestShippedRate();
        QVERIFY(largest > 204800);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        retype(rateField(editor), QString::number(largest));
        QCOMPARE(rateField(editor)->text(), QString::number(largest));
        QVERIFY(!rateField(editor)->property("invalid").toBool());
        clickAdd(editor);
        QCOMPARE(adds.count(), 1);
        QCOMPARE(added(adds).at(0).bitrate, static_cast<double>(largest));
    }

    void channelNameGivesExactlyWhatIsTyped()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        auto* name = widget<QLineEdit>(editor, "m_lineEditChannelName");
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));

        // At start the field has the focus already, so a click only places
        // the caret: the default name is a hint, never text to type into.
        name->setFocus();
        QTest::mouseClick(name, Qt::LeftButton, {}, QPoint(name->width() / 2, name->height() / 2));
        QTest::keyClicks(name, QStringLiteral("Lobby"));
        QCOMPARE(name->text(), QStringLiteral("Lobby"));
        clickAdd(editor);
        QCOMPARE(added(adds).at(0).channelName, QStringLiteral("Lobby(1)"));

        // Left empty, the group is named as the hint says.
        retype(name, QString());
        QCOMPARE(name->placeholderText(), QStringLiteral("Channel Name"));
        clickAdd(editor);
        QCOMPARE(added(adds).at(1).channelName, QStringLiteral("Channel Name(2)"));

        // Tabbing in from the field before it.
        widget<QWidget>(editor, "channelCountsEdit")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), name);
        QTest::keyClicks(name, QStringLiteral("Gate"));
        QCOMPARE(name->text(), QStringLiteral("Gate"));
        clickAdd(editor);
        QCOMPARE(added(adds).at(2).channelName, QStringLiteral("Gate(3)"));
    }

    // ---- keyboard ------------------------------------------------------------

    void enterAddsFromEveryField_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* name : {"m_lineEditChannelName", "channelCountsEdit", "m_comboBoxDeviceType",
                                 "streamCountsEdit", "m_radioButtonFixedRate", "m_comboBoxResolution",
                                 "m_comboxFrameRate", "m_comboxEncodingType", "m_lineEditScenceRecommandRate",
                                 "m_btnRecording", "m_btnAddDevice"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void enterAddsFromEveryField()
    {
        QFETCH(QString, field);
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        auto* target = editor.findChild<QWidget*>(field);
        QVERIFY(target);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(adds.count(), 1);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(adds.count(), 2);
    }

    void foldedSectionsShowTheirValuesWhenOpened()
    {
        DeviceEditor editor;
        auto* recording = widget<QAbstractButton>(editor, "m_btnRecording");
        auto* view = widget<QAbstractButton>(editor, "m_btnView");
        const QString recordingLine = recording->text();
        const QString viewLine = view->text();
        QCOMPARE(editor.recordingSettings(), RecordingSettings());
        recording->setChecked(true);
        view->setChecked(true);
        // The folded lines summed up what the fields hold once open.
        QCOMPARE(recording->text(), recordingLine);
        QCOMPARE(view->text(), viewLine);
        QCOMPARE(editor.recordingSettings(), RecordingSettings());
        QCOMPARE(widget<QSpinBox>(editor, "m_spinHoursPerDay")->value(), 24);
        QCOMPARE(widget<QComboBox>(editor, "m_comboViewKind")->currentIndex(), 0);

        // Settings given to a folded section are in its fields when it opens,
        // and its wheel guard holds there too.
        DeviceEditor other;
        RecordingSettings kept;
        kept.mode = RecordingSettings::Mode::Event;
        kept.hoursPerDay = 12;
        kept.retentionDays = 7;
        other.setRecordingSettings(kept);
        QCOMPARE(other.recordingSettings(), kept);
        widget<QAbstractButton>(other, "m_btnRecording")->setChecked(true);
        QCOMPARE(widget<QSpinBox>(other, "m_spinRetentionDays")->value(), 7);
        QCOMPARE(widget<QComboBox>(other, "m_comboRecordingMode")->currentIndex(), 1);
        QCOMPARE(widget<QSpinBox>(other, "m_spinHoursPerDay")->focusPolicy(), Qt::StrongFocus);
    }

    void tabFollowsTheVisualOrder()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto* recording = widget<QWidget>(editor, "RecordingEditor");
        // Open, so that its fields are Tab stops too.
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_btnRecording"), Qt::LeftButton);

        rateField(editor)->setFocus();
        QTest::keyClick(rateField(editor), Qt::Key_Tab);
        // The View line comes first, folded: its fields are no Tab stops.
        QCOMPARE(QApplication::focusWidget(), widget<QWidget>(editor, "m_btnView"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), widget<QWidget>(editor, "m_btnRecording"));
        int stops = 0;
        while (recording->isAncestorOf(QApplication::focusWidget()) && ++stops < 20)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(stops > 1);
        QCOMPARE(QApplication::focusWidget(), widget<QWidget>(editor, "m_btnAddDevice"));
    }

    void wheelChangesOnlyAFocusedField()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto* resolution = widget<QComboBox>(editor, "m_comboBoxResolution");
        auto* channels = widget<QSpinBox>(editor, "channelCountsEdit");
        QVERIFY(resolution->count() > 1);
        rateField(editor)->setFocus();
        const auto wheelDown = [](QWidget* field) {
            const QPointF centre(field->width() / 2.0, field->height() / 2.0);
            QWheelEvent wheel(centre, field->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(field, &wheel);
        };
        wheelDown(resolution);
        wheelDown(channels);
        QCOMPARE(resolution->currentIndex(), 0);
        QCOMPARE(channels->value(), 1);
        QVERIFY(rateField(editor)->hasFocus());

        resolution->setFocus();
        wheelDown(resolution);
        QCOMPARE(resolution->currentIndex(), 1);
    }

    void streamCountOfTheLinkStartsAtOne()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(1);
        editor.show();
        QSignalSpy questions(&editor, &DeviceEditor::signalCodeParameterChanged);
        auto* streams = widget<aptui::SpinBox>(editor, "streamCountSpinBox_2");
        retype(streams, QStringLiteral("0"));
        streams->commitText();
        QCOMPARE(streams->value(), 1);
        for (const QList<QVariant>& arguments : questions)
            QVERIFY(arguments.at(0).value<CodeParameter>().streamCount >= 1);
    }

    void editingSaysSoInItsHeading()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        QSignalSpy edited(&editor, &DeviceEditor::signalEditedGroupChanged);
        auto* heading = widget<QLabel>(editor, "m_label_AddDevice");
        QCOMPARE(heading->text(), QStringLiteral("Add Device"));
        StructDeviceItem item;
        item.groupNumber = 4;
        item.channelName = QStringLiteral("Hall(4)");
        item.deviceType = QStringLiteral("IPC");
        item.channelCount = 2;
        item.streamCount = 1;
        editor.onEditDevice(item);
        QCOMPARE(heading->text(), QStringLiteral("Edit Device"));
        editor.onCancelEdit();
        QCOMPARE(heading->text(), QStringLiteral("Add Device"));
        QCOMPARE(texts(edited), QStringList({"4", "0"}));
    }

    void unusableRateIsRefused_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::newRow("negative") << QStringLiteral("-1");
        QTest::newRow("empty") << QString();
        QTest::newRow("not a number") << QStringLiteral("abc");
    }

    void unusableRateIsRefused()
    {
        QFETCH(QString, rate);
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        QSignalSpy starts(&editor, &DeviceEditor::signalAppStart);
        QLineEdit* field = rateField(editor);

        editor.onSetScenceRecommandRateText(rate);
        clickAdd(editor);
        QCOMPARE(adds.count(), 0);
        QCOMPARE(starts.count(), 0);
        QCOMPARE(field->property("invalid").toBool(), true);
        QVERIFY(!field->toolTip().isEmpty());

        // A valid rate clears the mark, and no group number was used up.
        editor.onSetScenceRecommandRateText(QStringLiteral("700"));
        QCOMPARE(field->property("invalid").toBool(), false);
        QVERIFY(field->toolTip().isEmpty());
        clickAdd(editor);
        QCOMPARE(adds.count(), 1);
        QCOMPARE(added(adds).at(0).groupNumber, 1);
        QCOMPARE(added(adds).at(0).bitrate, 700.0);
    }

    void boundaryRatesAreAccepted_data()
    {
        QTest::addColumn<QString>("rate");
        // 0 is refused: a plan file could not hold it.
        QTest::newRow("one") << QStringLiteral("1");
        QTest::newRow("maximum") << QStringLiteral("1048576");
    }

    void boundaryRatesAreAccepted()
    {
        QFETCH(QString, rate);
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        editor.onSetScenceRecommandRateText(rate);
        clickAdd(editor);
        QCOMPARE(adds.count(), 1);
        QCOMPARE(added(adds).at(0).bitrate, rate.toDouble());
        QVERIFY(!rateField(editor)->property("invalid").toBool());
    }

    void sceneWithoutRowIsRefusedUntilTheUserTypesARate()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.setCurrentPage(0);
        editor.show();
        // The scene table is replaced while the program runs: the scene names
        // are still those read at start-up, the rows are gone.
        dir.writeLines(QStringLiteral("Scene.csv"),
                       {QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path"),
                        QStringLiteral("Other,H.264,1080P,100,o.png")});
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonVarRate"), Qt::LeftButton);
        QCOMPARE(rateField(editor)->text(), QStringLiteral("-1"));
        QCOMPARE(combo(editor, "m_comboBoxResolution")->count(), 0);

        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        clickAdd(editor);
        QCOMPARE(adds.count(), 0);
        QVERIFY(rateField(editor)->property("invalid").toBool());

        retype(rateField(editor), QStringLiteral("900"));
        QVERIFY(!rateField(editor)->property("invalid").toBool());
        clickAdd(editor);
        QCOMPARE(adds.count(), 1);
        QCOMPARE(added(adds).at(0).sceneName, QStringLiteral("Lab"));
        QCOMPARE(added(adds).at(0).bitrate, 900.0);
        QCOMPARE(added(adds).at(0).groupNumber, 1);
    }

    void missingTablesStillAdd()
    {
        TempProgramDir dir;
        MiniData data;
        data.ipcTables = {{QStringLiteral("H.265"), {QStringLiteral("1080P,2000")}}}; // no H.264: no resolutions
        data.write(dir);
        DeviceEditor editor;
        QCOMPARE(combo(editor, "m_comboBoxResolution")->count(), 0);
        QCOMPARE(rateField(editor)->text(), QStringLiteral("0"));
        QSignalSpy adds(&editor, &DeviceEditor::signalAddDevice);
        // No table gives a rate: the user types one.
        clickAdd(editor);
        QCOMPARE(adds.count(), 0);
        retype(rateField(editor), QStringLiteral("500"));
        clickAdd(editor);
        QCOMPARE(adds.count(), 1);
        QVERIFY(added(adds).at(0).resolution.isEmpty());
        QCOMPARE(added(adds).at(0).bitrate, 500.0);
    }

    // ---- collapsing -------------------------------------------------------------

    void collapsing()
    {
        TempProgramDir dir;
        MiniData().write(dir);
        DeviceEditor editor;
        editor.show();
        auto* spread = widget<QToolButton>(editor, "m_checkBoxSpread");
        QWidget* pages = widget<QWidget>(editor, "m_verticalWidgetAddBorder");
        QWidget* strip = widget<QWidget>(editor, "verticalStackedWidget");

        // On the encoding page, expanding gives the rate mode's width, not 400.
        spread->click();
        QCOMPARE(editor.width(), 34);
        QVERIFY(pages->isHidden());
        QVERIFY(!strip->isHidden());
        spread->click();
        QCOMPARE(editor.width(), 320);
        QVERIFY(!pages->isHidden());
        QVERIFY(strip->isHidden());

        editor.setCurrentPage(0);
        QTest::mouseClick(widget<QAbstractButton>(editor, "m_radioButtonVarRate"), Qt::LeftButton);
        spread->click();
        QCOMPARE(editor.width(), 34);
        spread->click();
        QCOMPARE(editor.width(), 390);
    }

    void spreadButtonFollowsTheHeight()
    {
        DeviceEditor editor;
        editor.resize(editor.width(), 749);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* spread = widget<QToolButton>(editor, "m_checkBoxSpread");
        const auto expectedY = [&] { return static_cast<int>(editor.height() * 0.256 - spread->height() * 0.5); };
        // Also after the layouts have run, which place it at its spacer.
        QApplication::processEvents();
        QCOMPARE(spread->y(), expectedY());

        editor.resize(editor.width(), 1000);
        QTRY_COMPARE(editor.height(), 1000);
        QApplication::processEvents();
        QCOMPARE(spread->y(), expectedY());

        spread->click();
        QApplication::processEvents();
        QCOMPARE(spread->y(), expectedY());
        spread->click();
        QApplication::processEvents();
        QCOMPARE(spread->y(), expectedY());
    }
};

QTEST_MAIN(TestDeviceEditor)
#include "tst_DeviceEditor.moc"
