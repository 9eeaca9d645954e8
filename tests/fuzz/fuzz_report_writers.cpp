// Reads a plan file and writes its reports. Read back as a spreadsheet reads
// it, with a comma, a semicolon or a tab between fields, no CSV cell may
// start with a formula sign unless it is a plain figure; the workbook holds
// no formula at all, and has a sheet for each part of the report; and the
// printed report shows the site, every group name and every switch name as
// it is written, never as markup.

#include "FuzzCheck.h"

#include <data/PlanFile.h>
#include <data/PlanReport.h>
#include <report/CsvReportWriter.h>
#include <report/GroupTable.h>
#include <report/NetworkTables.h>
#include <report/ReportTexts.h>
#include <report/XlsxReportWriter.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Enough groups for every kind of row; more only slow the fuzzer down.
constexpr int kMaxGroups = 40;

// RFC 4180 fields, unquoted as a spreadsheet does.
QVector<QString> csvCells(const QString& text, QChar separator)
{
    QVector<QString> cells;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
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
        } else if (c == separator || c == QLatin1Char('\n')) {
            cells << field;
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    cells << field;
    return cells;
}

bool runsAsFormula(const QString& cell)
{
    static const QRegularExpression figure(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    return !cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front()) && !figure.match(cell).hasMatch();
}

quint32 le(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

// The worksheets of a workbook, unpacked: its central directory names
// them, and each is stored or deflated.
QVector<QByteArray> worksheets(const QByteArray& zip)
{
    QVector<QByteArray> sheets;
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    FuzzCheck::require(end >= 0 && end + 22 <= zip.size(), "the workbook is a zip archive");
    qsizetype entry = le(zip, end + 16, 4);
    const int entries = int(le(zip, end + 10, 2));
    for (int index = 0; index < entries; ++index) {
        FuzzCheck::require(entry + 46 <= zip.size() && le(zip, entry, 4) == 0x02014b50, "a zip directory entry");
        const int method = int(le(zip, entry + 10, 2));
        const quint32 packed = le(zip, entry + 20, 4);
        const quint32 size = le(zip, entry + 24, 4);
        const int nameSize = int(le(zip, entry + 28, 2));
        const int extraSize = int(le(zip, entry + 30, 2));
        const int commentSize = int(le(zip, entry + 32, 2));
        const qsizetype local = le(zip, entry + 42, 4);
        const QByteArray name = zip.mid(entry + 46, nameSize);
        entry += 46 + nameSize + extraSize + commentSize;
        if (!name.startsWith("xl/worksheets/sheet"))
            continue;
        FuzzCheck::require(local + 30 <= zip.size(), "a zip file header");
        const qsizetype data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
        FuzzCheck::require(data + qsizetype(packed) <= zip.size(), "a zip file's data");
        if (method == 0) {
            sheets << zip.mid(data, packed);
            continue;
        }
        FuzzCheck::require(method == 8, "a deflated zip file");
        QByteArray sheet(qsizetype(size), Qt::Uninitialized);
        z_stream stream{};
        FuzzCheck::require(inflateInit2(&stream, -MAX_WBITS) == Z_OK, "inflate starts");
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.constData() + data));
        stream.avail_in = packed;
        stream.next_out = reinterpret_cast<Bytef*>(sheet.data());
        stream.avail_out = size;
        const int result = inflate(&stream, Z_FINISH);
        inflateEnd(&stream);
        FuzzCheck::require(result == Z_STREAM_END && stream.total_out == size, "a worksheet unpacks");
        sheets << sheet;
    }
    return sheets;
}

// A text the document shows character for character: no line breaks,
// controls or characters the text engine stands in for.
bool plainLine(const QString& text)
{
    for (const QChar c : text) {
        if (!c.isPrint() || c == QChar::Nbsp || c == QChar::ObjectReplacementCharacter)
            return false;
    }
    return !text.trimmed().isEmpty();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_report_writers";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    static QTemporaryDir folder;
    Q_UNUSED(offscreen);

    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<int>(size));
    PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("fuzz.vantrel"));
    if (!read.ok)
        return 0;
    if (read.plan.groups.size() > kMaxGroups)
        read.plan.groups.resize(kMaxGroups);
    const PlanReport report(read.plan, QDate(2024, 5, 17));

    const QString csv = QString::fromUtf8(CsvReportWriter::toCsv(report));
    for (const QChar separator : {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')}) {
        for (const QString& cell : csvCells(csv, separator))
            FuzzCheck::require(!runsAsFormula(cell), "no CSV cell runs as a formula");
    }

    const QString path = folder.filePath(QStringLiteral("report.xlsx"));
    QString error;
    FuzzCheck::require(XlsxReportWriter::write(report, path, &error), "a plan that opens exports to a workbook");
    QFile book(path);
    FuzzCheck::require(book.open(QIODevice::ReadOnly), "the workbook reads back");
    const QVector<QByteArray> sheets = worksheets(book.readAll());
    // Groups and Totals, then Network where the plan has one and Problems
    // where the checks have something to say.
    const int expectedSheets = 2 + (report.hasNetwork() ? 1 : 0) + (report.hasChecks() ? 1 : 0);
    FuzzCheck::require(sheets.size() == expectedSheets, "the workbook has a sheet for each of its parts");
    for (const QByteArray& sheet : sheets)
        FuzzCheck::require(!sheet.contains("<f>") && !sheet.contains("<f "), "no workbook cell is a formula");

    // The printed table shows each name whole, or its start and "…".
    QBuffer pdfSink;
    QPdfWriter device(&pdfSink);
    const GroupTable table(report, &device, 8000);
    const auto shows = [](const QString& shown, const QString& written) {
        if (shown == written)
            return true;
        return shown.endsWith(QChar(0x2026)) && written.startsWith(shown.chopped(1));
    };
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString& name = report.groups().at(row).name;
        if (plainLine(name))
            FuzzCheck::require(shows(table.text(row, GroupTable::Name), name),
                               "the printed report shows each name as written");
        FuzzCheck::require(table.text(row, GroupTable::Number) == QString::number(report.groups().at(row).number),
                           "the printed report never cuts a figure");
    }
    // The network's tables cut names, never figures.
    const FittedTable switches = NetworkTables::switches(report, &device, 8000);
    for (int row = 0; row < switches.rowCount(); ++row) {
        const PlanReport::Switch& unit = report.switches().at(row);
        if (plainLine(unit.name))
            FuzzCheck::require(shows(switches.text(row, 0), unit.name), "the printed report shows each switch's name");
        FuzzCheck::require(switches.text(row, 4) == ReportTexts::printedSwitch(unit).at(4),
                           "the printed report never cuts a switch's figure");
    }
    if (plainLine(report.siteName()))
        FuzzCheck::require(ReportTexts::title(report).contains(report.siteName()),
                           "the printed report shows the site as written");
    return 0;
}
