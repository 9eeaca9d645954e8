#include <data/BitrateTableCheck.h>
#include <data/DeviceConfigStore.h>

#include <TempProgramDir.h>

#include <QtTest>

namespace {

const QByteArray kIpcXml =
    "<ConfigList>"
    "<ConfigItem><Resolution>XML-ONLY</Resolution><Bitrate>1</Bitrate></ConfigItem>"
    "<ConfigItem><Resolution></Resolution><Bitrate>2</Bitrate></ConfigItem>"
    "</ConfigList>";
const QByteArray kDvrXml = kIpcXml;
const QByteArray kFrameXml =
    "<Frame>"
    "<NTSC><I><Show>60</Show><Value>60</Value></I><I><Show>30</Show><Value>30</Value></I></NTSC>"
    "<PAL><I><Show>50</Show><Value>50</Value></I><I><Show>25</Show><Value>25</Value></I>"
    "<I><Show>1/2</Show><Value>0.5</Value></I><I><Show>odd</Show><Value>fast</Value></I></PAL>"
    "</Frame>";
const QByteArray kConnectionXml =
    "<Links>"
    "<Link><ConnectionType>ADSL</ConnectionType><I><Show>1M</Show><Value>1</Value></I></Link>"
    "<Link><ConnectionType>4G</ConnectionType><I><Show>5M</Show><Value>5</Value></I>"
    "<I><Show>20M</Show><Value>20</Value></I></Link>"
    "</Links>";
const QString kSceneHeader = QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path");

// A program folder with every XML file and an H.264 table in both folders.
void writeBaseData(const TempProgramDir& dir)
{
    dir.write(QStringLiteral("IPCBitrateConfig.xml"), kIpcXml);
    dir.write(QStringLiteral("DVRBitrateConfig.xml"), kDvrXml);
    dir.write(QStringLiteral("Frame.xml"), kFrameXml);
    dir.write(QStringLiteral("NetworkConnection.xml"), kConnectionXml);
    dir.writeLines(QStringLiteral("IPCBitrate/H.264.csv"), {QStringLiteral("1080P,4096"), QStringLiteral("720P,2048")});
    dir.writeLines(QStringLiteral("DVRBitrate/H.264.csv"), {QStringLiteral("D1,1024")});
}

QStringList resolutions(const DeviceConfigStore& store, int type)
{
    QStringList out;
    store.getResolutions(out, type);
    return out;
}

QStringList connectionTypes(const DeviceConfigStore& store)
{
    QStringList out;
    store.getConnectionTypes(out);
    return out;
}

} // namespace

class tst_DeviceConfigStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pictureAreaReadsTheFirstSize_data();
    void pictureAreaReadsTheFirstSize();
    void folderTablesReplaceXmlTables();
    void tablesChangedOnDiskAreReadAgain();
    void encodingTableLines();
    void badRowsAreReportedAndLeftOut();
    void encodingTypesInCaseInsensitiveNameOrder();
    void encodingOnlyInOneFolder();
    void defaultBitrateFollowsCurrentEncoding();
    void frameRates();
    void connectionTypes_data();
    void connectionTypes();
    void xmlFailureStaysInItsFile_data();
    void xmlFailureStaysInItsFile();
    void missingFoldersLeaveTablesEmpty();
    void sceneQueries();
    void sceneFallbackPicture();
    void sceneShortRowBeforeMatch();
    void sceneFileEncodingAndLineEnds();
    void sceneTableMissing();
    void sceneTableReadAtEachQuery();
    void largeTable();
    void shippedData();
};

void tst_DeviceConfigStore::folderTablesReplaceXmlTables()
{
    TempProgramDir dir;
    writeBaseData(dir);
    const DeviceConfigStore store;
    QVERIFY(store.isLoaded());
    QCOMPARE(resolutions(store, 1), QStringList({"1080P", "720P"}));
    QCOMPARE(resolutions(store, 2), QStringList({"D1"}));
    QCOMPARE(resolutions(store, 7), QStringList({"D1"})); // any type but 1 is DVR
}

