#pragma once

#include <QHash>
#include <QString>

namespace apt {

// Builds the application style sheet from the toolkit's style-sheet folder
// and the program's own folder of the skin, and the sheets of the windows
// opened later from the program folder's "Windows" folder (one file a kind,
// "Dialogs.qss" say; see aptui::WindowSheets).
class StyleSheetBuilder
{
public:
    // The skin's colour names and their values.
    using Palette = QHash<QString, QString>;

    static QString toolkitFolder();
    static QString programFolder(const QString& appIdWithoutBlanks);

    // The toolkit's files (less the one meant for macOS only) followed by
    // the program's, with the skin's colour names replaced.
    static QString build(const QString& appIdWithoutBlanks);
    // The same, the colours it names added to `palette`.
    static QString build(const QString& appIdWithoutBlanks, Palette* palette);
    // A skin names its colours once, in lines "@name: value;" of any of its
    // sheets; every "@name" is replaced by its value and the definitions are
    // taken out, since Qt's parser knows no variables. Names without a
    // definition stay as they are ("@2x" in an image path is no name).
    static QString withPalette(const QString& sheet);
    // The same, with the names of `palette` known as well; the sheet's own
    // definitions join it.
    static QString withPalette(const QString& sheet, Palette* palette);
    // The files of a folder joined in name order ignoring case; the file
    // named `excluded` is left out.
    static QString readFolder(const QString& folder, const QString& excluded = QString());

    static QString windowFolder(const QString& appIdWithoutBlanks);
    // Sets the application's sheet, and has each window sheet read, with
    // the colours the application's sheets name, when its first window
    // asks for it.
    static void apply(const QString& appIdWithoutBlanks);
};

} // namespace apt
