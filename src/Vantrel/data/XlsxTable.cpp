#include "XlsxTable.h"

#include <QLocale>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

#include <zip.h>

#include <memory>
#include <optional>

namespace {

constexpr int kMaxColumns = 16384;
const QString kRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

struct ZipCloser
{
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser
{
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// One part of the package, whole; nullopt when it is missing or larger
// than a part may be.
std::optional<QByteArray> part(zip_t* archive, const QString& name, bool* tooLarge)
{
    const zip_int64_t index = zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return std::nullopt;
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, zip_uint64_t(index), 0));
    if (!file)
        return std::nullopt;
    QByteArray out;
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), buffer, sizeof buffer);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        if (out.size() + got > XlsxTable::kMaxPartBytes) {
            if (tooLarge)
                *tooLarge = true;
            return std::nullopt;
        }
        out.append(buffer, qsizetype(got));
    }
    return out;
}

// Where the first sheet lives: the workbook's first sheet, through its
// relationship; the usual name when the package does not say.
QString firstSheetPath(zip_t* archive)
{
    const QString fallback = QStringLiteral("xl/worksheets/sheet1.xml");
    const std::optional<QByteArray> workbook = part(archive, QStringLiteral("xl/workbook.xml"), nullptr);
    const std::optional<QByteArray> rels = part(archive, QStringLiteral("xl/_rels/workbook.xml.rels"), nullptr);
    if (!workbook || !rels)
        return fallback;
    QString id;
    QXmlStreamReader book(*workbook);
    while (!book.atEnd() && id.isEmpty()) {
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == QLatin1String("sheet"))
            id = book.attributes().value(kRelationships, QStringLiteral("id")).toString();
    }
    QXmlStreamReader links(*rels);
    while (!links.atEnd() && !id.isEmpty()) {
        if (links.readNext() == QXmlStreamReader::StartElement && links.name() == QLatin1String("Relationship")
            && links.attributes().value(QStringLiteral("Id")) == id) {
            const QString target = links.attributes().value(QStringLiteral("Target")).toString();
            if (target.startsWith(QLatin1Char('/')))
                return target.mid(1);
            return QStringLiteral("xl/") + target;
        }
    }
    return fallback;
}

// The text of an <si> or <is>: its <t> pieces, without phonetic runs.
QString stringItem(QXmlStreamReader& xml)
{
    const QString end = xml.name().toString();
    QString text;
    int phonetic = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("rPh"))
                ++phonetic;
            else if (xml.name() == QLatin1String("t") && phonetic == 0)
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("rPh"))
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return text;
}

QVector<QString> sharedStrings(const QByteArray& xmlBytes)
{
    QVector<QString> strings;
    QXmlStreamReader xml(xmlBytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            strings.append(stringItem(xml));
    }
    return strings;
}

// 0 for "A1", 27 for "AB3"; -1 without letters.
int columnOf(QStringView reference)
{
    int column = 0;
    int letters = 0;
    for (const QChar c : reference) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            column = column * 26 + (u - u'A' + 1);
        else if (u >= u'a' && u <= u'z')
            column = column * 26 + (u - u'a' + 1);
        else
            break;
        if (++letters > 3)
            return -1;
    }
    return letters == 0 ? -1 : column - 1;
}

QString numberText(const QString& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? QString::number(number, 'g', QLocale::FloatingPointShortest) : value;
}

} // namespace

QString XlsxTable::open(const QByteArray& bytes)
{
    m_sheet.clear();
    m_strings.clear();
    const QString notWorkbook = tr("not an Excel workbook (.xlsx)");
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return notWorkbook;
    }
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open_from_source(source, ZIP_RDONLY, &error));
    zip_error_fini(&error);
    if (!archive) {
        zip_source_free(source);
        return notWorkbook;
    }
    bool tooLarge = false;
    const std::optional<QByteArray> sheet = part(archive.get(), firstSheetPath(archive.get()), &tooLarge);
    if (tooLarge)
        return tr("its first sheet unpacks to more than %1 MiB").arg(kMaxPartBytes / (1024 * 1024));
    if (!sheet)
        return tr("not an Excel workbook (.xlsx): it has no sheet");
    if (const auto shared = part(archive.get(), QStringLiteral("xl/sharedStrings.xml"), &tooLarge))
        m_strings = sharedStrings(*shared);
    if (tooLarge)
        return tr("its shared texts unpack to more than %1 MiB").arg(kMaxPartBytes / (1024 * 1024));
    m_sheet = *sheet;
    return QString();
}

bool XlsxTable::rows(const CsvTable::RowSink& sink, QString* error) const
{
    const QVector<QString>& strings = m_strings;
    QXmlStreamReader xml(m_sheet);
    // The sheet's names are unprefixed; working prefixes out costs a third
    // of the time.
    xml.setNamespaceProcessing(false);
    QStringList cells;
    int lastRow = 0;
    int rowNumber = 0;
    const auto handOver = [&]() {
        // A gap of empty rows shows as one empty row: it ends a table as
        // any empty row does.
        if (rowNumber > lastRow + 1 && !sink(QStringList(), lastRow + 1, xml.characterOffset()))
            return false;
        lastRow = rowNumber;
        return sink(cells, rowNumber, xml.characterOffset());
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("row")) {
            cells.clear();
            bool ok = false;
            const int number = xml.attributes().value(QStringLiteral("r")).toInt(&ok);
            rowNumber = ok && number > lastRow ? number : lastRow + 1;
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("row")) {
            if (!handOver())
                return false;
        } else if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("c")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString type = attributes.value(QStringLiteral("t")).toString();
            int column = columnOf(attributes.value(QStringLiteral("r")));
            if (column < 0)
                column = int(cells.size());
            QString value;
            bool hasValue = false;
            while (!xml.atEnd()) {
                const auto inner = xml.readNext();
                if (inner == QXmlStreamReader::EndElement && xml.name() == QLatin1String("c"))
                    break;
                if (inner != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("v")) {
                    value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    hasValue = true;
                } else if (xml.name() == QLatin1String("is")) {
                    value = stringItem(xml);
                    hasValue = true;
                } else if (xml.name() == QLatin1String("f")) {
                    // The formula itself is never read, let alone run.
                    xml.skipCurrentElement();
                }
            }
            if (!hasValue || column >= kMaxColumns)
                continue;
            if (type == QLatin1String("s")) {
                bool ok = false;
                const int index = value.toInt(&ok);
                value = ok && index >= 0 && index < strings.size() ? strings.at(index) : QString();
            } else if (type == QLatin1String("b")) {
                value = value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
            } else if (type.isEmpty() || type == QLatin1String("n")) {
                value = numberText(value);
            }
            while (cells.size() <= column)
                cells.append(QString());
            cells[column] = value;
        }
    }
    if (xml.hasError() && error)
        *error = tr("its first sheet is damaged (%1)").arg(xml.errorString());
    return true;
}
