// Runs the real game offscreen, frame by frame, from a script, and saves screenshots.
#include "CDataFolder.h"
#include "CInkCheck.h"
#include "CReplayScript.h"
#include "CTextConvert.h"
#include "Fudemaru.h"
#include "GameMode/CState_Loading.h"
#include "LibGen_CState.h"
#include "LibGfx_CEngine.h"
#include "LibGen_CManagerMem.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CManagerTooltip.h"
#include "LibGfx_COffscreen.h"
#include "LibInput_ManagerKey_Headless.h"
#include "LibKanji_CKanjiList.h"

#include <GL/gl.h>
#include <malloc.h>
#include <sys/resource.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <list>
#include <sstream>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

namespace
{
	struct SOptions
	{
		std::string ms_Data;
		int mi_Width = 480;
		int mi_Height = 272;
		unsigned int mu_Seed = 1;
		bool mb_KeepRunning = false;
		std::string ms_Script;
	};

	int Usage()
	{
		fprintf(stderr, "usage: fudemaru-replay [--data DIR] [--size WxH] [--seed N] [--keep-running] SCRIPT\n");
		return 2;
	}

	bool ParseOptions(int argc, char** argv, SOptions& ao_Options)
	{
		for (int i = 1; i < argc; ++i)
		{
			const std::string sArg = argv[i];
			const bool bHasValue = i + 1 < argc;
			if (sArg == "--data" && bHasValue)
				ao_Options.ms_Data = argv[++i];
			else if (sArg == "--size" && bHasValue)
			{
				if (sscanf(argv[++i], "%dx%d", &ao_Options.mi_Width, &ao_Options.mi_Height) != 2 ||
						ao_Options.mi_Width < 1 || ao_Options.mi_Height < 1 ||
						ao_Options.mi_Width > 4096 || ao_Options.mi_Height > 4096)
					return false;
			}
			else if (sArg == "--seed" && bHasValue)
				ao_Options.mu_Seed = static_cast<unsigned int>(strtoul(argv[++i], nullptr, 10));
			else if (sArg == "--keep-running")
				ao_Options.mb_KeepRunning = true;
			else if (sArg.size() > 1 && sArg[0] == '-')
				return false;
			else if (ao_Options.ms_Script.empty())
				ao_Options.ms_Script = sArg;
			else
				return false;
		}
		return !ao_Options.ms_Script.empty();
	}

	void PrintStack()
	{
		printf("%s\n", LibGen_CState::StackLine().c_str());
	}

	// The notice of the data problems found at start, while it is shown, its lines joined by " / ".
	void PrintNotice()
	{
		const std::list<LibGen_CState*>& o_Stack = LibGen_CState::GetStateList();
		const CState_Loading* p_Loading = o_Stack.empty() ? nullptr : dynamic_cast<const CState_Loading*>(o_Stack.back());
		if (p_Loading == nullptr || !p_Loading->mb_Notice)
			return;
		std::string s_Text = CTextConvert::Convert("UTF-8", "ISO-8859-1", p_Loading->mo_Text.TxtGetText());
		for (size_t u_At = s_Text.find('\n'); u_At != std::string::npos; u_At = s_Text.find('\n', u_At))
			s_Text.replace(u_At, 1, " / ");
		printf("notice: %s\n", s_Text.c_str());
	}

