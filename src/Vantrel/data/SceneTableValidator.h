#pragma once

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

    // Against the bitrate tables of the program folder.
    static SceneTableCheck check(const QString& csvPath);
    static SceneTableCheck check(const QString& csvPath, const DeviceConfigStore& store);
    // The answer of "check-scenes": the check as one line of JSON.
    static QByteArray checkJson(const QString& csvPath);

private:
    static QString refusal(const SceneTable::Row& row, const DeviceConfigStore& store, const QString& tableFolder,
                           SceneTableCheck& check);
    static QString pictureRefusal(const SceneTable::Row& row, const QString& tableFolder, SceneTableCheck& check);
    static QString locatePicture(const QString& picturePath, const QString& tableFolder);
};
