#ifndef LIBGEN_CMANAGERPLUGIN_H
#define LIBGEN_CMANAGERPLUGIN_H

#include <list>
#include "LibGen_CManagerSingleton.h"

// A self-contained effect run every frame until Execute() returns false.
class LibGen_CPlugin
{
public:
	LibGen_CPlugin() : mb_Loaded(false), mb_AutoDelete(false) {}
	virtual ~LibGen_CPlugin() {}
	virtual void Load() { mb_Loaded = true; }
	virtual void Unload() { mb_Loaded = false; }
	// True while the plug-in wants to keep running.
	virtual bool Execute() = 0;

	bool mb_Loaded;
	// The plug-in manager deletes the plug-in once it is removed.
	bool mb_AutoDelete;
};

class LibGen_CManagerPlugin : public LibGen_CManagerSingleton<LibGen_CManagerPlugin>
{
public:
	void AddPlugin(LibGen_CPlugin* ap_Plugin);
	// Takes effect at the end of the next Update().
	void RemPlugin(LibGen_CPlugin* ap_Plugin);
	void Update() override;

private:
	std::list<LibGen_CPlugin*> mo_PluginList;
	std::list<LibGen_CPlugin*> mo_PluginRemove;
};

#endif
