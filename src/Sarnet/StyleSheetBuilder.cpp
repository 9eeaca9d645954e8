#include "StyleSheetBuilder.h"

#include <Fenwork/File.h>

#include <QDir>
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
    return readFolder(toolkitFolder(), QStringLiteral("MacSpecial.qss"))
        + readFolder(programFolder(appIdWithoutBlanks));
}

QString StyleSheetBuilder::readFolder(const QString& folder, const QString& excluded)
{
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (!excluded.isEmpty())
        files.removeAll(excluded);
    return aptui::File::ReadAll(files, folder);
}

} // namespace apt
