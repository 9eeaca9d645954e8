#include <data/DeviceConfigStore.h>
#include <data/SceneSetInstaller.h>
#include <data/SceneTableImporter.h>
#include <data/SceneTableValidator.h>

#include <Fenwork/SafeFileWriter.h>

#include <TempProgramDir.h>

#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {
const QByteArray kHeader = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";

// A PNG; noisy ones do not compress, for a file larger than a small disk.
QByteArray png(int size, bool noisy = false)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    for (int y = 0; noisy && y < size; ++y) {
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, QRandomGenerator::global()->generate());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool write(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

class tst_SceneTableImporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importsTableAndPictures();
    void refusalsLeaveTheSetAsItWas_data();
    void refusalsLeaveTheSetAsItWas();
    void refusedRowsAreLeftOut();
    void cancelledImportLeavesTheSetAsItWas();
    void writeFailuresLeaveTheSetAsItWas();
    void fullDiskLeavesTheSetAsItWas();
    void killedImportLeavesOneWholeSet();
    void startUpLeavesALiveImportAlone();
    void pictureName_data();
    void pictureName();
};

void tst_SceneTableImporter::importsTableAndPictures()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
    // The shipped table is read (and kept) before the import replaces it.
    QCOMPARE(DeviceConfigStore().getScenceBitrate("Hospital", "H.265", "4K(3840x2160)"), 4915);
    QTemporaryDir source;
    const QByteArray rows[] = {"Hospital,H.265,720P(1280x720),1204,D:\\scene\\hospital1.png",
                               "Hospital,H.264,1080P(1920x1080),2048," + source.filePath("pics/h2.png").toUtf8()};
    QVERIFY(write(source.filePath("table.csv"), "h\r\n" + rows[0] + "\r\n\r\n" + rows[1] + "\r\n"));
    QVERIFY(write(source.filePath("hospital1.png"), png(8)));
    QVERIFY(write(source.filePath("pics/h2.png"), png(9)));

    const SceneTableImporter::Result result = SceneTableImporter::importFrom(source.filePath("table.csv"));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.picturesCopied, 2);
    QCOMPARE(TempProgramDir::sceneSet(program.path()),
             (QMap<QString, QByteArray>{{"Scene.csv", kHeader + rows[0] + '\n' + rows[1] + '\n'},
                                        {"hospital1.png", png(8)},
                                        {"h2.png", png(9)}}));
    QCOMPARE(TempProgramDir::sceneSet(program.filePath("SceneBackup")), old);
    QVERIFY(!QFileInfo::exists(program.filePath("SceneSwitch")));

    // The store sees the new table at once.
    const DeviceConfigStore store;
    QCOMPARE(store.getScenceBitrate("Hospital", "H.265", "720P(1280x720)"), 1204);
    QCOMPARE(store.getScenceBitrate("Hospital", "H.265", "4K(3840x2160)"), -1);
    QVERIFY(QFileInfo(store.getScencePicture("Hospital", "H.265", "720P(1280x720)")).isFile());
}

