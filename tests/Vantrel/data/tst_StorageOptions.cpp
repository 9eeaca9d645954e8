#include <data/StorageOptions.h>

#include <TempProgramDir.h>

#include <QtTest>

class tst_StorageOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedFile();
    void unusableEntriesLeftOut();
    void brokenFileFallsBack_data();
    void brokenFileFallsBack();
};

void tst_StorageOptions::shippedFile()
{
    // The build puts the shipped file beside the test, where the program
    // looks for it.
    const StorageOptions options;
    QVERIFY(options.isLoaded());
    QCOMPARE(options.diskSizes().size(), 13);
    QCOMPARE(options.diskSizes().first().show, QStringLiteral("1 TB"));
    QCOMPARE(options.diskSizes().last().value, 24.0);
    QCOMPARE(options.raidLevels().size(), 5);
    QCOMPARE(options.raidLevels().at(3).show, QStringLiteral("RAID 6"));
    QCOMPARE(options.raidLevels().at(3).raid, StorageSettings::Raid::Raid6);
    // The plan defaults must be among the choices.
    const StorageSettings defaults;
    QVERIFY(std::any_of(options.diskSizes().cbegin(), options.diskSizes().cend(),
                        [&](const ShowValueItem& size) { return size.value == defaults.diskTB; }));
    QCOMPARE(options.raidLevels().first().raid, defaults.raid);
}

void tst_StorageOptions::unusableEntriesLeftOut()
{
    TempProgramDir dir;
    dir.write(StorageOptions::kFileName,
              "<Storage><DiskSizes>"
              "<Item><Show>3 TB</Show><Value>3</Value></Item>"
              "<Item><Show>zero</Show><Value>0</Value></Item>"
              "<Item><Show>huge</Show><Value>101</Value></Item>"
              "<Item><Show>word</Show><Value>ten</Value></Item>"
              "<Item><Show></Show><Value>5</Value></Item>"
              "<Item><Show>again</Show><Value>3.0</Value></Item>"
              "</DiskSizes><RaidLevels>"
              "<Item><Show>Mirror</Show><Value>RAID1</Value></Item>"
              "<Item><Show>Lower</Show><Value>raid5</Value></Item>"
              "</RaidLevels></Storage>");
    const StorageOptions options;
    QVERIFY(options.isLoaded());
    QCOMPARE(options.diskSizes().size(), 1);
    QCOMPARE(options.diskSizes().first().show, QStringLiteral("3 TB"));
    QCOMPARE(options.raidLevels().size(), 1);
    QCOMPARE(options.raidLevels().first().show, QStringLiteral("Mirror"));
}

void tst_StorageOptions::brokenFileFallsBack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("diskSizesFromFile");
    QTest::addColumn<bool>("raidLevelsFromFile");

    QTest::newRow("missing") << QByteArray() << false << false;
    QTest::newRow("not XML") << QByteArray("<Storage><DiskSizes>") << false << false;
    QTest::newRow("no usable disk size")
        << QByteArray("<Storage><DiskSizes><Item><Show>x</Show><Value>-1</Value></Item></DiskSizes>"
                      "<RaidLevels><Item><Show>Mirror</Show><Value>RAID1</Value></Item></RaidLevels></Storage>")
        << false << true;
    QTest::newRow("no RAID list")
        << QByteArray("<Storage><DiskSizes><Item><Show>3 TB</Show><Value>3</Value></Item></DiskSizes></Storage>")
        << true << false;
}

void tst_StorageOptions::brokenFileFallsBack()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, diskSizesFromFile);
    QFETCH(bool, raidLevelsFromFile);

    TempProgramDir dir;
    if (!content.isEmpty())
        dir.write(StorageOptions::kFileName, content);
    const StorageOptions options;
    QVERIFY(!options.isLoaded());
    // A list the file cannot give is the built-in one, never empty.
    QCOMPARE(options.diskSizes().size() == 1, diskSizesFromFile);
    QCOMPARE(options.raidLevels().size() == 1, raidLevelsFromFile);
    if (!diskSizesFromFile)
        QCOMPARE(options.diskSizes().size(), StorageOptions::builtInDiskSizes().size());
    if (!raidLevelsFromFile)
        QCOMPARE(options.raidLevels().size(), StorageOptions::builtInRaidLevels().size());
}

QTEST_GUILESS_MAIN(tst_StorageOptions)
#include "tst_StorageOptions.moc"
