#include <data/SceneTableImporter.h>
#include <data/SceneTableValidator.h>

#include <TempProgramDir.h>

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

// A scene table of a large site, checked and imported: four rows a scene
// (two encodings, two resolutions), one picture a scene, pictures beside the
// table.

namespace {

QByteArray tinyPng(int seed)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(QRgb(0x102030 + seed)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct GeneratedTable
{
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("scenes.csv"));

    explicit GeneratedTable(int rows)
    {
        static const char* const kinds[][2] = {{"H.264", "720P(1280x720)"},
                                               {"H.264", "1080P(1920x1080)"},
                                               {"H.265", "720P(1280x720)"},
                                               {"H.265", "1080P(1920x1080)"}};
        QByteArray text = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";
        for (int i = 0; i < rows; ++i) {
            const int scene = i / 4;
            const auto& kind = kinds[i % 4];
            text += "Site " + QByteArray::number(scene) + ',' + kind[0] + ',' + kind[1] + ','
                + QByteArray::number(512 + i % 4000) + ",D:\\scenes\\site" + QByteArray::number(scene) + ".png\n";
            if (i % 4 == 0) {
                QFile picture(folder.filePath(QStringLiteral("site%1.png").arg(scene)));
                picture.open(QIODevice::WriteOnly);
                picture.write(tinyPng(scene));
            }
        }
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
};

} // namespace

static void BM_CheckSceneTable(benchmark::State& state)
{
    const TempProgramDir program(TempProgramDir::ShippedData);
    const GeneratedTable table(int(state.range(0)));
    for (auto _ : state) {
        const SceneTableCheck check = SceneTableValidator::check(table.path);
        if (check.rows.size() != state.range(0))
            state.SkipWithError("rows were refused");
    }
}
BENCHMARK(BM_CheckSceneTable)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The check and the import, as "vantrel-cli import-scenes" does them.
static void BM_ImportSceneTable(benchmark::State& state)
{
    const TempProgramDir program(TempProgramDir::ShippedData);
    const GeneratedTable table(int(state.range(0)));
    for (auto _ : state) {
        if (!SceneTableImporter::importFrom(table.path).ok())
            state.SkipWithError("the import failed");
    }
}
BENCHMARK(BM_ImportSceneTable)->Arg(25000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
