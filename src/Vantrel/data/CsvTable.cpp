#include "CsvTable.h"

namespace {

// Rows looked at for a heading before the separator is guessed.
constexpr int kHeadingSearchRows = 64;

} // namespace

bool CsvTable::parse(QStringView text, QChar separator, const RowSink& sink)
{
    const qsizetype size = text.size();
    const QChar* data = text.data();
    QStringList cells;
    QString field;
    int row = 1;
    qsizetype i = 0;
    while (i < size) {
        cells.clear();
        bool endOfRow = false;
        while (!endOfRow) {
            field.clear();
            if (i < size && data[i] == QLatin1Char('"')) {
                ++i;
                while (i < size) {
                    const QChar c = data[i];
                    if (c == QLatin1Char('"')) {
                        if (i + 1 < size && data[i + 1] == QLatin1Char('"')) {
                            field += c;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    field += c;
                    ++i;
                }
                // Text after the closing quote belongs to the field as
                // spreadsheets read it ("a"b reads a"b's a and b).
            }
            const qsizetype start = i;
            while (i < size && data[i] != separator && data[i] != QLatin1Char('\n') && data[i] != QLatin1Char('\r'))
                ++i;
            if (i > start)
                field.append(data + start, i - start);
            cells << field;
            if (i >= size) {
                endOfRow = true;
            } else if (data[i] == separator) {
                ++i;
            } else {
                // CRLF, LF or a lone CR ends the row.
                if (data[i] == QLatin1Char('\r') && i + 1 < size && data[i + 1] == QLatin1Char('\n'))
                    ++i;
                ++i;
                endOfRow = true;
            }
        }
        if (!sink(cells, row, i))
            return false;
        ++row;
    }
    return true;
}

CsvTable::Heading CsvTable::findHeading(QStringView text, QChar separator,
                                        const std::function<int(const QStringList&)>& score)
{
    Heading best;
    parse(text, separator, [&](const QStringList& cells, int row, qsizetype) {
        const int known = score(cells);
        if (known > best.score)
            best = {row, known};
        return row < kHeadingSearchRows;
    });
    return best;
}

QChar CsvTable::detectSeparator(QStringView text, const std::function<int(const QStringList&)>& score)
{
    const Heading comma = findHeading(text, QLatin1Char(','), score);
    const Heading semicolon = findHeading(text, QLatin1Char(';'), score);
    if (semicolon.score > comma.score || (semicolon.score == comma.score && semicolon.score > 0 && semicolon.row < comma.row))
        return QLatin1Char(';');
    return QLatin1Char(',');
}
