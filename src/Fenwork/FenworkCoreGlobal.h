#pragma once

#include <QtCore/qglobal.h>

#if defined(FENWORK_CORE_LIBRARY)
#define FENWORK_CORE_EXPORT Q_DECL_EXPORT
#else
#define FENWORK_CORE_EXPORT Q_DECL_IMPORT
#endif
