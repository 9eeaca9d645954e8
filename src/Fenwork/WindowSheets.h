#pragma once

#include "FenworkGlobal.h"

#include <QString>

#include <functional>

class QWidget;

namespace aptui {

// The skin's rules for the windows a program opens later (its dialogs, its
// menus, the about box) stay out of the application's style sheet: every
// rule of that sheet is parsed before the first window shows, and is a
// candidate for each widget it polishes. Such a window takes the rules of
// its kind as a sheet of its own when it is made instead; Qt parses them at
// its first show.
//
// A window's own rules win over the application's whatever their
// specificity, so the skin names what they style by object name, as the
// application's rules for the same widgets did.
class FENWORK_EXPORT WindowSheets
{
public:
    // The skin's rules of one kind ("Dialogs", "Menus", "About"), or an empty
    // text for a kind it does not style.
    using Source = std::function<QString(const QString& kind)>;

    // Set by the shell once the skin is loaded; a sheet already read is
    // read again from the new source.
    static void setSource(Source source);

    // Gives the window the rules of its kind, ahead of any rules of its own,
    // once. Without a source, or for a kind without rules, it stays as it is.
    static void dress(QWidget* window, const QString& kind);
};

} // namespace aptui
