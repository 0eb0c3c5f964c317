#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "LibGen_CManagerBase.h"
#include "LibGen_CManagerPlugin.h"
#include "LibGen_CSingleton.h"
#include "LibGen_Functor.h"

namespace {

std::vector<std::string> gLog;

class CLogManager : public LibGen_CManagerBase
{
public:
	explicit CLogManager(const char* as_Name, bool ab_StopInUpdate = false)
		: ms_Name(as_Name), mb_StopInUpdate(ab_StopInUpdate) {}
	void Update() override
	{
		gLog.push_back(ms_Name);
		if (mb_StopInUpdate)
			Stop();
	}
private:
	std::string ms_Name;
	bool mb_StopInUpdate;
};

TEST(Managers, UpdateInStartOrderOnceEach)
{
	gLog.clear();
	CLogManager A("A"), B("B", true), C("C");
	B.Start();
	A.Start();
	A.Start();  // already active: stays in the list once
	C.Stop();   // inactive: nothing happens
	C.Start();
	LibGen_CManagerBase::UpdateManagers();
	EXPECT_EQ(gLog, (std::vector<std::string>{"B", "A", "C"}));

	// B stopped itself during its own Update without breaking the walk.
	EXPECT_FALSE(B.IsActive());
	gLog.clear();
	{
		CLogManager D("D");
		D.Start();
	}  // destroyed while active: leaves the list
	LibGen_CManagerBase::UpdateManagers();
	EXPECT_EQ(gLog, (std::vector<std::string>{"A", "C"}));
	A.Stop();
	C.Stop();
}

class CLogPlugin : public LibGen_CPlugin
{
public:
	CLogPlugin(const char* as_Name, int ai_Frames) : ms_Name(as_Name), mi_Frames(ai_Frames) {}
	~CLogPlugin() override { gLog.push_back(ms_Name + ".delete"); }
	void Load() override { gLog.push_back(ms_Name + ".Load"); LibGen_CPlugin::Load(); }
	void Unload() override
	{
		gLog.push_back(ms_Name + ".Unload");
		LibGen_CPlugin::Unload();
		if (mb_RemoveSelfOnUnload)
			LibGen_CManagerPlugin::Instance()->RemPlugin(this);
	}
	bool Execute() override { gLog.push_back(ms_Name + ".Execute"); return --mi_Frames > 0; }

	bool mb_RemoveSelfOnUnload = false;
private:
	std::string ms_Name;
	int mi_Frames;
};

TEST(Plugins, RemovedAtTheEndOfTheUpdateThatEndsThem)
{
	LibGen_CManagerPlugin* p_Manager = LibGen_CManagerPlugin::Instance();
	gLog.clear();
	CLogPlugin* p_Once = new CLogPlugin("Once", 1);
	p_Once->mb_AutoDelete = true;
	CLogPlugin o_Twice("Twice", 2);
	p_Manager->AddPlugin(p_Once);
	p_Manager->AddPlugin(&o_Twice);
	p_Manager->Update();
	EXPECT_EQ(gLog, (std::vector<std::string>{"Once.Load", "Twice.Load", "Once.Execute", "Twice.Execute",
	                                          "Once.Unload", "Once.delete"}));
	gLog.clear();
	p_Manager->Update();
	EXPECT_EQ(gLog, (std::vector<std::string>{"Twice.Execute", "Twice.Unload"}));
	EXPECT_FALSE(o_Twice.mb_Loaded);
}

TEST(Plugins, RepeatedRemovalUnloadsAndDeletesOnce)
{
	LibGen_CManagerPlugin* p_Manager = LibGen_CManagerPlugin::Instance();
	gLog.clear();
	CLogPlugin* p_Plugin = new CLogPlugin("P", 1);
	p_Plugin->mb_AutoDelete = true;
	p_Plugin->mb_RemoveSelfOnUnload = true;
	p_Manager->AddPlugin(p_Plugin);
	p_Manager->RemPlugin(p_Plugin);  // and its Execute returns false in the same update
	p_Manager->Update();
	EXPECT_EQ(gLog, (std::vector<std::string>{"P.Load", "P.Execute", "P.Unload", "P.delete"}));
}

class CService : public LibGen_CSingleton<CService> {};

TEST(Singletons, CreatedOnFirstUseAndRebuiltAfterDeletion)
{
	CService* p_First = CService::Instance();
	EXPECT_EQ(CService::Instance(), p_First);
	EXPECT_EQ(LibGen_CManagerPlugin::Instance(), LibGen_CManagerPlugin::Instance());
	EXPECT_FALSE(LibGen_CManagerPlugin::Instance()->IsActive());  // creating does not start it

	delete CService::sp_instance;
	CService::sp_instance = nullptr;
	EXPECT_NE(CService::Instance(), nullptr);
	EXPECT_EQ(CService::Instance(), CService::sp_instance);
}

struct CTarget
{
	void Take(int ai_Value) { mi_Got = ai_Value; }
	int mi_Got = -1;
};

TEST(Functor, CallsTheMemberWithItsArgumentAndKeepsTheParameter)
{
	CTarget o_Target;
	LibGen_Functor1<CTarget, int> o_NoParam(&o_Target, &CTarget::Take);
	EXPECT_EQ(o_NoParam.m_Param, 0);

	LibGen_Functor1<CTarget, int> o_Bound(&o_Target, &CTarget::Take, 7);
	const LibGen_FunctorBase1<int>& o_Base = o_Bound;
	o_Base(o_Base.m_Param);
	EXPECT_EQ(o_Target.mi_Got, 7);
}

} // namespace
