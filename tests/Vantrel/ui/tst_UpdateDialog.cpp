#include "UpdateDialog/UpdateDialog.h"

#include <TempProgramDir.h>

#include <QLabel>
#include <QPushButton>
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

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
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
    QCOMPARE(readFile(path), QByteArray("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n"
                                        "Hospital,H.265,720P,1204,D:\\scene\\hospital1.png\n"
                                        "Hospital,H.264,1080P,2048,D:\\scene\\hospital2.png\n"
                                        "\n"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text(), QStringLiteral("Export Success."));
}

void tst_UpdateDialog::exportFailureKeepsExistingFile()
{
    TempProgramDir program;
    UpdateDialog dialog;
    dialog.setSaveFileAsker(answer(program.filePath(QStringLiteral("no/such/folder/T.csv"))));
    dialog.onExportTemplate();
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text(), QStringLiteral("Export Failure."));
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
    TempProgramDir program;
    QTemporaryDir source;
    const QString table = source.filePath(QStringLiteral("scenes.csv"));
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\nLab,H.264,720P,900,lab.png\n");
    file.close();
    QFile picture(source.filePath(QStringLiteral("lab.png")));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.write("png");
    picture.close();

    UpdateDialog dialog;
    dialog.setOpenFileAsker(answer(table));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("m_btnImport")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text(),
             QStringLiteral("Import Success, Restart Software to Work."));
    QCOMPARE(readFile(program.filePath(QStringLiteral("ScenePicture/lab.png"))), QByteArray("png"));
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
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("m_tipText"))->text(), QStringLiteral("Import Failure."));
    QCOMPARE(readFile(program.filePath(QStringLiteral("Scene.csv"))), QByteArray("h\nOld,H.264,720P,1,o.png\n"));
}

QTEST_MAIN(tst_UpdateDialog)
#include "tst_UpdateDialog.moc"
