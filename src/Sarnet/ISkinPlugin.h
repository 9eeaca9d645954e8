#pragma once

#include <QStringList>
#include <QtPlugin>

// What a skin plug-in offers the shell: the names of the skins whose images
// and style sheets it carries as resources. The shell keeps the first plug-in
// that names the configured skin loaded for the life of the process, so its
// resources stay registered.
class ISkinPlugin
{
public:
    virtual ~ISkinPlugin() = default;
    virtual QStringList skinNames() const = 0;
};

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"
Q_DECLARE_INTERFACE(ISkinPlugin, ISkinPlugin_iid)
