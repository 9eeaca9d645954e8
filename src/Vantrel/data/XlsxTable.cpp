#include "XlsxTable.h"

#include "ZipLibrary.h"

#include <QLocale>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

#include <charconv>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

namespace {

constexpr int kMaxColumns = 16384;
const QString kRelationships =
    QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

struct ZipCloser
{
    const ZipLibrary* zip;
    void operator()(zip_t* archive) const { zip->zip_discard(archive); }
};
struct FileCloser
{
    const ZipLibrary* zip;
    void operator()(zip_file_t* file) const { zip->zip_fclose(file); }
};

// One part of the package, whole; nullopt when it is missing or larger
// than a part may be.
std::optional<QByteArray> part(const ZipLibrary& zip, zip_t* archive, const QString& name, bool* tooLarge)
{
    const zip_int64_t index = zip.zip_name_locate(archive, name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return std::nullopt;
    std::unique_ptr<zip_file_t, FileCloser> file(zip.zip_fopen_index(archive, zip_uint64_t(index), 0),
                                                 FileCloser{ &zip });
    if (!file)
        return std::nullopt;
    QByteArray out;
    zip_stat_t stat;
    zip.zip_stat_init(&stat);
    if (zip.zip_stat_index(archive, zip_uint64_t(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)
        && stat.size <= zip_uint64_t(XlsxTable::kMaxPartBytes))
        out.reserve(qsizetype(stat.size));
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip.zip_fread(file.get(), buffer, sizeof buffer);
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
QString firstSheetPath(const ZipLibrary& zip, zip_t* archive)
{
    const QString fallback = QStringLiteral("xl/worksheets/sheet1.xml");
    const std::optional<QByteArray> workbook = part(zip, archive, QStringLiteral("xl/workbook.xml"), nullptr);
    const std::optional<QByteArray> rels = part(zip, archive, QStringLiteral("xl/_rels/workbook.xml.rels"), nullptr);
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

// A workbook's text writes a character XML cannot hold (a control
// character) as "_xHHHH_", and a "_x" that is not such a code as "_x005F_";
// spreadsheet programs show the character.
// The character of a "_xHHHH_" at text[at]; none for other text, and for
// half a surrogate pair alone, which is no character and stays as written.
// A NUL is the replacement character, as every report writes it: a name
// that held one could not come back the same from its own report.
std::optional<char16_t> codeAt(QStringView text, qsizetype at)
{
    if (at + 7 > text.size() || text.at(at) != QLatin1Char('_') || text.at(at + 1) != QLatin1Char('x')
        || text.at(at + 6) != QLatin1Char('_'))
        return std::nullopt;
    char16_t code = 0;
    for (const QChar c : text.mid(at + 2, 4)) {
        const int digit = c >= QLatin1Char('0') && c <= QLatin1Char('9')   ? c.unicode() - '0'
                          : c >= QLatin1Char('a') && c <= QLatin1Char('f') ? c.unicode() - 'a' + 10
                          : c >= QLatin1Char('A') && c <= QLatin1Char('F') ? c.unicode() - 'A' + 10
                                                                           : -1;
        if (digit < 0)
            return std::nullopt;
        code = char16_t(code * 16 + digit);
    }
    if (QChar::isSurrogate(code))
        return std::nullopt;
    return code == 0 ? char16_t(QChar::ReplacementCharacter) : code;
}

QString withoutCodes(const QString& text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        if (const std::optional<char16_t> code = codeAt(text, at)) {
            out += QChar(*code);
            at += 7;
        } else {
            out += text.at(at++);
        }
    }
    return out;
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
                text += withoutCodes(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("rPh"))
                --phonetic;
            else if (xml.name() == end)
                break;
        }
    }
    return text;
}

// False when the part is damaged: a text cut short would put every later
// cell's text in the wrong place.
bool sharedStrings(const QByteArray& xmlBytes, QVector<QString>& strings)
{
    QXmlStreamReader xml(xmlBytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            strings.append(stringItem(xml));
    }
    return !xml.hasError();
}

// 0 for "A1", 27 for "AB3"; -1 without letters.
int columnOf(QByteArrayView reference)
{
    int column = 0;
    int letters = 0;
    for (const char u : reference) {
        if (u >= 'A' && u <= 'Z')
            column = column * 26 + (u - 'A' + 1);
        else if (u >= 'a' && u <= 'z')
            column = column * 26 + (u - 'a' + 1);
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

// True when the text is a whole number numberText() would give back as it
// is: most cells of a table are, and reading each one into a double and
// writing it out again was half the time of an import. No leading zeros,
// no "-0", few enough digits to be exact, and too few trailing zeros for
// the shortest form to take an exponent ("1e+05").
bool isOwnShortestForm(QByteArrayView text)
{
    const QByteArrayView digits = text.startsWith('-') ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > 15 || (digits.size() > 1 && digits.front() == '0'))
        return false;
    if (digits.size() < text.size() && digits == QByteArrayView("0"))
        return false;
    int trailingZeros = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return false;
        trailingZeros = c == '0' ? trailingZeros + 1 : 0;
    }
    return trailingZeros < 4;
}

// The number a text plainly written in decimals holds ("2048.5",
// "1.2345678901234E-5", as programs write them); nullopt for anything else,
// which is then read the general way. Both readers round correctly, so the
// number is the same; the exponent is kept short so that neither overflows.
std::optional<double> plainNumber(QByteArrayView text)
{
    const char* at = text.begin();
    const char* const end = text.end();
    const auto digits = [&]() {
        const char* from = at;
        while (at < end && *at >= '0' && *at <= '9')
            ++at;
        return at - from;
    };
    if (at < end && *at == '-')
        ++at;
    const auto whole = digits();
    if (whole == 0 || whole > 17)
        return std::nullopt;
    if (at < end && *at == '.') {
        ++at;
        const auto fraction = digits();
        if (fraction == 0 || whole + fraction > 20)
            return std::nullopt;
    }
    if (at < end && (*at == 'e' || *at == 'E')) {
        ++at;
        if (at < end && (*at == '+' || *at == '-'))
            ++at;
        const auto exponent = digits();
        if (exponent == 0 || exponent > 2)
            return std::nullopt;
    }
    double number = 0;
    const auto [stop, error] = std::from_chars(text.begin(), end, number);
    if (at != end || stop != end || error != std::errc())
        return std::nullopt;
    return number;
}

// The index of a shared text when it is written plainly; -1 otherwise, so
// that anything else is read the general way.
int plainIndex(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    int index = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        index = index * 10 + (c - '0');
    }
    return index;
}

// What a cell of the given type shows, from its value's text.
QString cellText(QByteArrayView type, const QString& value, const QVector<QString>& strings)
{
    if (type == QByteArrayView("s")) {
        bool ok = false;
        const int index = value.toInt(&ok);
        return ok && index >= 0 && index < strings.size() ? strings.at(index) : QString();
    }
    if (type == QByteArrayView("b"))
        return value == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (type.isEmpty() || type == QByteArrayView("n"))
        return numberText(value);
    return value;
}

// The same, from a <v>'s UTF-8: the common cells (a plain shared-text
// index, a whole number) skip the detour through a QString and a double.
QString cellText(QByteArrayView type, const QByteArray& value, const QVector<QString>& strings)
{
    if (type == QByteArrayView("s")) {
        const int index = plainIndex(value);
        if (index >= 0)
            return index < strings.size() ? strings.at(index) : QString();
    } else if (type.isEmpty() || type == QByteArrayView("n")) {
        if (isOwnShortestForm(value))
            return QString::fromLatin1(value);
        if (const std::optional<double> number = plainNumber(value))
            return QString::number(*number, 'g', QLocale::FloatingPointShortest);
    }
    return cellText(type, QString::fromUtf8(value), strings);
}

// Reads a sheet's XML for the little a table needs: rows, cells, their
// values and inline texts. A sheet of a hundred thousand rows is a hundred
// megabytes of XML; a general reader spends seconds on it, this a fraction.
// Prefixed names (x:c) read as their local names; comments, declarations
// and any element not named are passed over.
class SheetScanner
{
public:
    // Views into the sheet, which outlives them.
    struct Tag
    {
        QByteArrayView name;
        QByteArrayView attributes;
        bool closing = false;
        bool selfClosing = false;
    };

