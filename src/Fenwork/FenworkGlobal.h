#pragma once

#include <QtCore/qglobal.h>

#if defined(FENWORK_LIBRARY)
#define FENWORK_EXPORT Q_DECL_EXPORT
#else
#define FENWORK_EXPORT Q_DECL_IMPORT
#endif
