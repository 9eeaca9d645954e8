#pragma once

#include "FenworkCoreGlobal.h"

#include <QString>

namespace aptui {

// The program's own folder, always ending in "/". Data files, plugins and
// translations are found there.
FENWORK_CORE_EXPORT QString GetTargetPath();
FENWORK_CORE_EXPORT QString GetTargetPathFile(const QString& name);

// Points the program folder elsewhere (an empty path restores the folder of
// the executable). Tests use it to run against data files they wrote.
FENWORK_CORE_EXPORT void SetTargetPath(const QString& path);

} // namespace aptui
