// The main menu and the list chooser over the browser, on the real data.
#include "GameMode/Menu/CState_MenuMain.h"
#include "GameMode/Mode_KanjiList/CState_KanjiListLoad.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerMenu.h"
#include "LibText_CManagerString.h"
#include "StatesFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace
{
	LibGfx_CManagerMenu* Menus() { return LibGfx_CManagerMenu::Instance(); }

	class MenuStates : public States
	{
	protected:
		// Triangle, and the root menu rolled in.
		static CState_MenuMain* OpenMenu()
		{
			Tap(ke_Key_Triangle);
			RunFrames(43);
			return dynamic_cast<CState_MenuMain*>(Top());
		}
		// Menus of the manager, and objects on its faces: none once the menu state is gone.
		static int MenusLeft()
		{
			int iLeft = Menus()->mu8_MenuCount;
			for (const LibGfx_CMenu* pMenu : Menus()->mpo_Menu)
				iLeft += pMenu != nullptr;
			for (const LibGfx_CObjBase& oFace : Menus()->mo_Face)
				iLeft += static_cast<int>(oFace.mo_ChildList.size());
			return iLeft;
		}
		static bool OnRoot(const void* ap_Object)
		{
			for (const LibGfx_CObjBase* pChild : LibGfx_CObjBase::so_RootObject.mo_ChildList)
				if (pChild == ap_Object)
					return true;
			return false;
		}
	};
}

TEST_F(MenuStates, TriangleOpensTheMenuAndLeavingItLeavesNothingOfIt)
{
	CState_MenuMain* pMenu = OpenMenu();
	ASSERT_NE(nullptr, pMenu);
	EXPECT_TRUE(Menus()->IsActive());
	EXPECT_EQ(&pMenu->mo_MenuRoot, Menus()->mpo_Menu[0]);
	EXPECT_EQ(4, pMenu->mo_MenuRoot.mu8_MenuTotal);
	EXPECT_EQ("Quiz", Line(0));

	// Circle on the root menu: back to the browser, no state created, the slide-out running once.
	const void* pRoot = &pMenu->mo_MenuRoot.mo_Obj;
	Tap(ke_Key_Circle);
	RunFrames(1);
	ASSERT_EQ(2u, Depth());
	EXPECT_EQ(typeid(CState_KanjiList), typeid(*Top()));
	EXPECT_FALSE(Menus()->IsActive());
	EXPECT_GT(Menus()->mo_Slide.mf_Progress, 0.0f);
	EXPECT_EQ(0, MenusLeft());
	EXPECT_FALSE(OnRoot(pRoot));
	EXPECT_EQ("Kanji 1 of 80", Line1());
	RunFrames(70);

	// Replaced by the list chooser from a submenu's parent: the same.
	pMenu = OpenMenu();
	ASSERT_NE(nullptr, pMenu);
	Tap(ke_Key_Cross);
	RunFrames(43);
	EXPECT_EQ(2, Menus()->mu8_MenuCount);
	Tap(ke_Key_Circle);
	RunFrames(43);
	Tap(ke_Key_Right);
	Tap(ke_Key_Cross);
	RunFrames(1);
	EXPECT_EQ(typeid(CState_KanjiListLoad), typeid(*Top()));
	EXPECT_EQ(0, MenusLeft());
	RunFrames(70);
}

TEST_F(MenuStates, UpAndDownDoNothingAndQuittingOnlySetsTheFlag)
{
	CState_MenuMain* pMenu = OpenMenu();
	ASSERT_NE(nullptr, pMenu);
	Tap(ke_Key_Right);
	Tap(ke_Key_Up);
	Tap(ke_Key_Down);
	RunFrames(1);
	EXPECT_EQ(pMenu, Top());
	EXPECT_EQ(1, pMenu->mo_MenuRoot.mu8_Selected);
	EXPECT_EQ(1, Menus()->mu8_MenuCount);
	EXPECT_EQ(nullptr, pMenu->mp_NextState);
	EXPECT_EQ("Kanji lists", Line(0));

	Tap(ke_Key_Right);
	Tap(ke_Key_Right);
	Tap(ke_Key_Cross);
	EXPECT_TRUE(gb_QuitProgram);
	gb_QuitProgram = false;
	RunFrames(1);
	EXPECT_EQ(pMenu, Top());
	EXPECT_TRUE(Menus()->IsActive());
}

