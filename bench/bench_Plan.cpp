#include <data/PlanFile.h>

#include "PolePlan.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

// Plans of a city's size: a 10,000-group plan saved and opened, and
// vantrel-cli's totals of it as a whole process, start to exit.

namespace {

PlanData cityPlan(int groups)
{
    return polePlan(groups, QStringLiteral("City"));
}

struct CityFile
{
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("city.vantrel"));
    CityFile() { PlanFile::write(path, cityPlan(10000), nullptr); }
};

} // namespace

static void BM_SavePlan10000(benchmark::State& state)
{
    const PlanData plan = cityPlan(10000);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("city.vantrel"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanFile::write(path, plan, nullptr));
}
BENCHMARK(BM_SavePlan10000)->Unit(benchmark::kMillisecond);

static void BM_OpenPlan10000(benchmark::State& state)
{
    const CityFile city;
    for (auto _ : state) {
        const PlanFile::ReadResult read = PlanFile::read(city.path);
        benchmark::DoNotOptimize(read.plan.groups.size());
    }
}
BENCHMARK(BM_OpenPlan10000)->Unit(benchmark::kMillisecond);

static void BM_CliTotals10000(benchmark::State& state)
{
    const CityFile city;
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/vantrel-cli");
    for (auto _ : state) {
        QProcess process;
        process.start(cli, { QStringLiteral("totals"), city.path });
        process.waitForFinished();
        benchmark::DoNotOptimize(process.exitCode());
    }
}
BENCHMARK(BM_CliTotals10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
