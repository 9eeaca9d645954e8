#include "UpdateDialog/UpdateDialog.h"

#include <ModalAnswer.h>
#include <TempProgramDir.h>
#include <data/SceneTableImporter.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

namespace {
UpdateDialog::FileAsker answer(const QString& path, QString* startPath = nullptr)
{
    return [path, startPath](QWidget*, const QString&, const QString& start, const QString&) {
        if (startPath)
            *startPath = start;
        return path;
    };
}

QString statusText(const UpdateDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text();
}

// English as its translation will read: counts of one take the singular.
// The program's texts are otherwise left as written.
class EnglishPlurals : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int n) const override
    {
        const QString text = QString::fromUtf8(source);
        if (n != 1 || !text.contains(QLatin1String("%n ")))
            return QString();
        static const QRegularExpression plural(QStringLiteral("(%n \\w+)s\\b"));
        return QString(text).replace(plural, QStringLiteral("\\1"));
    }
};
} // namespace

class tst_UpdateDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void form();
    void exportReplacesExistingFile();
    void exportFailureKeepsExistingFile();
    void cancelledDialogsClearTheStatus();
    void importThroughTheButton();
    void importFailureKeepsTable();
    void bigTableShowsProgressAndCancelKeepsTheScenes();
    void templateImportAsksThenRestoreBringsShippedScenesBack();
    void aStatusMessageLeavesTheButtonsWhereTheyAre();
};

void tst_UpdateDialog::form()
{
    TempProgramDir program;
    UpdateDialog dialog;
    QCOMPARE(dialog.title(), QStringLiteral("Update Data"));
    QCOMPARE(dialog.size(), QSize(400, 300));
    QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("UpdateDialog_m_borderWidget")));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("m_btnExport"))->text(), QStringLiteral("Export Data"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("m_btnImport"))->text(), QStringLiteral("Import Templete"));
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("m_btnRestore"))->text(), QStringLiteral("Restore shipped scenes"));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("m_labelTip"))->isHidden());
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text(), QString());
}

void tst_UpdateDialog::exportReplacesExistingFile()
{
    TempProgramDir program;
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("Template.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("something much longer than the template that must disappear completely ........................");
    old.close();

    UpdateDialog dialog;
    QString start;
    dialog.setSaveFileAsker(answer(path, &start));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("m_btnExport")), Qt::LeftButton);
    QCOMPARE(start, QDir::home().filePath(QStringLiteral("Template.csv")));
    QCOMPARE(TempProgramDir::readFile(path), QByteArray("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                                        "Hospital,H.265,720P(1280x720),1204,D:\\scene\\hospital_720p.png\n"
                                        "Hospital,H.264,1080P(1920x1080),2048,D:\\scene\\hospital_1080p.png\n"
                                        "\n"));
    QCOMPARE(statusText(dialog), QStringLiteral("Export Success.\n") + QDir::toNativeSeparators(path));
}

void tst_UpdateDialog::exportFailureKeepsExistingFile()
{
    TempProgramDir program;
    UpdateDialog dialog;
    dialog.setSaveFileAsker(answer(program.filePath(QStringLiteral("no/such/folder/T.csv"))));
    dialog.onExportTemplate();
    QVERIFY2(statusText(dialog).startsWith(QStringLiteral("Export Failure.\nCannot write ")), qPrintable(statusText(dialog)));
    QVERIFY(statusText(dialog).contains(QStringLiteral("T.csv")));
}

void tst_UpdateDialog::cancelledDialogsClearTheStatus()
{
    TempProgramDir program;
    UpdateDialog dialog;
    dialog.setSaveFileAsker(answer(program.filePath(QStringLiteral("no/such/T.csv"))));
    dialog.onExportTemplate();
    QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text().isEmpty());
    dialog.setOpenFileAsker(answer(QString()));
    dialog.onImportScene();
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text(), QString());
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("m_tipIcon"))->pixmap().isNull());
}