    explicit SheetScanner(const QByteArray& xml)
        : m_begin(xml.constData())
        , m_at(xml.constData())
        , m_end(xml.constData() + xml.size())
    {
    }

    qsizetype offset() const { return m_at - m_begin; }
    bool damaged() const { return m_damaged; }

    // The next tag; false at the end.
    bool next(Tag& tag)
    {
        for (;;) {
            const char* open = static_cast<const char*>(std::memchr(m_at, '<', size_t(m_end - m_at)));
            if (!open) {
                m_at = m_end;
                return false;
            }
            m_at = open + 1;
            if (m_at < m_end && (*m_at == '!' || *m_at == '?')) {
                const char* close = find(*m_at == '!' && startsWith("!--") ? "-->" : ">");
                m_at = close ? close : m_end;
                continue;
            }
            tag.closing = m_at < m_end && *m_at == '/';
            if (tag.closing)
                ++m_at;
            const char* nameStart = m_at;
            while (m_at < m_end && !isSpace(*m_at) && *m_at != '>' && *m_at != '/')
                ++m_at;
            const char* local = nameStart;
            for (const char* c = nameStart; c < m_at; ++c) {
                if (*c == ':')
                    local = c + 1;
            }
            tag.name = QByteArrayView(local, m_at - local);
            // Up to the closing '>', which a quoted value may hold.
            const char* attributes = m_at;
            char quote = 0;
            while (m_at < m_end && (quote || *m_at != '>')) {
                if (quote && *m_at == quote)
                    quote = 0;
                else if (!quote && (*m_at == '"' || *m_at == '\''))
                    quote = *m_at;
                ++m_at;
            }
            if (m_at >= m_end) {
                m_damaged = true;
                return false;
            }
            tag.selfClosing = m_at > attributes && m_at[-1] == '/';
            tag.attributes = QByteArrayView(attributes, m_at - attributes - (tag.selfClosing ? 1 : 0));
            ++m_at;
            return true;
        }
    }

