#include <data/DeviceConfigStore.h>
#include <data/EncodingCalculator.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>

// Figures for the shipped tables: how long a store takes to load (five load
// at start-up), one bitrate, and both searches of the encoding tab.

static void BM_StoreConstruction(benchmark::State& state)
{
    for (auto _ : state) {
        DeviceConfigStore store;
        benchmark::DoNotOptimize(store.isLoaded());
    }
}
BENCHMARK(BM_StoreConstruction)->Unit(benchmark::kMillisecond);

static void BM_CalculateBitrate(benchmark::State& state)
{
    EncodingCalculator calculator;
    const QString resolution = QStringLiteral("720P(1280x720)");
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator.calculateBitrate(0, resolution, 25.0));
}
BENCHMARK(BM_CalculateBitrate);

// Bandwidth 0 fits nothing, so the search visits every candidate: the worst case.
static void BM_Search(benchmark::State& state, bool resolutionFirst, double bandwidthMbps)
{
    EncodingCalculator calculator;
    CodeParameter parameter;
    parameter.bandwidth = bandwidthMbps * 1024;
    parameter.streamCount = 1;
    QString resolution;
    QString frameRate;
    for (auto _ : state) {
        const bool found = resolutionFirst
            ? calculator.calculateResolutionFirst(resolution, frameRate, parameter)
            : calculator.calculateFrameRateFirst(resolution, frameRate, parameter);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(BM_Search, ResolutionFirst_NoFit, true, 0.0);
BENCHMARK_CAPTURE(BM_Search, FrameRateFirst_NoFit, false, 0.0);
BENCHMARK_CAPTURE(BM_Search, ResolutionFirst_10Mbps, true, 10.0);
BENCHMARK_CAPTURE(BM_Search, FrameRateFirst_10Mbps, false, 10.0);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
