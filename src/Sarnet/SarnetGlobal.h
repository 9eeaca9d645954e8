#pragma once

#include <QtCore/qglobal.h>

#if defined(SARNET_LIBRARY)
#define SARNET_EXPORT Q_DECL_EXPORT
#else
#define SARNET_EXPORT Q_DECL_IMPORT
#endif
