#pragma once

#include <QString>
#include <QStringList>

class QObject;

namespace apt {

// Finds the skin plug-in that offers a skin name and keeps it loaded, so the
// images and style sheets it carries stay available as resources.
class SkinLoader
{
public:
    // Tries the files of the folder in name order (ignoring case); the first
    // plug-in whose skinNames() holds the name wins. Logs the outcome and
    // returns the plug-in's instance, or null.
    static QObject* load(const QString& folder, const QString& skinName);

    // The files of a folder, in name order ignoring case.
    static QStringList folderFiles(const QString& folder);
};

} // namespace apt
