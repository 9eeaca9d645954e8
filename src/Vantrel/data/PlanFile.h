#pragma once

#include "PlanTypes.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The plan file: UTF-8 JSON with the keys in a fixed order, so files diff
// well and read back the same. A file is taken whole or refused whole: the
// message names the file, the group and the key.
class PlanFile
{
    Q_DECLARE_TR_FUNCTIONS(PlanFile)

public:
    static constexpr int kVersion = 1;
    static constexpr int kMaxCount = 512;
    // The rate field's limit, in kbps.
    static constexpr double kMaxBitrateKbps = 1048576.0;

    struct ReadResult
    {
        bool ok = false;
        PlanData plan;
        QString error;
        // Recovery files only: the plan file the work belonged to.
        QString recoveredFrom;
    };

    static QString suffix() { return QStringLiteral("vantrel"); }
    // recoveredFrom is written for recovery files only; plan readers
    // ignore it like any key they do not know.
    static QByteArray toJson(const PlanData& plan, const QString& recoveredFrom = QString());
    // fileName only names the file in messages.
    static ReadResult fromJson(const QByteArray& json, const QString& fileName);
    static ReadResult read(const QString& path);
    // The old file stays whole unless every byte of the new one was written.
    static bool write(const QString& path, const PlanData& plan, QString* error);

    // "Lobby(3)" of group 3 is stored as the name "Lobby".
    static QString nameWithoutNumber(const StructDeviceItem& group);
};
