#include <data/DeviceConfigStore.h>
#include <data/GroupTableReader.h>
#include <report/ReportWriter.h>

#include "PolePlan.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QStringView>
#include <QTemporaryDir>

// A table of 100,000 groups imported, as the report writes it (CSV and
// workbook), beside the floor of any CSV import: reading the file, decoding
// it and finding its lines.

namespace {

constexpr int kGroups = 100000;

// A third of the poles look at a target, so the view's columns travel too.
PlanData bigPlan()
{
    PlanData plan = polePlan(kGroups, QStringLiteral("Region"));
    for (int row = 2; row < plan.groups.size(); row += 3) {
        ViewSettings& view = plan.groups[row].view;
        view.hfovDeg = 90;
        view.distanceM = 12;
        view.required = DetailLevel::Observe;
    }
    return plan;
}

struct Tables
{
    QTemporaryDir folder;
    QString csv = folder.filePath(QStringLiteral("groups.csv"));
    QString xlsx = folder.filePath(QStringLiteral("groups.xlsx"));
    Tables()
    {
        const PlanData plan = bigPlan();
        ReportWriter::writeCsv(plan, csv, nullptr);
        ReportWriter::writeXlsx(plan, xlsx, nullptr);
    }
};

const Tables& tables()
{
    static const Tables made;
    return made;
}

void import(benchmark::State& state, const QString& path)
{
    const DeviceConfigStore store;
    for (auto _ : state) {
        const GroupTableReader::Result result = GroupTableReader::read(path, {store, PAL, PlanNetwork()});
        if (result.groups.size() != kGroups)
            state.SkipWithError("not every row was read");
    }
}

} // namespace

static void BM_ImportCsv100000(benchmark::State& state)
{
    import(state, tables().csv);
}
BENCHMARK(BM_ImportCsv100000)->Unit(benchmark::kMillisecond);

static void BM_ImportXlsx100000(benchmark::State& state)
{
    import(state, tables().xlsx);
}
BENCHMARK(BM_ImportXlsx100000)->Unit(benchmark::kMillisecond);

// The floor: the same CSV read, decoded and cut into lines.
static void BM_CsvLinesFloor100000(benchmark::State& state)
{
    for (auto _ : state) {
        QFile file(tables().csv);
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(file.readAll());
        qsizetype lines = 0;
        for (const QStringView line : QStringView(text).tokenize(u'\n'))
            lines += line.isEmpty() ? 0 : 1;
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_CsvLinesFloor100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
