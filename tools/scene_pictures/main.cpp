// Draws one PNG per picture file that the scene table names:
//   generate_scene_pictures <Scene.csv> <output folder>
// Rows share a picture when they name the same file (all encodings of one
// scene and resolution do); the first row naming a file decides its drawing.

#include "SceneArt.h"

#include <data/SceneTable.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>

namespace {

struct Picture
{
    QString fileName;
    QString sceneName;
    QString resolutionLabel;
    qint64 pixels = 0;
};

void complain(const QString& text)
{
    std::fprintf(stderr, "generate_scene_pictures: %s\n", qPrintable(text));
}

// "1080P(1920x1080)" gives the label 1080P and 2073600 pixels; a name without
// a size in brackets keeps the whole name and 0 pixels.
void parseResolution(const QString& resolution, QString& label, qint64& pixels)
{
    static const QRegularExpression pattern(QStringLiteral("^(.*)\\((\\d+)[xX](\\d+)\\)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(resolution);
    if (match.hasMatch()) {
        label = match.captured(1).trimmed();
        pixels = match.captured(2).toLongLong() * match.captured(3).toLongLong();
    } else {
        label = resolution.trimmed();
        pixels = 0;
    }
}

bool readPictures(const QString& csvPath, QList<Picture>& pictures)
{
    QVector<SceneTable::Row> rows;
    if (!SceneTable::read(csvPath, rows)) {
        complain(QStringLiteral("cannot read %1").arg(csvPath));
        return false;
    }
    QSet<QString> seen;
    for (const SceneTable::Row& row : std::as_const(rows)) {
        if (!row.isComplete()) {
            complain(QStringLiteral("%1:%2: fewer than %3 fields, skipped").arg(csvPath).arg(row.line).arg(SceneTable::kFields));
            continue;
        }
        Picture picture;
        picture.fileName = row.pictureName();
        if (picture.fileName.isEmpty() || picture.fileName == QLatin1String(".")
            || picture.fileName == QLatin1String("..")) {
            complain(QStringLiteral("%1:%2: no picture file name, skipped").arg(csvPath).arg(row.line));
            continue;
        }
        // The scene selector shows only files whose suffix is "png" exactly.
        if (QFileInfo(picture.fileName).suffix() != QLatin1String("png")) {
            complain(QStringLiteral("%1:%2: %3 is not a .png name, skipped").arg(csvPath).arg(row.line).arg(picture.fileName));
            continue;
        }
        if (seen.contains(picture.fileName))
            continue;
        seen.insert(picture.fileName);
        picture.sceneName = row.scene.trimmed();
        parseResolution(row.resolution, picture.resolutionLabel, picture.pixels);
        pictures.append(picture);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Text needs the font database of a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: generate_scene_pictures <Scene.csv> <output folder>\n");
        return 2;
    }
    QList<Picture> pictures;
    if (!readPictures(args.at(1), pictures))
        return 1;
    const QDir outDir(args.at(2));
    if (!QDir().mkpath(outDir.absolutePath())) {
        complain(QStringLiteral("cannot create %1").arg(outDir.absolutePath()));
        return 1;
    }

    int failures = 0;
    for (const Picture& picture : pictures) {
        const QImage image = SceneArt::render(SceneArt::kindFromSceneName(picture.sceneName), picture.sceneName,
                                              picture.resolutionLabel, picture.pixels);
        const QString target = outDir.filePath(picture.fileName);
        if (!image.save(target, "PNG")) {
            complain(QStringLiteral("cannot write %1").arg(target));
            ++failures;
            continue;
        }
        std::printf("%s  %s %s  %lld bytes\n", qPrintable(picture.fileName), qPrintable(picture.sceneName),
                    qPrintable(picture.resolutionLabel), static_cast<long long>(QFileInfo(target).size()));
    }
    std::printf("%lld pictures written to %s\n", static_cast<long long>(pictures.size() - failures),
                qPrintable(outDir.absolutePath()));
    return failures == 0 ? 0 : 1;
}
