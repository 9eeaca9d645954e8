#include "DeviceEditorProbe.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

QList<CodeParameter> parameters(const QSignalSpy& spy)
{
    QList<CodeParameter> list;
    for (const QList<QVariant>& arguments : spy)
        list << arguments.at(0).value<CodeParameter>();
    return list;
}

QList<double> bandwidths(const QSignalSpy& spy)
{
    QList<double> list;
    for (const CodeParameter& parameter : parameters(spy))
        list << parameter.bandwidth;
    return list;
}

} // namespace

// The encoding page against the small data set: link types ADSL (1 and
// 2 Mbps), Cable (10 Mbps) and Ethernet (100 Mbps, then "1 Mbps" at 0.9);
// encoding types H.264 and H.265.
class TestDeviceEditorEncodingPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempProgramDir> m_dir;
    std::unique_ptr<DeviceEditor> m_editor;

    // With the Encoding page shown, as the tests of its form need; without,
    // the link is asked before its form is made.
    void build(const MiniData& data = MiniData(), bool showPage = true)
    {
        m_editor.reset();
        // The old folder must go first: its destructor restores the program
        // folder.
        m_dir.reset();
        m_dir = std::make_unique<TempProgramDir>();
        data.write(*m_dir);
        m_editor = std::make_unique<DeviceEditor>();
        if (showPage)
            m_editor->setCurrentPage(1);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    CodeParameter current()
    {
        QSignalSpy spy(m_editor.get(), &DeviceEditor::signalCodeParameterChanged);
        m_editor->onCodeParameterChanged();
        return spy.at(0).at(0).value<CodeParameter>();
    }

private Q_SLOTS:
    void initTestCase()
    {
        qRegisterMetaType<CodeParameter>("CodeParameter");
    }

    void init()
    {
        build();
    }

    void cleanup()
    {
        m_editor.reset();
        m_dir.reset();
    }

    void startValues()
    {
        DeviceEditor& editor = *m_editor;
        QCOMPARE(comboItems(combo(editor, "netLinkCombox_2")), QStringList({"ADSL", "Cable", "Ethernet"}));
        QCOMPARE(combo(editor, "netLinkCombox_2")->currentText(), QStringLiteral("Ethernet"));
        QCOMPARE(comboItems(combo(editor, "selectBandCombox_2")), QStringList({"100 Mbps", "1 Mbps"}));
        QCOMPARE(combo(editor, "selectBandCombox_2")->itemData(1).toDouble(), 0.9);
        QCOMPARE(comboItems(combo(editor, "sSystemCombox_2")), QStringList({"PAL", "NTSC"}));
        QCOMPARE(comboItems(combo(editor, "streamTypeCombox_2")), QStringList({"Main stream", "Sub stream"}));
        auto* custom = widget<QLineEdit>(editor, "customBandEdit");
        QCOMPARE(custom->text(), QStringLiteral("0"));
        QVERIFY(!custom->isEnabled());

        const CodeParameter start = current();
        QCOMPARE(start.bandwidth, 100 * 1024.0);
        QCOMPARE(start.streamCount, 1);
        QCOMPARE(start.deviceType, 0);
        QCOMPARE(start.videoStandard, 0);
        QCOMPARE(start.streamType, 0);
        QCOMPARE(start.encodingType, QStringLiteral("H.265")); // the second type is preselected
    }

    // The question asked before the page is first shown is the one its
    // form asks once made, a kept link included.
    void questionWithoutTheFormIsTheFormsOwn_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("bandwidth");
        QTest::addColumn<bool>("custom");
        QTest::addColumn<QString>("customMbps");
        QTest::addColumn<double>("kbps");
        QTest::newRow("none kept") << QString() << QString() << false << QString() << 100 * 1024.0;
        QTest::newRow("another link") << "ADSL" << "2 Mbps" << false << QString() << 2 * 1024.0;
        QTest::newRow("type gone") << "Fibre" << "2 Mbps" << false << QString() << 100 * 1024.0;
        QTest::newRow("bandwidth gone") << "Cable" << "2 Mbps" << false << QString() << 10 * 1024.0;
        QTest::newRow("custom") << "ADSL" << "1 Mbps" << true << "0.5" << 512.0;
    }

    void questionWithoutTheFormIsTheFormsOwn()
    {
        QFETCH(QString, type);
        QFETCH(QString, bandwidth);
        QFETCH(bool, custom);
        QFETCH(QString, customMbps);
        QFETCH(double, kbps);
        build(MiniData(), false);
        QVERIFY(!m_editor->findChild<QComboBox*>(QStringLiteral("netLinkCombox_2")));
        if (!type.isEmpty())
            m_editor->showLinkChoice({type, bandwidth, custom, customMbps});
        const CodeParameter before = current();
        const DeviceEditor::LinkChoice kept = m_editor->linkChoice();
        QCOMPARE(before.bandwidth, kbps);

        m_editor->setCurrentPage(1);
        const CodeParameter made = current();
        QCOMPARE(made.bandwidth, before.bandwidth);
        QCOMPARE(made.streamCount, before.streamCount);
        QCOMPARE(made.deviceType, before.deviceType);
        QCOMPARE(made.videoStandard, before.videoStandard);
        QCOMPARE(made.streamType, before.streamType);
        QCOMPARE(made.encodingType, before.encodingType);
        const DeviceEditor::LinkChoice shown = m_editor->linkChoice();
        QCOMPARE(shown.type, kept.type);
        QCOMPARE(shown.bandwidth, kept.bandwidth);
        QCOMPARE(shown.custom, kept.custom);
        QCOMPARE(shown.customMbps, kept.customMbps);
        QCOMPARE(widget<QLineEdit>(*m_editor, "customBandEdit")->isEnabled(), custom);
        QCOMPARE(combo(*m_editor, "netLinkCombox_2")->isEnabled(), !custom);
    }

    void everyChoiceIsReportedOnce_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("device type") << "deviceTypeCombox_2" << 1 << "deviceType" << QVariant(1);
        QTest::newRow("video standard") << "sSystemCombox_2" << 1 << "videoStandard" << QVariant(1);
        QTest::newRow("stream type") << "streamTypeCombox_2" << 1 << "streamType" << QVariant(1);
        QTest::newRow("encoding type") << "encodingTypeCombox_2" << 0 << "encodingType" << QVariant("H.264");
        QTest::newRow("bandwidth") << "selectBandCombox_2" << 1 << "bandwidth" << QVariant(0.9 * 1024);
    }

    void everyChoiceIsReportedOnce()
    {
        QFETCH(QString, box);
        QFETCH(int, index);
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QSignalSpy spy(m_editor.get(), &DeviceEditor::signalCodeParameterChanged);
        combo(*m_editor, box.toLatin1().constData())->setCurrentIndex(index);
        QCOMPARE(spy.count(), 1);
        const CodeParameter p = parameters(spy).at(0);
        const QVariantMap fields = {{"deviceType", p.deviceType}, {"videoStandard", p.videoStandard},
                                    {"streamType", p.streamType}, {"encodingType", p.encodingType},
                                    {"bandwidth", p.bandwidth}};
        QCOMPARE(fields.value(field), value);
    }

    void typedStreamCount()
    {
        QSignalSpy spy(m_editor.get(), &DeviceEditor::signalCodeParameterChanged);
        retype(widget<QSpinBox>(*m_editor, "streamCountSpinBox_2"), QStringLiteral("7"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(parameters(spy).at(0).streamCount, 7);
    }

    void connectionTypeChangeReportsThreeTimes()
    {
        QComboBox* link = combo(*m_editor, "netLinkCombox_2");
        QSignalSpy spy(m_editor.get(), &DeviceEditor::signalCodeParameterChanged);

        // First with the old item's name under the new type (ADSL has no
        // "100 Mbps"), then the emptied box, then the new first item.
        link->setCurrentIndex(0);
        QCOMPARE(bandwidths(spy), QList<double>({0, 0, 1024}));
        QCOMPARE(comboItems(combo(*m_editor, "selectBandCombox_2")), QStringList({"1 Mbps", "2 Mbps"}));

        // An item name the new type also has counts at once.
        link->setCurrentIndex(2);
        combo(*m_editor, "selectBandCombox_2")->setCurrentIndex(1); // Ethernet "1 Mbps" = 0.9
        spy.clear();
        link->setCurrentIndex(0);
        QCOMPARE(bandwidths(spy), QList<double>({1024, 0, 1024}));
    }

    void customBandwidth()
    {
        DeviceEditor& editor = *m_editor;
        auto* check = widget<QCheckBox>(editor, "customBandCheckbox_2");
        auto* custom = widget<QLineEdit>(editor, "customBandEdit");
        QSignalSpy spy(&editor, &DeviceEditor::signalCodeParameterChanged);
        // The question is reported before the fields are switched over.
        QList<bool> enabledWhenReported;
        connect(&editor, &DeviceEditor::signalCodeParameterChanged, this,
                [&] { enabledWhenReported << custom->isEnabled(); });

        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(check->isChecked());
        QCOMPARE(enabledWhenReported, QList<bool>({false}));
        QCOMPARE(bandwidths(spy), QList<double>({0}));
        QVERIFY(custom->isEnabled());
        QVERIFY(!combo(editor, "netLinkCombox_2")->isEnabled());
        QVERIFY(!combo(editor, "selectBandCombox_2")->isEnabled());

        retype(custom, QStringLiteral("0.5"));
        QCOMPARE(parameters(spy).last().bandwidth, 512.0);

        spy.clear();
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(bandwidths(spy), QList<double>({100 * 1024.0}));
        QVERIFY(!custom->isEnabled());
        QVERIFY(combo(editor, "netLinkCombox_2")->isEnabled());
    }

    void customBandwidthInput_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("bandwidth");
        QTest::addColumn<bool>("refused");
        QTest::newRow("half") << "en_US" << "0.5" << 512.0 << false;
        QTest::newRow("dangling point") << "en_US" << "0." << 0.0 << false;
        QTest::newRow("leading point") << "en_US" << ".5" << 512.0 << false;
        QTest::newRow("two digits") << "en_US" << "12.5" << 12800.0 << false;
        QTest::newRow("long") << "en_US" << "12345678" << 12345678 * 1024.0 << false;
        QTest::newRow("comma in English") << "en_US" << "5,5" << 0.0 << true;
        QTest::newRow("comma in German") << "de_DE" << "5,5" << 5.5 * 1024 << false;
        QTest::newRow("point in German") << "de_DE" << "5.5" << 5.5 * 1024 << false;
        QTest::newRow("exponent") << "en_US" << "1e3" << 0.0 << true;
        QTest::newRow("letters") << "en_US" << "x" << 0.0 << true;
    }

    // Every character typed stays in the field; what cannot be read is
    // refused in the open, never read as another number.
    void customBandwidthInput()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(double, bandwidth);
        QFETCH(bool, refused);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        QTest::mouseClick(widget<QCheckBox>(*m_editor, "customBandCheckbox_2"), Qt::LeftButton);
        auto* custom = widget<QLineEdit>(*m_editor, "customBandEdit");
        retype(custom, typed);
        const CodeParameter parameter = current();
        QLocale::setDefault(before);
        QCOMPARE(custom->text(), typed);
        QCOMPARE(parameter.bandwidth, bandwidth);
        QCOMPARE(custom->property("invalid").toBool(), refused);
        QCOMPARE(custom->toolTip().isEmpty(), !refused);
    }

    void fewerThanThreeLinkTypes()
    {
        MiniData data;
        data.connections.removeLast();
        build(data);
        QComboBox* link = combo(*m_editor, "netLinkCombox_2");
        QCOMPARE(link->currentIndex(), -1);
        QCOMPARE(combo(*m_editor, "selectBandCombox_2")->count(), 0);
        QCOMPARE(current().bandwidth, 0.0);

        QSignalSpy spy(m_editor.get(), &DeviceEditor::signalCodeParameterChanged);
        link->setCurrentIndex(1);
        QCOMPARE(bandwidths(spy).last(), 10 * 1024.0);
    }

    void noLinkTypes()
    {
        MiniData data;
        data.connections.clear();
        build(data);
        QCOMPARE(combo(*m_editor, "netLinkCombox_2")->count(), 0);
        QCOMPARE(current().bandwidth, 0.0);
    }
};

QTEST_MAIN(TestDeviceEditorEncodingPage)
#include "tst_DeviceEditorEncodingPage.moc"
