#ifndef UXKIT_GLOBAL_H
#define UXKIT_GLOBAL_H

#include <QtCore/qglobal.h>

#if defined(UXKIT_LIBRARY)
#define UXKIT_EXPORT Q_DECL_EXPORT
#else
#define UXKIT_EXPORT Q_DECL_IMPORT
#endif

#endif // UXKIT_GLOBAL_H
