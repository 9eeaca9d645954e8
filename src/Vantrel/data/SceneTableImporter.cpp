#include "SceneTableImporter.h"

#include "SceneSetInstaller.h"
#include "SceneSetLocation.h"
#include "SceneTable.h"
#include "SceneTableValidator.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QFile>
#include <QFileInfo>

QString SceneTableImporter::pictureName(const QString& picturePath)
{
    return SceneTable::pictureFileName(picturePath);
}

SceneTableImporter::InstalledSet SceneTableImporter::installed()
{
    InstalledSet set;
    QVector<SceneTable::Row> rows;
    if (SceneTable::read(SceneSetLocation::tablePath(), rows)) {
        QSet<QString> scenes;
        for (const SceneTable::Row& row : rows)
            scenes.insert(row.scene);
        set.rows = int(rows.size());
        set.scenes = int(scenes.size());
    }
    set.pictures = int(QDir(SceneSetLocation::pictureFolder()).entryList(QDir::Files | QDir::Hidden).size());
    return set;
}

SceneTableCheck SceneTableImporter::check(const QString& sourcePath, const ProgressStep& progress)
{
    return SceneTableValidator::check(sourcePath, progress);
}

SceneTableImporter::Result SceneTableImporter::install(const SceneTableCheck& check, const ProgressStep& progress)
{
    Result result;
    if (!check.canImport()) {
        QFile source(check.sourcePath);
        const bool readable = QFileInfo(check.sourcePath).isFile() && source.open(QIODevice::ReadOnly);
        result.outcome = readable ? Outcome::NotASceneTable : Outcome::Unreadable;
        result.error = check.problems.size() == 1 && check.problems.first().line == 0
            ? check.problems.first().reason
            : QCoreApplication::translate("SceneTableImporter", "No row can be imported: %1")
                  .arg(check.problemSummary());
        return result;
    }
    if (!SceneSetInstaller::install(SceneTable::compose(check.rows), check.pictures, &result.error, progress)) {
        result.outcome = result.error.isEmpty() ? Outcome::Cancelled : Outcome::CannotWrite;
        return result;
    }
    result.outcome = Outcome::Imported;
    result.picturesCopied = int(check.pictures.size());
    return result;
}

SceneTableImporter::Result SceneTableImporter::importFrom(const QString& sourcePath)
{
    return install(check(sourcePath));
}

SceneTableImporter::Result SceneTableImporter::restoreShipped()
{
    Result result;
    result.outcome = SceneSetInstaller::restoreShipped(&result.error) ? Outcome::Imported : Outcome::CannotWrite;
    return result;
}
