#pragma once

#include <QString>

// Replaces the program's scene table ("Scene.csv") and copies the pictures
// it names into "ScenePicture". Nothing is lost on failure: the table and
// each picture are written to a temporary file beside the target and put in
// place in one step, so a failed import leaves the old files as they were.
class SceneTableImporter
{
public:
    enum class Outcome {
        Imported,
        Unreadable,      // the chosen file cannot be read
        NotASceneTable,  // empty, binary, or no row with all five fields
        CannotWrite      // the program folder refused the new table
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        int picturesCopied = 0;
        int picturesMissing = 0;
        bool ok() const { return outcome == Outcome::Imported; }
    };

    // Reads the chosen file and, if it is a scene table, installs it.
    static Result importFrom(const QString& sourcePath);

    // The picture file name a row names: the text after the last "/" or "\".
    static QString pictureName(const QString& picturePath);

private:
    static bool replaceFile(const QString& target, const QByteArray& content);
    static QString locatePicture(const QString& picturePath, const QString& tableFolder);
};
