#include "ReportPlans.h"

#include <data/PlanFile.h>
#include <data/NetworkCheck.h>
#include <data/PlanReport.h>
#include <data/SiteCheck.h>
#include <data/UplinkCheck.h>
#include <data/StorageCalculator.h>
#include <report/CsvReportWriter.h>
#include <report/PdfReportWriter.h>
#include <report/ReportPages.h>
#include <report/ReportTexts.h>
#include <report/ReportWriter.h>
#include <report/XlsxLibrary.h>
#include <report/XlsxReportWriter.h>

#include <Fenwork/SafeFileWriter.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QDate kDate(2024, 5, 17);
// Rows of the page test that print rather than export.
constexpr int kPrintedLetter = -1;
constexpr int kPrintedA4 = -2;

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

// RFC 4180 rows, quotes and embedded separators included. Spreadsheets set
// to a semicolon list separator split at semicolons instead.
QVector<QStringList> parseCsv(const QString& text, QChar separator = QLatin1Char(','))
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
        } else if (c == separator) {
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

// A cell a spreadsheet runs: it starts with a formula sign and is no plain
// figure.
bool runsAsFormula(const QString& cell)
{
    static const QRegularExpression figure(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    return !cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()) && !figure.match(cell).hasMatch();
}

QJsonObject readWorkbook(const QString& path)
{
    const QString json = run(QStringLiteral("python3"), {QStringLiteral(READ_WORKBOOK_SCRIPT), path});
    return QJsonDocument::fromJson(json.toUtf8()).object();
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

// The unit as a customer's document spells it.
QString unitWord(const PlanTotals& totals)
{
    return BandwidthTotal::unitName(totals.bandwidth().unit());
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
    void pdfPagesReadCleanly_data();
    void pdfPagesReadCleanly();
    void pdfPagesHoldEqualRows();
    void pdfShowsChineseInCjkFont();
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();
    void workbookLibraryIsNamedWhenMissing();
    void emptyPlanWritesEveryFormat();
    void csvCellsNeverRunAsFormulas();
    void workbookKeepsEveryTextAsWritten();
    void pdfPrintsMarkupAsWritten();
    void newReportsFollowTheUmask();
    void killedWorkbookExportLeavesNoScratchFile_data();
    void killedWorkbookExportLeavesNoScratchFile();
    void networkAndProblemsInEveryFormat();
    void pdfKeepsHeadingsWithTheirParts_data();
    void pdfKeepsHeadingsWithTheirParts();

private:
    QString filePath(const QString& name) const { return m_folder->filePath(name); }
    QStringList files() const { return QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_ReportWriters::csvStatesEveryFigure()
{
    PlanData plan = ReportPlans::plan(12);
    // One group says what its cameras see: the report adds the detail.
    ViewSettings& view = plan.groups[0].view;
    view.hfovDeg = 92;
    view.distanceM = 12;
    view.required = DetailLevel::Recognise;
    const std::optional<DetailFigures> detail = PixelDensity::figures(view, plan.groups.at(0).device.resolution);
    QVERIFY(detail);
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
    // The figures, the detail, then each group's settings.
    QCOMPARE(rows.at(head).size(), 16 + 17);
    QCOMPARE(rows.at(head).at(9), QStringLiteral("Bandwidth (kbps)"));
    QCOMPARE(rows.at(head).mid(12, 4), (QStringList{QStringLiteral("Detail (px/m)"), QStringLiteral("Level met"),
                                                 QStringLiteral("Level required"), QStringLiteral("Farthest (m)")}));
    QCOMPARE(rows.at(head + 1).mid(12, 4), (QStringList{QString::number(detail->pxPerM, 'f', 1),
                                                     PixelDensity::shownLevel(detail->level),
                                                     QStringLiteral("Recognise"),
                                                     QString::number(*detail->farthestM, 'f', 1)}));
    QCOMPARE(rows.at(head + 2).mid(12, 4), QStringList(4, QString()));
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
    PlanData plan = ReportPlans::plan(30);
    plan.customer = QStringLiteral("Northgate Logistics");
    plan.designer = QStringLiteral("J. Lindqvist");
    QImage logo(60, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    QBuffer png(&plan.logo);
    QVERIFY(png.open(QIODevice::WriteOnly) && logo.save(&png, "PNG"));
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
        // Whole figures read without decimals.
        for (int column : {0, 3, 4, 8})
            QCOMPARE(cell(column).value("format").toString(), QStringLiteral("#,##0"));
    }

    // Every figure of the totals and storage block is a number with a format;
    // the tab's rounded figures keep their one decimal, counts have none.
    const QStringList tenths{"Total bandwidth", "Recorded data (TB)"};
    const QStringList counts{"Groups", "Channels", "IPC channels", "DVR channels", "Total bandwidth (kbps)",
                             "Data disks", "Disks to buy", "Disk size (TB)", "Hot spares"};
    int figures = 0;
    for (const QJsonValue& line : book.value("totalsRows").toArray()) {
        const QString name = line.toArray().at(0).toObject().value("value").toString();
        const QJsonObject value = line.toArray().at(1).toObject();
        if (!tenths.contains(name) && !counts.contains(name))
            continue;
        ++figures;
        QVERIFY2(value.value("type").toString() == QLatin1String("n"), qPrintable(name));
        const QString format = value.value("format").toString();
        QVERIFY2(format == (counts.contains(name) ? QStringLiteral("#,##0") : QStringLiteral("#,##0.0")),
                 qPrintable(name + QStringLiteral(": ") + format));
    }
    QCOMPARE(figures, tenths.size() + counts.size());

    const PlanTotals totals(plan.groups);
    const QJsonObject summary = book.value("totals").toObject();
    QCOMPARE(summary.value("Channels").toArray().at(0).toInt(), int(totals.channels()));
    QCOMPARE(summary.value("Total bandwidth").toArray().toVariantList(),
             (QVariantList{totals.bandwidth().text().toDouble(), unitWord(totals)}));
    QCOMPARE(summary.value("Total bandwidth (kbps)").toArray().at(0).toDouble(), totals.bandwidth().total());
    const StorageSizing sizing = StorageCalculator::size(plan.groups, plan.storage);
    QCOMPARE(summary.value("Disks to buy").toArray().at(0).toInt(), int(sizing.disks));
    QCOMPARE(summary.value("RAID").toArray().at(0).toString(), QStringLiteral("RAID6"));
    // The site's properties that are set, and its logo.
    QCOMPARE(summary.value("Site").toArray().at(0).toString(), plan.siteName);
    QCOMPARE(summary.value("Customer").toArray().at(0).toString(), plan.customer);
    QCOMPARE(summary.value("Designer").toArray().at(0).toString(), plan.designer);
    QVERIFY(!summary.contains(QStringLiteral("Address")));
    QCOMPARE(book.value("totalsImages").toInt(), 1);
}

namespace {

// A plan as the test names it: an example file, a generated plan of a size,
// or one whose texts are all long.
PlanData namedPlan(const QString& name, bool chinese)
{
    if (name.endsWith(QLatin1String(".vantrel")))
        return PlanFile::read(QStringLiteral(EXAMPLES_DIR "/") + name).plan;
    if (name == QLatin1String("long names"))
        return ReportPlans::longNames(chinese);
    return ReportPlans::plan(name.section(QLatin1Char(' '), 0, 0).toInt(), chinese);
}

// The program's own Chinese, as the window installs it.
class Language
{
public:
    explicit Language(bool chinese)
    {
        if (!chinese)
            return;
        for (const char* prefix : {"Vantrel", "VantrelData"}) {
            auto translator = std::make_unique<QTranslator>();
            if (translator->load(QLatin1String(prefix) + QStringLiteral("_zh"),
                                 QCoreApplication::applicationDirPath() + QStringLiteral("/translations"))) {
                QCoreApplication::installTranslator(translator.get());
                m_translators.push_back(std::move(translator));
            }
        }
    }
    ~Language()
    {
        for (const auto& translator : m_translators)
            QCoreApplication::removeTranslator(translator.get());
    }
    bool loaded() const { return !m_translators.empty(); }

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

struct Word
{
    QRectF box;
    QString text;
};

// Each page's words with their boxes, as a reader's program finds them.
QVector<QVector<Word>> pageWords(const QString& path)
{
    const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QVector<QVector<Word>> pages;
    for (const QString& page : boxes.split(QStringLiteral("<page "), Qt::SkipEmptyParts).mid(1)) {
        QVector<Word> words;
        for (auto it = word.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            words.append({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                          m.captured(5)});
        }
        pages.append(words);
    }
    return pages;
}

} // namespace

void tst_ReportWriters::pdfPagesReadCleanly_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("pageSize");
    const QStringList plans{QStringLiteral("small-shop.vantrel"), QStringLiteral("office-building.vantrel"),
                            QStringLiteral("warehouse-yard.vantrel"), QStringLiteral("campus.vantrel"),
                            QStringLiteral("city.vantrel"), QStringLiteral("1000 groups"), QStringLiteral("long names")};
    for (const QString& plan : plans) {
        for (const bool chinese : {false, true})
            QTest::addRow("%s %s", qPrintable(plan), chinese ? "zh" : "en") << plan << chinese << int(QPageSize::A4);
    }
    QTest::newRow("long names en, Letter") << QStringLiteral("long names") << false << int(QPageSize::Letter);
    QTest::newRow("long names zh, Letter") << QStringLiteral("long names") << true << int(QPageSize::Letter);
    // Printed: the printer's own resolution and page, here into a PDF file.
    QTest::newRow("printed en, Letter") << QStringLiteral("office-building.vantrel") << false << kPrintedLetter;
    QTest::newRow("printed zh, A4") << QStringLiteral("long names") << true << kPrintedA4;
}

// No word of any page lies on another (a chart over the table did), no
// figure is broken over two lines, and every group's number and bandwidth
// stand whole both in the table and beside its bar in the chart.
void tst_ReportWriters::pdfPagesReadCleanly()
{
    QFETCH(QString, plan);
    QFETCH(bool, chinese);
    QFETCH(int, pageSize);
    const Language language(chinese);
    QVERIFY(!chinese || language.loaded());
    PlanData data = namedPlan(plan, chinese);
    QVERIFY2(!data.groups.isEmpty(), qPrintable(plan));
    // The city's 10,000 groups are checked by their first thousand.
    if (data.groups.size() > 1000)
        data.groups.resize(1000);
    const PlanReport report(data, kDate);
    const QString path = filePath(QStringLiteral("plan.pdf"));
    int pageCount = 0;
    if (pageSize == kPrintedLetter || pageSize == kPrintedA4) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(pageSize == kPrintedA4 ? QPageSize::A4 : QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Landscape);
        QVERIFY(ReportPages::paint(report, &printer, &pageCount));
    } else {
        QVERIFY(aptui::SafeFileWriter::writeFile(
            path, PdfReportWriter::toPdf(report, &pageCount, {}, QPageSize::PageSizeId(pageSize))));
    }

    const QVector<QVector<Word>> pages = pageWords(path);
    QVERIFY2(!pages.isEmpty(), "pdftotext failed (poppler-utils installed?)");
    QCOMPARE(pages.size(), pageCount);
    static const QRegularExpression broken(QStringLiteral("^[0-9,]+\\.$|^\\.[0-9]+$"));
    QHash<QString, int> counts;
    for (int page = 0; page < pages.size(); ++page) {
        QVector<QRectF> boxes;
        for (const Word& word : pages.at(page)) {
            if (broken.match(word.text).hasMatch())
                QFAIL(qPrintable(QStringLiteral("page %1: \"%2\" is part of a figure").arg(page + 1).arg(word.text)));
            ++counts[word.text];
            // Lines of a paragraph may touch; a word over another covers it.
            boxes.append(word.box.adjusted(0.5, 2, -0.5, -2));
        }
        for (int i = 0; i < boxes.size(); ++i) {
            for (int j = i + 1; j < boxes.size(); ++j) {
                if (boxes.at(i).intersects(boxes.at(j)))
                    QFAIL(qPrintable(QStringLiteral("page %1: \"%2\" over \"%3\"")
                                         .arg(page + 1)
                                         .arg(pages.at(page).at(i).text, pages.at(page).at(j).text)));
            }
        }
    }
    QHash<QString, int> wanted;
    const BandwidthTotal::Unit unit = ReportTexts::groupUnit(report);
    for (const PlanReport::Group& group : report.groups()) {
        wanted[QString::number(group.number)] += 2;
        wanted[ReportTexts::groupBandwidth(group.bandwidthKbps, unit)] += 2;
    }
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it)
        QVERIFY2(counts.value(it.key()) >= it.value(),
                 qPrintable(QStringLiteral("\"%1\" stands %2 times, not %3").arg(it.key()).arg(counts.value(it.key())).arg(it.value())));
    QVERIFY(counts.value(BandwidthTotal::unitName(unit)) >= report.groups().size());
}

// A page of the table holds as many rows as the next: each page costs the
// same, whatever the size of the plan.
void tst_ReportWriters::pdfPagesHoldEqualRows()
{
    const PlanData plan = ReportPlans::plan(10000);
    const QString path = filePath(QStringLiteral("large.pdf"));
    QVERIFY(aptui::SafeFileWriter::writeFile(path, PdfReportWriter::toPdf(PlanReport(plan, kDate))));
    const QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'));
    static const QRegularExpression row(QStringLiteral("^\\s*\\d+\\s+\\S.*\\s\\d+ × \\d+\\s.*\\s\\d+\\.\\d\\d\\s*$"),
                                        QRegularExpression::MultilineOption);
    QVector<int> rows;
    for (const QString& page : pages) {
        int count = 0;
        for (auto it = row.globalMatch(page); it.hasNext(); it.next())
            ++count;
        if (count > 0)
            rows.append(count);
    }
    int total = 0;
    for (const int count : rows)
        total += count;
    QCOMPARE(total, 10000);
    QVERIFY(rows.size() > 100);
    // The first page shares its room with the totals; the last has the rest.
    for (int page = 2; page + 1 < rows.size(); ++page)
        QVERIFY2(rows.at(page) == rows.at(1), qPrintable(QStringLiteral("table page %1 holds %2 rows, not %3")
                                                             .arg(page + 1).arg(rows.at(page)).arg(rows.at(1))));
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
                                         .arg(QString::number(figures.bandwidth / 1024, 'f', 1),
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
    PlanData plan = ReportPlans::plan(3, true);
    // 车 and 大 share their glyphs with radicals in Noto Sans CJK; a PDF set
    // in it reads them back as ⻋ and ⼤.
    plan.groups[1].device.channelName = QStringLiteral("停车场入口(2)");
    QString error;
    QVERIFY2(ReportWriter::writePdf(plan, path, &error, kDate), qPrintable(error));
    const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("北区仓库")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("停车场入口")));
    QVERIFY(text.contains(QStringLiteral("大厅3")));
    QVERIFY(!text.contains(QChar(0x2ECB)));
}

void tst_ReportWriters::workbookLibraryIsNamedWhenMissing()
{
    // The workbook library is opened at the first workbook, not at start: a
    // system without it says which file it looked for.
    QString reason;
    XlsxLibrary missing(QStringLiteral("libxlsxwriter-not-here.so.0"));
    QVERIFY(!missing.load(&reason));
    QVERIFY2(reason.contains(QLatin1String("libxlsxwriter-not-here.so.0")), qPrintable(reason));
    XlsxLibrary installed(XlsxLibrary::defaultFileName());
    QVERIFY2(installed.load(&reason), qPrintable(reason));
    QVERIFY(installed.workbook_new && installed.workbook_close && installed.lxw_strerror);
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

void tst_ReportWriters::emptyPlanWritesEveryFormat()
{
    const PlanData plan = ReportPlans::plan(0);
    QString error;
    QVERIFY2(ReportWriter::writePdf(plan, filePath(QStringLiteral("empty.pdf")), &error, kDate), qPrintable(error));
    QVERIFY2(ReportWriter::writeXlsx(plan, filePath(QStringLiteral("empty.xlsx")), &error, kDate), qPrintable(error));
    QVERIFY2(ReportWriter::writeCsv(plan, filePath(QStringLiteral("empty.csv")), &error, kDate), qPrintable(error));
    const QString text = run(QStringLiteral("pdftotext"), {filePath(QStringLiteral("empty.pdf")), QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("Network plan: Warehouse North")));
    QVERIFY(text.contains(QStringLiteral("Device groups")));
    QCOMPARE(readWorkbook(filePath(QStringLiteral("empty.xlsx"))).value("groups").toArray().size(), 1);
}

void tst_ReportWriters::csvCellsNeverRunAsFormulas()
{
    const PlanData plan = ReportPlans::hostile();
    const QString path = filePath(QStringLiteral("hostile.csv"));
    QString error;
    QVERIFY2(ReportWriter::writeCsv(plan, path, &error, kDate), qPrintable(error));
    const QString text = QString::fromUtf8(readAll(path).mid(3));

    for (const QChar separator : {QLatin1Char(','), QLatin1Char(';')}) {
        for (const QStringList& row : parseCsv(text, separator)) {
            for (const QString& cell : row)
                QVERIFY2(!runsAsFormula(cell), qPrintable(QStringLiteral("%1 in %2").arg(cell, row.join(separator))));
        }
    }

    // A text that starts with a formula sign reads with a quote before it;
    // every figure stays a plain figure.
    const QVector<QStringList> rows = parseCsv(text);
    QCOMPARE(rows.at(2).at(1), QStringLiteral("'=3+4"));
    const QStringList texts = ReportPlans::hostileTexts();
    for (int index = 0; index < texts.size(); ++index) {
        const QStringList& row = rows.at(5 + index);
        const QString name = texts.at(index);
        const bool sign = QStringLiteral("=+-@\t\r").contains(name.front());
        QCOMPARE(row.at(1), sign ? QLatin1Char('\'') + name : name);
        QCOMPARE(row.at(0), QString::number(index + 1));
        QCOMPARE(row.at(3), QString::number(plan.groups.at(index).device.channelCount));
        QCOMPARE(row.at(8).toDouble(), plan.groups.at(index).device.bitrate);
    }
}

void tst_ReportWriters::workbookKeepsEveryTextAsWritten()
{
    // Longer than the 32,767 characters a workbook cell holds.
    PlanData plan = ReportPlans::hostile();
    QString notes = plan.notes + QLatin1Char('\n');
    for (int line = 0; notes.size() < 100000; ++line)
        notes += QStringLiteral("Line %1 of the site survey, cameras 😀 and cables.\n").arg(line);
    notes.truncate(100000);
    plan.notes = notes;
    // Any other text that long is cut where the cut shows.
    plan.siteName = QString(40000, QLatin1Char('s'));
    plan.groups[2].device.encodingType = QString(40000, QLatin1Char('e'));
    const QString path = filePath(QStringLiteral("hostile.xlsx"));
    QString error;
    QVERIFY2(ReportWriter::writeXlsx(plan, path, &error, kDate), qPrintable(error));

    const QJsonObject book = readWorkbook(path);
    QVERIFY2(!book.isEmpty(), "read_workbook.py failed (python3-openpyxl installed?)");
    const QJsonArray rows = book.value("groups").toArray();
    const QStringList texts = ReportPlans::hostileTexts();
    QCOMPARE(rows.size(), texts.size() + 1);
    for (int index = 0; index < texts.size(); ++index) {
        const QJsonObject name = rows.at(index + 1).toArray().at(1).toObject();
        QCOMPARE(name.value("value").toString(), texts.at(index));
        QCOMPARE(name.value("type").toString(), QStringLiteral("s"));
    }

    const QString encoding = rows.at(3).toArray().at(7).toObject().value("value").toString();
    QCOMPARE(encoding.size(), 32767);
    QVERIFY(encoding.endsWith(QStringLiteral("ee…")));

    // The notes go on in the rows below their label, a cell's worth each.
    QString read;
    bool inNotes = false;
    for (const QJsonValue& row : book.value("totalsRows").toArray()) {
        const QJsonObject label = row.toArray().at(0).toObject();
        const QJsonObject value = row.toArray().at(1).toObject();
        if (label.value("value").toString() == QLatin1String("Notes"))
            inNotes = true;
        else if (!label.value("value").isNull())
            inNotes = false;
        if (!inNotes || value.value("value").isNull())
            continue;
        QCOMPARE(value.value("type").toString(), QStringLiteral("s"));
        read += value.value("value").toString();
    }
    QCOMPARE(read.size(), notes.size());
    QVERIFY(read == notes);
    QCOMPARE(book.value("totals").toObject().value("RAID").toArray().at(0).toString(), QStringLiteral("RAID6"));
}

void tst_ReportWriters::pdfPrintsMarkupAsWritten()
{
    const PlanData plan = ReportPlans::hostile();
    const QString path = filePath(QStringLiteral("hostile.pdf"));
    QString error;
    QVERIFY2(ReportWriter::writePdf(plan, path, &error, kDate), qPrintable(error));
    // Table cells wrap long names, so spaces and line breaks do not count.
    auto squeezed = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    const QString text = squeezed(run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}));
    QVERIFY2(!text.isEmpty(), "pdftotext failed (poppler-utils installed?)");
    QVERIFY(text.contains(squeezed(ReportPlans::hostile().siteName)));
    QVERIFY(text.contains(QStringLiteral("=3+4")));
    for (const QString& markup : {QStringLiteral("<img src=/dev/zero>"), QStringLiteral("<b>bold</b>"),
                                  QStringLiteral("<table>"), QStringLiteral("&lt;")})
        QVERIFY2(text.contains(squeezed(markup)), qPrintable(markup));
}

