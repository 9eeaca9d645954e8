// Reads a plan file. A plan that opens must give finite, non-negative totals
// and storage figures, and must read back the same after it is written. A
// refusal says why in a message of bounded size, however large the value it
// refuses; the check of the plan's names against the shipped tables answers
// the same way.

#include "FuzzCheck.h"
#include "FuzzProgramDir.h"

#include <data/DeviceConfigStore.h>
#include <data/PlanFile.h>
#include <data/PlanNameCheck.h>
#include <data/SiteCheck.h>

#include <QCoreApplication>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_plan_file";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static FuzzProgramDir& program = FuzzProgramDir::instance();
    static const DeviceConfigStore store;
    (void)program;
    // Names and values are quoted abbreviated; the rest of a message is text
    // of the program's own.
    constexpr int kLongestMessage = 2000;
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("fuzz.vantrel"));
    if (!read.ok) {
        FuzzCheck::require(!read.error.isEmpty(), "a refused plan says why");
        FuzzCheck::require(read.error.size() < kLongestMessage, "a refusal quotes only the start of a value");
        return 0;
    }
    const QString unknown = PlanNameCheck::firstUnknown(read.plan, store, QStringLiteral("fuzz.vantrel"));
    FuzzCheck::require(unknown.size() < kLongestMessage, "an unknown name is quoted only in part");
    FuzzCheck::totalsAndStorage(read.plan.groups, read.plan.storage);
    // An opened network fits together, and its check gives finite figures.
    FuzzCheck::require(PlanFile::networkProblem(read.plan, QStringLiteral("fuzz.vantrel")).isEmpty(),
                       "an opened plan's network fits together");
    const SiteCheck check(read.plan);
    const auto finite = [](double value) { return std::isfinite(value) && value >= 0.0; };
    FuzzCheck::require(finite(check.siteLoadKbps()), "the site uplink's load is a finite figure");
    FuzzCheck::require(check.switches().size() == read.plan.network.switches.size(), "every switch is checked");
    for (const SwitchFigures& sw : check.switches())
        FuzzCheck::require(finite(sw.loadKbps) && finite(sw.poeW) && sw.portsUsed >= 0, "a switch's figures are finite");
    for (const RecorderFigures& rec : check.recorders())
        FuzzCheck::require(finite(rec.inputKbps) && rec.channelsUsed >= 0, "a recorder's figures are finite");
    const QByteArray written = PlanFile::toJson(read.plan);
    const PlanFile::ReadResult again = PlanFile::fromJson(written, QStringLiteral("fuzz.vantrel"));
    FuzzCheck::require(again.ok, "a written plan opens again");
    FuzzCheck::require(PlanFile::toJson(again.plan) == written, "a written plan reads back the same");
    return 0;
}
