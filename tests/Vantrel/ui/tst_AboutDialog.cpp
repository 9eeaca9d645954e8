#include "AboutDialog/AboutDialog.h"

#include <ModalAnswer.h>
#include <TempProgramDir.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

class tst_AboutDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void buildDate_data();
    void buildDate();
    void texts();
    void manualLookup();
    void manualOfTheLanguage();
    void notManuals_data();
    void notManuals();
    void missingManualShowsNoticeUnderCover();
    void failingViewerShowsNotice();

private:
    QString m_startFolder;
};

void tst_AboutDialog::init()
{
    m_startFolder = QDir::currentPath();
}

void tst_AboutDialog::cleanup()
{
    QDir::setCurrent(m_startFolder);
}

void tst_AboutDialog::buildDate_data()
{
    QTest::addColumn<QString>("compilerDate");
    QTest::addColumn<QString>("number");
    QTest::newRow("single-digit day") << "Feb  1 2016" << "20160201";
    QTest::newRow("two-digit day") << "Dec  9 2015" << "20151209";
    QTest::newRow("end of year") << "Dec 31 2026" << "20261231";
    QTest::newRow("May") << "May 15 2020" << "20200515";
}

void tst_AboutDialog::buildDate()
{
    QFETCH(QString, compilerDate);
    QFETCH(QString, number);
    QCOMPARE(AboutDialog::buildDateNumber(compilerDate), number);
}

void tst_AboutDialog::texts()
{
    AboutDialog dialog;
    QCOMPARE(dialog.button1()->text(), QStringLiteral("User Help"));
    QCOMPARE(dialog.button2()->text(), QStringLiteral("Update Scence"));
    QVERIFY(QRegularExpression(QStringLiteral("^v3\\.0\\.0\\.1build20\\d{6}$")).match(dialog.versionValue()).hasMatch());
    QVERIFY(!dialog.isConerBtnVisible());
}

void tst_AboutDialog::manualLookup()
{
    TempProgramDir program;
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    AboutDialog dialog;
    QUrl opened;
    dialog.setUrlOpener([&opened](const QUrl& url) { opened = url; return true; });

    // Beside the program only: found there although the working folder differs.
    program.write(QStringLiteral("help.pdf"), "%PDF-1.4");
    QVERIFY(dialog.onGetHelp());
    QCOMPARE(opened, QUrl::fromLocalFile(program.filePath(QStringLiteral("help.pdf"))));
    QVERIFY(opened.isValid());

    // The working folder's manual wins.
    QFile local(QDir(elsewhere.path()).filePath(QStringLiteral("help.pdf")));
    QVERIFY(local.open(QIODevice::WriteOnly));
    local.close();
    QVERIFY(dialog.onGetHelp());
    QCOMPARE(opened.toLocalFile(), QFileInfo(local).absoluteFilePath());
}

void tst_AboutDialog::manualOfTheLanguage()
{
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral("Vantrel_zh"), QCoreApplication::applicationDirPath() + QStringLiteral("/translations")));
    QCoreApplication::installTranslator(&chinese);
    TempProgramDir program;
    QDir::setCurrent(program.path());
    program.write(QStringLiteral("help.pdf"), "%PDF");
    program.write(QStringLiteral("help_zh.pdf"), "%PDF");
    AboutDialog dialog;
    const QString chineseManual = dialog.manualPath();
    // Without the Chinese manual the English one is still better than none.
    program.remove(QStringLiteral("help_zh.pdf"));
    const QString fallback = dialog.manualPath();
    QCoreApplication::removeTranslator(&chinese);
    QCOMPARE(QFileInfo(chineseManual).fileName(), QStringLiteral("help_zh.pdf"));
    QCOMPARE(QFileInfo(fallback).fileName(), QStringLiteral("help.pdf"));
}

void tst_AboutDialog::notManuals_data()
{
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<QString>("name");
    QTest::newRow("a folder named help.pdf") << true << "help.pdf";
    QTest::newRow("upper-case suffix") << false << "help.PDF";
}

void tst_AboutDialog::notManuals()
{
    QFETCH(bool, asFolder);
    QFETCH(QString, name);
    TempProgramDir program;
    QDir::setCurrent(program.path());
    if (asFolder)
        QDir(program.path()).mkdir(name);
    else
        program.write(name, "%PDF");
    AboutDialog dialog;
    QCOMPARE(dialog.manualPath(), QString());
}

void tst_AboutDialog::missingManualShowsNoticeUnderCover()
{
    TempProgramDir program;
    QDir::setCurrent(program.path());
    QWidget window;
    AboutDialog dialog(&window);
    bool opened = false;
    dialog.setUrlOpener([&opened](const QUrl&) { opened = true; return true; });
    QSignalSpy cover(&dialog, &AboutDialog::signalCover);
    QSignalSpy discover(&dialog, &AboutDialog::signalDiscover);
    QString notice;
    connect(&dialog, &AboutDialog::signalCover, this, [&notice] {
        QTimer::singleShot(0, qApp, [&notice] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                const QList<QLabel*> labels = modal->findChildren<QLabel*>();
                for (QLabel* label : labels)
                    notice += label->text();
                modal->accept();
            }
        });
    });
    QVERIFY(!dialog.onGetHelp());
    QVERIFY(!opened);
    QCOMPARE(cover.count(), 1);
    QCOMPARE(discover.count(), 1);
    QVERIFY2(notice.contains(QStringLiteral("No user manual found.")), qPrintable(notice));
}

void tst_AboutDialog::failingViewerShowsNotice()
{
    TempProgramDir program;
    QDir::setCurrent(program.path());
    program.write(QStringLiteral("help.pdf"), "%PDF");
    AboutDialog dialog;
    dialog.setUrlOpener([](const QUrl&) { return false; });
    QSignalSpy discover(&dialog, &AboutDialog::signalDiscover);
    QString notice;
    ModalAnswer::answerNext(QDialog::Accepted, 5000, &notice);
    QVERIFY(!dialog.onGetHelp());
    QCOMPARE(discover.count(), 1);
    // Says what is missing and where the manual is, to open it some other way.
    QVERIFY2(notice.contains(QStringLiteral("PDF")), qPrintable(notice));
    QVERIFY2(notice.contains(QDir::toNativeSeparators(QDir::cleanPath(program.path() + QStringLiteral("/help.pdf")))), qPrintable(notice));
}

QTEST_MAIN(tst_AboutDialog)
#include "tst_AboutDialog.moc"
