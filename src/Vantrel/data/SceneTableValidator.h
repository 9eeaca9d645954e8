#pragma once

#include "ProgressStep.h"
#include "SceneTableCheck.h"

class DeviceConfigStore;

// Decides, row by row, what an import of a scene CSV would take: a row is
// refused unless its encoding and resolution are in the bitrate tables, its
// rate is one the rate field accepts and its picture is a readable PNG with
// a name that stays inside the picture folder. Nothing is written.
class SceneTableValidator
{
public:
    static constexpr int kMaxRate = 1048576; // kbps, the rate field's limit

    // Against the bitrate tables of the program folder. progress hears of
    // every row; cancelling returns a check with nothing in it but
    // sourcePath and cancelled.
    static SceneTableCheck check(const QString& csvPath, const ProgressStep& progress = {});
    static SceneTableCheck check(const QString& csvPath, const DeviceConfigStore& store,
                                 const ProgressStep& progress = {});
    // The answer of "check-scenes": the check as one line of JSON.
    static QByteArray checkJson(const QString& csvPath);

private:
    static QString refusal(const SceneTable::Row& row, const DeviceConfigStore& store, const QString& tableFolder,
                           SceneTableCheck& check);
    static QString pictureRefusal(const SceneTable::Row& row, const QString& tableFolder, SceneTableCheck& check);
    static QString locatePicture(const QString& picturePath, const QString& tableFolder);
};
