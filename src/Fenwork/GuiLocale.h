#pragma once

#include "FenworkGlobal.h"

#include <QLocale>
#include <QString>

namespace aptui {

// Makes the locale the default for number formatting and the widgets.
FENWORK_EXPORT void InitGuiLocale(const QLocale& locale);

// Qt 6 reads and writes text as UTF-8 everywhere; the call keeps its place
// in the start-up order and only records the name it was given.
FENWORK_EXPORT void InitGuiTextCodec(const QString& codecName);
FENWORK_EXPORT QString GuiTextCodecName();

} // namespace aptui