	// The current list's name and size, and the tooltip bar's two lines as the player reads
	// them (a hidden line is empty), in UTF-8.
	void PrintScreen()
	{
		const LibKanji_CKanjiList* p_List = LibKanji_CKanjiList::Instance();
		const char* s_Name = p_List->mp_ListLoaded ? p_List->mp_ListLoaded->mp_Name : "";
		printf("list: %s (%u)\n", CTextConvert::Convert("UTF-8", "ISO-8859-1", s_Name).c_str(), p_List->mu_KanjiTotal);

		std::string s_Lines[LibGfx_CManagerTooltip::ku_Tooltip_Line];
		const LibGfx_CManagerTooltip* p_Tooltip = LibGfx_CManagerTooltip::Instance();
		for (int i = 0; i < LibGfx_CManagerTooltip::ku_Tooltip_Line; ++i)
		{
			const LibGfx_CObjText& o_Line = p_Tooltip->mo_TxtLine[i];
			const bool b_Shown = (p_Tooltip->mo_Bar.mu32_State & LibGfx_CObjBase::ke_Obj_Visible) &&
			                    (o_Line.mu32_State & LibGfx_CObjBase::ke_Obj_Visible) && o_Line.TxtGetText();
			if (b_Shown)
				s_Lines[i] = CTextConvert::Convert("UTF-8", "ISO-8859-1", o_Line.TxtGetText());
		}
		printf("tooltip: %s | %s\n", s_Lines[0].c_str(), s_Lines[1].c_str());
		PrintNotice();
	}

	// The texts of the last frame, checked as the player reads them: one line for each problem
	// found; false when there was one.
	bool CheckInk(int ai_Line)
	{
		float af_Projection[16];
		glGetFloatv(GL_PROJECTION_MATRIX, af_Projection);
		CInkCheck oCheck;
		oCheck.Collect(af_Projection);
		const std::vector<std::string> oProblems = oCheck.Problems();
		for (const std::string& sProblem : oProblems)
			printf("ink: line %d: %s\n", ai_Line, sProblem.c_str());
		return oProblems.empty();
	}

	// What the screens hold of the fixed texture budget: custom texture slots and palettes locked,
	// and the bytes of the video-memory pool handed out.
	void PrintMemory()
	{
		const LibGfx_CManagerTexture* pTextures = LibGfx_CManagerTexture::Instance();
		int iTextures = 0;
		for (u16 u = ke__Custom_Start; u <= ke__Custom_End; ++u)
			iTextures += pTextures->mb_TextureUsed[u];
		int iPalettes = 0;
		for (bool bUsed : pTextures->mb_PaletteUsed)
			iPalettes += bUsed;
		// The process's heap in use and its peak resident size, for soaks that watch for growth.
		rusage oUsage = {};
		getrusage(RUSAGE_SELF, &oUsage);
		printf("memory: textures %d, palettes %d, vram %lu, heap %zu, peak %ld kB\n", iTextures, iPalettes,
			static_cast<unsigned long>(gManagerVRam.GetUsedSize()), mallinfo2().uordblks, oUsage.ru_maxrss);
	}

	// The frames each kind of state spent on top of the stack, in the order first seen.
	class CScreenFrames
	{
	public:
		void Count()
		{
			const std::list<LibGen_CState*>& oStack = LibGen_CState::GetStateList();
			if (oStack.empty())
				return;
			const std::type_index oType(typeid(*oStack.back()));
			for (std::pair<std::type_index, unsigned long>& oEntry : mo_Frames)
				if (oEntry.first == oType)
				{
					++oEntry.second;
					return;
				}
			mo_Frames.emplace_back(oType, 1);
			mo_Names.push_back(LibGen_CState::ClassName(oStack.back()));
		}
		void Print() const
		{
			printf("screens:");
			for (size_t i = 0; i < mo_Frames.size(); ++i)
				printf("%s %s %lu", i ? "," : "", mo_Names[i].c_str(), mo_Frames[i].second);
			printf("\n");
		}

	private:
		std::vector<std::pair<std::type_index, unsigned long>> mo_Frames;
		std::vector<std::string> mo_Names;
	};

	void PrintSummary(unsigned long au_Frames, bool ab_Quit, unsigned long au_Quits, const CScreenFrames& ao_Screens)
	{
		printf("frames: %lu\n", au_Frames);
		PrintStack();
		printf("quit: %s\n", ab_Quit ? "yes" : "no");
		if (au_Quits != 0)
			printf("quits kept running: %lu\n", au_Quits);
		PrintScreen();
		PrintMemory();
		ao_Screens.Print();
	}
}