    // The text up to the element's end, entities and CDATA read.
    QString text() { return QString::fromUtf8(textBytes()); }

    // The same as UTF-8, for values read without a QString in between.
    QByteArray textBytes()
    {
        QByteArray raw;
        for (;;) {
            const char* open = static_cast<const char*>(std::memchr(m_at, '<', size_t(m_end - m_at)));
            if (!open) {
                m_damaged = true;
                m_at = m_end;
                break;
            }
            // A value in one piece is the common case: it stays a view.
            const QByteArray piece = decoded(m_at, open);
            if (raw.isEmpty())
                raw = piece;
            else
                raw += piece;
            m_at = open;
            if (startsWith("<![CDATA[")) {
                const char* close = find("]]>");
                const char* body = m_at + 9;
                if (!close) {
                    m_damaged = true;
                    m_at = m_end;
                    break;
                }
                raw.append(body, close - 3 - body);
                m_at = close;
                continue;
            }
            break;
        }
        // XML has no place for other control characters, not even as
        // references: a sheet that holds one is no sheet a program wrote.
        for (const char byte : std::as_const(raw)) {
            const auto u = static_cast<unsigned char>(byte);
            if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
                m_damaged = true;
                return QByteArray();
            }
        }
        return raw;
    }

    // The text of an inline string: its <t> pieces, without phonetic runs,
    // up to its </is>.
    QString stringItem()
    {
        QString value;
        int phonetic = 0;
        Tag tag;
        while (next(tag)) {
            if (tag.name == QByteArrayView("is") && tag.closing)
                break;
            if (tag.name == QByteArrayView("rPh") && !tag.selfClosing)
                phonetic += tag.closing ? -1 : 1;
            else if (tag.name == QByteArrayView("t") && !tag.closing && !tag.selfClosing && phonetic == 0)
                value += withoutCodes(text());
        }
        return value;
    }

