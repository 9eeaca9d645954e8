// Checks a scene CSV as the update dialog does. A refused import must leave
// the installed scene table and pictures exactly as they were; an accepted
// row must carry a rate the rate field can show.

#include "FuzzCheck.h"
#include "FuzzProgramDir.h"

#include <data/DeviceConfigStore.h>
#include <data/SceneTableImporter.h>
#include <data/SceneTableValidator.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray installedState(const FuzzProgramDir& dir)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QFile table(dir.filePath(QStringLiteral("Scene.csv")));
    if (table.open(QIODevice::ReadOnly))
        hash.addData(table.readAll());
    const QDir pictures(dir.filePath(QStringLiteral("ScenePicture")));
    for (const QString& name : pictures.entryList(QDir::Files, QDir::Name))
        hash.addData(name.toUtf8());
    return hash.result();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_scene_import";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    FuzzProgramDir& dir = FuzzProgramDir::instance();
    static const DeviceConfigStore store;
    // The pictures a fuzzed row may name lie beside the CSV.
    static const bool pictures = [&dir] {
        QDir(dir.filePath(QStringLiteral("ScenePicture"))).mkpath(QStringLiteral("."));
        QDir().mkpath(dir.filePath(QStringLiteral("import")));
        for (const QString& picture : QDir(dir.filePath(QStringLiteral("ScenePicture"))).entryList(QDir::Files))
            QFile::copy(dir.filePath(QStringLiteral("ScenePicture/") + picture),
                        dir.filePath(QStringLiteral("import/") + picture));
        return true;
    }();
    (void)pictures;

    dir.write(QStringLiteral("import/scenes.csv"), QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    const SceneTableCheck check = SceneTableValidator::check(dir.filePath(QStringLiteral("import/scenes.csv")), store);
    for (const SceneTable::Row& row : check.rows) {
        const int rate = row.bitrateKbps();
        FuzzCheck::require(rate >= 1 && rate <= SceneTableValidator::kMaxRate, "accepted scene rate");
    }
    if (!check.canImport()) {
        const QByteArray before = installedState(dir);
        const SceneTableImporter::Result result = SceneTableImporter::install(check);
        FuzzCheck::require(!result.ok(), "refused import reported as done");
        FuzzCheck::require(installedState(dir) == before, "refused import changed the scene set");
    }
    return 0;
}