void tst_ReportWriters::newReportsFollowTheUmask()
{
    const PlanData plan = ReportPlans::plan(5);
    const QStringList names{QStringLiteral("plan.pdf"), QStringLiteral("plan.xlsx"), QStringLiteral("plan.csv")};
    const mode_t before = ::umask(077);
    QString error;
    const bool written = ReportWriter::writePdf(plan, filePath(names.at(0)), &error, kDate)
        && ReportWriter::writeXlsx(plan, filePath(names.at(1)), &error, kDate)
        && ReportWriter::writeCsv(plan, filePath(names.at(2)), &error, kDate);
    ::umask(before);
    QVERIFY2(written, qPrintable(error));
    for (const QString& name : names) {
        struct stat status{};
        QCOMPARE(::stat(QFile::encodeName(filePath(name)).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, mode_t(0600));
    }
}

void tst_ReportWriters::killedWorkbookExportLeavesNoScratchFile_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("amid the rows") << 100;
    QTest::newRow("workbook finished") << 201;
}

void tst_ReportWriters::killedWorkbookExportLeavesNoScratchFile()
{
    QFETCH(int, step);
    const QString reports = filePath(QStringLiteral("reports"));
    const QString temp = filePath(QStringLiteral("temp"));
    QVERIFY(QDir().mkpath(reports) && QDir().mkpath(temp));
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temp);
    helper.setProcessEnvironment(environment);
    helper.start(QCoreApplication::applicationDirPath() + QStringLiteral("/report_export_helper"),
                 {QDir(reports).filePath(QStringLiteral("plan.xlsx")), QString::number(step)});
    QByteArray said;
    while (!said.contains("paused") && !said.contains("finished")) {
        QVERIFY2(helper.waitForReadyRead(20000), qPrintable(helper.errorString()));
        said += helper.readAllStandardOutput();
    }
    helper.kill();
    QVERIFY(helper.waitForFinished());
    QVERIFY2(said.contains("paused"), said.constData());

    const QDir::Filters everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(reports).entryList(everything), QStringList());
    QCOMPARE(QDir(temp).entryList(everything), QStringList());
}

