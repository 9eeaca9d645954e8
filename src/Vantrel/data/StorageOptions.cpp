#include "StorageOptions.h"

#include <Fenwork/GenericDS.h>
#include <Fenwork/TargetPath.h>

#include <algorithm>

namespace {

const QString kShow = QStringLiteral("Show");
const QString kValue = QStringLiteral("Value");

// Each entry is an element holding a Show and a Value, as in the other data
// files; entries with an empty Show or a Value the settings cannot take are
// left out, and so are repeats of a Value already listed.
QVector<ShowValueItem> readDiskSizes(const aptui::GenericDS& list)
{
    QVector<ShowValueItem> sizes;
    for (aptui::GenericDS item = list.FirstChild(); !item.isNull(); item = item.NextSibling()) {
        const QString show = item.GetChildByName(kShow).GetValue().trimmed();
        bool ok = false;
        const double tb = item.GetChildByName(kValue).GetValue().trimmed().toDouble(&ok);
        if (!ok || show.isEmpty() || !(tb > 0.0) || tb > StorageSettings::kMaxDiskTB)
            continue;
        const bool repeated = std::any_of(sizes.cbegin(), sizes.cend(),
                                          [tb](const ShowValueItem& size) { return size.value == tb; });
        if (!repeated)
            sizes.append({show, tb});
    }
    return sizes;
}

QVector<StorageOptions::RaidChoice> readRaidLevels(const aptui::GenericDS& list)
{
    QVector<StorageOptions::RaidChoice> levels;
    for (aptui::GenericDS item = list.FirstChild(); !item.isNull(); item = item.NextSibling()) {
        const QString show = item.GetChildByName(kShow).GetValue().trimmed();
        const auto raid = raidFromName(item.GetChildByName(kValue).GetValue().trimmed());
        if (!raid || show.isEmpty())
            continue;
        const bool repeated = std::any_of(levels.cbegin(), levels.cend(),
                                          [&raid](const StorageOptions::RaidChoice& level) { return level.raid == *raid; });
        if (!repeated)
            levels.append({show, *raid});
    }
    return levels;
}

} // namespace

const QString StorageOptions::kFileName = QStringLiteral("Storage.xml");

StorageOptions::StorageOptions()
    : StorageOptions(aptui::GetTargetPathFile(kFileName))
{
}

StorageOptions::StorageOptions(const QString& path)
{
    load(path);
    if (!m_diskSizesLoaded)
        m_diskSizes = builtInDiskSizes();
    if (!m_raidLevelsLoaded)
        m_raidLevels = builtInRaidLevels();
}

void StorageOptions::load(const QString& path)
{
    aptui::GenericDS xml;
    if (!xml.loadXML(path))
        return;
    m_diskSizes = readDiskSizes(xml.GetChildByName(QStringLiteral("DiskSizes")));
    m_diskSizesLoaded = !m_diskSizes.isEmpty();
    m_raidLevels = readRaidLevels(xml.GetChildByName(QStringLiteral("RaidLevels")));
    m_raidLevelsLoaded = !m_raidLevels.isEmpty();
}

QVector<ShowValueItem> StorageOptions::builtInDiskSizes()
{
    QVector<ShowValueItem> sizes;
    for (const int tb : {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24})
        sizes.append({QStringLiteral("%1 TB").arg(tb), static_cast<double>(tb)});
    return sizes;
}

QVector<StorageOptions::RaidChoice> StorageOptions::builtInRaidLevels()
{
    return {{QStringLiteral("None"), StorageSettings::Raid::None},
            {QStringLiteral("RAID 1"), StorageSettings::Raid::Raid1},
            {QStringLiteral("RAID 5"), StorageSettings::Raid::Raid5},
            {QStringLiteral("RAID 6"), StorageSettings::Raid::Raid6},
            {QStringLiteral("RAID 10"), StorageSettings::Raid::Raid10}};
}
