#ifndef LIBGEN_CMANAGERBASE_H
#define LIBGEN_CMANAGERBASE_H

#include <list>

// Base of every per-frame manager. Started managers are updated once per frame, in start order.
class LibGen_CManagerBase
{
public:
	LibGen_CManagerBase();
	virtual ~LibGen_CManagerBase();
	virtual void Update() = 0;
	virtual void Start();
	virtual void Stop();

	bool IsActive() const { return mb_Active; }

	static void UpdateManagers();
	static void AddManager(LibGen_CManagerBase* ap_Manager);
	static void RemManager(LibGen_CManagerBase* ap_Manager);

protected:
	bool mb_Active;

	// Not owned: managers belong to whoever created them.
	static std::list<LibGen_CManagerBase*> sp_ManagerList;
};

#endif
