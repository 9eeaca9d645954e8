#include "DeviceConfigStore.h"

#include "DeviceTablesLoader.h"
#include "SceneSetLocation.h"
#include "SceneTable.h"

#include <Fenwork/TargetPath.h>


namespace {

const QString kDefaultEncoding = QStringLiteral("H.264");

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
    : m_tables(DeviceTablesLoader::shared())
{
    currentEncoding = kDefaultEncoding;
}

bool DeviceConfigStore::getResolutions(QStringList& out, int type) const
{
    const bool ipc = deviceKindFromDefaultTableCode(type) == DeviceKind::Ipc;
    const QVector<BitrateEntry>& table = ipc ? m_tables->ipcDefaultTable : m_tables->dvrDefaultTable;
    for (const BitrateEntry& entry : table)
        out.append(entry.resolution);
    return true;
}

QStringList DeviceConfigStore::getFrameRateTexts(VideoStandard standard) const
{
    return standard == PAL ? m_tables->palFrameNames : m_tables->ntscFrameNames;
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
        return m_tables->palFrameTable;
    if (standard == NTSC)
        return m_tables->ntscFrameTable;
    return {};
}

QStringList DeviceConfigStore::getEncodeTypes() const
{
    return m_tables->encodingTypes;
}

QVector<BitrateEntry> DeviceConfigStore::getEncodingTable(const QString& encoding, int type) const
{
    const std::optional<DeviceKind> kind = deviceKindFromEncodingCode(type);
    if (!kind)
        return {};
    return (*kind == DeviceKind::Ipc ? m_tables->ipcEncodingTables : m_tables->dvrEncodingTables).value(encoding);
}

void DeviceConfigStore::setCurrentEncoding(const QString& encoding)
{
    currentEncoding = encoding;
}

int DeviceConfigStore::getDefaultEncodingBitrate(const QString& resolution, int type) const
{
    const bool ipc = deviceKindFromDefaultTableCode(type) == DeviceKind::Ipc;
    const auto& tables = ipc ? m_tables->ipcEncodingTables : m_tables->dvrEncodingTables;
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
    out.append(m_tables->connectionTypes.keys());
}

QVector<ShowValueItem> DeviceConfigStore::getConnectionBandwidths(const QString& type) const
{
    return m_tables->connectionTypes.value(type);
}

double DeviceConfigStore::getConnectionBandwidth(const QString& type, const QString& show) const
{
    const auto items = m_tables->connectionTypes.constFind(type);
    if (items == m_tables->connectionTypes.constEnd())
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
