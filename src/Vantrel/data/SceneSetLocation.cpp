#include "SceneSetLocation.h"

#include "SceneTable.h"

#include <Fenwork/TargetPath.h>

#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString withSeparator(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
} // namespace

QString SceneSetLocation::writableFolder()
{
    const QString program = aptui::GetTargetPath();
    return chooseWritable(program, QFileInfo(program).isWritable(),
                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString SceneSetLocation::liveFolder()
{
    return chooseLive(writableFolder(), aptui::GetTargetPath());
}

QString SceneSetLocation::tablePath()
{
    return liveFolder() + SceneTable::fileName();
}

QString SceneSetLocation::pictureFolder()
{
    return liveFolder() + SceneTable::pictureFolderName();
}

QString SceneSetLocation::chooseWritable(const QString& programFolder, bool programWritable,
                                         const QString& userFolder)
{
    return withSeparator(programWritable || userFolder.isEmpty() ? programFolder : userFolder);
}

QString SceneSetLocation::chooseLive(const QString& writableFolder, const QString& programFolder)
{
    const QString writable = withSeparator(writableFolder);
    return QFileInfo(writable + SceneTable::fileName()).isFile() ? writable : withSeparator(programFolder);
}