namespace {

// The cells of a sheet that follows Groups and Totals, as a reader sees them.
QVector<QVariantList> sheetValues(const QJsonObject& book, const QString& sheet)
{
    QVector<QVariantList> rows;
    for (const QJsonValue& row : book.value("sheetRows").toObject().value(sheet).toArray()) {
        QVariantList values;
        for (const QJsonValue& cell : row.toArray())
            values << cell.toObject().value("value").toVariant();
        rows << values;
    }
    return rows;
}

// The first row after the one that reads title, and the rows up to the next
// empty one.
QVector<QStringList> csvSection(const QVector<QStringList>& rows, const QString& title)
{
    int row = 0;
    while (row < rows.size() && rows.at(row) != QStringList{title})
        ++row;
    QVector<QStringList> section;
    for (++row; row < rows.size() && rows.at(row) != QStringList{QString()}; ++row)
        section << rows.at(row);
    return section;
}

} // namespace

// A site whose floor switch is near its uplink's limit and over its power
// budget: each format states every switch and recorder with the checker's
// figures, and lists both problems with their sentences; the printed tables
// keep their words apart and cut a name too long for its column.
void tst_ReportWriters::networkAndProblemsInEveryFormat()
{
    const PlanData plan = ReportPlans::withNetwork();
    const SiteCheck check(plan);
    QCOMPARE(check.switches().size(), 3);
    QCOMPARE(check.recorders().size(), 1);
    QStringList states;
    for (const SiteProblem& problem : check.problems())
        states << problem.id + QLatin1Char(' ') + problem.rule + QLatin1Char(' ') + checkStateName(problem.state);
    QVERIFY2(states.contains(QStringLiteral("sw1 uplink warn")) && states.contains(QStringLiteral("sw1 poe over")),
             qPrintable(states.join(QStringLiteral(", "))));

    const QString pdf = filePath(QStringLiteral("network.pdf"));
    const QString csv = filePath(QStringLiteral("network.csv"));
    const QString xlsx = filePath(QStringLiteral("network.xlsx"));
    QString error;
    QVERIFY2(ReportWriter::writePdf(plan, pdf, &error, kDate), qPrintable(error));
    QVERIFY2(ReportWriter::writeCsv(plan, csv, &error, kDate), qPrintable(error));
    QVERIFY2(ReportWriter::writeXlsx(plan, xlsx, &error, kDate), qPrintable(error));

    // What each switch and recorder row must say, figure by figure.
    const auto mbps = [](double kbps) { return QString::number(kbps / 1024, 'f', 1); };
    const auto limit = [](double kbps) { return QString::number(kbps / 1024, 'g', 12); };
    const QString longName = plan.network.switches.at(2).name;
    const QString layout = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(!layout.isEmpty(), "pdftotext failed (poppler-utils installed?)");
    for (const QString& heading : {QStringLiteral("Network"), QStringLiteral("Switches"), QStringLiteral("Recorders"),
                                   QStringLiteral("Problems")})
        QVERIFY2(layout.contains(QRegularExpression(QStringLiteral("^\\s*%1\\s*$").arg(heading),
                                                    QRegularExpression::MultilineOption)),
                 qPrintable(heading));
    for (const SwitchFigures& figures : check.switches()) {
        const NetworkSwitch& unit = plan.network.switches.at(figures.index);
        const QString name = unit.name == longName ? QStringLiteral("Yard cabinet\\S*( \\S+)*…") : unit.name;
        const QRegularExpression row(
            QStringLiteral("^\\s*%1\\s+%2\\s+%3\\s+%4\\s+%5\\s*/\\s*%6\\s+%7\\s+%8\\s*/\\s*%9\\s+%10\\s*/\\s*%11\\s+%12\\s*$")
                .arg(name, figures.id, unit.parent, QString::number(figures.groupCount), mbps(figures.loadKbps),
                     limit(figures.capacityKbps), UplinkCheck::percentOf(figures.loadKbps, figures.capacityKbps),
                     QString::number(figures.portsUsed), QString::number(figures.ports))
                .arg(QString::number(figures.poeW, 'f', 1), QString::number(unit.poeBudgetW),
                     ReportTexts::stateText(figures.state)),
            QRegularExpression::MultilineOption);
        QVERIFY2(row.match(layout).hasMatch(), qPrintable(row.pattern() + QLatin1Char('\n') + layout));
    }
    QVERIFY(!layout.contains(longName));
    const RecorderFigures& nvr = check.recorders().at(0);
    const QRegularExpression recorderRow(
        QStringLiteral("^\\s*NVR 1\\s+nvr1\\s+core\\s+%1\\s+%2\\s*/\\s*32\\s+%3\\s*/\\s*80\\s+%4\\s+%5\\s*/\\s*4\\s+%6\\s*$")
            .arg(QString::number(nvr.groupCount), QString::number(nvr.channelsUsed), mbps(nvr.inputKbps),
                 UplinkCheck::percentOf(nvr.inputKbps, nvr.capacityKbps), QString::number(nvr.disks.value_or(-1)),
                 ReportTexts::stateText(nvr.state)),
        QRegularExpression::MultilineOption);
    QVERIFY2(recorderRow.match(layout).hasMatch(), qPrintable(recorderRow.pattern()));
    // Each problem with its state, figure, limit and sentence (which wraps).
    auto squeezed = [](QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); };
    const QString flat = squeezed(layout);
    const PlanReport report(plan, kDate);
    QCOMPARE(report.problems().size(), check.problems().size());
    for (const PlanReport::Problem& problem : report.problems()) {
        const QString line = ReportTexts::stateText(problem.problem.state) + ReportTexts::problemLine(problem);
        QVERIFY2(flat.contains(squeezed(line) + squeezed(problem.problem.text)), qPrintable(line));
    }
    QVERIFY(flat.contains(squeezed(QStringLiteral("Switch Floor 1 (sw1), PoE: 243.2 of 240 W"))));
    QVERIFY(flat.contains(squeezed(QStringLiteral("Switch Floor 1 (sw1), Uplink: 96 of 100 Mbps"))));

    // No word of the network's tables on another.
    const QVector<QVector<Word>> pages = pageWords(pdf);
    for (int page = 0; page < pages.size(); ++page) {
        const QVector<Word>& words = pages.at(page);
        for (int i = 0; i < words.size(); ++i) {
            for (int j = i + 1; j < words.size(); ++j) {
                if (words.at(i).box.adjusted(0.5, 2, -0.5, -2).intersects(words.at(j).box.adjusted(0.5, 2, -0.5, -2)))
                    QFAIL(qPrintable(QStringLiteral("page %1: \"%2\" over \"%3\"")
                                         .arg(page + 1)
                                         .arg(words.at(i).text, words.at(j).text)));
            }
        }
    }

    // The CSV's sections and the workbook's sheets hold the same rows.
    const QVector<QStringList> rows = parseCsv(QString::fromUtf8(readAll(csv).mid(3)));
    const QVector<QStringList> switches = csvSection(rows, QStringLiteral("Switches"));
    const QVector<QStringList> recorders = csvSection(rows, QStringLiteral("Recorders"));
    const QVector<QStringList> problems = csvSection(rows, QStringLiteral("Problems"));
    const QJsonObject book = readWorkbook(xlsx);
    QCOMPARE(book.value("sheets").toArray().toVariantList(), (QVariantList{"Groups", "Totals", "Network", "Problems"}));
    const QVector<QVariantList> network = sheetValues(book, QStringLiteral("Network"));
    const QVector<QVariantList> listed = sheetValues(book, QStringLiteral("Problems"));

    QCOMPARE(switches.size(), check.switches().size() + 1);
    QCOMPARE(switches.at(0), ReportTexts::switchColumns());
    QCOMPARE(network.at(0).value(0).toString(), QStringLiteral("Switches"));
    QCOMPARE(QVariant(network.at(1)).toStringList(), ReportTexts::switchColumns());
    for (int index = 0; index < check.switches().size(); ++index) {
        const SwitchFigures& f = check.switches().at(index);
        const NetworkSwitch& unit = plan.network.switches.at(f.index);
        const QStringList texts{unit.name, f.id, unit.parent, QString::number(f.groupCount), mbps(f.loadKbps),
                                limit(f.capacityKbps), UplinkCheck::percentOf(f.loadKbps, f.capacityKbps),
                                QString::number(f.portsUsed), QString::number(f.ports),
                                QString::number(f.poeW, 'f', 1), QString::number(unit.poeBudgetW),
                                ReportTexts::stateText(f.state)};
        QCOMPARE(switches.at(index + 1), texts);
        const QVariantList cells = network.at(index + 2);
        const QVariantList numbers{double(f.groupCount), f.loadKbps / 1024, f.capacityKbps / 1024, f.utilisation,
                                   double(f.portsUsed), double(f.ports), f.poeW, f.poeBudgetW};
        // An empty cell reads back as null.
        QCOMPARE(QVariant(cells.mid(0, 3)).toStringList(), texts.mid(0, 3));
        for (int column = 0; column < numbers.size(); ++column)
            QVERIFY2(qAbs(cells.at(3 + column).toDouble() - numbers.at(column).toDouble()) < 1e-9,
                     qPrintable(QStringLiteral("%1, column %2").arg(f.id).arg(3 + column)));
        QCOMPARE(cells.at(11).toString(), texts.at(11));
    }
    const int recorderTop = int(check.switches().size()) + 3;
    QCOMPARE(network.at(recorderTop).value(0).toString(), QStringLiteral("Recorders"));
    QCOMPARE(recorders.size(), 2);
    QCOMPARE(recorders.at(0), ReportTexts::recorderColumns());
    QCOMPARE(QVariant(network.at(recorderTop + 1)).toStringList(), ReportTexts::recorderColumns());
    QCOMPARE(recorders.at(1), (QStringList{QStringLiteral("NVR 1"), QStringLiteral("nvr1"), QStringLiteral("core"),
                                           QString::number(nvr.groupCount), QString::number(nvr.channelsUsed),
                                           QStringLiteral("32"), mbps(nvr.inputKbps), QStringLiteral("80"),
                                           UplinkCheck::percentOf(nvr.inputKbps, nvr.capacityKbps),
                                           QString::number(nvr.disks.value_or(-1)), QStringLiteral("4"),
                                           ReportTexts::stateText(nvr.state)}));
    const QVariantList nvrCells = network.at(recorderTop + 2);
    const QVariantList nvrNumbers{double(nvr.groupCount), double(nvr.channelsUsed), 32.0, nvr.inputKbps / 1024, 80.0,
                                  nvr.utilisation, double(nvr.disks.value_or(-1)), 4.0};
    for (int column = 0; column < nvrNumbers.size(); ++column)
        QVERIFY2(qAbs(nvrCells.at(3 + column).toDouble() - nvrNumbers.at(column).toDouble()) < 1e-9,
                 qPrintable(QStringLiteral("nvr1, column %1").arg(3 + column)));

    QCOMPARE(problems.size(), check.problems().size() + 1);
    QCOMPARE(problems.at(0), ReportTexts::problemColumns());
    QCOMPARE(QVariant(listed.at(0)).toStringList(), ReportTexts::problemColumns());
    for (int index = 0; index < check.problems().size(); ++index) {
        const SiteProblem& p = check.problems().at(index);
        const QString name = report.problems().at(index).name;
        QCOMPARE(problems.at(index + 1),
                 (QStringList{ReportTexts::stateText(p.state), ReportTexts::objectText(p.object), p.id, name,
                              ReportTexts::ruleText(p.rule), NetworkCheck::figureText(p.value),
                              NetworkCheck::figureText(p.limit), p.unit, p.text}));
        const QVariantList cells = listed.at(index + 1);
        QCOMPARE(cells.mid(0, 5), (QVariantList{ReportTexts::stateText(p.state), ReportTexts::objectText(p.object),
                                                 p.id, name, ReportTexts::ruleText(p.rule)}));
        QCOMPARE(cells.at(5).toDouble(), p.value);
        QCOMPARE(cells.at(6).toDouble(), p.limit);
        QCOMPARE(cells.mid(7), (QVariantList{p.unit, p.text}));
    }
}