TEST_F(MenuStates, TheQuizMenuFollowsTheListAndTheKanaMenusTheirColumns)
{
	CState_MenuMain* pMenu = OpenMenu();
	ASSERT_NE(nullptr, pMenu);
	// Both kanji quizzes first, then the four kana submenus; each kana entry carries its parameter.
	ASSERT_EQ(6, pMenu->mo_MenuQuiz.mu8_MenuTotal);
	EXPECT_EQ(0, pMenu->mao_ItemKanji[0].mp_Action->m_Param);
	EXPECT_EQ(1, pMenu->mao_ItemKanji[1].mp_Action->m_Param);
	EXPECT_EQ(&pMenu->mao_MenuKana[1], pMenu->mao_ItemKanaMenu[1].mp_Menu);
	EXPECT_EQ(40, pMenu->mao_ItemKana[3][8].mp_Action->m_Param);

	// The parameters' columns; the wa column (14) is in none, and other values give nothing.
	const unsigned short cu16_Columns[9][2] = {{0, 0}, {1, 2}, {3, 4}, {5, 6}, {7, 7}, {8, 10}, {11, 11}, {12, 12}, {0, 13}};
	for (unsigned short u = 0; u < 9; ++u)
	{
		unsigned short uFirst = 99, uLast = 99;
		EXPECT_TRUE(CState_MenuMain::GetKanaRows(static_cast<unsigned short>(32 + u), uFirst, uLast));
		EXPECT_EQ(cu16_Columns[u][0], uFirst);
		EXPECT_EQ(cu16_Columns[u][1], uLast);
	}
	for (unsigned short uValue : {0, 31, 41, 0xFFFF})
	{
		unsigned short uFirst = 99, uLast = 98;
		EXPECT_FALSE(CState_MenuMain::GetKanaRows(uValue, uFirst, uLast));
		EXPECT_EQ(99, uFirst);
		EXPECT_EQ(98, uLast);
	}

	// Over an empty list the quiz menu starts with one inert entry, and Cross keeps it open.
	Tap(ke_Key_Circle);
	RunFrames(1);
	List()->UnloadKanjis();
	pMenu = OpenMenu();
	ASSERT_NE(nullptr, pMenu);
	Tap(ke_Key_Cross);
	RunFrames(43);
	ASSERT_EQ(5, pMenu->mo_MenuQuiz.mu8_MenuTotal);
	EXPECT_EQ(18u, pMenu->mao_ItemKanji[0].mo_Icon.mo_Text.TxtGetTextId());
	EXPECT_EQ(19, pMenu->mao_ItemKanji[0].mu16_TooltipId);
	EXPECT_EQ("The current list holds no kanji.", Line(0));
	Tap(ke_Key_Cross);
	RunFrames(1);
	EXPECT_EQ(pMenu, Top());
	EXPECT_EQ(2, Menus()->mu8_MenuCount);
}

TEST_F(MenuStates, TheChooserNamesTheFirst64ListsAndNoneWithoutLists)
{
	// Seventy lists in a folder of their own; the real ones come back whatever happens.
	char sTemplate[] = "/tmp/fudemaru-lists-XXXXXX";
	ASSERT_NE(nullptr, mkdtemp(sTemplate));
	const std::filesystem::path oFolder = sTemplate;
	{
		std::ofstream oXml(oFolder / "Many.xml");
		for (int i = 0; i < 70; ++i)
			oXml << "<KanjiList Name=\"L" << i << "\"/>\n";
	}
	struct SRestore
	{
		std::filesystem::path mo_Folder;
		~SRestore()
		{
			std::filesystem::remove_all(mo_Folder);
			LibKanji_CKanjiList::Instance()->Load_Lists("./Data/KanjiList/");
		}
	} oRestore{oFolder};
	const std::string sRelative = std::filesystem::relative(oFolder, FUDEMARU_DATA_PARENT).string() + "/";
	List()->Load_Lists(sRelative.c_str());
	ASSERT_EQ(64, List()->GetListCount());

	(new CState_KanjiListLoad())->State_Add();
	RunFrames(1);
	CState_KanjiListLoad* pChooser = dynamic_cast<CState_KanjiListLoad*>(Top());
	ASSERT_NE(nullptr, pChooser);
	EXPECT_EQ(64, pChooser->mo_WndList.mu8_ItemTotal);
	for (int i = 0; i < 70; ++i)
		Tap(ke_Key_Down);
	EXPECT_EQ(63, pChooser->mo_WndList.mu8_ItemSelected);
	// Each name with its kanji count: an empty query holds the whole dictionary.
	const std::string sLast = "L63 (" + std::to_string(LibKanji_CDictionary::Instance()->GetKanjiTotal()) + ")";
	EXPECT_EQ(sLast, pChooser->mo_WndList.mo_Text[CObjWndList::ku_Line_Max - 1].TxtGetText());
	Tap(ke_Key_Circle);
	RunFrames(1);
	EXPECT_EQ(2u, Depth());

	// Without any list the window is empty and Cross loads nothing.
	List()->UnloadLists();
	(new CState_KanjiListLoad())->State_Add();
	RunFrames(1);
	Tap(ke_Key_Down);
	Tap(ke_Key_Cross);
	RunFrames(1);
	EXPECT_EQ(typeid(CState_KanjiListLoad), typeid(*Top()));
	EXPECT_EQ(80, List()->mu_KanjiTotal);
	Tap(ke_Key_Circle);
	RunFrames(1);
	EXPECT_EQ(2u, Depth());
}

