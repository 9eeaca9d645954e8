#include "StyleSheetBuilder.h"

#include <Fenwork/File.h>

#include <QDir>
#include <QHash>
#include <QRegularExpression>
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

QString StyleSheetBuilder::withPalette(const QString& sheet)
{
    static const QRegularExpression definition(
        QStringLiteral(R"(^[ \t]*@([A-Za-z][\w-]*)[ \t]*:[ \t]*([^;\n]*?)[ \t]*;[ \t]*$)"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression use(QStringLiteral(R"(@([A-Za-z][\w-]*))"));

    QHash<QString, QString> values;
    for (auto it = definition.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        values.insert(match.captured(1), match.captured(2));
    }
    if (values.isEmpty())
        return sheet;
    QString rules = sheet;
    rules.remove(definition);

    QString result;
    result.reserve(rules.size());
    qsizetype copied = 0;
    for (auto it = use.globalMatch(rules); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const auto value = values.constFind(match.captured(1));
        if (value == values.constEnd())
            continue;
        result += QStringView(rules).mid(copied, match.capturedStart() - copied);
        result += *value;
        copied = match.capturedEnd();
    }
    result += QStringView(rules).mid(copied);
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