void tst_ReportWriters::pdfKeepsHeadingsWithTheirParts_data()
{
    QTest::addColumn<QString>("plan");
    QTest::newRow("office") << QStringLiteral("office-building.vantrel");
    QTest::newRow("campus") << QStringLiteral("campus.vantrel");
    QTest::newRow("city") << QStringLiteral("city.vantrel");
}

// No page ends in a heading whose part starts on the next.
void tst_ReportWriters::pdfKeepsHeadingsWithTheirParts()
{
    QFETCH(QString, plan);
    const PlanData data = namedPlan(plan, false);
    QVERIFY(!data.groups.isEmpty());
    const QString path = filePath(QStringLiteral("plan.pdf"));
    QVERIFY(aptui::SafeFileWriter::writeFile(path, PdfReportWriter::toPdf(PlanReport(data, kDate))));
    // The parts before the groups are what this is about: the city's network
    // and problems take its first eleven pages.
    const QStringList pages = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-l"),
                                                                QStringLiteral("16"), path, QStringLiteral("-")})
                                  .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(!pages.isEmpty(), "pdftotext failed (poppler-utils installed?)");
    const QStringList headings{QStringLiteral("Notes"),    QStringLiteral("Totals"),    QStringLiteral("Storage"),
                               QStringLiteral("Network"),  QStringLiteral("Switches"),  QStringLiteral("Recorders"),
                               QStringLiteral("Problems"), QStringLiteral("Device groups"),
                               QStringLiteral("Bandwidth per group")};
    for (int page = 0; page < pages.size(); ++page) {
        QStringList lines;
        for (const QString& line : pages.at(page).split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
        }
        // The footer is the page's last line.
        QVERIFY(lines.size() >= 2);
        QVERIFY2(!headings.contains(lines.at(lines.size() - 2)),
                 qPrintable(QStringLiteral("page %1 ends in \"%2\"").arg(page + 1).arg(lines.at(lines.size() - 2))));
    }
}

QTEST_MAIN(tst_ReportWriters)
#include "tst_ReportWriters.moc"
