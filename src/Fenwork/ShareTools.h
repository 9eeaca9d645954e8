#pragma once

#include "FenworkGlobal.h"

#include <QMetaObject>
#include <QString>

class QLayout;
class QWidget;

namespace ShareTools {

// Logs one line on the debug channel.
FENWORK_EXPORT void debugMessage(const QString& text);

// Logs a refused connection as "connect failure! <file>:<line> in <function>";
// the caller goes on without it. Returns whether the connection holds.
FENWORK_EXPORT bool checkConnection(const QMetaObject::Connection& connection, const char* file, int line,
                                    const char* function);

// Re-applies the style sheet rules to a widget whose object name or dynamic
// properties changed after it was polished.
FENWORK_EXPORT void reloadStyle(QWidget* widget);

// Takes every item out of a layout without deleting the widgets it held.
FENWORK_EXPORT void clearLayout(QLayout* layout);

} // namespace ShareTools
