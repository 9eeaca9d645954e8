#include "SkinLoader.h"

#include "ISkinPlugin.h"

#include <QDir>
#include <QPluginLoader>
#include <QtDebug>

namespace apt {

namespace {
bool offers(QObject* instance, const QString& skinName)
{
    const ISkinPlugin* skin = qobject_cast<ISkinPlugin*>(instance);
    return skin && skin->skinNames().contains(skinName);
}

QObject* findSkin(const QString& folder, const QString& skinName)
{
    if (skinName.isEmpty())
        return nullptr;
    for (const QString& file : SkinLoader::folderFiles(folder)) {
        QPluginLoader loader(QDir::cleanPath(folder + QLatin1Char('/') + file));
        if (loader.isLoaded()) {
            // Loaded earlier by someone else: ask, but never unload it.
            if (offers(loader.instance(), skinName))
                return loader.instance();
            continue;
        }
        QObject* instance = loader.instance();
        if (offers(instance, skinName))
            return instance;
        if (loader.isLoaded())
            loader.unload();
    }
    return nullptr;
}
} // namespace

QObject* SkinLoader::load(const QString& folder, const QString& skinName)
{
    QObject* instance = findSkin(folder, skinName);
    // Only a failure is worth a line on standard error: every start loads
    // the skin, and a start that went well says nothing.
    if (!instance)
        qWarning("[Tool]LoadSkin = %s failed", skinName.toLocal8Bit().constData());
    return instance;
}

QStringList SkinLoader::folderFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace apt
