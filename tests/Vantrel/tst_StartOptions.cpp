#include <StartOptions.h>
#include <ui/AboutDialog/AboutDialog.h>

#include <QProcess>
#include <QtTest>

class tst_StartOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void startsForAPlanAndQtOptions();
};

void tst_StartOptions::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("help") << "--help" << QStringList{"Usage: vantrel [options] [plan]", "--version", ".vantrel"};
    QTest::newRow("version") << "--version" << QStringList{"Vantrel " + AboutDialog::versionText() + '\n'};
}

void tst_StartOptions::answersWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(QStringList, expected);
    const QString text = StartOptions::answerText({option});
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(text));

    // The program answers on standard output before it looks for a screen.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + "/Vantrel", {option});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardOutput()), text);

    // The command line tells the same version.
    if (option == QLatin1String("--version")) {
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.start(QCoreApplication::applicationDirPath() + "/vantrel-cli", {option});
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(cli.readAllStandardOutput()), text);
    }
}

void tst_StartOptions::startsForAPlanAndQtOptions()
{
    QVERIFY(StartOptions::answerText({}).isEmpty());
    QVERIFY(StartOptions::answerText({"-platform", "offscreen", "examples/city.vantrel"}).isEmpty());
}

QTEST_GUILESS_MAIN(tst_StartOptions)
#include "tst_StartOptions.moc"
