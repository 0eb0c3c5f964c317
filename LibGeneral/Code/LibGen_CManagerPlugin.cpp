#include <iterator>
#include "LibGen_CManagerPlugin.h"

void LibGen_CManagerPlugin::AddPlugin(LibGen_CPlugin* ap_Plugin)
{
	mo_PluginList.push_back(ap_Plugin);
	if (!ap_Plugin->mb_Loaded)
		ap_Plugin->Load();
}

void LibGen_CManagerPlugin::RemPlugin(LibGen_CPlugin* ap_Plugin)
{
	mo_PluginRemove.push_back(ap_Plugin);
}

void LibGen_CManagerPlugin::Update()
{
	for (auto it = mo_PluginList.begin(); it != mo_PluginList.end();)
	{
		LibGen_CPlugin* p_Plugin = *it;
		++it;
		if (!p_Plugin->Execute())
			mo_PluginRemove.push_back(p_Plugin);
	}

	// Entries appended during this pass (an Unload may remove its own plug-in) are visited too.
	for (auto it = mo_PluginRemove.begin(); it != mo_PluginRemove.end(); ++it)
	{
		LibGen_CPlugin* p_Plugin = *it;
		mo_PluginList.remove(p_Plugin);
		if (p_Plugin->mb_Loaded)
			p_Plugin->Unload();
		// Later entries for the same plug-in have nothing left to do; dropping them keeps a
		// deleted plug-in from being visited again.
		for (auto next = std::next(it); next != mo_PluginRemove.end();)
			next = (*next == p_Plugin) ? mo_PluginRemove.erase(next) : std::next(next);
		if (p_Plugin->mb_AutoDelete)
			delete p_Plugin;
	}
	mo_PluginRemove.clear();
}
