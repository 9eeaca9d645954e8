#pragma once

#include <QString>

// Where the scene set (the table "Scene.csv" and the folder "ScenePicture")
// lives. A program that may write to its own folder (a build tree, an
// unpacked copy) keeps the set there as it always did. An installed program's
// folder belongs to root: an import then goes to the user's data folder, and
// the set found there is read in preference to the one installed with the
// program, which stays untouched for "Restore shipped scenes".
class SceneSetLocation
{
public:
    // Where an import writes the set and its staging, switch and backup
    // folders; ends in "/".
    static QString writableFolder();
    // Where the set in use is read from; ends in "/".
    static QString liveFolder();
    static QString tablePath();
    static QString pictureFolder();

    // The rules themselves, from what they depend on.
    static QString chooseWritable(const QString& programFolder, bool programWritable, const QString& userFolder);
    // The writable folder once it holds a table (the last part of a switch
    // to arrive), else the program folder.
    static QString chooseLive(const QString& writableFolder, const QString& programFolder);
};