void tst_UpdateDialog::importThroughTheButton()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    QTemporaryDir source;
    const QString table = source.filePath(QStringLiteral("scenes.csv"));
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\nLab,H.264,720P(1280x720),900,lab.png\n");
    file.close();
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(source.filePath(QStringLiteral("lab.png")), "PNG"));

    UpdateDialog dialog;
    dialog.setOpenFileAsker(answer(table));
    ModalAnswer::answerNext(QDialog::Accepted);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("m_btnImport")), Qt::LeftButton);
    QCOMPARE(statusText(dialog), QStringLiteral("Import Success, Restart Software to Work."));
    QCOMPARE(TempProgramDir::readFile(program.filePath(QStringLiteral("ScenePicture/lab.png"))), TempProgramDir::readFile(source.filePath(QStringLiteral("lab.png"))));
}

void tst_UpdateDialog::importFailureKeepsTable()
{
    TempProgramDir program;
    program.write(QStringLiteral("Scene.csv"), "h\nOld,H.264,720P,1,o.png\n");
    QTemporaryDir source;
    const QString table = source.filePath(QStringLiteral("empty.csv"));
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    UpdateDialog dialog;
    dialog.setOpenFileAsker(answer(table));
    dialog.onImportScene();
    QCOMPARE(statusText(dialog), QStringLiteral("Import Failure.\nthe file holds no scene rows"));
    QCOMPARE(TempProgramDir::readFile(program.filePath(QStringLiteral("Scene.csv"))), QByteArray("h\nOld,H.264,720P,1,o.png\n"));
}

void tst_UpdateDialog::bigTableShowsProgressAndCancelKeepsTheScenes()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    const QMap<QString, QByteArray> before = TempProgramDir::sceneSet(program.path());
    // A site's table: four rows a scene, one picture for all.
    QTemporaryDir source;
    const QString table = source.filePath(QStringLiteral("site.csv"));
    QByteArray text = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";
    for (int i = 0; i < 2000; ++i)
        text += "Site " + QByteArray::number(i / 4) + ",H.264,720P(1280x720)," + QByteArray::number(500 + i) + ",site.png\n";
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(source.filePath(QStringLiteral("site.png")), "PNG"));

    UpdateDialog dialog;
    dialog.setOpenFileAsker(answer(table));
    // The furthest step of each progress dialog; the user presses Cancel
    // halfway through the one named.
    const QString checking = QStringLiteral("Checking the scene table...");
    const QString importing = QStringLiteral("Importing the scene pictures...");
    QString cancelIn;
    QMap<QString, QPair<qint64, qint64>> reached;
    dialog.setProgress([&cancelIn, &reached](const QString& label) -> ProgressStep {
        return [&cancelIn, &reached, label](qint64 done, qint64 total) {
            reached[label] = {done, total};
            return !(label == cancelIn && done >= total / 2);
        };
    });
    auto* importButton = dialog.findChild<QPushButton*>(QStringLiteral("m_btnImport"));

    cancelIn = importing;
    ModalAnswer::answerNext(QDialog::Accepted);
    QTest::mouseClick(importButton, Qt::LeftButton);
    QCOMPARE(reached.value(checking), qMakePair(qint64(2000), qint64(2000)));
    QVERIFY(reached.contains(importing));
    QCOMPARE(statusText(dialog), QString());
    QCOMPARE(TempProgramDir::sceneSet(program.path()), before);

    // Cancelled while checking: no question, nothing imported.
    cancelIn = checking;
    reached.clear();
    QStringList asked;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&asked] {
        if (auto* question = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            asked << question->objectName();
            question->reject();
        }
    });
    answering.start(20);
    QTest::mouseClick(importButton, Qt::LeftButton);
    answering.stop();
    QCOMPARE(reached.value(checking), qMakePair(qint64(1000), qint64(2000)));
    QVERIFY(!reached.contains(importing));
    QCOMPARE(asked, QStringList());
    QCOMPARE(statusText(dialog), QString());
    QCOMPARE(TempProgramDir::sceneSet(program.path()), before);
}

