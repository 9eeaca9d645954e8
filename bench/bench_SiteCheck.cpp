#include <data/NetworkCheck.h>
#include <data/PlanFile.h>
#include <data/PlanTotals.h>
#include <data/SiteCheck.h>

#include <Fenwork/TargetPath.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>

// The site check of the city example (10,000 groups, 311 switches, 60
// recorders), as the window runs it after every edit and vantrel-cli check
// runs it once, beside the plain totals every edit already paid for.

namespace {

const PlanData& city()
{
    static const PlanData plan = [] {
        const PlanFile::ReadResult read = PlanFile::read(aptui::GetTargetPathFile(QStringLiteral("examples/city.vantrel")));
        if (!read.ok)
            qFatal("cannot open the city: %s", qPrintable(read.error));
        return read.plan;
    }();
    return plan;
}

void BM_SiteCheckCity(benchmark::State& state)
{
    const PlanData& plan = city();
    for (auto _ : state) {
        const SiteCheck check(plan);
        benchmark::DoNotOptimize(check.siteLoadKbps());
    }
    state.counters["switches"] = double(plan.network.switches.size());
    state.counters["recorders"] = double(plan.network.recorders.size());
}
BENCHMARK(BM_SiteCheckCity)->Unit(benchmark::kMillisecond);

void BM_NetworkCheckCity(benchmark::State& state)
{
    const PlanData& plan = city();
    for (auto _ : state) {
        const NetworkCheck check(plan);
        benchmark::DoNotOptimize(check.siteLoadKbps());
    }
}
BENCHMARK(BM_NetworkCheckCity)->Unit(benchmark::kMillisecond);

void BM_CheckJsonCity(benchmark::State& state)
{
    const SiteCheck check(city());
    for (auto _ : state)
        benchmark::DoNotOptimize(check.toJson());
}
BENCHMARK(BM_CheckJsonCity)->Unit(benchmark::kMillisecond);

// The floor: the totals every edit computed before the network.
void BM_PlanTotalsCity(benchmark::State& state)
{
    const PlanData& plan = city();
    for (auto _ : state) {
        const PlanTotals totals(plan.groups);
        benchmark::DoNotOptimize(totals.bandwidth().sum());
    }
}
BENCHMARK(BM_PlanTotalsCity)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
