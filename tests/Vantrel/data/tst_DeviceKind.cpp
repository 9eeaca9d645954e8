#include <data/DeviceKind.h>

#include <QtTest>

// The kind numbers of the interfaces are fixed by the data files and the
// signals; one table here pins every one of them.
class tst_DeviceKind : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codes();
    void texts();
};

void tst_DeviceKind::codes()
{
    QCOMPARE(encodingCode(DeviceKind::Ipc), 0);
    QCOMPARE(encodingCode(DeviceKind::Dvr), 1);
    QCOMPARE(resolutionListCode(DeviceKind::Ipc), 1);
    QCOMPARE(resolutionListCode(DeviceKind::Dvr), 2);
    QCOMPARE(defaultTableCode(DeviceKind::Ipc), 1);
    QCOMPARE(defaultTableCode(DeviceKind::Dvr), 2);

    QVERIFY(deviceKindFromEncodingCode(0) == DeviceKind::Ipc);
    QVERIFY(deviceKindFromEncodingCode(1) == DeviceKind::Dvr);
    QVERIFY(!deviceKindFromEncodingCode(2));
    QVERIFY(!deviceKindFromEncodingCode(-1));
    QVERIFY(deviceKindFromDefaultTableCode(1) == DeviceKind::Ipc);
    QVERIFY(deviceKindFromDefaultTableCode(0) == DeviceKind::Dvr);
    QVERIFY(deviceKindFromDefaultTableCode(7) == DeviceKind::Dvr);
}

void tst_DeviceKind::texts()
{
    QVERIFY(deviceKindFromText(QStringLiteral("IPC")) == DeviceKind::Ipc);
    QVERIFY(deviceKindFromText(QStringLiteral("DVR")) == DeviceKind::Dvr);
    QVERIFY(!deviceKindFromText(QStringLiteral("ipc")));
    QVERIFY(!deviceKindFromText(QStringLiteral("NVR")));
    QVERIFY(!deviceKindFromText(QString()));
    QCOMPARE(deviceKindText(DeviceKind::Ipc), QStringLiteral("IPC"));
    QCOMPARE(deviceKindText(DeviceKind::Dvr), QStringLiteral("DVR"));
}

QTEST_GUILESS_MAIN(tst_DeviceKind)
#include "tst_DeviceKind.moc"
