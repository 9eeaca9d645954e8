#pragma once

#include "FenworkCoreGlobal.h"

#include <QString>
#include <QStringList>

namespace aptui {

class FENWORK_CORE_EXPORT File
{
public:
    // The text of the named files in dir, in the given order, joined with a
    // line end between them. Unreadable files contribute nothing.
    static QString ReadAll(const QStringList& files, const QString& dir);
};

} // namespace aptui
