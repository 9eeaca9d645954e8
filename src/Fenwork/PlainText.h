#pragma once

#include "FenworkGlobal.h"

#include <QString>

namespace aptui {

// Text that comes from a file (a plan, the data tables, a path) is shown as
// written. Labels do that with Qt::PlainText; these put such text where Qt
// would otherwise read markup into it: a tip taken for HTML, an '&' taken for
// a shortcut, a "[*]" taken for the unsaved mark.
class FENWORK_EXPORT PlainText
{
public:
    // A tip Qt would take for HTML ("<b>", "&lt;") comes back as HTML that
    // shows the text itself; any other text comes back unchanged.
    static QString toolTip(const QString& text);
    // For a button's or a menu entry's text.
    static QString mnemonicFree(const QString& text);
    // The text a button or menu entry shows for one of its texts.
    static QString withoutMnemonics(const QString& text);
    // For a window title.
    static QString windowTitle(const QString& text);
};

} // namespace aptui
