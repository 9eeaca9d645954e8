#include "DeviceConfigStore.h"

#include "BitrateTableCheck.h"
#include "SceneSetLocation.h"
#include "SceneTable.h"
#include "ShowValueListCheck.h"

#include <Fenwork/TargetPath.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString kIpcXml = QStringLiteral("IPCBitrateConfig.xml");
const QString kDvrXml = QStringLiteral("DVRBitrateConfig.xml");
const QString kFrameXml = QStringLiteral("Frame.xml");
const QString kConnectionXml = QStringLiteral("NetworkConnection.xml");
const QString kIpcFolder = QStringLiteral("IPCBitrate");
const QString kDvrFolder = QStringLiteral("DVRBitrate");
const QString kDefaultEncoding = QStringLiteral("H.264");

QStringList splitFields(const QString& line)
{
    return line.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

QString picturePath(const SceneTable::Row& row)
{
    return SceneSetLocation::pictureFolder() + QLatin1Char('/') + row.pictureName();
}

void appendUnique(QStringList& list, const QString& value)
{
    if (!list.contains(value))
        list.append(value);
}

} // namespace

QString DeviceConfigStore::pictureFileName(const QString& picturePath)
{
    return SceneTable::pictureFileName(picturePath);
}

DeviceConfigStore::DeviceConfigStore()
{
    ipcXmlPath = aptui::GetTargetPathFile(kIpcXml);
    dvrXmlPath = aptui::GetTargetPathFile(kDvrXml);
    frameXmlPath = aptui::GetTargetPathFile(kFrameXml);
    connectionXmlPath = aptui::GetTargetPathFile(kConnectionXml);
    currentEncoding = kDefaultEncoding;

    loadXmlFiles();
    loadEncodingTables();
    loaded = true;
}

void DeviceConfigStore::loadXmlFiles()
{
    // Each file stands on its own: one that fails is reported and leaves only
    // its own lists empty.
    loadBitrateXml(ipcXmlPath, kIpcXml, ipcDefaultTable);
    loadBitrateXml(dvrXmlPath, kDvrXml, dvrDefaultTable);
    loadFrameXml();
    loadConnectionXml();
}

bool DeviceConfigStore::loadXml(const QString& path, const QString& name)
{
    if (xml.loadXML(path))
        return true;
    problems.append({name, 0, tr("the file is missing or is not well-formed XML")});
    return false;
}

bool DeviceConfigStore::loadBitrateXml(const QString& path, const QString& name, QVector<BitrateEntry>& table)
{
    if (!loadXml(path, name))
        return false;
    BitrateTableCheck check(name, &problems);
    for (aptui::GenericDS item = xml.FirstChild(); !item.isNull(); item = item.NextSibling()) {
        check.addRow(item.GetChildByName(QStringLiteral("Resolution")).GetValue(),
                     item.GetChildByName(QStringLiteral("Bitrate")).GetValue(), item.LineNumber());
    }
    table = check.table();
    return true;
}

bool DeviceConfigStore::loadFrameXml()
{
    if (!loadXml(frameXmlPath, kFrameXml))
        return false;
    const auto readList = [this](const QString& name, QStringList& names, QVector<ShowValueItem>& table) {
        ShowValueListCheck check(kFrameXml, kMaxFrameRate, &problems);
        const aptui::GenericDS list = xml.GetChildByName(name);
        for (aptui::GenericDS item = list.FirstChild(); !item.isNull(); item = item.NextSibling()) {
            check.addItem(item.GetChildByName(QStringLiteral("Show")).GetValue(),
                          item.GetChildByName(QStringLiteral("Value")).GetValue(), item.LineNumber());
        }
        table = check.items();
        for (const ShowValueItem& item : table)
            names.append(item.show);
    };
    readList(QStringLiteral("NTSC"), ntscFrameNames, ntscFrameTable);
    readList(QStringLiteral("PAL"), palFrameNames, palFrameTable);
    return true;
}

