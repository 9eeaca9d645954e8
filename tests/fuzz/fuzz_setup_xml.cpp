// Loads a shell configuration ("setup.xml") and reads every value the shell
// takes from it.

#include "FuzzCheck.h"

#include <Sarnet/ConfigureManager.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_setup_xml";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("setup.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    apt::ConfigureManager* configuration = apt::ConfigureManager::instance();
    const bool loaded = configuration->load(path);
    FuzzCheck::require(loaded || configuration->count() == 0, "a failed load keeps no items");
    for (int index = 0; index < configuration->count() + 2; ++index)
        configuration->intValue(index);
    configuration->translator();
    configuration->versionType();
    return 0;
}
