#include "Vantrel.h"
#include "PlanDocument.h"
#include "PlanFileController.h"
#include "edit/PlanEditor.h"
#include "ui/CapacityCalculation/CapacityCalculation.h"
#include "ui/DeviceAddPage/CardSelection.h"
#include "ui/DeviceAddPage/DeviceAddPage.h"
#include "ui/DeviceListWidget/DeviceListWidget.h"

#include <Fenwork/TargetPath.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QThreadPool>
#include <QUndoStack>

#include <memory>

// The city example (10,000 groups) in the whole main window: every edit a
// user makes, timed with the layout and painting it causes, and the memory
// the process holds with the plan open and after Clear.

namespace {

QString cityPath()
{
    return aptui::GetTargetPathFile(QStringLiteral("examples/city.vantrel"));
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

std::unique_ptr<Vantrel> makeWindow()
{
    auto window = std::make_unique<Vantrel>();
    PlanFileController::Prompts prompts = window->planFiles()->prompts();
    prompts.saveChoice = [](const QString&) { return PlanFileController::SaveChoice::Discard; };
    prompts.confirm = [](const QString&) { return true; };
    prompts.notice = [](const QString& text) { qFatal("unexpected notice: %s", qPrintable(text)); };
    prompts.progress = [](const QString&) { return ProgressStep(); };
    window->planFiles()->setPrompts(prompts);
    window->resize(1280, 800);
    window->show();
    settle();
    return window;
}

std::unique_ptr<Vantrel> cityWindow()
{
    auto window = makeWindow();
    if (!window->planFiles()->openFile(cityPath()))
        qFatal("cannot open %s", qPrintable(cityPath()));
    settle();
    return window;
}

DeviceAddPage* page(Vantrel& window)
{
    return window.capacityCalculation()->deviceAddPage();
}

PlanEditor* editor(Vantrel& window)
{
    return window.document()->editor();
}

DeviceListWidget* list(Vantrel& window)
{
    return page(window)->findChild<DeviceListWidget*>();
}

void scrollToMiddle(Vantrel& window)
{
    QScrollBar* bar = list(window)->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    settle();
}

PlanGroup groupAt(Vantrel& window, int row)
{
    return editor(window)->plan()->groups().at(row);
}

} // namespace

static void BM_OpenCityPlan(benchmark::State& state)
{
    auto window = makeWindow();
    for (auto _ : state) {
        window->planFiles()->openFile(cityPath());
        settle();
    }
    state.counters["groups"] = page(*window)->getDeviceGroupNumber();
}
BENCHMARK(BM_OpenCityPlan)->Unit(benchmark::kMillisecond);

static void BM_AddToCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    PlanGroup group = groupAt(*window, 0);
    group.device.groupNumber = 10001;
    for (auto _ : state) {
        editor(*window)->addGroup(group);
        settle();
        state.PauseTiming();
        editor(*window)->undoStack()->undo();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddToCityPlan)->Unit(benchmark::kMillisecond);

// A group far from the view: its card may not even exist.
static void BM_DeleteFromCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    for (auto _ : state) {
        editor(*window)->removeGroup(groupAt(*window, 100).device.groupNumber);
        settle();
        state.PauseTiming();
        editor(*window)->undoStack()->undo();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DeleteFromCityPlan)->Unit(benchmark::kMillisecond);

static void BM_EditInCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    const int row = editor(*window)->plan()->groups().size() / 2;
    PlanGroup group = groupAt(*window, row);
    for (auto _ : state) {
        group.device.channelCount = group.device.channelCount % 16 + 1;
        editor(*window)->replaceGroup(group);
        settle();
    }
}
BENCHMARK(BM_EditInCityPlan)->Unit(benchmark::kMillisecond);

// With the Network tab in view: a group moves between two access switches,
// so the check, the tree's rows and the problems list all follow the edit.
static void BM_MoveGroupWithNetworkTabShown(benchmark::State& state)
{
    auto window = cityWindow();
    window->switchNetworkTab();
    settle();
    const PlanNetwork& network = editor(*window)->plan()->network();
    int row = 0;
    while (row < editor(*window)->plan()->groupCount() && groupAt(*window, row).network.switchId.isEmpty())
        ++row;
    PlanGroup group = groupAt(*window, row);
    const QString home = group.network.switchId;
    QString other;
    for (const NetworkSwitch& candidate : network.switches) {
        if (candidate.id != home && !candidate.parent.isEmpty() && candidate.poeBudgetW > 0) {
            other = candidate.id;
            break;
        }
    }
    bool away = true;
    for (auto _ : state) {
        group.network.switchId = away ? other : home;
        editor(*window)->replaceGroup(group);
        settle();
        away = !away;
    }
    state.counters["switches"] = network.switches.size();
    state.counters["recorders"] = network.recorders.size();
}
BENCHMARK(BM_MoveGroupWithNetworkTabShown)->Unit(benchmark::kMillisecond);

// The same tab, after an edit of a switch itself (its uplink).
static void BM_EditSwitchWithNetworkTabShown(benchmark::State& state)
{
    auto window = cityWindow();
    window->switchNetworkTab();
    settle();
    PlanNetwork network = editor(*window)->plan()->network();
    for (auto _ : state) {
        NetworkSwitch& access = network.switches.last();
        access.uplinkMbps = access.uplinkMbps == 1000.0 ? 10000.0 : 1000.0;
        editor(*window)->setNetwork(network);
        settle();
    }
}
BENCHMARK(BM_EditSwitchWithNetworkTabShown)->Unit(benchmark::kMillisecond);

