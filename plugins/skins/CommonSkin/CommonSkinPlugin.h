#pragma once

#include <Sarnet/ISkinPlugin.h>

#include <QObject>

// The skin "CommonSkin". All it does is exist: loading it registers its
// images and style sheets as resources.
class CommonSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.ISkinPlugin/1.1")
    Q_INTERFACES(ISkinPlugin)

public:
    explicit CommonSkinPlugin(QObject* parent = nullptr);
    ~CommonSkinPlugin() override;

    QStringList skinNames() const override;
};
