#include "CommonSkinPlugin.h"

CommonSkinPlugin::CommonSkinPlugin(QObject* parent)
    : QObject(parent)
{
}

CommonSkinPlugin::~CommonSkinPlugin() = default;

QStringList CommonSkinPlugin::skinNames() const
{
    return {QStringLiteral("CommonSkin")};
}
