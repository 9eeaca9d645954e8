#include "ReportPlans.h"

#include <data/PlanReport.h>
#include <data/StorageCalculator.h>
#include <report/CsvReportWriter.h>
#include <report/PdfReportWriter.h>
#include <report/ReportWriter.h>
#include <report/XlsxReportWriter.h>

#include <Fenwork/SafeFileWriter.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QDate kDate(2024, 5, 17);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString run(QString program, const QStringList& arguments)
{
    // Debian's own interpreter, where python3-openpyxl is installed, even
    // when another python3 comes first on the PATH.
    if (program == QLatin1String("python3") && QFile::exists(QStringLiteral("/usr/bin/python3")))
        program = QStringLiteral("/usr/bin/python3");
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// RFC 4180 rows, quotes and embedded separators included.
QVector<QStringList> parseCsv(const QString& text)
{
    QVector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
}

// Every figure of one group, as the report must state it.
struct Expected
{
    double bandwidth;
    double share;
    double tb;
};

Expected expected(const PlanData& plan, int index)
{
    double sum = 0;
    for (const PlanGroup& group : plan.groups)
        sum += group.device.channelCount * group.device.streamCount * group.device.bitrate;
    const StructDeviceItem& device = plan.groups.at(index).device;
    const double load = device.channelCount * device.streamCount * device.bitrate;
    return {load * 10 / 7, load / sum, double(StorageCalculator::groupBytes(plan.groups.at(index)) / 1e12L)};
}

// The tab's unit word, untranslated in tests.
QString unitWord(const PlanTotals& totals)
{
    const BandwidthTotal::Unit unit = totals.bandwidth().unit();
    return unit == BandwidthTotal::Unit::Gpbs   ? QStringLiteral("Gpbs")
        : unit == BandwidthTotal::Unit::Mpbs ? QStringLiteral("Mpbs")
                                             : QStringLiteral("Kpbs");
}

} // namespace

class tst_ReportWriters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }
    void csvStatesEveryFigure();
    void workbookHasTypedCellsAndChart();
    void pdfRepeatsHeadingOnEveryPage();
    void pdfShowsChineseInCjkFont();
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();

