#ifndef LIBGEN_CMANAGERSINGLETON_H
#define LIBGEN_CMANAGERSINGLETON_H

#include "LibGen_CManagerBase.h"
#include "LibGen_CSingleton.h"

// A per-frame manager that is also a process-wide service, created on first use.
// Creating it does not start it.
template <class T>
using LibGen_CManagerSingleton = LibGen_CSingleton<T, LibGen_CManagerBase>;

#endif
