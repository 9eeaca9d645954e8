#pragma once

#include "DeviceTables.h"

#include <Fenwork/GenericDS.h>

#include <QCoreApplication>

#include <memory>

// Reads the device tables of a data folder. shared() reads them once per
// process: every window part and calculator asks for the same tables, and
// a start that read each file once per asker took several times as long.
// A file that changed since (a test, a data update) is read again.
class DeviceTablesLoader
{
    // Its messages are the store's, as the user knows them.
    Q_DECLARE_TR_FUNCTIONS(DeviceConfigStore)

public:
    // The tables of the program folder (aptui::GetTargetPath()).
    static std::shared_ptr<const DeviceTables> shared();
    // The tables of a folder ending in "/", read now.
    static std::shared_ptr<const DeviceTables> load(const QString& folder);

private:
    explicit DeviceTablesLoader(const QString& folder);

    // What tells whether a folder's files changed: the folder, its files'
    // names, sizes and times.
    static QByteArray stamp(const QString& folder);

    void loadXmlFiles();
    void loadEncodingTables();
    bool loadXml(const QString& path, const QString& name);
    bool loadBitrateXml(const QString& path, const QString& name, QVector<BitrateEntry>& table);
    bool loadFrameXml();
    bool loadConnectionXml();
    QMap<QString, QVector<BitrateEntry>> loadEncodingFolder(const QString& folderName, QStringList* names);

    QString m_folder;
    aptui::GenericDS m_xml;
    std::shared_ptr<DeviceTables> m_tables;
};