void tst_DeviceConfigStore::tablesChangedOnDiskAreReadAgain()
{
    TempProgramDir dir;
    writeBaseData(dir);
    QCOMPARE(resolutions(DeviceConfigStore(), 1), QStringList({"1080P", "720P"}));
    // A data update while the program runs: a row more, and a new encoding.
    dir.writeLines(QStringLiteral("IPCBitrate/H.264.csv"),
                   {QStringLiteral("1080P,4096"), QStringLiteral("720P,2048"), QStringLiteral("D1,1024")});
    dir.writeLines(QStringLiteral("IPCBitrate/H.265.csv"), {QStringLiteral("1080P,2048")});
    const DeviceConfigStore store;
    QCOMPARE(resolutions(store, 1), QStringList({"1080P", "720P", "D1"}));
    QVERIFY(store.getEncodeTypes().contains(QStringLiteral("H.265")));
}

void tst_DeviceConfigStore::encodingTableLines()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.write(QStringLiteral("IPCBitrate/H.264.csv"),
              "1080P,4096,extra\n\nabc,x\nlonely\n,512\n720P, 99\n1080P,1\n");
    const DeviceConfigStore store;
    const QVector<BitrateEntry> table = store.getEncodingTable(QStringLiteral("H.264"), 0);
    QCOMPARE(table.size(), 2);
    QCOMPARE(table.at(0).resolution, QStringLiteral("1080P"));
    QCOMPARE(table.at(0).bitrate, 4096);
    QCOMPARE(table.at(1).resolution, QStringLiteral("720P"));
    QCOMPARE(table.at(1).bitrate, 99);
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("1080P"), 1), 4096);
}

void tst_DeviceConfigStore::badRowsAreReportedAndLeftOut()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.remove(QStringLiteral("IPCBitrateConfig.xml"));
    dir.write(QStringLiteral("IPCBitrate/H.264.csv"),
              "32MP(7680x4320),41728\n"
              "HUGE,2147483647\n"
              "ZERO,0\n"
              "NEG,-5\n"
              "1080P(1920x1080),4096\n"
              "4K(3840x2160),4000\n"       // a larger picture after a smaller one
              "720P(1280x720),8192\n"      // a higher rate after a lower one
              "1080P(1920x1080),2048\n"    // a second row of one name
              "QCIF(176x144),128\n");
    dir.write(QStringLiteral("Frame.xml"),
              "<Frame>\n<NTSC><I><Show>30</Show><Value>30</Value></I></NTSC>\n<PAL>\n"
              "<I><Show>25</Show><Value>25</Value></I>\n"
              "<I><Show>x</Show><Value>nan</Value></I>\n"
              "<I><Show>y</Show><Value>inf</Value></I>\n"
              "<I><Show>z</Show><Value>-1</Value></I>\n"
              "<I><Show>25</Show><Value>50</Value></I>\n"
              "</PAL></Frame>");
    dir.write(QStringLiteral("NetworkConnection.xml"),
              "<L>\n<T><ConnectionType>ADSL</ConnectionType><I><Show>1M</Show><Value>1</Value></I>\n"
              "<I><Show>1M</Show><Value>900</Value></I>\n<I><Show>0M</Show><Value>0</Value></I></T>\n"
              "<T><ConnectionType>ADSL</ConnectionType><I><Show>9M</Show><Value>9</Value></I></T>\n</L>");
    const DeviceConfigStore store;

    QCOMPARE(resolutions(store, 1), QStringList({"32MP(7680x4320)", "1080P(1920x1080)", "QCIF(176x144)"}));
    QCOMPARE(store.getFrameRateTexts(PAL), QStringList({"25"}));
    QCOMPARE(store.getFrameRateValue(QStringLiteral("25"), PAL), 25.0);
    QCOMPARE(store.getFrameRateTexts(NTSC), QStringList({"30"})); // the missing IPC file stops nothing
    QCOMPARE(::connectionTypes(store), QStringList({"ADSL"}));
    QCOMPARE(store.getConnectionBandwidths(QStringLiteral("ADSL")).size(), 1);
    QCOMPARE(store.getConnectionBandwidth(QStringLiteral("ADSL"), QStringLiteral("1M")), 1.0);

    QStringList places;
    for (const DataProblem& problem : store.loadProblems())
        places << QStringLiteral("%1:%2").arg(problem.file).arg(problem.line);
    QCOMPARE(places, QStringList({
        "IPCBitrateConfig.xml:0", "DVRBitrateConfig.xml:1",
        "Frame.xml:5", "Frame.xml:6", "Frame.xml:7", "Frame.xml:8",
        "NetworkConnection.xml:3", "NetworkConnection.xml:4", "NetworkConnection.xml:5",
        "IPCBitrate/H.264.csv:2", "IPCBitrate/H.264.csv:3", "IPCBitrate/H.264.csv:4",
        "IPCBitrate/H.264.csv:6", "IPCBitrate/H.264.csv:7", "IPCBitrate/H.264.csv:8"}));
    QVERIFY(store.loadProblems().constFirst().text().startsWith(QStringLiteral("IPCBitrateConfig.xml: ")));
}

