#include "DeviceAddPage/DeviceAddPage.h"
#include "DeviceListWidget/DeviceListWidget.h"
#include "PlanDocument.h"

#include <edit/PlanEditor.h>

#include <data/BandwidthTotal.h>

#include <DeviceGroupBuilder.h>

#include <benchmark/benchmark.h>

#include <QApplication>

#include <memory>

// Figures for a long device list: the page must stay responsive with 1,000
// groups, each shown as its own card widget. Every timed step includes the
// event processing that lays the list out and paints it.

namespace {

constexpr int kGroups = 1000;

StructDeviceItem makeGroup(int number)
{
    const bool dvr = number % 3 == 0;
    return DeviceGroupBuilder(dvr ? QStringLiteral("DVR") : QStringLiteral("IPC"), QStringLiteral("Channel Name"), number)
        .channels(16, 2)
        .rate(dvr ? 4096 : 4000);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// The plan outlives every page made for it.
PlanDocument& document()
{
    static PlanDocument plan{ QString() };
    return plan;
}

std::unique_ptr<DeviceAddPage> makePage(int groups, int width)
{
    document().editor()->load(PlanData());
    auto page = std::make_unique<DeviceAddPage>();
    page->setDocument(&document());
    page->resize(width, 700);
    page->show();
    QVector<StructDeviceItem> items;
    for (int number = 1; number <= groups; ++number)
        items << makeGroup(number);
    page->onSetDeviceTypeData(items);
    settle();
    return page;
}

void removeLastGroup(DeviceAddPage& page)
{
    auto* list = page.findChild<DeviceListWidget*>();
    QWidget* last = list->cellList().constLast();
    page.onDeleteDeviceItem(last, kGroups);
}

} // namespace

static void BM_BuildPageOf1000Groups(benchmark::State& state)
{
    for (auto _ : state) {
        auto page = makePage(kGroups, 1000);
        benchmark::DoNotOptimize(page->getDeviceGroupNumber());
        state.PauseTiming();
        page.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BuildPageOf1000Groups)->Unit(benchmark::kMillisecond)->Iterations(2);

static void BM_AddThe1000thGroup(benchmark::State& state)
{
    auto page = makePage(kGroups - 1, 1000);
    for (auto _ : state) {
        page->onAddDeviceTypeItem(makeGroup(kGroups));
        settle();
        state.PauseTiming();
        removeLastGroup(*page);
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddThe1000thGroup)->Unit(benchmark::kMillisecond);

static void BM_DeleteFrom1000Groups(benchmark::State& state)
{
    auto page = makePage(kGroups - 1, 1000);
    for (auto _ : state) {
        state.PauseTiming();
        page->onAddDeviceTypeItem(makeGroup(kGroups));
        settle();
        state.ResumeTiming();
        removeLastGroup(*page);
        settle();
    }
}
BENCHMARK(BM_DeleteFrom1000Groups)->Unit(benchmark::kMillisecond);

static void BM_SwitchStandardOf1000Groups(benchmark::State& state)
{
    auto page = makePage(kGroups, 1000);
    bool toNtsc = true;
    for (auto _ : state) {
        page->onFrametareStandardChanged(toNtsc ? NTSC : PAL);
        settle();
        toNtsc = !toNtsc;
    }
}
BENCHMARK(BM_SwitchStandardOf1000Groups)->Unit(benchmark::kMillisecond);

// From one row to two rows per card and back: every card rearranges.
static void BM_ResizeListOf1000Groups(benchmark::State& state)
{
    auto page = makePage(kGroups, 1000);
    bool narrow = true;
    for (auto _ : state) {
        page->resize(narrow ? 800 : 1000, 700);
        settle();
        narrow = !narrow;
    }
}
BENCHMARK(BM_ResizeListOf1000Groups)->Unit(benchmark::kMillisecond);

// What the capacity page asks for after "clear all channels".
static void BM_ClearPageOf1000Groups(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto page = makePage(kGroups, 1000);
        state.ResumeTiming();
        page->clearDeviceItems();
        settle();
        state.PauseTiming();
        page.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClearPageOf1000Groups)->Unit(benchmark::kMillisecond)->Iterations(2);

static void BM_BandwidthTotalOf1000Groups(benchmark::State& state)
{
    for (auto _ : state) {
        BandwidthTotal total;
        for (int group = 0; group < kGroups; ++group)
            total.add(16.0 * 4096.0 * 2.0);
        benchmark::DoNotOptimize(total.text());
        benchmark::DoNotOptimize(total.unit());
    }
}
BENCHMARK(BM_BandwidthTotalOf1000Groups);

static void BM_BandwidthTotalText(benchmark::State& state)
{
    double sum = 734003.8;
    for (auto _ : state) {
        const BandwidthTotal total(sum);
        benchmark::DoNotOptimize(total.text());
        sum += 1.0;
    }
}
BENCHMARK(BM_BandwidthTotalText);

int main(int argc, char** argv)
{
    // Widgets need a platform; measuring them needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
