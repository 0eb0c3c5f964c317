#ifndef LIBGEN_CSINGLETON_H
#define LIBGEN_CSINGLETON_H

// Nothing to derive from: the default base of a singleton.
class LibGen_CNoBase
{
};

// A process-wide service, created on first use, built on TBase (a per-frame manager is a
// singleton on LibGen_CManagerBase).
template <class T, class TBase = LibGen_CNoBase>
class LibGen_CSingleton : public TBase
{
public:
	virtual ~LibGen_CSingleton() {}

	static T* Instance()
	{
		if (sp_instance == nullptr)
			sp_instance = new T;
		return sp_instance;
	}

	// Destroyed by deleting sp_instance and setting it back to null.
	static T* sp_instance;
};

template <class T, class TBase>
T* LibGen_CSingleton<T, TBase>::sp_instance = nullptr;

#endif
