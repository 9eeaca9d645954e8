// The start's look at what a crashed run left behind. The input is the
// recovery file in a data folder of its own; "@OUTSIDE@" in it stands for a
// file beside that folder. An input that begins with "@LINK@" is instead the
// content of that outside file, and the recovery file is a link to it.
//
// The check may offer only plans with sound figures and may let Save write
// only to a file that holds a plan; it changes nothing outside the data
// folder, and every file it does not offer is kept aside byte for byte, also
// after a clean exit. A snapshot written afterwards replaces a link instead
// of writing through it.

#include "FuzzCheck.h"

#include <data/Plan.h>
#include <data/PlanFile.h>
#include <data/PlanRecovery.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& data)
{
    QFile file(path);
    FuzzCheck::require(file.open(QIODevice::WriteOnly) && file.write(data) == data.size(), "test file written");
}

QStringList keptAside(const QDir& data)
{
    return data.entryList({ QStringLiteral("recovery-unreadable-*.vantrel") },
                          QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_recovery_check";
    static char* argv[] = { name, nullptr };
    static QCoreApplication app(argc, argv);

    QTemporaryDir root;
    FuzzCheck::require(root.isValid() && QDir(root.path()).mkdir(QStringLiteral("data")), "temporary folder");
    const QDir data(root.filePath(QStringLiteral("data")));
    const QString outside = root.filePath(QStringLiteral("outside.vantrel"));
    const QString recoveryPath = data.filePath(QStringLiteral("recovery.vantrel"));

    QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<int>(size));
    input.replace("@OUTSIDE@", outside.toUtf8());
    const bool link = input.startsWith("@LINK@");
    QByteArray outsideBytes = "Not a plan: nothing may write here.\n";
    if (link) {
        outsideBytes = input.mid(6);
        put(outside, outsideBytes);
        FuzzCheck::require(QFile::link(outside, recoveryPath), "link made");
    } else {
        put(outside, outsideBytes);
        put(recoveryPath, input);
    }
    const auto outsideUntouched = [&] {
        FuzzCheck::require(contents(outside) == outsideBytes, "the file outside the data folder is unchanged");
        FuzzCheck::require(QDir(root.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden
                                                       | QDir::NoDotAndDotDot)
                               == QStringList({ QStringLiteral("data"), QStringLiteral("outside.vantrel") }),
                           "nothing new beside the data folder");
    };

    Plan plan;
    PlanRecovery recovery(&plan, recoveryPath);
    const PlanRecovery::Leftover leftover = recovery.check();
    outsideUntouched();

    const PlanFile::ReadResult asPlan = PlanFile::fromJson(input, QStringLiteral("recovery.vantrel"));
    if (link) {
        FuzzCheck::require(!leftover.found, "a link is never read as a plan");
    } else {
        FuzzCheck::require(leftover.found == asPlan.ok, "offered exactly when the file reads as a plan");
    }
    if (leftover.found) {
        FuzzCheck::totalsAndStorage(leftover.plan.groups, leftover.plan.storage);
        FuzzCheck::require(contents(recoveryPath) == input, "an offered file stays until the user answers");
        FuzzCheck::require(leftover.named.isEmpty() || QFileInfo(leftover.named).isAbsolute(),
                           "shown path is absolute");
        for (const QChar c : leftover.named)
            FuzzCheck::require(c.category() != QChar::Other_Control && c.category() != QChar::Other_Format,
                               "shown path has no control characters");
        FuzzCheck::require(leftover.saveTo.isEmpty()
                               || (leftover.saveTo == leftover.named && PlanFile::read(leftover.saveTo).ok),
                           "Save is bound only to a shown file that holds a plan");
        FuzzCheck::require(leftover.saveTo != outside, "Save is never bound to a file that is not a plan");
    } else {
        const QStringList kept = keptAside(data);
        FuzzCheck::require(kept.size() == 1 && leftover.setAside.size() == 1, "the refused file is kept aside");
        const QFileInfo keptInfo(data.filePath(kept.at(0)));
        FuzzCheck::require(keptInfo.absoluteFilePath() == QFileInfo(leftover.setAside.at(0).keptAs).absoluteFilePath(),
                           "the notice names where it is kept");
        if (link)
            FuzzCheck::require(keptInfo.isSymLink(), "a link is kept as the link");
        else
            FuzzCheck::require(contents(keptInfo.filePath()) == input, "the refused file is kept byte for byte");
        FuzzCheck::require(!leftover.setAside.at(0).problem.isEmpty(), "the notice says why");
        FuzzCheck::require(!QFileInfo(recoveryPath).exists() && !QFileInfo(recoveryPath).isSymLink(),
                           "nothing is left at the recovery file's place");
    }

    // The next snapshot, with a link put back at the recovery file's place.
    if (leftover.found)
        plan.resetAll(leftover.plan);
    if (link && !QFileInfo(recoveryPath).isSymLink())
        FuzzCheck::require(QFile::link(outside, recoveryPath), "link made again");
    recovery.setSourcePath(leftover.saveTo);
    recovery.flush();
    outsideUntouched();
    FuzzCheck::require(!recovery.isFailing(), "the snapshot is written");
    FuzzCheck::require(QFileInfo(recoveryPath).isFile() && !QFileInfo(recoveryPath).isSymLink(),
                       "the snapshot is a file of its own");
    const PlanFile::ReadResult snapshot = PlanFile::read(recoveryPath);
    FuzzCheck::require(snapshot.ok && snapshot.plan.groups.size() == plan.groupCount(), "the snapshot reads back");

    // A clean exit takes the snapshot, never what was kept aside.
    const QStringList keptBefore = keptAside(data);
    recovery.discard();
    FuzzCheck::require(!QFileInfo::exists(recoveryPath), "a clean exit leaves no recovery file");
    FuzzCheck::require(keptAside(data) == keptBefore, "a clean exit keeps what was set aside");
    outsideUntouched();
    return 0;
}
