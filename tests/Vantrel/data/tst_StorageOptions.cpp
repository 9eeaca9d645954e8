#include <data/StorageOptions.h>

#include <TempProgramDir.h>

#include <QtTest>

class tst_StorageOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedFile();
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
    QCOMPARE(options.raidLevels().at(3).show, QStringLiteral("RAID 6"));
    QCOMPARE(options.raidLevels().at(3).raid, StorageSettings::Raid::Raid6);
    // The settings of a new plan must be among the choices.
    QVERIFY(std::any_of(options.diskSizes().cbegin(), options.diskSizes().cend(),
                        [](const ShowValueItem& size) { return size.value == StorageSettings().diskTB; }));
}

void tst_StorageOptions::brokenFileFallsBack_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("diskSizes");
    QTest::addColumn<int>("raidLevels");

    QTest::newRow("missing") << QByteArray() << 13 << 5;
    QTest::newRow("not XML") << QByteArray("<Storage><DiskSizes>") << 13 << 5;
    // Unusable entries are left out; a list left empty is the built-in one.
    QTest::newRow("bad entries")
        << QByteArray("<Storage><DiskSizes><I><Show>3 TB</Show><Value>3</Value></I>"
                      "<I><Show>0</Show><Value>0</Value></I><I><Show>x</Show><Value>101</Value></I>"
                      "<I><Show></Show><Value>5</Value></I><I><Show>again</Show><Value>3.0</Value></I>"
                      "</DiskSizes><RaidLevels><I><Show>x</Show><Value>raid5</Value></I></RaidLevels></Storage>")
        << 1 << 5;
}

void tst_StorageOptions::brokenFileFallsBack()
{
    QFETCH(QByteArray, content);
    QFETCH(int, diskSizes);
    QFETCH(int, raidLevels);

    TempProgramDir dir;
    if (!content.isEmpty())
        dir.write(StorageOptions::kFileName, content);
    const StorageOptions options;
    QVERIFY(!options.isLoaded());
    QCOMPARE(options.diskSizes().size(), diskSizes);
    QCOMPARE(options.raidLevels().size(), raidLevels);
}

QTEST_GUILESS_MAIN(tst_StorageOptions)
#include "tst_StorageOptions.moc"
