#pragma once

#include "ProgressStep.h"
#include "SceneTableCheck.h"

#include <QString>

// Replaces the program's scene table ("Scene.csv") and its pictures
// ("ScenePicture") with the rows of a chosen CSV that pass the check; refused
// rows are left out. Nothing is written unless at least one row passes, and
// the switch from the old set to the new one is all or nothing
// (SceneSetInstaller), keeping the old set as a backup.
class SceneTableImporter
{
public:
    enum class Outcome {
        Imported,
        Unreadable,      // the chosen file cannot be read
        NotASceneTable,  // not UTF-8 text, or no row that passes the check
        CannotWrite,     // the program folder refused the new set
        Cancelled        // the user stopped it; the old set is untouched
    };

    struct Result
    {
        Outcome outcome = Outcome::Unreadable;
        int picturesCopied = 0;
        int picturesMissing = 0; // rows whose picture is missing are refused, so always 0
        QString error;           // why, naming the file, line or picture
        bool ok() const { return outcome == Outcome::Imported; }
    };

    // The scene set in use, which an import replaces whole.
    struct InstalledSet
    {
        int scenes = 0;
        int rows = 0;
        int pictures = 0;
    };
    static InstalledSet installed();

    // Looks at the file without writing anything.
    static SceneTableCheck check(const QString& sourcePath, const ProgressStep& progress = {});
    // Installs the accepted rows and their pictures.
    static Result install(const SceneTableCheck& check, const ProgressStep& progress = {});
    // check() and install() in one go, for callers that do not ask first.
    static Result importFrom(const QString& sourcePath);
    // Brings back the table and pictures the program was installed with.
    static Result restoreShipped();

    // The picture file name a row names: the text after the last "/" or "\".
    static QString pictureName(const QString& picturePath);
};
