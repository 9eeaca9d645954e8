#pragma once

#include "ProgressStep.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <functional>

// Replaces the scene set (the table "Scene.csv" and the folder
// "ScenePicture") so that readers see either the old set or the new one.
// The new set is staged in "SceneStaging"; renaming that folder to
// "SceneSwitch" is the moment the new set wins. Then the pictures folder and,
// last, the table are moved in, and the old set becomes "SceneBackup". A
// process killed after the moment of the switch leaves "SceneSwitch"
// behind, and recover() finishes the move; one killed before it leaves the
// old set untouched and a staging folder that recover() drops.
// An import holds the lock file "SceneImport.lock" beside these folders from
// its start to its end: recover() leaves the folders of a live import alone,
// and a second import at the same time is refused.
class SceneSetInstaller
{
public:
    enum class Step { Staged, Committed, PicturesSwitched, TableSwitched };
    using StepHook = std::function<void(Step)>;

    static QString stagingFolderName();  // "SceneStaging"
    static QString switchFolderName();   // "SceneSwitch"
    static QString backupFolderName();   // "SceneBackup"
    static QString shippedFolderName();  // "SceneShipped", the set as installed
    static QString importLockName();     // "SceneImport.lock"

    // pictures: file name in "ScenePicture" -> file to copy it from.
    // progress hears of every picture staged; cancelling drops the staging
    // folder, leaves the live set alone and returns false with an empty error.
    static bool install(const QByteArray& table, const QMap<QString, QString>& pictures, QString* error,
                        const ProgressStep& progress = {});
    // Installs the copy of the shipped table and pictures, byte for byte.
    static bool restoreShipped(QString* error);
    // Finishes a switch that was interrupted after its decisive rename, and
    // drops a staging folder that never got there; does nothing while
    // another process imports.
    static bool recover(QString* error = nullptr);

    // Test seam: called as each step is done.
    static void setStepHook(StepHook hook);

private:
    static bool installHeld(const QByteArray& table, const QMap<QString, QString>& pictures, QString* error,
                            const ProgressStep& progress);
    static bool recoverHeld(QString* error);
    static bool stage(const QString& staging, const QByteArray& table, const QMap<QString, QString>& pictures,
                      const ProgressStep& progress,
                      QString* error);
    static bool rollForward(QString* error);
};