void tst_DeviceConfigStore::encodingTypesInCaseInsensitiveNameOrder()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("IPCBitrate/b.csv"), {QStringLiteral("x,1")});
    dir.writeLines(QStringLiteral("IPCBitrate/A.csv"), {QStringLiteral("x,1")});
    dir.writeLines(QStringLiteral("IPCBitrate/Smart H.264.csv"), {QStringLiteral("x,1")});
    dir.write(QStringLiteral("IPCBitrate/sub/C.csv"), "x,1\n"); // folders are not tables
    const DeviceConfigStore store;
    QCOMPARE(store.getEncodeTypes(), QStringList({"A", "b", "H.264", "Smart H.264"}));
}

void tst_DeviceConfigStore::encodingOnlyInOneFolder()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("IPCBitrate/H.265.csv"), {QStringLiteral("1080P,2048")});
    dir.writeLines(QStringLiteral("DVRBitrate/MJPEG.csv"), {QStringLiteral("D1,8000")});
    const DeviceConfigStore store;
    QVERIFY(store.getEncodeTypes().contains(QStringLiteral("H.265")));
    QVERIFY(store.getEncodingTable(QStringLiteral("H.265"), 1).isEmpty());
    QVERIFY(!store.getEncodeTypes().contains(QStringLiteral("MJPEG")));
    QCOMPARE(store.getEncodingTable(QStringLiteral("MJPEG"), 1).size(), 1);
    QVERIFY(store.getEncodingTable(QStringLiteral("H.264"), 2).isEmpty());
    QVERIFY(store.getEncodingTable(QStringLiteral("none"), 0).isEmpty());
}

void tst_DeviceConfigStore::defaultBitrateFollowsCurrentEncoding()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("IPCBitrate/H.265.csv"), {QStringLiteral("1080P,2048")});
    DeviceConfigStore store;
    QCOMPARE(store.currentEncodingType(), QStringLiteral("H.264"));
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("1080P"), 1), 4096);
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("D1"), 2), 1024);
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("1080p"), 1), 0); // case matters
    store.setCurrentEncoding(QStringLiteral("H.265"));
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("1080P"), 1), 2048);
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("D1"), 2), 0);
    store.setCurrentEncoding(QStringLiteral("unknown"));
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("1080P"), 1), 0);
}

void tst_DeviceConfigStore::frameRates()
{
    TempProgramDir dir;
    writeBaseData(dir);
    const DeviceConfigStore store;
    QCOMPARE(store.getFrameRateTexts(PAL), QStringList({"50", "25", "1/2"})); // "fast" is no rate
    QCOMPARE(store.getFrameRateTexts(NTSC), QStringList({"60", "30"}));
    QCOMPARE(store.getFrameRateValue(QStringLiteral("1/2"), 0), 0.5);
    QCOMPARE(store.getFrameRateValue(QStringLiteral("odd"), 0), 0.0);
    QCOMPARE(store.getFrameRateValue(QStringLiteral("30"), 1), 30.0);
    QCOMPARE(store.getFrameRateValue(QStringLiteral("30"), 0), 0.0);
    QCOMPARE(store.getFrameRateValue(QStringLiteral("60"), 2), 0.0);
    QCOMPARE(store.getFrameRateTable(0).size(), 3);
    QCOMPARE(store.getFrameRateTable(1).at(1).value, 30.0);
    QVERIFY(store.getFrameRateTable(2).isEmpty());
}

void tst_DeviceConfigStore::connectionTypes_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("types");
    QTest::newRow("ascending name order") << kConnectionXml << QStringList({"4G", "ADSL"});
    QTest::newRow("a second type of one name is refused")
        << QByteArray("<L><T><ConnectionType>ADSL</ConnectionType><I><Show>a</Show><Value>1</Value></I></T>"
                      "<T><ConnectionType>ADSL</ConnectionType><I><Show>b</Show><Value>2</Value></I></T></L>")
        << QStringList({"ADSL"});
    QTest::newRow("empty root") << QByteArray("<L/>") << QStringList();
}

