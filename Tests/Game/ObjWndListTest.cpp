#include "KanjiWndFixture.h"

#include "GfxObjects/CObjWndList.h"

#include <string>
#include <vector>

namespace
{
	// A list window of 300 x 200 over entries "0", "1", ... that it keeps pointing at.
	class ObjWndList : public KanjiWnd
	{
	protected:
		// The lines give their textures back while the engine is there.
		void TearDown() override
		{
			mo_Wnd.Unload();
			KanjiWnd::TearDown();
		}
		void Load(int ai_Total)
		{
			mo_Names.clear();
			for (int i = 0; i < ai_Total; ++i)
				mo_Names.push_back(std::to_string(i));
			mo_Items.clear();
			for (const std::string& sName : mo_Names)
				mo_Items.push_back(sName.c_str());
			mo_Wnd.Set(CVector2d<float>(300, 200), LibGfx_CObjWndThemed::ke_WinTheme_Alt);
			mo_Wnd.Load(mo_Items.data(), static_cast<u8>(ai_Total));
		}
		// The entry on each shown line, "." for a hidden line.
		std::string Lines()
		{
			std::string sLines;
			for (const LibGfx_CObjText& oLine : mo_Wnd.mo_Text)
				sLines += std::string(IsShown(oLine) ? oLine.TxtGetText() : ".") + " ";
			return sLines;
		}
		int FirstShown() { return std::stoi(mo_Wnd.mo_Text[0].TxtGetText()); }
		float Bar() { return mo_Wnd.mo_Highlight.mo_Pos.y; }
		float Thumb() { return mo_Wnd.mo_Thumb.mo_Pos.y; }

		std::vector<std::string> mo_Names;
		std::vector<const char*> mo_Items;
		CObjWndList mo_Wnd;
	};
}

TEST_F(ObjWndList, AShortListMovesTheBarAndTheThumbAndStopsAtBothEnds)
{
	Load(5);
	EXPECT_TRUE(IsShown(mo_Wnd) && IsShown(mo_Wnd.mo_Highlight) && IsShown(mo_Wnd.mo_Thumb));
	EXPECT_EQ("0 1 2 3 4 . . . . . . . . . ", Lines());
	EXPECT_EQ(196.0f, mo_Wnd.mf_ScrollLenght);
	mo_Wnd.Scroll(-1);
	EXPECT_EQ(0, mo_Wnd.mu8_ItemSelected);
	for (int i = 1; i <= 4; ++i)
	{
		mo_Wnd.Scroll(1);
		EXPECT_EQ(-14.0f * i, Bar());
		EXPECT_FLOAT_EQ(-196.0f * i / 4, Thumb());
	}
	mo_Wnd.Scroll(1);
	EXPECT_EQ(4, mo_Wnd.mu8_ItemSelected);
	EXPECT_EQ("0 1 2 3 4 . . . . . . . . . ", Lines());
	// A step past either end of a long list stops there instead of wrapping round.
	Load(200);
	mo_Wnd.Scroll(127);
	mo_Wnd.Scroll(127);
	EXPECT_EQ(199, mo_Wnd.mu8_ItemSelected);
	mo_Wnd.Scroll(-128);
	mo_Wnd.Scroll(-128);
	EXPECT_EQ(0, mo_Wnd.mu8_ItemSelected);
}

TEST_F(ObjWndList, ALongListKeepsTheSelectionOnTheEighthLineBetweenItsEnds)
{
	// The first line shown for 30 entries: 0 up to selection 7, selection - 7 up to 22, then 16.
	Load(30);
	for (int iSel = 1; iSel < 30; ++iSel)
	{
		mo_Wnd.Scroll(1);
		const int iFirst = iSel <= 7 ? 0 : (iSel <= 22 ? iSel - 7 : 16);
		EXPECT_EQ(iFirst, FirstShown()) << iSel;
		EXPECT_EQ(14.0f * (iFirst - iSel), Bar()) << iSel;
	}
	EXPECT_EQ("16 17 18 19 20 21 22 23 24 25 26 27 28 29 ", Lines());
	EXPECT_FLOAT_EQ(-196.0f, Thumb());

	// Fourteen entries never scroll; fifteen do once the selection passes the eighth line.
	Load(14);
	for (int i = 0; i < 13; ++i)
		mo_Wnd.Scroll(1);
	EXPECT_EQ(0, FirstShown());
	Load(15);
	for (int i = 0; i < 8; ++i)
		mo_Wnd.Scroll(1);
	EXPECT_EQ(1, FirstShown());
}

TEST_F(ObjWndList, OneEntryZeroEntriesAndUnload)
{
	const int iTextures = LockedTextures();
	Load(20);
	EXPECT_EQ(iTextures + CObjWndList::ku_Line_Max, LockedTextures());
	// A shorter list loaded next takes the extra lines away.
	Load(1);
	EXPECT_EQ("0 . . . . . . . . . . . . . ", Lines());
	EXPECT_EQ(iTextures + 1, LockedTextures());
	mo_Wnd.Scroll(1);
	EXPECT_EQ(0.0f, Thumb());

	// An empty list shows no line and no bar, and nothing moves.
	Load(0);
	EXPECT_TRUE(IsShown(mo_Wnd));
	EXPECT_FALSE(IsShown(mo_Wnd.mo_Highlight) || IsShown(mo_Wnd.mo_Thumb));
	EXPECT_EQ(". . . . . . . . . . . . . . ", Lines());
	mo_Wnd.Scroll(1);
	EXPECT_EQ(0, mo_Wnd.mu8_ItemSelected);
	EXPECT_EQ(0.0f, Bar());

	Load(3);
	mo_Wnd.Unload();
	EXPECT_FALSE(IsShown(mo_Wnd));
	EXPECT_EQ(iTextures, LockedTextures());
	EXPECT_EQ(&LibGfx_CObjBase::so_RootObject, mo_Wnd.mo_Text[0].mp_Parent);
	EXPECT_FALSE(IsShown(mo_Wnd.mo_Text[0]));
}
