#include <data/DeviceInfoManager.h>

#include <TempProgramDir.h>

#include <QtTest>

class tst_DeviceInfoManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsReadyAfterConstruction();
    void groupNumbers();
    void releaseUnknownNumber();
    void releaseAboveHintKeepsHint();
};

void tst_DeviceInfoManager::listsReadyAfterConstruction()
{
    TempProgramDir dir;
    dir.writeLines(QStringLiteral("IPCBitrate/H.264.csv"), {QStringLiteral("4K,16384"), QStringLiteral("1080P,4096")});
    dir.writeLines(QStringLiteral("DVRBitrate/H.264.csv"), {QStringLiteral("D1,1024")});
    dir.writeLines(QStringLiteral("Scene.csv"), {QStringLiteral("header"),
                                                  QStringLiteral("Road,H.264,1080P,4000,road.png"),
                                                  QStringLiteral("Office,H.264,1080P,2000,office.png")});
    const DeviceInfoManager manager;
    QCOMPARE(manager.getResolutions(1), QStringList({"4K", "1080P"}));
    QCOMPARE(manager.getResolutions(2), QStringList({"D1"}));
    QVERIFY(manager.getResolutions(0).isEmpty());
    QCOMPARE(manager.getScenceNames(), QStringList({"Road", "Office"}));
    QCOMPARE(manager.getScenceName(1), QStringLiteral("Office"));
    QCOMPARE(manager.getScenceName(5), QString());
    QCOMPARE(manager.getScenceBitrate(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("1080P")), 4000);
    QVERIFY(manager.getScencePicture(QStringLiteral("Road"), QStringLiteral("H.264"), QStringLiteral("1080P"))
                .endsWith(QStringLiteral("ScenePicture/road.png")));
    // Frame.xml is missing: the lists stay empty rather than failing.
    QVERIFY(manager.getFrameRateTexts(PAL).isEmpty());
}

void tst_DeviceInfoManager::groupNumbers()
{
    TempProgramDir dir;
    DeviceInfoManager manager;
    QCOMPARE(manager.takeGroupNumber(), 1);
    QCOMPARE(manager.takeGroupNumber(), 2);
    QCOMPARE(manager.takeGroupNumber(), 3);
    manager.releaseGroupNumber(2);
    QCOMPARE(manager.takeGroupNumber(), 2);
    QCOMPARE(manager.takeGroupNumber(), 4);
    manager.releaseGroupNumber(3);
    manager.releaseGroupNumber(1);
    QCOMPARE(manager.takeGroupNumber(), 1);
    QCOMPARE(manager.takeGroupNumber(), 3);
    QCOMPARE(manager.takeGroupNumber(), 5);
    manager.releaseGroupNumber(0);
    QCOMPARE(manager.takeGroupNumber(), 1);
    QCOMPARE(manager.takeGroupNumber(), 2);
}

void tst_DeviceInfoManager::releaseUnknownNumber()
{
    TempProgramDir dir;
    DeviceInfoManager manager;
    QCOMPARE(manager.takeGroupNumber(), 1);
    QCOMPARE(manager.takeGroupNumber(), 2);
    manager.releaseGroupNumber(1);
    manager.releaseGroupNumber(1); // a second release finds nothing to free
    QCOMPARE(manager.takeGroupNumber(), 1);
    QCOMPARE(manager.takeGroupNumber(), 3);
}

void tst_DeviceInfoManager::releaseAboveHintKeepsHint()
{
    TempProgramDir dir;
    DeviceInfoManager manager;
    for (int i = 0; i < 5; ++i)
        manager.takeGroupNumber();
    manager.releaseGroupNumber(2);
    manager.releaseGroupNumber(4); // above the hint of 2: the hint stays at 2
    QCOMPARE(manager.takeGroupNumber(), 2);
    QCOMPARE(manager.takeGroupNumber(), 4);
    QCOMPARE(manager.takeGroupNumber(), 6);
}

QTEST_GUILESS_MAIN(tst_DeviceInfoManager)
#include "tst_DeviceInfoManager.moc"