void tst_SceneTableImporter::refusalsLeaveTheSetAsItWas_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "the file holds no scene rows";
    QTest::newRow("header only") << kHeader << "the file holds no scene rows";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR,a,b,c,d,e\n", 22) << "not a UTF-8 text file";
    QTest::newRow("not UTF-8") << QByteArray("h\nB\xfcro,H.264,720P(1280x720),100,lab.png\n") << "not a UTF-8 text file";
    QTest::newRow("four fields") << QByteArray("h\nLab,H.264,720P(1280x720),900\n") << "line 2: 4 fields, expected 5";
    QTest::newRow("rate") << QByteArray("h\n\nLab,H.264,720P(1280x720),abc,lab.png\n")
                          << "line 3: rate 'abc' is not a whole number from 1 to 1048576";
    QTest::newRow("rate zero") << QByteArray("h\nLab,H.264,720P(1280x720),0,lab.png\n") << "line 2: rate '0'";
    QTest::newRow("rate too high") << QByteArray("h\nLab,H.264,720P(1280x720),1048577,lab.png\n") << "line 2: rate";
    QTest::newRow("encoding") << QByteArray("h\nLab,H.266,720P(1280x720),900,lab.png\n") << "line 2: encoding 'H.266'";
    QTest::newRow("resolution") << QByteArray("h\nLab,H.264,720P,900,lab.png\n")
                                << "line 2: resolution '720P' is not in the H.264 bitrate table";
    QTest::newRow("missing picture") << QByteArray("h\nLab,H.264,720P(1280x720),900,road_8k.png\n")
                                     << "line 2: picture road_8k.png not found";
    QTest::newRow("not a PNG") << QByteArray("h\nLab,H.264,720P(1280x720),900,fake.png\n") << "is not a PNG image";
    QTest::newRow("dot dot") << QByteArray("h\nLab,H.264,720P(1280x720),900,..\n") << "line 2: picture name '..'";
    QTest::newRow("folder") << QByteArray("h\nLab,H.264,720P(1280x720),900,dir/\n") << "line 2: picture name 'dir/'";
    QTest::newRow("control") << QByteArray("h\nLab,H.264,720P(1280x720),900,a\x01.png\n") << "line 2: picture name";
}

void tst_SceneTableImporter::refusalsLeaveTheSetAsItWas()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    TempProgramDir program(TempProgramDir::ShippedData);
    const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
    QTemporaryDir source;
    QVERIFY(write(source.filePath("bad.csv"), content));
    QVERIFY(write(source.filePath("lab.png"), png(8)));
    QVERIFY(write(source.filePath("fake.png"), "not a picture"));

    const SceneTableImporter::Result result = SceneTableImporter::importFrom(source.filePath("bad.csv"));
    QCOMPARE(result.outcome, SceneTableImporter::Outcome::NotASceneTable);
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QCOMPARE(TempProgramDir::sceneSet(program.path()), old);

    QCOMPARE(SceneTableImporter::importFrom(source.filePath("missing.csv")).outcome,
             SceneTableImporter::Outcome::Unreadable);
    QCOMPARE(SceneTableImporter::importFrom(source.path()).outcome, SceneTableImporter::Outcome::Unreadable);
    QCOMPARE(TempProgramDir::sceneSet(program.path()), old);
}

void tst_SceneTableImporter::refusedRowsAreLeftOut()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    QTemporaryDir source;
    QVERIFY(write(source.filePath("t.csv"), kHeader + "Lab,H.264,720P(1280x720),900,office_720p.png\n"
                                                      "Lab,H.264,720P(1280x720),abc,lab.png\n"
                                                      "Yard,H.265,4K(3840x2160),5000,C:\\p\\yard.png\n"));
    const SceneTableCheck check = SceneTableValidator::check(source.filePath("t.csv"));
    QCOMPARE(check.toJson(),
             QByteArray("{\"rows\":1,\"scenes\":[\"Lab\"],\"problems\":["
                        "{\"line\":3,\"reason\":\"rate 'abc' is not a whole number from 1 to 1048576\"},"
                        "{\"line\":4,\"reason\":\"picture yard.png not found\"}]}"));

    // The shipped picture the row reuses comes along; the refused rows do not.
    const QByteArray picture = TempProgramDir::readFile(program.filePath("ScenePicture/office_720p.png"));
    QVERIFY(SceneTableImporter::install(check).ok());
    QCOMPARE(TempProgramDir::sceneSet(program.path()),
             (QMap<QString, QByteArray>{{"Scene.csv", kHeader + "Lab,H.264,720P(1280x720),900,office_720p.png\n"},
                                        {"office_720p.png", picture}}));
}

void tst_SceneTableImporter::cancelledImportLeavesTheSetAsItWas()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
    QTemporaryDir source;
    QVERIFY(write(source.filePath("t.csv"), kHeader + "Lab,H.264,720P(1280x720),900,lab.png\n"));
    QVERIFY(write(source.filePath("lab.png"), png(5)));
    const SceneTableCheck check = SceneTableValidator::check(source.filePath("t.csv"));
    QVERIFY(check.canImport());

    int steps = 0;
    const SceneTableImporter::Result result = SceneTableImporter::install(check, [&steps](qint64, qint64) {
        ++steps;
        return false;
    });
    QCOMPARE(result.outcome, SceneTableImporter::Outcome::Cancelled);
    QVERIFY(result.error.isEmpty());
    QCOMPARE(steps, 1);
    QCOMPARE(TempProgramDir::sceneSet(program.path()), old);
    QVERIFY(!QFileInfo::exists(program.filePath("SceneStaging")));
    QVERIFY(!QFileInfo::exists(program.filePath("SceneSwitch")));
}