// Whenever a face comes to the front, the help line says what its current entry does: on the way
// in, and on the way back from a submenu. Each kana entry says which kana it drills.
TEST_F(MenuStates, EveryFaceThatComesToTheFrontSaysWhatItsEntryDoes)
{
	ASSERT_NE(nullptr, OpenMenu());
	EXPECT_EQ("Quiz", Line(0));
	Tap(ke_Key_Cross);
	RunFrames(43);
	EXPECT_EQ("Find the kanji of each meaning.", Line(0));
	Tap(ke_Key_Circle);
	RunFrames(1);
	EXPECT_EQ("Quiz", Line(0));

	Tap(ke_Key_Cross);
	RunFrames(43);
	Tap(ke_Key_Right);
	Tap(ke_Key_Right);
	Tap(ke_Key_Cross);   // Hiragana A
	RunFrames(43);
	EXPECT_EQ("Hiragana: a i u e o", Line(0));
	Tap(ke_Key_Right);
	EXPECT_EQ("Hiragana: ka ki ku ke ko, ga gi gu ge go", Line(0));
	Tap(ke_Key_Circle);
	RunFrames(1);
	EXPECT_EQ("Pick the hiragana for each romaji.", Line(0));
	Tap(ke_Key_Right);
	Tap(ke_Key_Right);
	Tap(ke_Key_Cross);   // Katakana A, on its last entry
	RunFrames(43);
	for (int i = 0; i < 8; ++i)
		Tap(ke_Key_Right);
	EXPECT_EQ("Katakana: every column from a to ra", Line(0));
}

// The chooser opens on the list loaded, gives each list's kanji count, and stands clear of the
// bar's title line.
TEST_F(MenuStates, TheChooserOpensOnTheListLoadedWithEachListsCount)
{
	(new CState_KanjiListLoad())->State_Add();
	RunFrames(1);
	CState_KanjiListLoad* pChooser = dynamic_cast<CState_KanjiListLoad*>(Top());
	ASSERT_NE(nullptr, pChooser);
	const CObjWndList& oWnd = pChooser->mo_WndList;
	ASSERT_LT(oWnd.mu8_ItemSelected, oWnd.mu8_ItemTotal);
	EXPECT_STREQ("Grade 1 (80)", oWnd.mpp_Items[oWnd.mu8_ItemSelected]);
	EXPECT_STREQ("Grade 2 (160)", oWnd.mpp_Items[oWnd.mu8_ItemSelected + 1]);
	// Counting the lists loads none of them: the browser's list is the one it was.
	EXPECT_EQ(80, List()->mu_KanjiTotal);
	EXPECT_STREQ("Grade 1", List()->mp_ListLoaded->mp_Name);

	CVector3d<float> oCorner1, oCorner2;
	pChooser->mo_WndList.GetCorners(oCorner1, oCorner2, false);
	// The bar's top line stands 32 units above the screen's bottom edge.
	EXPECT_GE(oCorner2.y + pChooser->mo_WndList.mo_Pos.y, -kf_Screen_HalfHeight + 32);
	EXPECT_LE(oCorner1.y + pChooser->mo_WndList.mo_Pos.y, kf_Screen_HalfHeight);
	Tap(ke_Key_Circle);
	RunFrames(1);
}

// The chooser and the bar's title name the shipped lists in the interface's language as it is
// when they are shown.
TEST_F(MenuStates, TheChooserAndTheTitleNameTheListsInTheInterfacesLanguage)
{
	const struct { u8 mu8_Language; const char* ms_Item; const char* ms_Title; } ac_Case[] = {
		{1, "Ann\xE9" "e 1 (80)", "Ann\xE9" "e 1"},
		{2, "Anno 1 (80)", "Anno 1"},
		{0, "Grade 1 (80)", "Grade 1"},
	};
	for (const auto& c : ac_Case)
	{
		ASSERT_TRUE(LibText_CManagerString::Instance()->Load(c.mu8_Language));
		(new CState_KanjiListLoad())->State_Add();
		RunFrames(1);
		CState_KanjiListLoad* p_Chooser = dynamic_cast<CState_KanjiListLoad*>(Top());
		ASSERT_NE(nullptr, p_Chooser);
		const CObjWndList& o_Wnd = p_Chooser->mo_WndList;
		EXPECT_STREQ(c.ms_Item, o_Wnd.mpp_Items[o_Wnd.mu8_ItemSelected]);
		Tap(ke_Key_Circle);
		RunFrames(1);
		EXPECT_EQ(c.ms_Title, Line0());
	}
}