void tst_DeviceConfigStore::connectionTypes()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, types);
    TempProgramDir dir;
    writeBaseData(dir);
    dir.write(QStringLiteral("NetworkConnection.xml"), xml);
    const DeviceConfigStore store;
    QCOMPARE(::connectionTypes(store), types);
}

void tst_DeviceConfigStore::xmlFailureStaysInItsFile_data()
{
    QTest::addColumn<QString>("brokenFile");
    QTest::addColumn<bool>("frameRatesLoaded");
    QTest::addColumn<bool>("linksLoaded");
    QTest::newRow("IPC table missing") << "IPCBitrateConfig.xml" << true << true;
    QTest::newRow("DVR table missing") << "DVRBitrateConfig.xml" << true << true;
    QTest::newRow("frame rates missing") << "Frame.xml" << false << true;
    QTest::newRow("links missing") << "NetworkConnection.xml" << true << false;
}

void tst_DeviceConfigStore::xmlFailureStaysInItsFile()
{
    QFETCH(QString, brokenFile);
    QFETCH(bool, frameRatesLoaded);
    QFETCH(bool, linksLoaded);
    for (const QByteArray& broken : {QByteArray(), QByteArray("<unclosed"), QByteArray("\xef\xbb\xbf")}) {
        TempProgramDir dir;
        writeBaseData(dir);
        if (broken.isNull())
            dir.remove(brokenFile);
        else
            dir.write(brokenFile, broken);
        const DeviceConfigStore store;
        QVERIFY(store.isLoaded());
        QCOMPARE(!store.getFrameRateTexts(PAL).isEmpty(), frameRatesLoaded);
        QCOMPARE(!::connectionTypes(store).isEmpty(), linksLoaded);
        // The per-encoding tables load whatever the XML files did.
        QCOMPARE(resolutions(store, 1), QStringList({"1080P", "720P"}));
    }
}

void tst_DeviceConfigStore::missingFoldersLeaveTablesEmpty()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.remove(QStringLiteral("IPCBitrate"));
    dir.remove(QStringLiteral("DVRBitrate/H.264.csv"));
    dir.writeLines(QStringLiteral("DVRBitrate/H.265.csv"), {QStringLiteral("D1,1")});
    const DeviceConfigStore store;
    QVERIFY(resolutions(store, 1).isEmpty());
    QVERIFY(resolutions(store, 2).isEmpty());
    QVERIFY(store.getEncodeTypes().isEmpty());
    QCOMPARE(store.getFrameRateTexts(PAL).size(), 3);
}

void tst_DeviceConfigStore::sceneQueries()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("Scene.csv"), {
        kSceneHeader,
        QStringLiteral("Hospital,H.265,720P,1204,D:\\scene\\hospital1.png"),
        QStringLiteral(""),
        QStringLiteral("Hospital,H.264,720P,abc,/pics/h2.png,ignored"),
        QStringLiteral("Road,H.264,1080P,4000,road.png"),
        QStringLiteral("Hospital,H.264,1080P,2048,hospital2.png"),
        QStringLiteral("Road,H.265,1080P,2000,road2.png"),
    });
    const DeviceConfigStore store;
    QStringList names;
    QVERIFY(store.getScenceNames(names));
    QCOMPARE(names, QStringList({"Hospital", "Road"}));

    QStringList hospitalResolutions;
    QVERIFY(store.getScenceResolutions(QStringLiteral("Hospital"), hospitalResolutions));
    QCOMPARE(hospitalResolutions, QStringList({"720P", "1080P"}));

    QStringList encodings;
    QVERIFY(store.getScenceEncodeTypes(QStringLiteral("Hospital"), QStringLiteral("720P"), encodings));
    QCOMPARE(encodings, QStringList({"H.265", "H.264"}));

    QCOMPARE(store.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), 1204);
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("720P")), 0);
    QCOMPARE(store.getScenceBitrate(QStringLiteral("hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), -1);
    QCOMPARE(store.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")),
             dir.filePath(QStringLiteral("ScenePicture/hospital1.png")));
    QCOMPARE(store.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("720P")),
             dir.filePath(QStringLiteral("ScenePicture/h2.png")));
}

void tst_DeviceConfigStore::sceneFallbackPicture()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("Scene.csv"), {
        kSceneHeader,
        QStringLiteral("Hospital,H.265,720P,1204,first.png"),
        QStringLiteral("Hospital,H.264,1080P,2048,last.png"),
        QStringLiteral("Road,H.264,4K,9000,road.png"),
    });
    const DeviceConfigStore store;
    QCOMPARE(store.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("4K")),
             dir.filePath(QStringLiteral("ScenePicture/last.png")));
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("4K")), -1);
    QCOMPARE(store.getScencePicture(QStringLiteral("Shop"), QStringLiteral("H.264"), QStringLiteral("4K")), QString());
}