void tst_SceneTableImporter::writeFailuresLeaveTheSetAsItWas()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
    QTemporaryDir source;
    QVERIFY(write(source.filePath("t.csv"), "h\nA,H.264,720P(1280x720),900,a.png\nB,H.264,720P(1280x720),900,b.png\n"));
    QVERIFY(write(source.filePath("a.png"), png(8)));
    QVERIFY(write(source.filePath("b.png"), png(9)));

    // The table, then each picture, then the copy of the old table.
    for (int n = 1; n <= 4; ++n) {
        aptui::SafeFileWriter::failWriteNumber(n);
        const SceneTableImporter::Result result = SceneTableImporter::importFrom(source.filePath("t.csv"));
        aptui::SafeFileWriter::failWriteNumber(0);
        QCOMPARE(result.outcome, SceneTableImporter::Outcome::CannotWrite);
        QVERIFY2(!result.error.isEmpty(), qPrintable(QString::number(n)));
        QCOMPARE(TempProgramDir::sceneSet(program.path()), old);
        QVERIFY(!QFileInfo::exists(program.filePath("SceneStaging")));
    }
    aptui::SafeFileWriter::failWriteNumber(3);
    const QString error = SceneTableImporter::importFrom(source.filePath("t.csv")).error;
    aptui::SafeFileWriter::failWriteNumber(0);
    QVERIFY2(error.contains("Cannot copy the pictures b.png"), qPrintable(error));
}

void tst_SceneTableImporter::fullDiskLeavesTheSetAsItWas()
{
    TempProgramDir program;
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", program.path()});
    if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
        QSKIP("mounting a small tmpfs is not allowed here (needs root)");
    const auto unmount = qScopeGuard([&program] { QProcess::execute("umount", {program.path()}); });

    // The bitrate tables from the build, the scene set small enough to fit.
    const QString shipped = TempProgramDir::shippedDataPath();
    for (const char* name : {"IPCBitrate/H.264.csv", "DVRBitrate/H.264.csv"})
        QVERIFY(write(program.filePath(name), TempProgramDir::readFile(shipped + name)));
    QVERIFY(write(program.filePath("Scene.csv"), kHeader + "Old,H.264,720P(1280x720),900,old.png\n"));
    QVERIFY(write(program.filePath("ScenePicture/old.png"), png(8)));
    const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
    QTemporaryDir source;
    QVERIFY(write(source.filePath("t.csv"), "h\nNew,H.264,720P(1280x720),900,big.png\n"));
    QVERIFY(write(source.filePath("big.png"), png(160, true)));

    const SceneTableImporter::Result result = SceneTableImporter::importFrom(source.filePath("t.csv"));
    QCOMPARE(result.outcome, SceneTableImporter::Outcome::CannotWrite);
    QVERIFY2(result.error.contains("big.png"), qPrintable(result.error));
    QCOMPARE(TempProgramDir::sceneSet(program.path()), old);
}

