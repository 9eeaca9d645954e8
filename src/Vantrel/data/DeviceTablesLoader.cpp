#include "DeviceTablesLoader.h"

#include "BitrateTableCheck.h"
#include "DeviceConfigStore.h"
#include "ShowValueListCheck.h"

#include <Fenwork/TargetPath.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>

#include <algorithm>

#include <dirent.h>
#include <sys/stat.h>

namespace {

const QString kIpcXml = QStringLiteral("IPCBitrateConfig.xml");
const QString kDvrXml = QStringLiteral("DVRBitrateConfig.xml");
const QString kFrameXml = QStringLiteral("Frame.xml");
const QString kConnectionXml = QStringLiteral("NetworkConnection.xml");
const QString kIpcFolder = QStringLiteral("IPCBitrate");
const QString kDvrFolder = QStringLiteral("DVRBitrate");
// The XML files' default tables are those of this encoding's folder table.
const QString kDefaultEncoding = QStringLiteral("H.264");

QStringList splitFields(const QString& line)
{
    return line.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

// Asked at every look at the tables (six times in a start, once on the
// window's thread while its first screen is made): plain stat calls on the
// file names' bytes, without the local times and sorted file lists a
// QFileInfo listing builds, or the text numbers and name conversions a
// readable stamp needs. Only equality is asked of it.
void appendStamp(QByteArray& stamp, const QByteArray& path, const char* name)
{
    struct stat info;
    stamp += name;
    stamp += '\0';
    if (::stat(path.constData(), &info) == 0 && S_ISREG(info.st_mode)) {
        const qint64 fields[] = { qint64(info.st_size), qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec) };
        stamp.append(reinterpret_cast<const char*>(fields), sizeof fields);
    }
    stamp += '\0';
}

// The names of the files in a folder, as the file system spells them,
// sorted.
QByteArrayList fileNamesIn(const QByteArray& folder)
{
    QByteArrayList names;
    DIR* directory = ::opendir(folder.constData());
    if (!directory)
        return names;
    while (const dirent* entry = ::readdir(directory)) {
        if (entry->d_name[0] != '.' && entry->d_type != DT_DIR)
            names.append(QByteArray(entry->d_name));
    }
    ::closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::shared_ptr<const DeviceTables> DeviceTablesLoader::shared()
{
    static QMutex mutex;
    static QByteArray loadedStamp;
    static std::shared_ptr<const DeviceTables> tables;
    const QString folder = aptui::GetTargetPath();
    const QByteArray now = stamp(folder);
    const QMutexLocker lock(&mutex);
    if (!tables || now != loadedStamp) {
        tables = load(folder);
        loadedStamp = now;
    }
    return tables;
}

std::shared_ptr<const DeviceTables> DeviceTablesLoader::load(const QString& folder)
{
    DeviceTablesLoader loader(folder);
    loader.loadXmlFiles();
    loader.loadEncodingTables();
    return loader.m_tables;
}

DeviceTablesLoader::DeviceTablesLoader(const QString& folder)
    : m_folder(folder)
    , m_tables(std::make_shared<DeviceTables>())
{
}

QByteArray DeviceTablesLoader::stamp(const QString& folder)
{
    const QByteArray root = QFile::encodeName(folder);
    QByteArray stamp = root;
    stamp += '|';
    for (const QString& name : { kIpcXml, kDvrXml, kFrameXml, kConnectionXml }) {
        const QByteArray file = QFile::encodeName(name);
        appendStamp(stamp, root + file, file.constData());
    }
    for (const QString& name : { kIpcFolder, kDvrFolder }) {
        const QByteArray tables = root + QFile::encodeName(name) + '/';
        stamp += tables;
        for (const QByteArray& file : fileNamesIn(tables))
            appendStamp(stamp, tables + file, file.constData());
    }
    return stamp;
}

void DeviceTablesLoader::loadXmlFiles()
{
    // Each file stands on its own: one that fails is reported and leaves only
    // its own lists empty.
    loadBitrateXml(m_folder + kIpcXml, kIpcXml, m_tables->ipcDefaultTable);
    loadBitrateXml(m_folder + kDvrXml, kDvrXml, m_tables->dvrDefaultTable);
    loadFrameXml();
    loadConnectionXml();
}

bool DeviceTablesLoader::loadXml(const QString& path, const QString& name)
{
    if (m_xml.loadXML(path))
        return true;
    m_tables->problems.append({name, 0, tr("the file is missing or is not well-formed XML")});
    return false;
}

bool DeviceTablesLoader::loadBitrateXml(const QString& path, const QString& name, QVector<BitrateEntry>& table)
{
    if (!loadXml(path, name))
        return false;
    BitrateTableCheck check(name, &m_tables->problems);
    for (aptui::GenericDS item = m_xml.FirstChild(); !item.isNull(); item = item.NextSibling()) {
        check.addRow(item.GetChildByName(QStringLiteral("Resolution")).GetValue(),
                     item.GetChildByName(QStringLiteral("Bitrate")).GetValue(), item.LineNumber());
    }
    table = check.table();
    return true;
}

bool DeviceTablesLoader::loadFrameXml()
{
    if (!loadXml(m_folder + kFrameXml, kFrameXml))
        return false;
    const auto readList = [this](const QString& name, QStringList& names, QVector<ShowValueItem>& table) {
        ShowValueListCheck check(kFrameXml, DeviceConfigStore::kMaxFrameRate, &m_tables->problems);
        const aptui::GenericDS list = m_xml.GetChildByName(name);
        for (aptui::GenericDS item = list.FirstChild(); !item.isNull(); item = item.NextSibling()) {
            check.addItem(item.GetChildByName(QStringLiteral("Show")).GetValue(),
                          item.GetChildByName(QStringLiteral("Value")).GetValue(), item.LineNumber());
        }
        table = check.items();
        for (const ShowValueItem& item : table)
            names.append(item.show);
    };
    readList(QStringLiteral("NTSC"), m_tables->ntscFrameNames, m_tables->ntscFrameTable);
    readList(QStringLiteral("PAL"), m_tables->palFrameNames, m_tables->palFrameTable);
    return true;
}

bool DeviceTablesLoader::loadConnectionXml()
{
    if (!loadXml(m_folder + kConnectionXml, kConnectionXml))
        return false;
    for (aptui::GenericDS type = m_xml.FirstChild(); !type.isNull(); type = type.NextSibling()) {
        const QString name = type.GetChildByName(QStringLiteral("ConnectionType")).GetValue();
        // The link box finds a type by its name: a second type of that name
        // would hide the first one's bandwidths.
        if (m_tables->connectionTypes.contains(name)) {
            m_tables->problems.append({kConnectionXml, type.LineNumber(), tr("the link type %1 is listed twice; the first "
                                                                   "one is kept").arg(name)});
            continue;
        }
        ShowValueListCheck check(kConnectionXml, DeviceConfigStore::kMaxLinkMbps, &m_tables->problems);
        // The first child names the type; the bandwidths follow it.
        for (aptui::GenericDS item = type.FirstChild().NextSibling(); !item.isNull(); item = item.NextSibling()) {
            check.addItem(item.GetChildByName(QStringLiteral("Show")).GetValue(),
                          item.GetChildByName(QStringLiteral("Value")).GetValue(), item.LineNumber());
        }
        m_tables->connectionTypes.insert(name, check.items());
    }
    return true;
}

QMap<QString, QVector<BitrateEntry>> DeviceTablesLoader::loadEncodingFolder(const QString& folderName, QStringList* names)
{
    QMap<QString, QVector<BitrateEntry>> tables;
    const QDir folder(m_folder + folderName);
    if (!folder.exists()) {
        m_tables->problems.append({folderName, 0, tr("the folder of bitrate tables is missing")});
        return tables;
    }
    const QFileInfoList files = folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        const QString name = folderName + QLatin1Char('/') + info.fileName();
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            m_tables->problems.append({name, 0, tr("the file cannot be read")});
            continue;
        }
        QTextStream in(&file);
        in.setEncoding(QStringConverter::Utf8);
        BitrateTableCheck check(name, &m_tables->problems);
        QString line;
        int lineNumber = 0;
        while (in.readLineInto(&line)) {
            ++lineNumber;
            if (line.isEmpty())
                continue;
            const QStringList fields = splitFields(line);
            if (fields.size() < 2) {
                m_tables->problems.append({name, lineNumber, tr("the line has no rate after a comma")});
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

void DeviceTablesLoader::loadEncodingTables()
{
    m_tables->ipcEncodingTables = loadEncodingFolder(kIpcFolder, &m_tables->encodingTypes);
    m_tables->dvrEncodingTables = loadEncodingFolder(kDvrFolder, nullptr);
    // The folder tables are the reference: they replace what the XML files gave.
    m_tables->ipcDefaultTable = m_tables->ipcEncodingTables.value(kDefaultEncoding);
    m_tables->dvrDefaultTable = m_tables->dvrEncodingTables.value(kDefaultEncoding);
}

