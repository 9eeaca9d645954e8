#pragma once

#include "PlanTypes.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class DeviceConfigStore;
class KnownNames;

// A fixed-rate group names its resolution, frame rate and encoding by the
// bitrate tables' names. One the tables do not list could neither be shown
// nor edited (the editor has no entry to select for it), so such a plan is
// refused the way any other out-of-range value is, with the names nearest
// to the unknown one, so the user can see what was meant. Scene groups are
// left alone: the scene table is the user's to replace.
class PlanNameCheck
{
    Q_DECLARE_TR_FUNCTIONS(PlanNameCheck)

public:
    // Empty when every group names only what the tables list; otherwise the
    // first unknown name, as "FILE: group N (NAME): key "K" is "V", not in
    // the data tables; nearest: A, B, C."
    static QString firstUnknown(const PlanData& plan, const DeviceConfigStore& store, const QString& fileName);

    struct UnknownName
    {
        // The plan file's key of the first unknown name; null when all are known.
        const char* key = nullptr;
        QString value;
        // What the tables list for that key.
        QStringList known;
    };
    static UnknownName unknownName(const StructDeviceItem& group, VideoStandard standard, KnownNames& known);

    // Up to count names of known, the closest to name first (by edit distance,
    // ignoring case).
    static QStringList nearest(const QString& name, const QStringList& known, int count = 3);
};
