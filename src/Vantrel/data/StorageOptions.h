#pragma once

#include "DeviceTypes.h"
#include "PlanTypes.h"

#include <QString>
#include <QVector>

// The disk sizes and RAID levels the storage settings offer, read once from
// "Storage.xml" in the data folder. An integrator edits that file to offer
// the disks he sells; a list that is missing, unreadable or left without a
// usable entry falls back to the built-in one, so the choices never come up
// empty and the plan defaults stay selectable.
class StorageOptions
{
public:
    struct RaidChoice
    {
        QString show;
        StorageSettings::Raid raid = StorageSettings::Raid::None;
    };

    static const QString kFileName;

    // Reads the file of the data folder.
    StorageOptions();
    explicit StorageOptions(const QString& path);

    // True when both lists came from the file.
    bool isLoaded() const { return m_diskSizesLoaded && m_raidLevelsLoaded; }

    // Show: the text of the choice; value: the size in decimal TB.
    const QVector<ShowValueItem>& diskSizes() const { return m_diskSizes; }
    const QVector<RaidChoice>& raidLevels() const { return m_raidLevels; }

    static QVector<ShowValueItem> builtInDiskSizes();
    static QVector<RaidChoice> builtInRaidLevels();

private:
    void load(const QString& path);

    QVector<ShowValueItem> m_diskSizes;
    QVector<RaidChoice> m_raidLevels;
    bool m_diskSizesLoaded = false;
    bool m_raidLevelsLoaded = false;
};