void tst_DeviceConfigStore::sceneShortRowBeforeMatch()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("Scene.csv"), {
        kSceneHeader,
        QStringLiteral("Office,H.264,720P,800,office.png"),
        QStringLiteral("Short,H.264,720P,900"),
        QStringLiteral("Hospital,H.265,720P,1204,hospital1.png"),
    });
    const DeviceConfigStore store;
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), -1);
    QCOMPARE(store.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), QString());
    // A match before the short row is still found.
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Office"), QStringLiteral("H.264"), QStringLiteral("720P")), 800);

    QStringList names;
    QVERIFY(store.getScenceNames(names));
    QCOMPARE(names, QStringList({"Office", "Short", "Hospital"}));

    QStringList found;
    QVERIFY(!store.getScenceResolutions(QStringLiteral("Office"), found));
    QCOMPARE(found, QStringList({"720P"})); // what was collected stays
}

void tst_DeviceConfigStore::sceneFileEncodingAndLineEnds()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.write(QStringLiteral("Scene.csv"),
              "\xef\xbb\xbfScene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\r\n"
              "B\xc3\xbcro,H.264,720P,700,b\xc3\xbcro.png\r\n"
              "\r\n"
              "Road,H.264,720P,1500,road.png\r\n");
    const DeviceConfigStore store;
    QStringList names;
    QVERIFY(store.getScenceNames(names));
    QCOMPARE(names, QStringList({QStringLiteral("B\u00fcro"), QStringLiteral("Road")}));
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("720P")), 1500);
    QCOMPARE(store.getScencePicture(QStringLiteral("B\u00fcro"), QStringLiteral("H.264"), QStringLiteral("720P")),
             dir.filePath(QStringLiteral("ScenePicture/b\u00fcro.png")));
}

void tst_DeviceConfigStore::sceneTableMissing()
{
    TempProgramDir dir;
    writeBaseData(dir);
    const DeviceConfigStore store;
    QStringList out;
    QVERIFY(!store.getScenceNames(out));
    QVERIFY(out.isEmpty());
    QVERIFY(!store.getScenceResolutions(QStringLiteral("Road"), out));
    QVERIFY(!store.getScenceEncodeTypes(QStringLiteral("Road"), QStringLiteral("720P"), out));
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("720P")), -1);
    QCOMPARE(store.getScencePicture(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("720P")), QString());

    dir.write(QStringLiteral("Scene.csv"), QByteArray());
    QVERIFY(store.getScenceNames(out));
    QVERIFY(out.isEmpty());
}

void tst_DeviceConfigStore::sceneTableReadAtEachQuery()
{
    TempProgramDir dir;
    writeBaseData(dir);
    dir.writeLines(QStringLiteral("Scene.csv"), {kSceneHeader, QStringLiteral("Road,H.264,720P,1500,road.png")});
    const DeviceConfigStore store;
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("720P")), 1500);
    dir.writeLines(QStringLiteral("Scene.csv"), {kSceneHeader, QStringLiteral("Road,H.264,720P,1700,road.png")});
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("720P")), 1700);
}