    static QByteArray attribute(QByteArrayView attributes, const char* name)
    {
        const qsizetype length = qsizetype(std::strlen(name));
        qsizetype at = 0;
        while ((at = attributes.indexOf(name, at)) >= 0) {
            const bool starts = at == 0 || isSpace(attributes.at(at - 1));
            qsizetype after = at + length;
            while (after < attributes.size() && isSpace(attributes.at(after)))
                ++after;
            if (starts && after < attributes.size() && attributes.at(after) == '=') {
                ++after;
                while (after < attributes.size() && isSpace(attributes.at(after)))
                    ++after;
                if (after >= attributes.size())
                    return QByteArray();
                const char quote = attributes.at(after);
                const qsizetype close = attributes.indexOf(quote, after + 1);
                if (close < 0)
                    return QByteArray();
                return decoded(attributes.constData() + after + 1, attributes.constData() + close);
            }
            at = after;
        }
        return QByteArray();
    }

private:
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    bool startsWith(const char* text) const
    {
        const size_t length = std::strlen(text);
        return size_t(m_end - m_at) >= length && std::memcmp(m_at, text, length) == 0;
    }
    // Where the text ends (just past it), from here on; null when it does not occur.
    const char* find(const char* text) const
    {
        const size_t length = std::strlen(text);
        for (const char* c = m_at; c + length <= m_end; ++c) {
            c = static_cast<const char*>(std::memchr(c, text[0], size_t(m_end - c)));
            if (!c || c + length > m_end)
                return nullptr;
            if (std::memcmp(c, text, length) == 0)
                return c + length;
        }
        return nullptr;
    }

    // The five named entities and character references; anything else is
    // kept as written. Text without a reference is handed over as a view
    // into the sheet, not a copy: nearly every value and attribute is, and
    // copying each was a good part of a big sheet's reading time. The
    // sheet outlives every value read from it.
    static QByteArray decoded(const char* from, const char* to)
    {
        const char* amp = static_cast<const char*>(std::memchr(from, '&', size_t(to - from)));
        if (!amp)
            return QByteArray::fromRawData(from, to - from);
        QByteArray out;
        out.reserve(to - from);
        while (from < to) {
            if (*from != '&') {
                out += *from++;
                continue;
            }
            const char* semicolon = static_cast<const char*>(std::memchr(from, ';', size_t(to - from)));
            if (!semicolon || semicolon - from > 12) {
                out += *from++;
                continue;
            }
            const QByteArray name(from + 1, semicolon - from - 1);
            if (name == "lt")
                out += '<';
            else if (name == "gt")
                out += '>';
            else if (name == "amp")
                out += '&';
            else if (name == "quot")
                out += '"';
            else if (name == "apos")
                out += '\'';
            else if (name.startsWith('#')) {
                bool ok = false;
                const uint code = name.startsWith("#x") ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
                if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
                    out += QByteArray(from, semicolon + 1 - from);
                } else {
                    const char32_t point = char32_t(code);
                    out += QString::fromUcs4(&point, 1).toUtf8();
                }
            } else {
                out += QByteArray(from, semicolon + 1 - from);
            }
            from = semicolon + 1;
        }
        return out;
    }

    const char* m_begin;
    const char* m_at;
    const char* m_end;
    bool m_damaged = false;
};

} // namespace

