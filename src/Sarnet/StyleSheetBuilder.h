#pragma once

#include <QString>

namespace apt {

// Builds the application style sheet from the toolkit's style-sheet folder
// and the program's own folder of the skin.
class StyleSheetBuilder
{
public:
    static QString toolkitFolder();
    static QString programFolder(const QString& appIdWithoutBlanks);

    // The toolkit's files (less the one meant for macOS only) followed by
    // the program's.
    static QString build(const QString& appIdWithoutBlanks);
    // The files of a folder joined in name order ignoring case; the file
    // named `excluded` is left out.
    static QString readFolder(const QString& folder, const QString& excluded = QString());
};

} // namespace apt
