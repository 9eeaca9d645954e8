#include "DeviceConfigStore.h"

#include "SceneTable.h"

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

int toIntOrZero(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

double toDoubleOrZero(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

QStringList splitFields(const QString& line)
{
    return line.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

QString picturePath(const SceneTable::Row& row)
{
    return aptui::GetTargetPathFile(SceneTable::pictureFolderName()) + QLatin1Char('/') + row.pictureName();
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
    sceneCsvPath = aptui::GetTargetPathFile(SceneTable::fileName());
    connectionXmlPath = aptui::GetTargetPathFile(kConnectionXml);
    currentEncoding = kDefaultEncoding;

    loadXmlFiles();
    loadEncodingTables();
    loaded = true;
}

void DeviceConfigStore::loadXmlFiles()
{
    // The files depend on each other's presence: the first one that fails to
    // load ends this part, and the later files stay unread.
    loaded = loadBitrateXml(ipcXmlPath, ipcDefaultTable, true);
    if (!loaded)
        return;
    loaded = loadBitrateXml(dvrXmlPath, dvrDefaultTable, false);
    if (!loaded)
        return;
    loaded = loadFrameXml();
    if (!loaded)
        return;
    loaded = loadConnectionXml();
}

bool DeviceConfigStore::loadBitrateXml(const QString& path, QVector<BitrateEntry>& table, bool skipUnnamed)
{
    if (!xml.loadXML(path))
        return false;
    const int count = xml.GetChildrenCount();
    for (int i = 0; i < count; ++i) {
        const aptui::GenericDS item = xml.GetChild(i);
        const QString resolution = item.GetChildByName(QStringLiteral("Resolution")).GetValue();
        if (skipUnnamed && resolution.isEmpty())
            continue;
        table.append({resolution, toIntOrZero(item.GetChildByName(QStringLiteral("Bitrate")).GetValue())});
    }
    return true;
}

bool DeviceConfigStore::loadFrameXml()
{
    if (!xml.loadXML(frameXmlPath))
        return false;
    const auto readList = [this](const QString& name, QStringList& names, QVector<ShowValueItem>& table) {
        const aptui::GenericDS list = xml.GetChildByName(name);
        const int count = list.GetChildrenCount();
        for (int i = 0; i < count; ++i) {
            const aptui::GenericDS item = list.GetChild(i);
            const QString show = item.GetChildByName(QStringLiteral("Show")).GetValue();
            names.append(show);
            table.append({show, toDoubleOrZero(item.GetChildByName(QStringLiteral("Value")).GetValue())});
        }
    };
    readList(QStringLiteral("NTSC"), ntscFrameNames, ntscFrameTable);
    readList(QStringLiteral("PAL"), palFrameNames, palFrameTable);
    return true;
}

bool DeviceConfigStore::loadConnectionXml()
{
    if (!xml.loadXML(connectionXmlPath))
        return false;
    const int typeCount = xml.GetChildrenCount();
    for (int t = 0; t < typeCount; ++t) {
        const aptui::GenericDS type = xml.GetChild(t);
        const QString name = type.GetChildByName(QStringLiteral("ConnectionType")).GetValue();
        QVector<ShowValueItem> items;
        const int count = type.GetChildrenCount();
        for (int i = 1; i < count; ++i) {
            const aptui::GenericDS item = type.GetChild(i);
            items.append({item.GetChildByName(QStringLiteral("Show")).GetValue(),
                          toDoubleOrZero(item.GetChildByName(QStringLiteral("Value")).GetValue())});
        }
        connectionTypes.insert(name, items);
    }
    return true;
}

QMap<QString, QVector<BitrateEntry>> DeviceConfigStore::loadEncodingFolder(const QString& folder, QStringList* names)
{
    QMap<QString, QVector<BitrateEntry>> tables;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        QVector<BitrateEntry> table;
        QString line;
        while (in.readLineInto(&line)) {
            if (line.isEmpty())
                continue;
            const QStringList fields = splitFields(line);
            // A line without a bitrate is not a row of the table.
            if (fields.size() < 2)
                continue;
            table.append({fields.at(0), toIntOrZero(fields.at(1))});
        }
        const QString encoding = info.completeBaseName();
        tables.insert(encoding, table);
        if (names)
            names->append(encoding);
    }
    return tables;
}

void DeviceConfigStore::loadEncodingTables()
{
    ipcEncodingTables = loadEncodingFolder(aptui::GetTargetPathFile(kIpcFolder), &encodingTypes);
    dvrEncodingTables = loadEncodingFolder(aptui::GetTargetPathFile(kDvrFolder), nullptr);
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
    if (!SceneTable::read(sceneCsvPath, rows))
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
