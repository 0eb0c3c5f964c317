#include "LibInput_CKeyLatch.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Headless.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
	const u32 ku_Cross = ke_Key_Cross & ku_Key_BitMask;
	const u32 ku_Left = ke_Key_Left & ku_Key_BitMask;
}

TEST(ManagerKey, PressHoldReleaseAndHeldTime)
{
	LibInput_ManagerKey oKeys;
	oKeys.UpdateCommon(ku_Cross);
	EXPECT_TRUE(oKeys.KeyTriggerAny(ke_Key_Cross));
	EXPECT_TRUE(oKeys.KeyPressAny(ke_Key_Cross));
	EXPECT_FALSE(oKeys.KeyReleaseAny(ke_Key_Cross));

	oKeys.UpdateCommon(ku_Cross);
	oKeys.UpdateCommon(ku_Cross);
	EXPECT_FALSE(oKeys.KeyTriggerAny(ke_Key_Cross));
	EXPECT_TRUE(oKeys.KeyPressAny(ke_Key_Cross));
	EXPECT_EQ(3, oKeys.KeyTimePress(ke_Key_Cross));

	oKeys.UpdateCommon(0);
	EXPECT_TRUE(oKeys.KeyReleaseAny(ke_Key_Cross));
	EXPECT_FALSE(oKeys.KeyPressAny(ke_Key_Cross));
	EXPECT_EQ(3, oKeys.KeyTimePress(ke_Key_Cross)) << "the release frame still tells how long it was held";

	oKeys.UpdateCommon(0);
	EXPECT_FALSE(oKeys.KeyReleaseAny(ke_Key_Cross));
	EXPECT_EQ(0, oKeys.KeyTimePress(ke_Key_Cross));
}

TEST(ManagerKey, RepeatCountsFromTheFirstHeldFrame)
{
	LibInput_ManagerKey oKeys;
	oKeys.KeyTimeTriggerSet(ke_Key_Left, 10);
	std::vector<int> oTriggers;
	for (int iFrame = 1; iFrame <= 25; ++iFrame)
	{
		oKeys.UpdateCommon(ku_Left);
		if (oKeys.KeyTriggerAny(ke_Key_Left))
			oTriggers.push_back(iFrame);
	}
	EXPECT_EQ((std::vector<int>{1, 10, 20}), oTriggers);

	oKeys.KeyTimeTriggerAdd(ke_Key_Left, -11);
	EXPECT_EQ(0xFFFF, oKeys.KeyTimeTriggerGet(ke_Key_Left)) << "16-bit wrap";
	oKeys.KeyTimeTriggerClear();
	EXPECT_EQ(0, oKeys.KeyTimeTriggerGet(ke_Key_Left));
}

TEST(ManagerKey, FaceButtonMask)
{
	const eKeys eFace = static_cast<eKeys>(ku_Key_FaceMask);
	LibInput_ManagerKey oKeys;
	oKeys.UpdateCommon(ku_Cross);
	EXPECT_TRUE(oKeys.KeyTriggerAny(eFace));
	EXPECT_FALSE(oKeys.KeyTriggerAll(eFace));
	oKeys.UpdateCommon(0);
	EXPECT_TRUE(oKeys.KeyReleaseAny(eFace));

	oKeys.UpdateCommon(ku_Key_FaceMask);
	EXPECT_TRUE(oKeys.KeyTriggerAll(eFace));
	EXPECT_TRUE(oKeys.KeyPressAll(ke_Key_Cross | ke_Key_Square));
	EXPECT_FALSE(oKeys.KeyPressAll(ke_Key_Cross | ke_Key_Left));
}

TEST(ManagerKey, ButtonNames)
{
	EXPECT_EQ(static_cast<u32>(ke_Key_Cross), LibInput_ManagerKey::ButtonFromName("Cross"));
	EXPECT_EQ(static_cast<u32>(ke_Key_Note), LibInput_ManagerKey::ButtonFromName("note"));
	EXPECT_EQ(0u, LibInput_ManagerKey::ButtonFromName("Space"));
}

TEST(ManagerKey, HeadlessUpdateSamplesTheScriptButtons)
{
	LibInput_ManagerKey oKeys;
	oKeys.Load();
	LibInput_SetScriptKeys(ke_Key_Cross | ke_Key_Up);
	EXPECT_EQ(ku_Cross | (ke_Key_Up & ku_Key_BitMask), LibInput_GetScriptKeys()) << "only the button bits are kept";
	oKeys.Update();
	EXPECT_TRUE(oKeys.KeyTriggerAll(ke_Key_Cross | ke_Key_Up));
	LibInput_SetScriptKeys(ke_Key_Up);
	oKeys.Update();
	EXPECT_TRUE(oKeys.KeyReleaseAny(ke_Key_Cross));
	EXPECT_TRUE(oKeys.KeyPressAny(ke_Key_Up));
	EXPECT_EQ(2, oKeys.KeyTimePress(ke_Key_Up));
	LibInput_SetScriptKeys(0);
}

// Key events between two frames, as the window's callbacks or a script give them: no press is lost.
TEST(KeyLatch, EveryPressBetweenTwoFramesIsSeen)
{
	LibInput_ManagerKey o_Keys;
	LibInput_CKeyLatch o_Latch;
	// Pressed and let go before the frame: down in it, up in the next.
	o_Latch.Set(ke_Key_Right, true);
	o_Latch.Set(ke_Key_Right, false);
	o_Keys.UpdateCommon(o_Latch.Sample());
	EXPECT_TRUE(o_Keys.KeyTriggerAny(ke_Key_Right));
	o_Keys.UpdateCommon(o_Latch.Sample());
	EXPECT_TRUE(o_Keys.KeyReleaseAny(ke_Key_Right));
	o_Keys.UpdateCommon(o_Latch.Sample());
	EXPECT_FALSE(o_Keys.KeyPressAny(ke_Key_Right));

	// Held, then let go and pressed again between two frames: a release, then a new press.
	o_Latch.Set(ke_Key_Cross, true);
	o_Keys.UpdateCommon(o_Latch.Sample());
	o_Latch.Set(ke_Key_Cross, false);
	o_Latch.Set(ke_Key_Cross, true);
	o_Keys.UpdateCommon(o_Latch.Sample());
	EXPECT_TRUE(o_Keys.KeyReleaseAny(ke_Key_Cross));
	o_Keys.UpdateCommon(o_Latch.Sample());
	EXPECT_TRUE(o_Keys.KeyTriggerAny(ke_Key_Cross));
	o_Keys.UpdateCommon(o_Latch.Sample());
	EXPECT_TRUE(o_Keys.KeyPressAny(ke_Key_Cross));
	EXPECT_FALSE(o_Keys.KeyTriggerAny(ke_Key_Cross));
	EXPECT_EQ(ku_Cross, o_Latch.GetHeld());
}

TEST(KeyLatch, HeadlessScriptTapInOneFrameActs)
{
	LibInput_ManagerKey o_Keys;
	LibInput_SetScriptKeys(ke_Key_Left);
	LibInput_SetScriptKeys(0);
	o_Keys.Update();
	EXPECT_TRUE(o_Keys.KeyTriggerAny(ke_Key_Left));
	o_Keys.Update();
	EXPECT_TRUE(o_Keys.KeyReleaseAny(ke_Key_Left));
}
