// Reads a plan file. A plan that opens must give finite, non-negative totals
// and storage figures, and must read back the same after it is written.

#include "FuzzCheck.h"

#include <data/PlanFile.h>

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_plan_file";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const PlanFile::ReadResult read = PlanFile::fromJson(json, QStringLiteral("fuzz.vantrel"));
    if (!read.ok) {
        FuzzCheck::require(!read.error.isEmpty(), "a refused plan says why");
        return 0;
    }
    FuzzCheck::totalsAndStorage(read.plan.groups, read.plan.storage);
    const QByteArray written = PlanFile::toJson(read.plan);
    const PlanFile::ReadResult again = PlanFile::fromJson(written, QStringLiteral("fuzz.vantrel"));
    FuzzCheck::require(again.ok, "a written plan opens again");
    FuzzCheck::require(PlanFile::toJson(again.plan) == written, "a written plan reads back the same");
    return 0;
}