bool DeviceConfigStore::loadConnectionXml()
{
    if (!loadXml(connectionXmlPath, kConnectionXml))
        return false;
    for (aptui::GenericDS type = xml.FirstChild(); !type.isNull(); type = type.NextSibling()) {
        const QString name = type.GetChildByName(QStringLiteral("ConnectionType")).GetValue();
        // The link box finds a type by its name: a second type of that name
        // would hide the first one's bandwidths.
        if (connectionTypes.contains(name)) {
            problems.append({kConnectionXml, type.LineNumber(), tr("the link type %1 is listed twice; the first "
                                                                   "one is kept").arg(name)});
            continue;
        }
        ShowValueListCheck check(kConnectionXml, kMaxLinkMbps, &problems);
        // The first child names the type; the bandwidths follow it.
        for (aptui::GenericDS item = type.FirstChild().NextSibling(); !item.isNull(); item = item.NextSibling()) {
            check.addItem(item.GetChildByName(QStringLiteral("Show")).GetValue(),
                          item.GetChildByName(QStringLiteral("Value")).GetValue(), item.LineNumber());
        }
        connectionTypes.insert(name, check.items());
    }
    return true;
}

QMap<QString, QVector<BitrateEntry>> DeviceConfigStore::loadEncodingFolder(const QString& folderName, QStringList* names)
{
    QMap<QString, QVector<BitrateEntry>> tables;
    const QDir folder(aptui::GetTargetPathFile(folderName));
    if (!folder.exists()) {
        problems.append({folderName, 0, tr("the folder of bitrate tables is missing")});
        return tables;
    }
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        const QString name = folderName + QLatin1Char('/') + info.fileName();
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            problems.append({name, 0, tr("the file cannot be read")});
            continue;
        }
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        BitrateTableCheck check(name, &problems);
        QString line;
        int lineNumber = 0;
        while (in.readLineInto(&line)) {
            ++lineNumber;
            if (line.isEmpty())
                continue;
            const QStringList fields = splitFields(line);
            if (fields.size() < 2) {
                problems.append({name, lineNumber, tr("the line has no rate after a comma")});
                continue;
            }
            check.addRow(fields.at(0), fields.at(1), lineNumber);
        }
        const QString encoding = info.completeBaseName();
        tables.insert(encoding, check.table());
        if (names)
            names->append(encoding);
    }
    return tables;
}

void DeviceConfigStore::loadEncodingTables()
{
    ipcEncodingTables = loadEncodingFolder(kIpcFolder, &encodingTypes);
    dvrEncodingTables = loadEncodingFolder(kDvrFolder, nullptr);
    // The folder tables are the reference: they replace what the XML files gave.
    ipcDefaultTable = ipcEncodingTables.value(currentEncoding);
    dvrDefaultTable = dvrEncodingTables.value(currentEncoding);
}

bool DeviceConfigStore::getResolutions(QStringList& out, int type) const
{
    const bool ipc = deviceKindFromDefaultTableCode(type) == DeviceKind::Ipc;
    const QVector<BitrateEntry>& table = ipc ? ipcDefaultTable : dvrDefaultTable;
    for (const BitrateEntry& entry : table)
        out.append(entry.resolution);
    return true;
}

QStringList DeviceConfigStore::getFrameRateTexts(VideoStandard standard) const
{
    return standard == PAL ? palFrameNames : ntscFrameNames;
}

double DeviceConfigStore::getFrameRateValue(const QString& show, int standard) const
{
    if (standard != PAL && standard != NTSC)
        return 0.0;
    for (const ShowValueItem& item : getFrameRateTable(standard)) {
        if (item.show == show)
            return item.value;
    }
    return 0.0;
}

QVector<ShowValueItem> DeviceConfigStore::getFrameRateTable(int standard) const
{
    if (standard == PAL)
        return palFrameTable;
    if (standard == NTSC)
        return ntscFrameTable;
    return {};
}

QStringList DeviceConfigStore::getEncodeTypes() const
{
    return encodingTypes;
}

QVector<BitrateEntry> DeviceConfigStore::getEncodingTable(const QString& encoding, int type) const
{
    const std::optional<DeviceKind> kind = deviceKindFromEncodingCode(type);
    if (!kind)
        return {};
    return (*kind == DeviceKind::Ipc ? ipcEncodingTables : dvrEncodingTables).value(encoding);
}

