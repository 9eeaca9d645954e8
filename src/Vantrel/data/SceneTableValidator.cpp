#include "SceneTableValidator.h"

#include "DeviceConfigStore.h"
#include "SceneSetLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("SceneTableValidator", text);
}

bool knownResolution(const DeviceConfigStore& store, const QString& encoding, const QString& resolution)
{
    for (int type : {0, 1}) {
        for (const BitrateEntry& entry : store.getEncodingTable(encoding, type)) {
            if (entry.resolution == resolution)
                return true;
        }
    }
    return false;
}

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool isPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setDecideFormatFromContent(true);
    return reader.format() == "png" && !reader.read().isNull();
}
} // namespace

SceneTableCheck SceneTableValidator::check(const QString& csvPath, const ProgressStep& progress)
{
    const DeviceConfigStore store;
    return check(csvPath, store, progress);
}

QByteArray SceneTableValidator::checkJson(const QString& csvPath)
{
    return check(csvPath).toJson();
}

SceneTableCheck SceneTableValidator::check(const QString& csvPath, const DeviceConfigStore& store,
                                           const ProgressStep& progress)
{
    SceneTableCheck result;
    result.sourcePath = csvPath;
    QFile file(csvPath);
    if (!QFileInfo(csvPath).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.problems.append({0, tr("%1 cannot be read").arg(QDir::toNativeSeparators(csvPath))});
        return result;
    }
    const QByteArray content = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(content);
    if (decoder.hasError() || content.contains('\0')) {
        result.problems.append({0, tr("%1 is not a UTF-8 text file").arg(QDir::toNativeSeparators(csvPath))});
        return result;
    }

    const QString tableFolder = QFileInfo(csvPath).absolutePath();
    const QVector<SceneTable::Row> rows = SceneTable::parse(text);
    // A large site has a scene for every few rows: asking the list whether it
    // holds a scene made the check grow with the square of the rows.
    QSet<QString> knownScenes;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!mayContinue(progress, i, rows.size())) {
            SceneTableCheck cancelled;
            cancelled.sourcePath = csvPath;
            cancelled.cancelled = true;
            return cancelled;
        }
        const SceneTable::Row& row = rows.at(i);
        const QString reason = refusal(row, store, tableFolder, result);
        if (!reason.isEmpty()) {
            result.problems.append({row.line, reason});
            continue;
        }
        result.rows.append(row);
        if (!knownScenes.contains(row.scene)) {
            knownScenes.insert(row.scene);
            result.scenes.append(row.scene);
        }
    }
    mayContinue(progress, rows.size(), rows.size());
    if (result.rows.isEmpty() && result.problems.isEmpty())
        result.problems.append({0, tr("the file holds no scene rows")});
    return result;
}

// The first thing wrong with the row, field by field; empty when it may be
// imported.
QString SceneTableValidator::refusal(const SceneTable::Row& row, const DeviceConfigStore& store,
                                     const QString& tableFolder, SceneTableCheck& check)
{
    if (!row.isComplete())
        return tr("%1 fields, expected 5 (scene, encoding, resolution, rate, picture)").arg(row.fieldCount);
    if (row.scene.isEmpty() || hasControlCharacter(row.scene))
        return tr("scene '%1' is empty or holds control characters").arg(row.scene);
    if (!store.getEncodeTypes().contains(row.encoding))
        return tr("encoding '%1' is not one of %2").arg(row.encoding, store.getEncodeTypes().join(QStringLiteral(", ")));
    if (!knownResolution(store, row.encoding, row.resolution))
        return tr("resolution '%1' is not in the %2 bitrate table").arg(row.resolution, row.encoding);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,7}$"));
    const int rate = digits.match(row.bitrate).hasMatch() ? row.bitrate.toInt() : 0;
    if (rate < 1 || rate > kMaxRate)
        return tr("rate '%1' is not a whole number from 1 to %2").arg(row.bitrate).arg(kMaxRate);
    return pictureRefusal(row, tableFolder, check);
}

QString SceneTableValidator::pictureRefusal(const SceneTable::Row& row, const QString& tableFolder,
                                            SceneTableCheck& check)
{
    const QString name = row.pictureName();
    if (name.isEmpty() || name.contains(QLatin1String("..")) || name.contains(QLatin1Char(':'))
        || hasControlCharacter(name) || name.trimmed() != name)
        return tr("picture name '%1' is not a plain file name").arg(row.picture);
    if (QFileInfo(name).suffix() != QLatin1String("png"))
        return tr("picture %1 does not end in .png").arg(name);
    const QString source = locatePicture(row.picture, tableFolder);
    if (source.isEmpty())
        return tr("picture %1 not found").arg(name);
    const auto known = check.pictures.constFind(name);
    if (known != check.pictures.constEnd()) {
        if (QFileInfo(*known) != QFileInfo(source))
            return tr("picture name %1 is already taken by another file").arg(name);
        return QString();
    }
    if (!isPng(source))
        return tr("picture %1 is not a PNG image").arg(QDir::toNativeSeparators(source));
    check.pictures.insert(name, source);
    return QString();
}

// A table filled in on another machine names pictures by paths of that
// machine; the pictures usually travel beside the table, so look there too,
// and last among the pictures the program already has, so a table can reuse
// them without copies.
QString SceneTableValidator::locatePicture(const QString& picturePath, const QString& tableFolder)
{
    const QString name = SceneTable::pictureFileName(picturePath);
    const QStringList candidates = {
        QDir(tableFolder).filePath(picturePath),
        QDir(tableFolder).filePath(name),
        SceneSetLocation::pictureFolder() + QLatin1Char('/') + name,
    };
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile())
            return info.absoluteFilePath();
    }
    return QString();
}
