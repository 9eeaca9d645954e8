#pragma once

#include "Configure.h"

#include <Fenwork/UiSingleton.h>

#include <QString>

#include <memory>
#include <vector>

namespace apt {

// The shell configuration ("setup.xml"): every child of the root element is
// one item, named after the element, valued by the text of its first "Value"
// child. Items are addressed by the index of a known name.
class ConfigureManager : public aptui::UiSingleton<ConfigureManager>
{
    friend class aptui::UiSingleton<ConfigureManager>;

public:
    enum Index {
        Translator = 0,
        Languages = 1,
        LogLevel = 2,
        VersionType = 3,
        PingThread = 4,
        TaskThread = 5,
        LogSaveDay = 6,
        Skin = 7
    };

    // The file to read: the user's own copy in the configuration folder
    // (~/.config/Vantrel/Vantrel/setup.xml), where the user of an installed
    // program, whose folder is read-only, picks language and skin; else the
    // one shipped beside the program.
    static QString locate(const QString& fileName);

    // Replaces the items with those of the file; false (and no items) when
    // the file cannot be read as XML.
    bool load(const QString& path);
    QString fileName() const;
    int count() const;

    // The name an index stands for; empty for an unknown index.
    static QString itemName(int index);

    // The first item with the index's name, or null.
    const Configure* configureItem(int index) const;
    // The item's value as a decimal int (0 when not a number); -1 when the
    // item is missing.
    int intValue(int index) const;
    // The language number; 0 when not configured.
    unsigned int translator() const;
    // 1 when not configured.
    int versionType() const;

private:
    ConfigureManager();
    ~ConfigureManager();

    std::vector<std::unique_ptr<Configure>> m_items;
    QString m_fileName;
};

} // namespace apt
