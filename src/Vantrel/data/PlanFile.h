#pragma once

#include "GroupRule.h"
#include "PlanTypes.h"
#include "ProgressStep.h"

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
    // The newest version this program reads and writes. A plan that needs
    // nothing of version 2 is written as version 1, byte for byte as before,
    // so older builds still open it.
    static constexpr int kVersion = 2;
    static constexpr int kFirstVersion = 1;
    static constexpr int kMaxCount = GroupRule::kMaxCount;
    static constexpr double kMaxBitrateKbps = GroupRule::kMaxBitrateKbps;

    struct ReadResult
    {
        bool ok = false;
        PlanData plan;
        QString error;
        // Recovery files only: the plan file the work belonged to.
        QString recoveredFrom;
        // The user stopped the reading; error is empty then.
        bool cancelled = false;
    };

    static QString suffix() { return QStringLiteral("vantrel"); }
    // recoveredFrom is written for recovery files only; plan readers
    // ignore it like any key they do not know.
    // Empty when progress cancelled it.
    static QByteArray toJson(const PlanData& plan, const QString& recoveredFrom = QString(),
                             const ProgressStep& progress = {});
    // fileName only names the file in messages. progress hears of every group.
    static ReadResult fromJson(const QByteArray& json, const QString& fileName, const ProgressStep& progress = {});
    static ReadResult read(const QString& path, const ProgressStep& progress = {});
    // The old file stays whole unless every byte of the new one was written.
    // A cancelled write touches no file and returns false with an empty error.
    static bool write(const QString& path, const PlanData& plan, QString* error, const ProgressStep& progress = {});

    // "Lobby(3)" of group 3 is stored as the name "Lobby"; the editor and
    // this file put the number back the same way.
    static QString nameWithoutNumber(const StructDeviceItem& group);
    static QString numberedName(const QString& name, int groupNumber);
    // The version a plan is written as: 2 when it uses a key of version 2.
    static int versionFor(const PlanData& plan);
    // Empty when the plan's switches, recorders and the groups' places fit
    // together (ids unique and within their length, parents and switches
    // that are there and make no loop, every figure in its range);
    // otherwise the refusal a reader of the file would give, naming
    // fileName, the switch, recorder or group and the key.
    static QString networkProblem(const PlanData& plan, const QString& fileName);
};
