#include <data/PlanReport.h>
#include <report/PdfReportWriter.h>
#include <report/XlsxReportWriter.h>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

// A large site's report as a PDF (laid out, paged, drawn) at 1,000 and
// 10,000 groups, and as a workbook written to disk. Each PDF page costs the
// same, so 10,000 groups take about ten times what 1,000 take;
// bench/report_vs_peer.sh times whole processes against a peer.

namespace {

PlanData largePlan(int groups)
{
    PlanData plan;
    plan.siteName = QStringLiteral("Logistics park");
    plan.storage.raid = StorageSettings::Raid::Raid6;
    for (int index = 0; index < groups; ++index) {
        PlanGroup group;
        group.device.groupNumber = index + 1;
        group.device.channelName = QStringLiteral("Hall %1(%1)").arg(index + 1);
        group.device.deviceType = index % 4 == 3 ? QStringLiteral("DVR") : QStringLiteral("IPC");
        group.device.channelCount = 1 + index % 16;
        group.device.streamCount = 1 + index % 2;
        group.device.resolution = QStringLiteral("1080P(1920x1080)");
        group.device.frameRate = QStringLiteral("25");
        group.device.encodingType = QStringLiteral("H.265");
        group.device.bitrate = 1024 + 256 * (index % 13);
        plan.groups.append(group);
    }
    return plan;
}

} // namespace

static void BM_ReportPdf(benchmark::State& state)
{
    const PlanReport report(largePlan(int(state.range(0))), QDate(2024, 5, 17));
    for (auto _ : state) {
        int pages = 0;
        const QByteArray pdf = PdfReportWriter::toPdf(report, &pages);
        benchmark::DoNotOptimize(pdf.size());
        state.counters["pages"] = pages;
    }
}
BENCHMARK(BM_ReportPdf)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

static void BM_ReportWorkbook(benchmark::State& state)
{
    const PlanReport report(largePlan(int(state.range(0))), QDate(2024, 5, 17));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.xlsx"));
    for (auto _ : state) {
        QString error;
        if (!XlsxReportWriter::write(report, path, &error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_ReportWorkbook)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The PDF needs fonts; no window is shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
