#ifndef LIBGEN_CMANAGERSINGLETON_H
#define LIBGEN_CMANAGERSINGLETON_H

#include "LibGen_CManagerBase.h"

// A per-frame manager that is also a process-wide service, created on first use.
// Creating it does not start it.
template <class T>
class LibGen_CManagerSingleton : public LibGen_CManagerBase
{
public:
	static T* Instance()
	{
		if (sp_instance == nullptr)
			sp_instance = new T;
		return sp_instance;
	}

	// Destroyed by deleting sp_instance and setting it back to null.
	static T* sp_instance;
};

template <class T>
T* LibGen_CManagerSingleton<T>::sp_instance = nullptr;

#endif
