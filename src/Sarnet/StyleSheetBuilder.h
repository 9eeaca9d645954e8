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
    // the program's, with the skin's colour names replaced.
    static QString build(const QString& appIdWithoutBlanks);
    // A skin names its colours once, in lines "@name: value;" of any of its
    // sheets; every "@name" is replaced by its value and the definitions are
    // taken out, since Qt's parser knows no variables. Names without a
    // definition stay as they are ("@2x" in an image path is no name).
    static QString withPalette(const QString& sheet);
    // The files of a folder joined in name order ignoring case; the file
    // named `excluded` is left out.
    static QString readFolder(const QString& folder, const QString& excluded = QString());
};

} // namespace apt