static void BM_UndoEditInCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    const int row = editor(*window)->plan()->groups().size() / 2;
    PlanGroup group = groupAt(*window, row);
    for (auto _ : state) {
        state.PauseTiming();
        group.device.channelCount = group.device.channelCount % 16 + 1;
        editor(*window)->replaceGroup(group);
        settle();
        state.ResumeTiming();
        editor(*window)->undoStack()->undo();
        settle();
    }
}
BENCHMARK(BM_UndoEditInCityPlan)->Unit(benchmark::kMillisecond);

static void BM_SwitchStandardOfCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    bool toNtsc = true;
    for (auto _ : state) {
        page(*window)->onFrametareStandardChanged(toNtsc ? NTSC : PAL);
        settle();
        toNtsc = !toNtsc;
    }
}
BENCHMARK(BM_SwitchStandardOfCityPlan)->Unit(benchmark::kMillisecond);

// Across the width where the cards go from one row to two: every card's
// height changes.
static void BM_ResizeCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    bool narrow = true;
    for (auto _ : state) {
        window->resize(narrow ? 1100 : 1700, 800);
        settle();
        narrow = !narrow;
    }
}
BENCHMARK(BM_ResizeCityPlan)->Unit(benchmark::kMillisecond);

static void BM_ScrollCityPlanByAPage(benchmark::State& state)
{
    auto window = cityWindow();
    QScrollBar* bar = list(*window)->verticalScrollBar();
    for (auto _ : state) {
        if (bar->value() >= bar->maximum())
            bar->setValue(0);
        bar->setValue(bar->value() + bar->pageStep());
        settle();
    }
}
BENCHMARK(BM_ScrollCityPlanByAPage)->Unit(benchmark::kMillisecond);

static void BM_ClearCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    for (auto _ : state) {
        page(*window)->clearDeviceItems();
        settle();
        state.PauseTiming();
        editor(*window)->undoStack()->undo();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClearCityPlan)->Unit(benchmark::kMillisecond);

// All 10,000 groups back from Clear's undo step.
static void BM_UndoClearOfCityPlan(benchmark::State& state)
{
    auto window = cityWindow();
    for (auto _ : state) {
        state.PauseTiming();
        page(*window)->clearDeviceItems();
        settle();
        state.ResumeTiming();
        editor(*window)->undoStack()->undo();
        settle();
    }
}
BENCHMARK(BM_UndoClearOfCityPlan)->Unit(benchmark::kMillisecond);

// A user's pause: the window returns freed memory to the system then.
static void pause()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThreadPool::globalInstance()->waitForDone();
}

// Resident memory in MiB: the empty window, the city plan open, after Clear
// (whose undo step still holds the groups) and after New plan, which drops
// the history too.
static void BM_MemoryOfCityPlan(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = makeWindow();
        const double empty = residentMiB();
        window->planFiles()->openFile(cityPath());
        settle();
        scrollToMiddle(*window);
        const double open = residentMiB();
        page(*window)->clearDeviceItems();
        settle();
        settle();
        // What Clear keeps until the user pauses, and after the pause.
        const double cleared = residentMiB();
        pause();
        const double clearedAndPaused = residentMiB();
        window->planFiles()->newPlan();
        settle();
        settle();
        pause();
        state.counters["empty_MiB"] = empty;
        state.counters["open_MiB"] = open;
        state.counters["cleared_MiB"] = cleared;
        state.counters["cleared_paused_MiB"] = clearedAndPaused;
        state.counters["newPlan_paused_MiB"] = residentMiB();
    }
}
BENCHMARK(BM_MemoryOfCityPlan)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Edit selected..." of 1,000 of the city's groups, once its dialog is
// accepted: the new codec with every rate worked out again, one step of the
// history, the cards and totals of the window following; then its undo.
static void BM_BulkCodecEditOf1000CityGroups(benchmark::State& state)
{
    auto window = cityWindow();
    scrollToMiddle(*window);
    DeviceAddPage* addPage = page(*window);
    const Plan* plan = window->document()->plan();
    // 1,000 rows around the shown middle of the list, chosen with a click
    // and a Shift+click.
    const int first = plan->groupCount() / 2 - 500;
    addPage->selection()->click(plan->groupAt(first).device.groupNumber, Qt::NoModifier);
    addPage->selection()->click(plan->groupAt(first + 999).device.groupNumber, Qt::ShiftModifier);
    if (addPage->selection()->count() != 1000)
        qFatal("chose %d groups", addPage->selection()->count());
    QUndoStack* history = window->document()->editor()->undoStack();
    GroupBulkChange::Fields fields;
    fields.encoding = QStringLiteral("H.264");
    QElapsedTimer undoTimer;
    qint64 undoNs = 0;
    for (auto _ : state) {
        addPage->changeSelected(fields);
        settle();
        undoTimer.start();
        history->undo();
        settle();
        undoNs += undoTimer.nsecsElapsed();
    }
    state.counters["undo_ms"] = benchmark::Counter(double(undoNs) / 1e6, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BulkCodecEditOf1000CityGroups)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