private:
    QString filePath(const QString& name) const { return m_folder->filePath(name); }
    QStringList files() const { return QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_ReportWriters::csvStatesEveryFigure()
{
    const PlanData plan = ReportPlans::plan(12);
    const QString path = filePath(QStringLiteral("plan.csv"));
    QString error;
    QVERIFY2(ReportWriter::writeCsv(plan, path, &error, kDate), qPrintable(error));

    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QVector<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
    QCOMPARE(rows.at(0).at(0), QStringLiteral("Network plan: Warehouse North"));
    QCOMPARE(rows.at(1).at(0), QStringLiteral("Date: 2024-05-17"));
    QCOMPARE(rows.at(2).at(1), plan.notes);
    const int head = 4;
    QCOMPARE(rows.at(head).size(), 12);
    QCOMPARE(rows.at(head).at(9), QStringLiteral("Bandwidth (kbps)"));
    for (int index = 0; index < plan.groups.size(); ++index) {
        const QStringList& row = rows.at(head + 1 + index);
        const StructDeviceItem& device = plan.groups.at(index).device;
        const Expected figures = expected(plan, index);
        QCOMPARE(row.at(0).toInt(), device.groupNumber);
        QVERIFY(device.channelName.startsWith(row.at(1)));
        QCOMPARE(row.at(3).toInt(), device.channelCount);
        QCOMPARE(row.at(4).toInt(), device.streamCount);
        QCOMPARE(row.at(8).toDouble(), device.bitrate);
        QCOMPARE(qRound(row.at(9).toDouble() * 10), qRound(figures.bandwidth * 10));
        QCOMPARE(qRound(row.at(10).toDouble() * 10), qRound(figures.share * 1000));
        QCOMPARE(qRound(row.at(11).toDouble() * 100), qRound(figures.tb * 100));
    }
    const PlanTotals totals(plan.groups);
    const int block = head + 1 + int(plan.groups.size()) + 1;
    QCOMPARE(rows.at(block + 2), (QStringList{QStringLiteral("Channels"), QString::number(totals.channels())}));
    QCOMPARE(rows.at(block + 5), (QStringList{QStringLiteral("Total bandwidth"), totals.bandwidth().text(),
                                              unitWord(totals)}));
    const StorageSizing sizing = StorageCalculator::size(plan.groups, plan.storage);
    QCOMPARE(rows.at(block + 9), (QStringList{QStringLiteral("Recorded data (TB)"), sizing.tbText}));
    QCOMPARE(rows.at(block + 11).at(1).toLongLong(), sizing.disks);
    QCOMPARE(rows.at(block + 12).at(1), QStringLiteral("RAID6"));
}

void tst_ReportWriters::workbookHasTypedCellsAndChart()
{
    const PlanData plan = ReportPlans::plan(30);
    const QString path = filePath(QStringLiteral("plan.xlsx"));
    QString error;
    QVERIFY2(ReportWriter::writeXlsx(plan, path, &error, kDate), qPrintable(error));
    QCOMPARE(files(), QStringList{QStringLiteral("plan.xlsx")});

    const QString json = run(QStringLiteral("python3"),
                             {QStringLiteral(READ_WORKBOOK_SCRIPT), path});
    QVERIFY2(!json.isEmpty(), "read_workbook.py failed (python3-openpyxl installed?)");
    const QJsonObject book = QJsonDocument::fromJson(json.toUtf8()).object();
    QCOMPARE(book.value("sheets").toArray().toVariantList(), (QVariantList{"Groups", "Totals"}));
    QCOMPARE(book.value("freeze").toString(), QStringLiteral("A2"));
    QVERIFY(book.value("barChart").toBool());
    QCOMPARE(book.value("chartValues").toString(), QStringLiteral("Groups!$J$2:$J$31"));

    const QJsonArray rows = book.value("groups").toArray();
    QCOMPARE(rows.size(), plan.groups.size() + 1);
    QCOMPARE(rows.at(0).toArray().at(9).toObject().value("value").toString(), QStringLiteral("Bandwidth (kbps)"));
    for (int index = 0; index < plan.groups.size(); ++index) {
        const QJsonArray row = rows.at(index + 1).toArray();
        const Expected figures = expected(plan, index);
        const StructDeviceItem& device = plan.groups.at(index).device;
        auto cell = [&row](int column) { return row.at(column).toObject(); };
        for (int column : {0, 3, 4, 8, 9, 10, 11})
            QCOMPARE(cell(column).value("type").toString(), QStringLiteral("n"));
        QCOMPARE(cell(3).value("value").toInt(), device.channelCount);
        QCOMPARE(cell(8).value("value").toDouble(), device.bitrate);
        QVERIFY(qAbs(cell(9).value("value").toDouble() - figures.bandwidth) < 1e-6);
        QVERIFY(qAbs(cell(10).value("value").toDouble() - figures.share) < 1e-9);
        QVERIFY(qAbs(cell(11).value("value").toDouble() - figures.tb) < 1e-9);
        QCOMPARE(cell(9).value("format").toString(), QStringLiteral("#,##0.0"));
        QCOMPARE(cell(10).value("format").toString(), QStringLiteral("0.0%"));
    }

    const PlanTotals totals(plan.groups);
    const QJsonObject summary = book.value("totals").toObject();
    QCOMPARE(summary.value("Channels").toArray().at(0).toInt(), int(totals.channels()));
    QCOMPARE(summary.value("Total bandwidth").toArray().toVariantList(),
             (QVariantList{totals.bandwidth().text(), unitWord(totals)}));
    QCOMPARE(summary.value("Total bandwidth (kbps)").toArray().at(0).toDouble(), totals.bandwidth().total());
    const StorageSizing sizing = StorageCalculator::size(plan.groups, plan.storage);
    QCOMPARE(summary.value("Disks to buy").toArray().at(0).toInt(), int(sizing.disks));
    QCOMPARE(summary.value("RAID").toArray().at(0).toString(), QStringLiteral("RAID6"));
}

void tst_ReportWriters::pdfRepeatsHeadingOnEveryPage()
{
    const PlanData plan = ReportPlans::plan(200);
    const QString path = filePath(QStringLiteral("plan.pdf"));
    QString error;
    QVERIFY2(ReportWriter::writePdf(plan, path, &error, kDate), qPrintable(error));

    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch pagesLine = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pagesLine.hasMatch(), "pdfinfo failed (poppler-utils installed?)");
    const int pages = pagesLine.captured(1).toInt();
    const QStringList text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                 .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(text.size(), pages);
    QVERIFY(text.first().contains(QStringLiteral("Network plan: Warehouse North")));
    QVERIFY(text.first().contains(QStringLiteral("Date: 2024-05-17")));
    const PlanTotals totals(plan.groups);
    const QString unit = unitWord(totals);
    QVERIFY(text.first().contains(QRegularExpression(QStringLiteral("Total bandwidth\\s+%1 %2")
                                                         .arg(QRegularExpression::escape(totals.bandwidth().text()), unit))));

    // Each group's row: its number, figures and share on one line.
    int firstPage = -1;
    int lastPage = -1;
    for (int index = 0; index < plan.groups.size(); ++index) {
        const Expected figures = expected(plan, index);
        const StructDeviceItem& device = plan.groups.at(index).device;
        const QRegularExpression row(QStringLiteral("^\\s*%1\\s+\\S.*\\s%2\\s*×\\s*%3\\s.*\\s%4\\s+%5\\s+%6\\s*$")
                                         .arg(device.groupNumber)
                                         .arg(device.channelCount)
                                         .arg(device.streamCount)
                                         .arg(QString::number(figures.bandwidth, 'f', 1),
                                              QString::number(figures.share * 100, 'f', 1),
                                              QString::number(figures.tb, 'f', 2)),
                                     QRegularExpression::MultilineOption);
        int page = 0;
        while (page < pages && !row.match(text.at(page)).hasMatch())
            ++page;
        QVERIFY2(page < pages, qPrintable(QStringLiteral("group %1 not found").arg(index + 1)));
        if (firstPage < 0)
            firstPage = page;
        lastPage = page;
    }
    QVERIFY(lastPage - firstPage >= 2);
    for (int page = firstPage; page <= lastPage; ++page) {
        QVERIFY2(text.at(page).contains(QStringLiteral("Channels ×")), qPrintable(QString::number(page)));
        QVERIFY(text.at(page).contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages)));
    }
    // The chart labels each bar with its group and figure.
    QVERIFY(text.last().contains(QStringLiteral("200 Gate 200, east")));
}

