#pragma once

#include "DataProblem.h"
#include "DeviceTypes.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// The device tables of the data folder as read: the bitrate tables per
// encoding, the frame-rate lists and the link types, and what the reading
// refused. Never changed once read; every store of the process shares one.
struct DeviceTables
{
    QVector<BitrateEntry> dvrDefaultTable;
    QVector<BitrateEntry> ipcDefaultTable;
    QStringList ntscFrameNames;
    QStringList palFrameNames;
    QVector<ShowValueItem> ntscFrameTable;
    QVector<ShowValueItem> palFrameTable;
    QMap<QString, QVector<BitrateEntry>> ipcEncodingTables;
    QMap<QString, QVector<BitrateEntry>> dvrEncodingTables;
    QStringList encodingTypes;
    QMap<QString, QVector<ShowValueItem>> connectionTypes;
    DataProblems problems;
};
