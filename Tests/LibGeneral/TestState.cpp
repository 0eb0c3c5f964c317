#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "LibGen_CState.h"

namespace {

std::vector<std::string> gLog;

// Records every protocol call as "Name.Call".
class CLogState : public LibGen_CState
{
public:
	explicit CLogState(const char* as_Name) : ms_Name(as_Name) {}
	~CLogState() override { Log("delete"); }
	void LoadOnce() override { Log("LoadOnce"); }
	void LoadAlways() override { Log("LoadAlways"); }
	void Main() override { Log("Main"); if (mo_OnMain) { auto f = mo_OnMain; mo_OnMain = nullptr; f(); } }
	void UnloadAlways() override { Log("UnloadAlways"); }
	void UnloadOnce() override { Log("UnloadOnce"); }

	std::function<void()> mo_OnMain;  // runs once, during the next Main

private:
	void Log(const char* as_Call) { gLog.push_back(ms_Name + "." + as_Call); }
	std::string ms_Name;
};

class StateTest : public ::testing::Test
{
protected:
	void TearDown() override { LibGen_CState::RemoveAll(); gLog.clear(); }

	// Runs one frame and returns the calls it made.
	static std::vector<std::string> Frame()
	{
		gLog.clear();
		LibGen_CState::Execute();
		return gLog;
	}

	static std::list<LibGen_CState*> Stack() { return LibGen_CState::GetStateList(); }
};

typedef std::vector<std::string> Calls;

TEST_F(StateTest, PushAndRemoveFollowTheProtocol)
{
	CLogState* A = new CLogState("A");
	A->State_Add();
	EXPECT_EQ(Frame(), (Calls{"A.LoadOnce", "A.LoadAlways", "A.Main"}));
	EXPECT_TRUE(A->State_IsCurrent());

	CLogState* B = new CLogState("B");
	B->State_Add();
	EXPECT_EQ(Frame(), (Calls{"A.UnloadAlways", "B.LoadOnce", "B.LoadAlways", "B.Main"}));
	EXPECT_FALSE(A->State_IsCurrent());
	EXPECT_EQ(Stack(), (std::list<LibGen_CState*>{A, B}));

	// Removal without successor: the state below resumes with LoadAlways only.
	A->State_Remove();  // always removes the top, whatever object it is called on
	EXPECT_EQ(Frame(), (Calls{"B.UnloadAlways", "B.UnloadOnce", "B.delete", "A.LoadAlways", "A.Main"}));
	EXPECT_EQ(Frame(), (Calls{"A.Main"}));
}

// Whoever ends a run removes every state as if one by one: only the current one was loaded
// always; a request never pushed is simply deleted.
TEST_F(StateTest, RemoveAllUnloadsFromTheTopAndDropsARequest)
{
	(new CLogState("A"))->State_Add();
	Frame();
	(new CLogState("B"))->State_Add();
	Frame();
	(new CLogState("C"))->State_Add();
	gLog.clear();
	LibGen_CState::RemoveAll();
	EXPECT_EQ(gLog, (Calls{"C.delete", "B.UnloadAlways", "B.UnloadOnce", "B.delete", "A.UnloadOnce", "A.delete"}));
	EXPECT_TRUE(Stack().empty());
	EXPECT_EQ(Frame(), Calls{});
}

TEST_F(StateTest, ReplaceLeavesTheStateBelowAlone)
{
	CLogState* A = new CLogState("A");
	A->State_Add();
	Frame();
	(new CLogState("B"))->State_Add();
	Frame();
	CLogState* N = new CLogState("N");
	N->State_Replace();
	EXPECT_EQ(Frame(), (Calls{"B.UnloadAlways", "B.UnloadOnce", "B.delete", "N.LoadOnce", "N.LoadAlways", "N.Main"}));
	EXPECT_EQ(Stack(), (std::list<LibGen_CState*>{A, N}));

	// Remove then Add in one frame acts as Replace.
	N->State_Remove();
	CLogState* C = new CLogState("C");
	C->State_Add();
	EXPECT_EQ(Frame(), (Calls{"N.UnloadAlways", "N.UnloadOnce", "N.delete", "C.LoadOnce", "C.LoadAlways", "C.Main"}));
	EXPECT_EQ(Stack(), (std::list<LibGen_CState*>{A, C}));
}

TEST_F(StateTest, ChangeRequestedDuringMainWaitsForTheNextFrame)
{
	CLogState* A = new CLogState("A");
	A->State_Add();
	Frame();
	A->mo_OnMain = [] { (new CLogState("B"))->State_Add(); };
	EXPECT_EQ(Frame(), (Calls{"A.Main"}));
	EXPECT_EQ(Frame(), (Calls{"A.UnloadAlways", "B.LoadOnce", "B.LoadAlways", "B.Main"}));
}

TEST_F(StateTest, SecondRequestInAFrameOverridesAndDeletesTheFirst)
{
	(new CLogState("A"))->State_Add();
	Frame();
	gLog.clear();
	(new CLogState("B"))->State_Add();
	CLogState* C = new CLogState("C");
	C->State_Add();
	EXPECT_EQ(gLog, (Calls{"B.delete"}));
	C->State_Add();  // the same object again is kept
	EXPECT_EQ(Frame(), (Calls{"A.UnloadAlways", "C.LoadOnce", "C.LoadAlways", "C.Main"}));
	EXPECT_EQ(Stack().size(), 2u);

	gLog.clear();
	(new CLogState("D"))->State_Replace();
	(new CLogState("E"))->State_Replace();
	EXPECT_EQ(gLog, (Calls{"D.delete"}));
	EXPECT_EQ(Frame(), (Calls{"C.UnloadAlways", "C.UnloadOnce", "C.delete", "E.LoadOnce", "E.LoadAlways", "E.Main"}));
}

} // namespace