void DeviceConfigStore::setCurrentEncoding(const QString& encoding)
{
    currentEncoding = encoding;
}

int DeviceConfigStore::getDefaultEncodingBitrate(const QString& resolution, int type) const
{
    const bool ipc = deviceKindFromDefaultTableCode(type) == DeviceKind::Ipc;
    const auto& tables = ipc ? ipcEncodingTables : dvrEncodingTables;
    const auto table = tables.constFind(currentEncoding);
    if (table == tables.constEnd())
        return 0;
    for (const BitrateEntry& entry : *table) {
        if (entry.resolution == resolution)
            return entry.bitrate;
    }
    return 0;
}

void DeviceConfigStore::getConnectionTypes(QStringList& out) const
{
    out.append(connectionTypes.keys());
}

QVector<ShowValueItem> DeviceConfigStore::getConnectionBandwidths(const QString& type) const
{
    return connectionTypes.value(type);
}

double DeviceConfigStore::getConnectionBandwidth(const QString& type, const QString& show) const
{
    const auto items = connectionTypes.constFind(type);
    if (items == connectionTypes.constEnd())
        return 0.0;
    for (const ShowValueItem& item : *items) {
        if (item.show == show)
            return item.value;
    }
    return 0.0;
}

DeviceConfigStore::SceneScan DeviceConfigStore::scanScenes(const SceneRowVisitor& visit, bool acceptShortRows) const
{
    QVector<SceneTable::Row> rows;
    // Where the table is may change with an import, so it is asked each time.
    if (!SceneTable::read(SceneSetLocation::tablePath(), rows))
        return SceneScan::Unreadable;
    for (const SceneTable::Row& row : std::as_const(rows)) {
        if (!row.isComplete() && !acceptShortRows)
            return SceneScan::ShortRow;
        if (!visit(row))
            return SceneScan::Stopped;
    }
    return SceneScan::Finished;
}

bool DeviceConfigStore::getScenceNames(QStringList& out) const
{
    const SceneScan result = scanScenes([&out](const SceneTable::Row& row) {
        appendUnique(out, row.scene);
        return true;
    }, true);
    return result != SceneScan::Unreadable;
}

bool DeviceConfigStore::getScenceResolutions(const QString& scene, QStringList& out) const
{
    const SceneScan result = scanScenes([&](const SceneTable::Row& row) {
        if (row.scene == scene)
            appendUnique(out, row.resolution);
        return true;
    }, false);
    return result == SceneScan::Finished;
}

bool DeviceConfigStore::getScenceEncodeTypes(const QString& scene, const QString& resolution, QStringList& out) const
{
    const SceneScan result = scanScenes([&](const SceneTable::Row& row) {
        if (row.scene == scene && row.resolution == resolution)
            appendUnique(out, row.encoding);
        return true;
    }, false);
    return result == SceneScan::Finished;
}

QString DeviceConfigStore::getScencePicture(const QString& scene, const QString& encoding, const QString& resolution) const
{
    QString match;
    QString fallback;
    const SceneScan result = scanScenes([&](const SceneTable::Row& row) {
        if (row.scene != scene)
            return true;
        if (row.encoding == encoding && row.resolution == resolution) {
            match = picturePath(row);
            return false;
        }
        fallback = picturePath(row);
        return true;
    }, false);
    switch (result) {
    case SceneScan::Stopped:
        return match;
    case SceneScan::Finished:
        return fallback;
    case SceneScan::ShortRow:
    case SceneScan::Unreadable:
        break;
    }
    return QString();
}

int DeviceConfigStore::getScenceBitrate(const QString& scene, const QString& encoding, const QString& resolution) const
{
    int bitrate = -1;
    const SceneScan result = scanScenes([&](const SceneTable::Row& row) {
        if (row.scene == scene && row.encoding == encoding && row.resolution == resolution) {
            bitrate = row.bitrateKbps();
            return false;
        }
        return true;
    }, false);
    return result == SceneScan::Stopped ? bitrate : -1;
}