QString XlsxTable::open(const QByteArray& bytes)
{
    m_sheet.clear();
    m_strings.clear();
    const QString notWorkbook = tr("not an Excel workbook (.xlsx)");
    QString missing;
    const ZipLibrary* zip = ZipLibrary::shared(&missing);
    if (!zip)
        return missing;
    zip_error_t error;
    zip->zip_error_init(&error);
    zip_source_t* source = zip->zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (!source) {
        zip->zip_error_fini(&error);
        return notWorkbook;
    }
    std::unique_ptr<zip_t, ZipCloser> archive(zip->zip_open_from_source(source, ZIP_RDONLY, &error),
                                              ZipCloser{ zip });
    zip->zip_error_fini(&error);
    if (!archive) {
        zip->zip_source_free(source);
        return notWorkbook;
    }
    bool tooLarge = false;
    const std::optional<QByteArray> sheet = part(*zip, archive.get(), firstSheetPath(*zip, archive.get()), &tooLarge);
    if (tooLarge)
        return tr("its first sheet unpacks to more than %1 MiB").arg(kMaxPartBytes / (1024 * 1024));
    if (!sheet)
        return tr("not an Excel workbook (.xlsx): it has no sheet");
    if (const auto shared = part(*zip, archive.get(), QStringLiteral("xl/sharedStrings.xml"), &tooLarge)) {
        if (!sharedStrings(*shared, m_strings))
            return tr("its shared texts are damaged");
    }
    if (tooLarge)
        return tr("its shared texts unpack to more than %1 MiB").arg(kMaxPartBytes / (1024 * 1024));
    m_sheet = *sheet;
    return QString();
}

bool XlsxTable::rows(const CsvTable::RowSink& sink, QString* error) const
{
    SheetScanner scanner(m_sheet);
    QStringList cells;
    int lastRow = 0;
    int rowNumber = 0;
    bool inRow = false;
    const auto handOver = [&]() {
        // A gap of empty rows shows as one empty row: it ends a table as
        // any empty row does.
        if (rowNumber > lastRow + 1 && !sink(QStringList(), lastRow + 1, scanner.offset()))
            return false;
        lastRow = rowNumber;
        return sink(cells, rowNumber, scanner.offset());
    };
    SheetScanner::Tag tag;
    while (scanner.next(tag)) {
        if (tag.name == QByteArrayView("row") && !tag.closing) {
            cells.clear();
            bool ok = false;
            const int number = SheetScanner::attribute(tag.attributes, "r").toInt(&ok);
            rowNumber = ok && number > lastRow ? number : lastRow + 1;
            inRow = !tag.selfClosing;
            if (tag.selfClosing && !handOver())
                return false;
        } else if (tag.name == QByteArrayView("row") && tag.closing) {
            if (inRow && !handOver())
                return false;
            inRow = false;
        } else if (tag.name == QByteArrayView("c") && !tag.closing) {
            const QByteArray type = SheetScanner::attribute(tag.attributes, "t");
            int column = columnOf(SheetScanner::attribute(tag.attributes, "r"));
            if (column < 0)
                column = int(cells.size());
            if (tag.selfClosing)
                continue;
            // The last <v> or <is> counts; which one decides how it is read.
            QByteArray value;
            QString inlineText;
            bool isInline = false;
            bool hasValue = false;
            while (scanner.next(tag) && !(tag.name == QByteArrayView("c") && tag.closing)) {
                if (tag.closing || tag.selfClosing)
                    continue;
                if (tag.name == QByteArrayView("v")) {
                    value = scanner.textBytes();
                    isInline = false;
                    hasValue = true;
                } else if (tag.name == QByteArrayView("is")) {
                    inlineText = scanner.stringItem();
                    isInline = true;
                    hasValue = true;
                }
                // A formula (<f>) is never read, let alone run: its text
                // is passed over like any other.
            }
            if (!hasValue || column >= kMaxColumns)
                continue;
            while (cells.size() <= column)
                cells.append(QString());
            cells[column] = isInline ? cellText(type, inlineText, m_strings) : cellText(type, value, m_strings);
        }
    }
    if (scanner.damaged() && error)
        *error = tr("its first sheet is damaged");
    return true;
}
