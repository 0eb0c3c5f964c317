#ifndef LIBGEN_CSINGLETON_H
#define LIBGEN_CSINGLETON_H

// A process-wide service, created on first use.
template <class T>
class LibGen_CSingleton
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

template <class T>
T* LibGen_CSingleton<T>::sp_instance = nullptr;

#endif
