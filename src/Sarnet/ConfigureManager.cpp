#include "ConfigureManager.h"

#include <Fenwork/GenericDS.h>
#include <Fenwork/TargetPath.h>

#include <QStandardPaths>
#include <QStringList>

namespace apt {

namespace {
const QStringList& itemNames()
{
    static const QStringList names = {
        QStringLiteral("Translator"), QStringLiteral("Languages"), QStringLiteral("LogLevel"),
        QStringLiteral("VersionType"), QStringLiteral("PingThread"), QStringLiteral("TaskThread"),
        QStringLiteral("LogSaveDay"), QStringLiteral("Skin")};
    return names;
}
} // namespace

ConfigureManager::ConfigureManager() = default;
ConfigureManager::~ConfigureManager() = default;

QString ConfigureManager::locate(const QString& fileName)
{
    const QString own = QStandardPaths::locate(QStandardPaths::AppConfigLocation, fileName);
    return own.isEmpty() ? aptui::GetTargetPathFile(fileName) : own;
}

bool ConfigureManager::load(const QString& path)
{
    m_items.clear();
    m_fileName.clear();
    aptui::GenericDS root;
    if (!root.loadXML(path))
        return false;
    m_fileName = path;
    for (aptui::GenericDS child = root.FirstChild(); !child.isNull(); child = child.NextSibling()) {
        const QString value = child.GetChildByName(QStringLiteral("Value")).GetValue();
        m_items.push_back(std::make_unique<Configure>(child.GetName(), value));
    }
    return true;
}

QString ConfigureManager::fileName() const
{
    return m_fileName;
}

int ConfigureManager::count() const
{
    return static_cast<int>(m_items.size());
}

QString ConfigureManager::itemName(int index)
{
    if (index < 0 || index >= itemNames().size())
        return QString();
    return itemNames().at(index);
}

const Configure* ConfigureManager::configureItem(int index) const
{
    const QString name = itemName(index);
    if (name.isEmpty())
        return nullptr;
    for (const auto& item : m_items) {
        if (item->name() == name)
            return item.get();
    }
    return nullptr;
}

int ConfigureManager::intValue(int index) const
{
    const Configure* item = configureItem(index);
    if (!item)
        return -1;
    bool ok = false;
    const int value = item->value().toInt(&ok, 10);
    return ok ? value : 0;
}

unsigned int ConfigureManager::translator() const
{
    const Configure* item = configureItem(Translator);
    if (!item)
        return 0;
    bool ok = false;
    const unsigned int value = item->value().toUInt(&ok, 10);
    return ok ? value : 0;
}

int ConfigureManager::versionType() const
{
    const int value = intValue(VersionType);
    return value == -1 ? 1 : value;
}

} // namespace apt
