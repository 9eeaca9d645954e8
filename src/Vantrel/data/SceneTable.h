#pragma once

#include <QString>
#include <QVector>

// The scene table ("Scene.csv") as the program writes and reads it: a
// header line, then one row per scene, encoding and resolution, fields split
// at every "," with no quoting or trimming. Every reader and writer of the
// table goes through here, so the layout is known in one place.
class SceneTable
{
public:
    static constexpr int kFields = 5;

    struct Row
    {
        int line = 0;       // 1-based line of the file, the header being line 1
        int fieldCount = 0; // fields on the line; only the first five are kept
        QString scene;
        QString encoding;
        QString resolution;
        QString bitrate;    // as written; see bitrateKbps()
        QString picture;    // as written; see pictureName()

        bool isComplete() const { return fieldCount >= kFields; }
        // 0 when the field is not a decimal number.
        int bitrateKbps() const;
        QString pictureName() const { return pictureFileName(picture); }
        // The row as a line of the table, without line end.
        QString text() const;
    };

    static QString fileName();          // "Scene.csv"
    static QString pictureFolderName(); // "ScenePicture"
    static QString header();

    // A row names its picture by a path of the machine where the table was
    // filled in (D:\scene\a.png); only the text after the last "/" or "\"
    // counts.
    static QString pictureFileName(const QString& picturePath);

    // The rows after the header line; empty lines are skipped, a line end of
    // "\r\n" counts as "\n".
    static QVector<Row> parse(const QString& text);
    // False when the file cannot be opened; the text is read as UTF-8. Safe
    // to call from any thread.
    static bool read(const QString& path, QVector<Row>& rows);
    // Header and rows, each line ending in "\n".
    static QByteArray compose(const QVector<Row>& rows);
};
