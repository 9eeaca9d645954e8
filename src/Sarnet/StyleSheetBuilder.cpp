#include "StyleSheetBuilder.h"

#include <Fenwork/File.h>
#include <Fenwork/WindowSheets.h>

#include <QApplication>
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
    Palette palette;
    return build(appIdWithoutBlanks, &palette);
}

QString StyleSheetBuilder::build(const QString& appIdWithoutBlanks, Palette* palette)
{
    return withPalette(readFolder(toolkitFolder(), QStringLiteral("MacSpecial.qss"))
                           + readFolder(programFolder(appIdWithoutBlanks)),
                       palette);
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

// Takes the definition lines out of `text` into `palette` and the rest to
// `rules`. A definition line is left empty; its line break stays.
void readDefinitions(const QString& text, StyleSheetBuilder::Palette* palette, QString* rules)
{
    // Read by hand rather than with patterns: this runs at every start,
    // before the window, and a pattern engine would be compiled for it alone.
    rules->reserve(rules->size() + text.size());
    const QStringView view(text);
    for (qsizetype lineStart = 0; lineStart <= view.size();) {
        qsizetype lineEnd = view.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = view.size();
        const QStringView line = view.mid(lineStart, lineEnd - lineStart);
        QStringView name;
        QStringView value;
        if (readDefinition(line, &name, &value))
            palette->insert(name.toString(), value.toString());
        else
            *rules += line;
        if (lineEnd < view.size())
            *rules += QLatin1Char('\n');
        lineStart = lineEnd + 1;
    }
}

QString replaceNames(const QString& rules, const StyleSheetBuilder::Palette& palette)
{
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
        const auto known = palette.constFind(name.toString());
        if (known != palette.constEnd()) {
            result += body.mid(copied, at - copied);
            result += *known;
            copied = at + 1 + name.size();
        }
        at += 1 + name.size();
    }
    result += body.mid(copied);
    return result;
}

} // namespace

QString StyleSheetBuilder::withPalette(const QString& sheet)
{
    Palette palette;
    return withPalette(sheet, &palette);
}

QString StyleSheetBuilder::withPalette(const QString& sheet, Palette* palette)
{
    QString rules;
    readDefinitions(sheet, palette, &rules);
    if (palette->isEmpty())
        return sheet;
    return replaceNames(rules, *palette);
}

QString StyleSheetBuilder::readFolder(const QString& folder, const QString& excluded)
{
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (!excluded.isEmpty())
        files.removeAll(excluded);
    return aptui::File::ReadAll(files, folder);
}

QString StyleSheetBuilder::windowFolder(const QString& appIdWithoutBlanks)
{
    return programFolder(appIdWithoutBlanks) + QStringLiteral("Windows/");
}

void StyleSheetBuilder::apply(const QString& appIdWithoutBlanks)
{
    // The window sheets use the colours the application's sheets name.
    Palette palette;
    qApp->setStyleSheet(build(appIdWithoutBlanks, &palette));
    aptui::WindowSheets::setSource([folder = windowFolder(appIdWithoutBlanks), palette](const QString& kind) {
        const QString rules = aptui::File::ReadAll({ kind + QStringLiteral(".qss") }, folder);
        Palette names = palette;
        return rules.isEmpty() ? rules : withPalette(rules, &names);
    });
}

} // namespace apt
