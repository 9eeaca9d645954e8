#include "StyleSheetBuilder.h"

#include <Fenwork/File.h>

#include <QDir>
#include <QHash>
#include <QStringList>

namespace apt {

QString StyleSheetBuilder::toolkitFolder()
{
    return QStringLiteral(":/Fenwork/Qss/Fenwork/");
}

QString StyleSheetBuilder::programFolder(const QString& appIdWithoutBlanks)
{
    return QStringLiteral(":/AppSkin/Qss/") + appIdWithoutBlanks + QLatin1Char('/');
}

QString StyleSheetBuilder::build(const QString& appIdWithoutBlanks)
{
    return withPalette(readFolder(toolkitFolder(), QStringLiteral("MacSpecial.qss"))
                       + readFolder(programFolder(appIdWithoutBlanks)));
}

namespace {

bool isNameStart(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool isNamePart(QChar c)
{
    return isNameStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_')
           || c == QLatin1Char('-');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The "@name" at text[at] (a letter, then letters, digits, "_" or "-"), or
// an empty view.
QStringView nameAt(QStringView text, qsizetype at)
{
    if (at + 1 >= text.size() || text[at] != QLatin1Char('@') || !isNameStart(text[at + 1]))
        return {};
    qsizetype end = at + 2;
    while (end < text.size() && isNamePart(text[end]))
        ++end;
    return text.mid(at + 1, end - at - 1);
}

// A whole line "  @name : value ;  " gives its name and value (blanks
// around the value dropped; it holds no ";").
bool readDefinition(QStringView line, QStringView* name, QStringView* value)
{
    qsizetype at = 0;
    while (at < line.size() && isBlank(line[at]))
        ++at;
    *name = nameAt(line, at);
    if (name->isEmpty())
        return false;
    at += 1 + name->size();
    while (at < line.size() && isBlank(line[at]))
        ++at;
    if (at >= line.size() || line[at] != QLatin1Char(':'))
        return false;
    ++at;
    while (at < line.size() && isBlank(line[at]))
        ++at;
    const qsizetype semicolon = line.indexOf(QLatin1Char(';'), at);
    if (semicolon < 0)
        return false;
    for (qsizetype rest = semicolon + 1; rest < line.size(); ++rest) {
        if (!isBlank(line[rest]))
            return false;
    }
    qsizetype valueEnd = semicolon;
    while (valueEnd > at && isBlank(line[valueEnd - 1]))
        --valueEnd;
    *value = line.mid(at, valueEnd - at);
    return true;
}

} // namespace

QString StyleSheetBuilder::withPalette(const QString& sheet)
{
    // Read by hand rather than with patterns: this runs at every start,
    // before the window, and a pattern engine would be compiled for it alone.
    QHash<QString, QString> values;
    QString rules;
    rules.reserve(sheet.size());
    const QStringView text(sheet);
    for (qsizetype lineStart = 0; lineStart <= text.size();) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView line = text.mid(lineStart, lineEnd - lineStart);
        QStringView name;
        QStringView value;
        // A definition line is left empty; its line break stays.
        if (readDefinition(line, &name, &value))
            values.insert(name.toString(), value.toString());
        else
            rules += line;
        if (lineEnd < text.size())
            rules += QLatin1Char('\n');
        lineStart = lineEnd + 1;
    }
    if (values.isEmpty())
        return sheet;

    QString result;
    result.reserve(rules.size());
    const QStringView body(rules);
    qsizetype copied = 0;
    for (qsizetype at = body.indexOf(QLatin1Char('@')); at >= 0; at = body.indexOf(QLatin1Char('@'), at)) {
        const QStringView name = nameAt(body, at);
        if (name.isEmpty()) {
            ++at;
            continue;
        }
        const auto known = values.constFind(name.toString());
        if (known != values.constEnd()) {
            result += body.mid(copied, at - copied);
            result += *known;
            copied = at + 1 + name.size();
        }
        at += 1 + name.size();
    }
    result += body.mid(copied);
    return result;
}

QString StyleSheetBuilder::readFolder(const QString& folder, const QString& excluded)
{
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (!excluded.isEmpty())
        files.removeAll(excluded);
    return aptui::File::ReadAll(files, folder);
}

} // namespace apt