void tst_DeviceConfigStore::largeTable()
{
    TempProgramDir dir;
    writeBaseData(dir);
    QByteArray table;
    for (int row = 0; row < 100000; ++row)
        table += "R" + QByteArray::number(row) + "," + QByteArray::number(1048576 - row) + "\n";
    dir.write(QStringLiteral("IPCBitrate/H.264.csv"), table);
    // The XML children are walked once each; looked up by position, as they
    // once were, this file alone took minutes.
    QByteArray links = "<L><T><ConnectionType>Mesh</ConnectionType>";
    for (int item = 0; item < 100000; ++item)
        links += "<I><Show>" + QByteArray::number(item) + "</Show><Value>" + QByteArray::number(item + 1) + "</Value></I>";
    dir.write(QStringLiteral("NetworkConnection.xml"), links + "</T></L>");
    const DeviceConfigStore store;
    QCOMPARE(resolutions(store, 1).size(), 100000);
    QCOMPARE(store.getDefaultEncodingBitrate(QStringLiteral("R99999"), 1), 948577);
    QCOMPARE(store.getConnectionBandwidths(QStringLiteral("Mesh")).size(), 100000);
    QCOMPARE(store.getConnectionBandwidth(QStringLiteral("Mesh"), QStringLiteral("99999")), 100000.0);
}

void tst_DeviceConfigStore::shippedData()
{
    TempProgramDir dir(TempProgramDir::ShippedData);
    const DeviceConfigStore store;
    const QStringList encodings = store.getEncodeTypes();
    for (const char* name : {"H.264", "H.265", "H.264+", "H.265+", "Smart H.264", "Smart H.265", "MJPEG"}) {
        const QString encoding = QString::fromLatin1(name);
        QVERIFY2(encodings.contains(encoding), name);
        QVERIFY2(store.getEncodingTable(encoding, 0).size() > 18, name);
        QVERIFY2(store.getEncodingTable(encoding, 1).size() > 6, name);
    }
    // Largest resolution first, so the searches find the best fit first.
    const QVector<BitrateEntry> ipc = store.getEncodingTable(QStringLiteral("H.264"), 0);
    for (int row = 1; row < 18; ++row)
        QVERIFY(ipc.at(row).bitrate <= ipc.at(row - 1).bitrate);
    for (const BitrateEntry& entry : ipc)
        QVERIFY2(entry.resolution.contains(QLatin1Char('(')), qPrintable(entry.resolution));

    const QStringList pal = store.getFrameRateTexts(PAL);
    const QStringList ntsc = store.getFrameRateTexts(NTSC);
    QCOMPARE(pal.value(1), QStringLiteral("25"));
    QCOMPARE(ntsc.value(1), QStringLiteral("30"));
    QVERIFY(pal.contains(QStringLiteral("50")) && ntsc.contains(QStringLiteral("60")));
    QCOMPARE(store.getFrameRateValue(QStringLiteral("1/2"), 0), 0.5);

    QStringList links;
    store.getConnectionTypes(links);
    QVERIFY(links.size() >= 3);
    QVERIFY(!store.getConnectionBandwidths(links.at(2)).isEmpty());

    QStringList scenes;
    QVERIFY(store.getScenceNames(scenes));
    QVERIFY(scenes.size() >= 6);
    QStringList sceneResolutions;
    QVERIFY(store.getScenceResolutions(scenes.first(), sceneResolutions));
    QVERIFY(!sceneResolutions.isEmpty());
    QVERIFY(store.getScenceBitrate(scenes.first(), QStringLiteral("H.264"), sceneResolutions.first()) > 0);
}

void tst_DeviceConfigStore::pictureAreaReadsTheFirstSize_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : { "1080P(1920x1080)", "QCIF(176x144)", "8MP", "(x1080)", "(1920x)", "(1920x1080",
                              "(1234567x2)", "(2x1234567)", "(123456x654321)", "A(B)(640x480)", "(64 x 48)",
                              "((320x240))", "(1920X1080)", "(１９２0x1080)", "(0x0)", "" })
        QTest::newRow(name) << QString::fromUtf8(name);
}

void tst_DeviceConfigStore::pictureAreaReadsTheFirstSize()
{
    // The reader must keep to the rule the tables were always held to.
    QFETCH(QString, name);
    static const QRegularExpression rule(QStringLiteral("\\((\\d{1,6})x(\\d{1,6})\\)"));
    const QRegularExpressionMatch match = rule.match(name);
    const std::optional<qint64> expected = match.hasMatch()
        ? std::optional<qint64>(match.captured(1).toLongLong() * match.captured(2).toLongLong())
        : std::nullopt;
    QCOMPARE(BitrateTableCheck::pictureArea(name), expected);
}

QTEST_GUILESS_MAIN(tst_DeviceConfigStore)
#include "tst_DeviceConfigStore.moc"
