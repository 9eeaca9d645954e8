#include <data/DeviceConfigStore.h>
#include <data/SceneSetLocation.h>
#include <data/SceneTableImporter.h>

#include <TempProgramDir.h>

#include <QImage>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

class tst_SceneSetLocation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void userFolderWhenProgramFolderIsReadOnly();
    void importInReadOnlyProgramFolder();
};

void tst_SceneSetLocation::userFolderWhenProgramFolderIsReadOnly()
{
    QCOMPARE(SceneSetLocation::chooseWritable("/opt/v", true, "/home/u/data"), QString("/opt/v/"));
    QCOMPARE(SceneSetLocation::chooseWritable("/opt/v/", false, "/home/u/data"), QString("/home/u/data/"));
    QCOMPARE(SceneSetLocation::chooseWritable("/opt/v/", false, QString()), QString("/opt/v/"));

    // The user's folder is read once it holds a table, the last part of an
    // import to arrive there.
    QTemporaryDir user;
    QCOMPARE(SceneSetLocation::chooseLive(user.path(), "/opt/v"), QString("/opt/v/"));
    QDir(user.path()).mkpath("ScenePicture");
    QCOMPARE(SceneSetLocation::chooseLive(user.path(), "/opt/v"), QString("/opt/v/"));
    QFile table(user.filePath("Scene.csv"));
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.close();
    QCOMPARE(SceneSetLocation::chooseLive(user.path(), "/opt/v"), user.path() + '/');
}

void tst_SceneSetLocation::importInReadOnlyProgramFolder()
{
    if (geteuid() == 0)
        QSKIP("root writes to read-only folders; the rule itself is checked above");
    TempProgramDir program(TempProgramDir::ShippedData);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/';
    QDir(user).removeRecursively();
    const auto cleanUp = qScopeGuard([&] {
        QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(user).removeRecursively();
    });
    const QMap<QString, QByteArray> shipped = TempProgramDir::sceneSet(program.path());
    QVERIFY(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(SceneSetLocation::liveFolder(), program.path());

    QTemporaryDir source;
    QImage(8, 8, QImage::Format_RGB32).save(source.filePath("lab.png"));
    QFile csv(source.filePath("t.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("h\nLab,H.264,720P(1280x720),900,lab.png\n");
    csv.close();
    const SceneTableImporter::Result result = SceneTableImporter::importFrom(csv.fileName());
    QVERIFY2(result.ok(), qPrintable(result.error));

    // The import went to the user's folder and wins there, at once and at
    // the next start; the installed set is as it was.
    QCOMPARE(SceneSetLocation::liveFolder(), user);
    QCOMPARE(TempProgramDir::sceneSet(user).keys(), QStringList({"Scene.csv", "lab.png"}));
    QCOMPARE(TempProgramDir::sceneSet(program.path()), shipped);
    const DeviceConfigStore store;
    QCOMPARE(store.getScenceBitrate("Lab", "H.264", "720P(1280x720)"), 900);
    QVERIFY(store.getScencePicture("Lab", "H.264", "720P(1280x720)").startsWith(user));

    QVERIFY(SceneTableImporter::restoreShipped().ok());
    QCOMPARE(TempProgramDir::sceneSet(user), shipped);
}

QTEST_GUILESS_MAIN(tst_SceneSetLocation)
#include "tst_SceneSetLocation.moc"