void tst_SceneTableImporter::killedImportLeavesOneWholeSet()
{
    QTemporaryDir source;
    QVERIFY(write(source.filePath("t.csv"), "h\nNew,H.264,720P(1280x720),900,new.png\n"));
    QVERIFY(write(source.filePath("new.png"), png(8)));
    const QMap<QString, QByteArray> newSet{{"Scene.csv", kHeader + "New,H.264,720P(1280x720),900,new.png\n"},
                                           {"new.png", png(8)}};

    for (const auto step : {SceneSetInstaller::Step::Staged, SceneSetInstaller::Step::Committed,
                            SceneSetInstaller::Step::PicturesSwitched, SceneSetInstaller::Step::TableSwitched}) {
        TempProgramDir program(TempProgramDir::ShippedData);
        const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
        QProcess helper;
        helper.start(QCoreApplication::applicationDirPath() + "/scene_import_helper",
                     {program.path(), source.filePath("t.csv"), QString::number(int(step))});
        while (!helper.readAllStandardOutput().contains("paused"))
            QVERIFY2(helper.waitForReadyRead(20000), qPrintable(helper.errorString()));
        helper.kill();
        QVERIFY(helper.waitForFinished());

        // Before the decisive rename nothing of the new set shows; after it
        // the next start finishes the switch.
        if (step == SceneSetInstaller::Step::Staged)
            QCOMPARE(TempProgramDir::sceneSet(program.path()), old);
        QVERIFY(SceneSetInstaller::recover());
        QCOMPARE(TempProgramDir::sceneSet(program.path()), step == SceneSetInstaller::Step::Staged ? old : newSet);
        QVERIFY(!QFileInfo::exists(program.filePath("SceneStaging")));
        QVERIFY(!QFileInfo::exists(program.filePath("SceneSwitch")));
        if (step != SceneSetInstaller::Step::Staged)
            QCOMPARE(TempProgramDir::sceneSet(program.filePath("SceneBackup")), old);
    }
}

void tst_SceneTableImporter::startUpLeavesALiveImportAlone()
{
    QTemporaryDir source;
    QVERIFY(write(source.filePath("t.csv"), "h\nNew,H.264,720P(1280x720),900,new.png\n"));
    QVERIFY(write(source.filePath("new.png"), png(8)));
    const QMap<QString, QByteArray> newSet{{"Scene.csv", kHeader + "New,H.264,720P(1280x720),900,new.png\n"},
                                           {"new.png", png(8)}};

    for (const auto step : {SceneSetInstaller::Step::Staged, SceneSetInstaller::Step::Committed}) {
        TempProgramDir program(TempProgramDir::ShippedData);
        const QMap<QString, QByteArray> old = TempProgramDir::sceneSet(program.path());
        QProcess helper;
        helper.start(QCoreApplication::applicationDirPath() + "/scene_import_helper",
                     {program.path(), source.filePath("t.csv"), QString::number(int(step))});
        while (!helper.readAllStandardOutput().contains("paused"))
            QVERIFY2(helper.waitForReadyRead(20000), qPrintable(helper.errorString()));

        // The window starts while the command line imports: its clean-up
        // leaves the import's folders to it.
        const QString folder = program.filePath(step == SceneSetInstaller::Step::Staged ? "SceneStaging" : "SceneSwitch");
        QVERIFY(SceneSetInstaller::recover());
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(TempProgramDir::sceneSet(program.path()), old);
        // Nor may a second import run over it.
        const SceneTableImporter::Result second = SceneTableImporter::importFrom(source.filePath("t.csv"));
        QCOMPARE(second.outcome, SceneTableImporter::Outcome::CannotWrite);
        QVERIFY2(second.error.contains("Another scene import is running"), qPrintable(second.error));
        QVERIFY(QFileInfo(folder).isDir());

        helper.write("go\n");
        QVERIFY(helper.waitForFinished(20000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 0);
        QCOMPARE(TempProgramDir::sceneSet(program.path()), newSet);
        QCOMPARE(TempProgramDir::sceneSet(program.filePath("SceneBackup")), old);
        QVERIFY(!QFileInfo::exists(program.filePath("SceneImport.lock")));
    }
}

void tst_SceneTableImporter::pictureName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("windows path") << "D:\\scene\\hospital1.png" << "hospital1.png";
    QTest::newRow("unix path") << "/a/b/c.png" << "c.png";
    QTest::newRow("mixed, last separator wins") << "a\\b/c\\d.png" << "d.png";
    QTest::newRow("bare name") << "x.png" << "x.png";
    QTest::newRow("trailing separator") << "dir/" << "";
}

void tst_SceneTableImporter::pictureName()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(SceneTableImporter::pictureName(path), name);
}

QTEST_GUILESS_MAIN(tst_SceneTableImporter)
#include "tst_SceneTableImporter.moc"
