#pragma once

#include <Sarnet/ISkinPlugin.h>

#include <QObject>

// Offers the skin named by TEST_SKIN_NAME and the skin "Shared".
class TestSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.ISkinPlugin/1.1")
    Q_INTERFACES(ISkinPlugin)

public:
    QStringList skinNames() const override;
};
