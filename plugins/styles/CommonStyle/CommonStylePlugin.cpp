#include "CommonStylePlugin.h"

#include "CommonStyle.h"

CommonStylePlugin::CommonStylePlugin(QObject* parent)
    : QStylePlugin(parent)
{
}

CommonStylePlugin::~CommonStylePlugin() = default;

QStyle* CommonStylePlugin::create(const QString& key)
{
    // The style factory hands the key over in lower case.
    if (key.compare(QLatin1String("CommonStyle"), Qt::CaseInsensitive) == 0)
        return new CommonStyle; // the caller owns the style
    return nullptr;
}
