// The Windows program's key table, read on Linux: which DirectInput key state makes which button.
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Win.h"

#include <gtest/gtest.h>
#include <cstring>

TEST(WinKeyTable, FollowsTheButtonOrderAndEndsWithZero)
{
	for (u8 i = 0; i < ku_Key_Count; ++i)
		EXPECT_EQ(guKeyList[i], cuWinKeyList[i].mu32_Button) << "entry " << int(i);
	EXPECT_EQ(0u, cuWinKeyList[ku_Key_Count].mu32_Button);
	EXPECT_EQ(0u, cuWinKeyList[ku_Key_Count].mu8_ScanCode);
}

TEST(WinKeyTable, EachKeyDownGivesItsButtonBitWithoutTheIndex)
{
	const struct { u8 mu8_Scan; u32 mu32_Bit; } ao_Expected[] =
	{
		{0xD3, 0x000001}, {0xCF, 0x000008}, {0xC8, 0x000010}, {0xCD, 0x000020}, {0xD0, 0x000040},
		{0xCB, 0x000080}, {0x11, 0x000100}, {0x12, 0x000200}, {0x1F, 0x001000}, {0x21, 0x002000},
		{0x20, 0x004000}, {0x1E, 0x008000}, {0xC7, 0x010000}, {0xD2, 0x020000}, {0xC9, 0x800000},
	};
	u8 au8_State[256];
	u32 u32_All = 0;
	for (const auto& o : ao_Expected)
	{
		memset(au8_State, 0, sizeof(au8_State));
		au8_State[o.mu8_Scan] = 0x80;
		EXPECT_EQ(o.mu32_Bit, LibInput_WinKeyMask(au8_State)) << "scan code " << int(o.mu8_Scan);
		// The same key's event in DirectInput's buffer names the same button.
		EXPECT_EQ(o.mu32_Bit, LibInput_WinButtonOfScanCode(o.mu8_Scan)) << "scan code " << int(o.mu8_Scan);
		u32_All |= o.mu32_Bit;
	}
	memset(au8_State, 0x80, sizeof(au8_State));
	EXPECT_EQ(u32_All, LibInput_WinKeyMask(au8_State)) << "every key down: the 15 bits, no index bits";
}

TEST(WinKeyTable, OnlyTheHighBitOfAStateByteMeansDown)
{
	u8 au8_State[256];
	memset(au8_State, 0x7F, sizeof(au8_State));
	EXPECT_EQ(0u, LibInput_WinKeyMask(au8_State));
	au8_State[ke_Dik_D] = 0xFF;
	EXPECT_EQ(ke_Key_Cross & ku_Key_BitMask, LibInput_WinKeyMask(au8_State));
}
