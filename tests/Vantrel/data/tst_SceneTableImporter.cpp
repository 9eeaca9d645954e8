#include <data/DeviceConfigStore.h>
#include <data/SceneTableImporter.h>

#include <TempProgramDir.h>

#include <QtTest>

namespace {
const QByteArray kOldTable = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                             "Office,H.264,720P,800,office.png\n";

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class tst_SceneTableImporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importsTableAndPictures();
    void rejectedFilesKeepTheOldTable_data();
    void rejectedFilesKeepTheOldTable();
    void shortRowsAndMissingPictures();
    void unsafePictureNamesAreSkipped();
    void readOnlyProgramFolder();
    void pictureName_data();
    void pictureName();
};

void tst_SceneTableImporter::importsTableAndPictures()
{
    TempProgramDir program;
    program.write(QStringLiteral("Scene.csv"), kOldTable);
    program.write(QStringLiteral("ScenePicture/hospital1.png"), "old picture");
    QTemporaryDir source;
    const QByteArray table = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\r\n"
                             "Hospital,H.265,720P,1204,D:\\scene\\hospital1.png\r\n"
                             "Hospital,H.264,1080P,2048," + source.filePath(QStringLiteral("pics/h2.png")).toUtf8() + "\r\n";
    QDir(source.path()).mkpath(QStringLiteral("pics"));
    {
        QFile file(source.filePath(QStringLiteral("table.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(table);
        QFile picture1(source.filePath(QStringLiteral("hospital1.png")));
        QVERIFY(picture1.open(QIODevice::WriteOnly));
        picture1.write("new picture 1");
        QFile picture2(source.filePath(QStringLiteral("pics/h2.png")));
        QVERIFY(picture2.open(QIODevice::WriteOnly));
        picture2.write("new picture 2");
    }

    const SceneTableImporter::Result result = SceneTableImporter::importFrom(source.filePath(QStringLiteral("table.csv")));
    QVERIFY(result.ok());
    QCOMPARE(result.picturesCopied, 2);
    QCOMPARE(result.picturesMissing, 0);
    QCOMPARE(readFile(program.filePath(QStringLiteral("Scene.csv"))), table);
    QCOMPARE(readFile(program.filePath(QStringLiteral("ScenePicture/hospital1.png"))), QByteArray("new picture 1"));
    QCOMPARE(readFile(program.filePath(QStringLiteral("ScenePicture/h2.png"))), QByteArray("new picture 2"));

    // The store sees the new table at once.
    const DeviceConfigStore store;
    QCOMPARE(store.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), 1204);
    QVERIFY(QFileInfo(store.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P"))).isFile());
}

void tst_SceneTableImporter::rejectedFilesKeepTheOldTable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("outcome");
    const int notTable = int(SceneTableImporter::Outcome::NotASceneTable);
    QTest::newRow("empty") << QByteArray("") << notTable;
    QTest::newRow("header only") << QByteArray("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n") << notTable;
    QTest::newRow("rows of four fields") << QByteArray("h\nA,H.264,720P,100\nB,H.264,720P,100\n") << notTable;
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR,a,b,c,d,e\n", 22) << notTable;
    QTest::newRow("not UTF-8") << QByteArray("h\nB\xfcro,H.264,720P,100,x.png\n") << notTable;
}

void tst_SceneTableImporter::rejectedFilesKeepTheOldTable()
{
    QFETCH(QByteArray, content);
    QFETCH(int, outcome);
    TempProgramDir program;
    program.write(QStringLiteral("Scene.csv"), kOldTable);
    QTemporaryDir source;
    QFile file(source.filePath(QStringLiteral("bad.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(int(SceneTableImporter::importFrom(file.fileName()).outcome), outcome);
    QCOMPARE(readFile(program.filePath(QStringLiteral("Scene.csv"))), kOldTable);

    QCOMPARE(SceneTableImporter::importFrom(source.filePath(QStringLiteral("missing.csv"))).outcome,
             SceneTableImporter::Outcome::Unreadable);
    QCOMPARE(SceneTableImporter::importFrom(source.path()).outcome, SceneTableImporter::Outcome::Unreadable);
    QCOMPARE(readFile(program.filePath(QStringLiteral("Scene.csv"))), kOldTable);
}

void tst_SceneTableImporter::shortRowsAndMissingPictures()
{
    TempProgramDir program;
    QTemporaryDir source;
    const QByteArray table = "h\nRoad,H.264,720P,1500,road.png\nShort,H.264,720P,900\n";
    QFile file(source.filePath(QStringLiteral("t.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(table);
    file.close();
    const SceneTableImporter::Result result = SceneTableImporter::importFrom(file.fileName());
    QVERIFY(result.ok());
    QCOMPARE(result.picturesCopied, 0);
    QCOMPARE(result.picturesMissing, 1);
    QCOMPARE(readFile(program.filePath(QStringLiteral("Scene.csv"))), table);
    QVERIFY(!QFile::exists(program.filePath(QStringLiteral("ScenePicture/road.png"))));
}

void tst_SceneTableImporter::unsafePictureNamesAreSkipped()
{
    TempProgramDir program;
    program.write(QStringLiteral("keep.txt"), "keep");
    QTemporaryDir source;
    QFile file(source.filePath(QStringLiteral("t.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("h\nA,H.264,720P,1,..\nB,H.264,720P,1,C:\\pics\\.\nC,H.264,720P,1,dir/\nD,H.264,720P,1,../keep.txt\n");
    file.close();
    const SceneTableImporter::Result result = SceneTableImporter::importFrom(file.fileName());
    QVERIFY(result.ok());
    QCOMPARE(result.picturesCopied, 0);
    QCOMPARE(readFile(program.filePath(QStringLiteral("keep.txt"))), QByteArray("keep"));
    const QStringList pictures = QDir(program.filePath(QStringLiteral("ScenePicture"))).entryList(QDir::Files);
    QVERIFY2(pictures.isEmpty(), qPrintable(pictures.join(',')));
}

void tst_SceneTableImporter::readOnlyProgramFolder()
{
    {
        // A target that cannot be replaced (even by root): reported, not hidden.
        TempProgramDir program;
        QDir(program.path()).mkpath(QStringLiteral("Scene.csv/inside"));
        QTemporaryDir source;
        QFile file(source.filePath(QStringLiteral("t.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("h\nRoad,H.264,720P,1500,road.png\n");
        file.close();
        QCOMPARE(SceneTableImporter::importFrom(file.fileName()).outcome, SceneTableImporter::Outcome::CannotWrite);
        QVERIFY(QFileInfo(program.filePath(QStringLiteral("Scene.csv/inside"))).isDir());
    }

    TempProgramDir program;
    program.write(QStringLiteral("Scene.csv"), kOldTable);
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (program.write(QStringLiteral("probe"), "x")) {
        QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("this user writes into read-only folders (root)");
    }
    QTemporaryDir source;
    QFile file(source.filePath(QStringLiteral("t.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("h\nRoad,H.264,720P,1500,road.png\n");
    file.close();
    const SceneTableImporter::Outcome outcome = SceneTableImporter::importFrom(file.fileName()).outcome;
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(outcome, SceneTableImporter::Outcome::CannotWrite);
    QCOMPARE(readFile(program.filePath(QStringLiteral("Scene.csv"))), kOldTable);
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
