#include "PlanDocument.h"
#include "PlanFileController.h"
#include "CompareDialog/CompareDialog.h"

#include <data/PlanComparison.h>
#include <data/PlanFile.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// "Compare with..." from the plan's menu: a plan file chosen in the file
// dialog is read as Open reads it, shown beside the open plan under its
// name, and a file that cannot be read is told about and changes nothing.
class tst_PlanCompareAction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void comparesWithAFileAndRefusesABadOne();
};

void tst_PlanCompareAction::comparesWithAFileAndRefusesABadOne()
{
    QTemporaryDir folder;
    const QString examples = QCoreApplication::applicationDirPath() + QStringLiteral("/examples/");
    const QString bad = folder.filePath(QStringLiteral("<b>bad<i>.vantrel"));
    QFile badFile(bad);
    QVERIFY(badFile.open(QIODevice::WriteOnly));
    badFile.write("not a plan");
    badFile.close();

    QWidget host;
    PlanDocument document(folder.filePath(QStringLiteral("recovery.vantrel")));
    PlanFileController files(&document, &host);
    QStringList asked = { examples + QStringLiteral("office-building.vantrel"), bad };
    QStringList notices;
    PlanFileController::Prompts prompts = files.prompts();
    prompts.openPath = [&asked](const QString&) { return asked.isEmpty() ? QString() : asked.takeFirst(); };
    prompts.notice = [&notices](const QString& text) { notices.append(text); };
    prompts.progress = [](const QString&) { return ProgressStep(); };
    files.setPrompts(prompts);
    QVERIFY(files.openFile(examples + QStringLiteral("small-shop.vantrel")));
    const PlanFile::ReadResult office = PlanFile::read(examples + QStringLiteral("office-building.vantrel"));
    QVERIFY(office.ok);

    QString header;
    QString otherBandwidth;
    QString headerAfterBadFile;
    auto* timer = new QTimer(this);
    timer->setInterval(10);
    connect(timer, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<CompareDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        auto* compare = dialog->findChild<QPushButton*>(QStringLiteral("m_buttonCompare"));
        compare->click();
        const QTableWidget* table = dialog->findChild<QTableWidget*>(QStringLiteral("m_tableFigures"));
        header = table->horizontalHeaderItem(0)->text() + QLatin1Char('|') + table->horizontalHeaderItem(1)->text();
        otherBandwidth = table->item(0, 1)->text();
        compare->click();
        headerAfterBadFile = table->horizontalHeaderItem(1)->text();
        dialog->accept();
    });
    timer->start();
    files.compareAction()->trigger();

    QCOMPARE(header, QStringLiteral("small-shop.vantrel|office-building.vantrel"));
    const PlanComparison::Figures figures = PlanComparison::figuresOf(office.plan);
    QCOMPARE(otherBandwidth, figures.bandwidthText + QLatin1Char(' ') + figures.bandwidthUnit);
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.first().contains(QLatin1String("<b>bad<i>.vantrel")), qPrintable(notices.first()));
    QCOMPARE(headerAfterBadFile, QStringLiteral("office-building.vantrel"));
}

QTEST_MAIN(tst_PlanCompareAction)
#include "tst_PlanCompareAction.moc"
