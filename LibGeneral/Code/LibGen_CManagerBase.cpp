#include <iterator>
#include "LibGen_CManagerBase.h"

std::list<LibGen_CManagerBase*> LibGen_CManagerBase::sp_ManagerList;

LibGen_CManagerBase::LibGen_CManagerBase()
	: mb_Active(false)
{
}

LibGen_CManagerBase::~LibGen_CManagerBase()
{
	if (mb_Active)
		sp_ManagerList.remove(this);
}

void LibGen_CManagerBase::Start()
{
	if (!mb_Active)
		AddManager(this);
}

void LibGen_CManagerBase::Stop()
{
	if (mb_Active)
		RemManager(this);
}

void LibGen_CManagerBase::UpdateManagers()
{
	// The successor is taken before the call, so a manager may stop itself in its own Update.
	for (auto it = sp_ManagerList.begin(); it != sp_ManagerList.end();)
	{
		LibGen_CManagerBase* p_Manager = *it;
		++it;
		p_Manager->Update();
	}
}

void LibGen_CManagerBase::AddManager(LibGen_CManagerBase* ap_Manager)
{
	sp_ManagerList.push_back(ap_Manager);
	ap_Manager->mb_Active = true;
}

void LibGen_CManagerBase::RemManager(LibGen_CManagerBase* ap_Manager)
{
	sp_ManagerList.remove(ap_Manager);
	ap_Manager->mb_Active = false;
}