void tst_UpdateDialog::templateImportAsksThenRestoreBringsShippedScenesBack()
{
    TempProgramDir program(TempProgramDir::ShippedData);
    const QMap<QString, QByteArray> shipped = TempProgramDir::sceneSet(TempProgramDir::shippedDataPath());
    QCOMPARE(TempProgramDir::sceneSet(program.path()), shipped);
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("Template.csv"));
    UpdateDialog dialog;
    dialog.setSaveFileAsker(answer(path));
    dialog.setOpenFileAsker(answer(path));
    dialog.onExportTemplate();

    // Declined: nothing changes, the summary said what would come and what
    // would go, in English counts.
    EnglishPlurals english;
    QVERIFY(QCoreApplication::installTranslator(&english));
    QString question;
    ModalAnswer::answerNext(QDialog::Rejected, 5000, &question);
    dialog.onImportScene();
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(question, QStringLiteral("The table holds 2 rows in 1 scene.\n"
                                      "The scenes in use now, 6 scenes with 144 rows and 24 pictures, will be removed.\n"
                                      "Replace the scene table?"));
    QCOMPARE(TempProgramDir::sceneSet(program.path()), shipped);
    QCOMPARE(statusText(dialog), QString());

    ModalAnswer::answerNext(QDialog::Accepted);
    dialog.onImportScene();
    QCOMPARE(statusText(dialog), QStringLiteral("Import Success, Restart Software to Work."));
    const QMap<QString, QByteArray> imported = TempProgramDir::sceneSet(program.path());
    QCOMPARE(imported.keys(), QStringList({QStringLiteral("Scene.csv"), QStringLiteral("hospital_1080p.png"),
                                           QStringLiteral("hospital_720p.png")}));
    QCOMPARE(imported.value(QStringLiteral("hospital_720p.png")), shipped.value(QStringLiteral("hospital_720p.png")));

    // What is installed now is what the next question counts.
    QCOMPARE(SceneTableImporter::installed().rows, 2);
    QCOMPARE(SceneTableImporter::installed().scenes, 1);
    QCOMPARE(SceneTableImporter::installed().pictures, 2);

    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("m_btnRestore")), Qt::LeftButton);
    QCOMPARE(statusText(dialog), QStringLiteral("The shipped scenes are back. Restart the program to use them."));
    QCOMPARE(TempProgramDir::sceneSet(program.path()), shipped);
}

void tst_UpdateDialog::aStatusMessageLeavesTheButtonsWhereTheyAre()
{
    TempProgramDir program;
    UpdateDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QList<QPushButton*> buttons;
    for (const char* name : {"m_btnExport", "m_btnImport", "m_btnRestore"})
        buttons << dialog.findChild<QPushButton*>(QLatin1String(name));
    const auto places = [&dialog, &buttons] {
        QList<QRect> rects;
        for (const QPushButton* button : buttons)
            rects << QRect(button->mapTo(&dialog, QPoint()), button->size());
        return rects;
    };
    const QList<QRect> before = places();

    // A message with its detail on a second line, then a long one.
    QTemporaryDir target;
    dialog.setSaveFileAsker(answer(target.filePath(QStringLiteral("Template.csv"))));
    dialog.onExportTemplate();
    QVERIFY(statusText(dialog).contains(QLatin1Char('\n')));
    QCoreApplication::processEvents();
    QCOMPARE(places(), before);
    dialog.setSaveFileAsker(answer(program.filePath(QStringLiteral("a/long/way/down/to/a/folder/that/is/not/there/T.csv"))));
    dialog.onExportTemplate();
    QCoreApplication::processEvents();
    QCOMPARE(places(), before);
}

QTEST_MAIN(tst_UpdateDialog)
#include "tst_UpdateDialog.moc"