void tst_ReportWriters::pdfShowsChineseInCjkFont()
{
    const QString path = filePath(QStringLiteral("plan-zh.pdf"));
    QString error;
    QVERIFY2(ReportWriter::writePdf(ReportPlans::plan(3, true), path, &error, kDate), qPrintable(error));
    // The CJK font maps some ideographs to their radicals' code points too
    // (大 and ⼤ are one glyph); the compatibility form joins them again.
    const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                             .normalized(QString::NormalizationForm_KC);
    QVERIFY(text.contains(QStringLiteral("北区仓库")));
    QVERIFY(text.contains(QStringLiteral("大厅2")));
    QVERIFY(run(QStringLiteral("pdffonts"), {path}).contains(QStringLiteral("NotoSansCJK")));
}

void tst_ReportWriters::failedWritesKeepTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("PDF") << QStringLiteral("old.pdf");
    QTest::newRow("EXCEL") << QStringLiteral("old.xlsx");
    QTest::newRow("CSV") << QStringLiteral("old.csv");
}

void tst_ReportWriters::failedWritesKeepTheOldFile()
{
    QFETCH(QString, name);
    const QString path = filePath(name);
    const QByteArray old("the customer's last report");
    QVERIFY(aptui::SafeFileWriter::writeFile(path, old));

    const PlanData plan = ReportPlans::plan(5);
    QString error;
    bool written = true;
    if (name.endsWith(QLatin1String(".xlsx"))) {
        XlsxReportWriter::failNextClose();
        written = ReportWriter::writeXlsx(plan, path, &error, kDate);
    } else {
        aptui::SafeFileWriter::failWriteNumber(1);
        written = name.endsWith(QLatin1String(".pdf")) ? ReportWriter::writePdf(plan, path, &error, kDate)
                                                       : ReportWriter::writeCsv(plan, path, &error, kDate);
        aptui::SafeFileWriter::failWriteNumber(0);
    }
    QVERIFY(!written);
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(readAll(path), old);
    QCOMPARE(files(), QStringList{name});

    // A folder that is not there fails the same way.
    const QString nowhere = filePath(QStringLiteral("missing/") + name);
    QVERIFY(!(name.endsWith(QLatin1String(".xlsx")) ? ReportWriter::writeXlsx(plan, nowhere, &error)
                                                     : ReportWriter::writeCsv(plan, nowhere, &error)));
    // So does a target the file cannot replace.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("taken.") + name));
    const QString taken = filePath(QStringLiteral("taken.") + name);
    QVERIFY(!(name.endsWith(QLatin1String(".xlsx")) ? ReportWriter::writeXlsx(plan, taken, &error)
                                                     : ReportWriter::writePdf(plan, taken, &error)));
    QCOMPARE(files(), QStringList{name});
}

QTEST_MAIN(tst_ReportWriters)
#include "tst_ReportWriters.moc"