int main(int argc, char** argv)
{
	SOptions oOptions;
	if (!ParseOptions(argc, argv, oOptions))
		return Usage();

	std::ifstream oFile(oOptions.ms_Script);
	if (!oFile)
	{
		fprintf(stderr, "fudemaru-replay: cannot read %s\n", oOptions.ms_Script.c_str());
		return 1;
	}
	std::stringstream oText;
	oText << oFile.rdbuf();
	CReplayScript oScript;
	if (!oScript.Parse(oText.str()))
	{
		fprintf(stderr, "fudemaru-replay: %s: %s\n", oOptions.ms_Script.c_str(), oScript.GetError().c_str());
		return 1;
	}

	CDataFolder oData;
	if (!oData.Find(argv[0], oOptions.ms_Data))
	{
		fprintf(stderr, "fudemaru-replay: no data folder at %s\n", oOptions.ms_Data.c_str());
		return 1;
	}
	LibGfx_COffscreen oScreen;
	if (!oScreen.Create(static_cast<u16>(oOptions.mi_Width), static_cast<u16>(oOptions.mi_Height)))
	{
		fprintf(stderr, "fudemaru-replay: cannot create a %dx%d offscreen frame\n", oOptions.mi_Width, oOptions.mi_Height);
		return 1;
	}
	const SViewport oView = Fudemaru_ComputeViewport(oOptions.mi_Width, oOptions.mi_Height);
	glViewport(oView.mi_X, oView.mi_Y, oView.mi_Width, oView.mi_Height);
	guWindowSize.x = static_cast<u16>(oOptions.mi_Width);
	guWindowSize.y = static_cast<u16>(oOptions.mi_Height);

	Fudemaru_Start(oData.Get(), oOptions.mu_Seed);

	unsigned long uFrames = 0;
	unsigned long uQuits = 0;
	bool bQuit = false;
	bool bInkClean = true;
	CScreenFrames oScreens;
	auto RunFrames = [&](u32 au32_Count) {
		for (u32 i = 0; i < au32_Count && !bQuit;)
		{
			if (Fudemaru_Frame())
			{
				++uFrames;
				++i;
				oScreens.Count();
			}
			else if (oOptions.mb_KeepRunning)
			{
				// A soak goes on through the menu's quit entry: the request is counted and dropped.
				gb_QuitProgram = false;
				++uQuits;
			}
			else
				bQuit = true;
		}
	};

	for (const CReplayScript::SStep& oStep : oScript.GetSteps())
	{
		switch (oStep.me_Command)
		{
			case CReplayScript::ke_Frames:
				RunFrames(oStep.mu32_Value);
				break;
			case CReplayScript::ke_Down:
				LibInput_SetScriptKeys(LibInput_GetScriptKeys() | oStep.mu32_Value);
				break;
			case CReplayScript::ke_Up:
				LibInput_SetScriptKeys(LibInput_GetScriptKeys() & ~oStep.mu32_Value);
				break;
			case CReplayScript::ke_Tap:
				LibInput_SetScriptKeys(LibInput_GetScriptKeys() | oStep.mu32_Value);
				RunFrames(1);
				LibInput_SetScriptKeys(LibInput_GetScriptKeys() & ~oStep.mu32_Value);
				break;
			case CReplayScript::ke_Shot:
				if (!oScreen.SavePng(oStep.ms_File.c_str()))
				{
					fprintf(stderr, "fudemaru-replay: line %d: cannot write %s\n", oStep.mi_Line, oStep.ms_File.c_str());
					Fudemaru_Stop();
					return 1;
				}
				break;
			case CReplayScript::ke_Print:
				PrintStack();
				PrintScreen();
				PrintMemory();
				break;
			case CReplayScript::ke_Ink:
				bInkClean = CheckInk(oStep.mi_Line) && bInkClean;
				break;
		}
	}
	PrintSummary(uFrames, bQuit, uQuits, oScreens);
	// The summary is out before a leak checker, if any, reports at exit.
	fflush(stdout);
	Fudemaru_Stop();
	return bInkClean ? 0 : 1;
}
