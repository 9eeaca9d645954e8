#pragma once

#include "FenworkGlobal.h"

#include <QString>

class QLayout;
class QWidget;

namespace ShareTools {

// Logs one line on the debug channel.
FENWORK_EXPORT void debugMessage(const QString& text);

// Re-applies the style sheet rules to a widget whose object name or dynamic
// properties changed after it was polished.
FENWORK_EXPORT void reloadStyle(QWidget* widget);

// Takes every item out of a layout without deleting the widgets it held.
FENWORK_EXPORT void clearLayout(QLayout* layout);

} // namespace ShareTools
