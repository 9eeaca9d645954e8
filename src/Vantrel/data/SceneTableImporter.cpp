#include "SceneTableImporter.h"

#include "DeviceConfigStore.h"

#include <Fenwork/TargetPath.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>

namespace {
constexpr int kSceneFields = 5;

QStringList dataRows(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty())
        lines.removeFirst(); // the header
    QStringList rows;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.isEmpty())
            rows.append(line);
    }
    return rows;
}
} // namespace

QString SceneTableImporter::pictureName(const QString& picturePath)
{
    // The rows must land where the store will look for them.
    return DeviceConfigStore::pictureFileName(picturePath);
}

bool SceneTableImporter::replaceFile(const QString& target, const QByteArray& content)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// A table filled in on another machine names pictures by paths of that
// machine; the pictures usually travel beside the table, so look there too.
QString SceneTableImporter::locatePicture(const QString& picturePath, const QString& tableFolder)
{
    const QFileInfo given(QDir(tableFolder), picturePath);
    if (given.isFile())
        return given.absoluteFilePath();
    const QFileInfo beside(QDir(tableFolder), pictureName(picturePath));
    if (beside.isFile())
        return beside.absoluteFilePath();
    return QString();
}

SceneTableImporter::Result SceneTableImporter::importFrom(const QString& sourcePath)
{
    Result result;
    QFile source(sourcePath);
    if (!QFileInfo(sourcePath).isFile() || !source.open(QIODevice::ReadOnly)) {
        result.outcome = Outcome::Unreadable;
        return result;
    }
    const QByteArray content = source.readAll();
    source.close();

    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(content);
    if (decoder.hasError() || content.contains('\0')) {
        result.outcome = Outcome::NotASceneTable;
        return result;
    }
    const QStringList rows = dataRows(text);
    const bool hasCompleteRow = std::any_of(rows.cbegin(), rows.cend(), [](const QString& row) {
        return row.split(QLatin1Char(','), Qt::KeepEmptyParts).size() >= kSceneFields;
    });
    if (!hasCompleteRow) {
        result.outcome = Outcome::NotASceneTable;
        return result;
    }

    if (!replaceFile(aptui::GetTargetPathFile(QStringLiteral("Scene.csv")), content)) {
        result.outcome = Outcome::CannotWrite;
        return result;
    }
    result.outcome = Outcome::Imported;

    const QString pictureFolder = aptui::GetTargetPathFile(QStringLiteral("ScenePicture"));
    QDir().mkpath(pictureFolder);
    const QString tableFolder = QFileInfo(sourcePath).absolutePath();
    QStringList copied;
    for (const QString& row : rows) {
        const QStringList fields = row.split(QLatin1Char(','), Qt::KeepEmptyParts);
        if (fields.size() < kSceneFields)
            continue;
        const QString name = pictureName(fields.at(4));
        // Names that would leave the picture folder are never written.
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (copied.contains(name))
            continue;
        const QString from = locatePicture(fields.at(4), tableFolder);
        QFile picture(from);
        if (from.isEmpty() || !picture.open(QIODevice::ReadOnly)) {
            ++result.picturesMissing;
            continue;
        }
        if (replaceFile(pictureFolder + QLatin1Char('/') + name, picture.readAll())) {
            copied.append(name);
            ++result.picturesCopied;
        } else {
            ++result.picturesMissing;
        }
    }
    return result;
}
