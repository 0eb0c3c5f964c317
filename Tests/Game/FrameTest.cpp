#include "Fudemaru.h"

#include "LibGen_CManagerSingleton.h"
#include "LibGen_CState.h"
#include "LibGfx_COffscreen.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
	std::string gs_Calls;

	class CRecordingManager : public LibGen_CManagerSingleton<CRecordingManager>
	{
	public:
		void Update() override { gs_Calls += "update "; }
	};

	class CRecordingState : public LibGen_CState
	{
	public:
		void LoadOnce() override { gs_Calls += "once "; }
		void LoadAlways() override { gs_Calls += "always "; }
		void Main() override { gs_Calls += "main "; }
	};

	class Frame : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(mo_Screen.Create(480, 272));
			gs_Calls.clear();
			gb_QuitProgram = false;
		}
		void TearDown() override
		{
			CRecordingManager::Instance()->Stop();
			LibGen_CState::RemoveAll();
			gb_QuitProgram = false;
		}
		LibGfx_COffscreen mo_Screen;
	};
}

TEST_F(Frame, ManagersRunBeforeTheStateAndThePictureIsCleared)
{
	CRecordingManager::Instance()->Start();
	(new CRecordingState())->State_Add();
	EXPECT_TRUE(Fudemaru_Frame());
	EXPECT_TRUE(Fudemaru_Frame());
	EXPECT_EQ("update once always main update main ", gs_Calls);
	EXPECT_EQ(0xff000000u, mo_Screen.GetPixel(240, 136));   // opaque black
}

TEST_F(Frame, QuitFlagStopsBeforeAnything)
{
	CRecordingManager::Instance()->Start();
	(new CRecordingState())->State_Add();
	gb_QuitProgram = true;
	EXPECT_FALSE(Fudemaru_Frame());
	EXPECT_EQ("", gs_Calls);
}
