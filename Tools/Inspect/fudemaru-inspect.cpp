// Reads the Data folder with the game's own loaders and prints what they found as JSON.
#include "CConfig.h"
#include "CDataFolder.h"
#include "CTextConvert.h"
#include "Fudemaru.h"
#include "GameMode/CState_Loading.h"
#include "GameMode/GameView.h"
#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_COffscreen.h"
#include "LibKanji_CDictionary.h"
#include "LibKanji_CKanjiTexts.h"
#include "LibKanji_CKanjiList.h"
#include "LibKanji_CStroke.h"
#include "LibText_CManagerString.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
	const char* const kProgram = "fudemaru-inspect";

	int Usage()
	{
		fprintf(stderr, "usage: %s [--data DIR] kanji C | lists | list NAME | strokes C | strings LANG | check\n", kProgram);
		return 2;
	}

	int Fail(const char* as_What, const char* as_Arg)
	{
		fprintf(stderr, "%s: %s %s\n", kProgram, as_What, as_Arg);
		return 1;
	}

	// A JSON string of UTF-8 text.
	std::string Quote(const std::string& as_Text)
	{
		std::string s_Out = "\"";
		for (unsigned char c : as_Text)
		{
			char s_Escape[8];
			if (c == '"' || c == '\\')
				s_Out += '\\', s_Out += (char)c;
			else if (c < 0x20)
			{
				snprintf(s_Escape, sizeof(s_Escape), "\\u%04x", c);
				s_Out += s_Escape;
			}
			else
				s_Out += (char)c;
		}
		return s_Out + "\"";
	}

	std::string EucText(const char* as_Euc)
	{
		return Quote(CTextConvert::Convert("UTF-8", "EUC-JP", as_Euc));
	}

	std::string LatinText(const char* as_Latin1)
	{
		return Quote(CTextConvert::Convert("UTF-8", "ISO-8859-1", as_Latin1));
	}

	// The meanings of each language, the words that use the kanji.
	std::string KanjiTexts(const SKanjiData* ap_Kanji)
	{
		const LibKanji_CKanjiTexts* p_Texts = LibKanji_CKanjiTexts::Instance();
		const char* const cs_Lang[] = { "en", "fr", "it", "es", "pt" };
		std::string s_Out = "\"meanings_shown\":{";
		for (u8 l = 0; l < LibKanji_CKanjiTexts::ke_Lang_Total; ++l)
		{
			const char* ap_Meanings[LibKanji_CKanjiTexts::ku_Meaning_Max];
			const u8 u8_Count = p_Texts->GetMeanings(ap_Kanji, l, ap_Meanings);
			std::string s_List;
			for (u8 i = 0; i < u8_Count; ++i)
				s_List += (i ? "," : "") + LatinText(ap_Meanings[i]);
			s_Out += std::string(l ? "," : "") + Quote(cs_Lang[l]) + ":[" + s_List + "]";
		}
		s_Out += "},\"words\":[";
		LibKanji_CKanjiTexts::SWord ao_Words[LibKanji_CKanjiTexts::ku_Word_Max];
		const u8 u8_Words = p_Texts->GetWords(ap_Kanji, ao_Words);
		for (u8 i = 0; i < u8_Words; ++i)
			s_Out += std::string(i ? "," : "") + "{\"word\":" + EucText(ao_Words[i].ms_Word) + ",\"reading\":" +
				EucText(ao_Words[i].ms_Reading) + ",\"gloss\":" + Quote(ao_Words[i].ms_Gloss) + "}";
		return s_Out + "]";
	}

	std::string CodeText(u16 au16_Code)
	{
		char s_Code[8];
		snprintf(s_Code, sizeof(s_Code), "0x%04X", au16_Code);
		return s_Code;
	}

	// A UTF-8 character or a code written 0xB0A1; 0 when it names no two-byte EUC-JP character.
	u16 ParseCode(const char* as_Arg)
	{
		if (as_Arg[0] == '0' && (as_Arg[1] == 'x' || as_Arg[1] == 'X'))
		{
			char* p_End = nullptr;
			const unsigned long u_Value = strtoul(as_Arg + 2, &p_End, 16);
			return (*p_End == 0 && u_Value <= 0xFFFF) ? (u16)u_Value : 0;
		}
		const std::string s_Euc = CTextConvert::Convert("EUC-JP", "UTF-8", as_Arg);
		return (s_Euc.size() == 2) ? (u16)((u8)s_Euc[0] << 8 | (u8)s_Euc[1]) : 0;
	}

	std::string TextArray(const char* const* ap_Texts, u8 au8_Count)
	{
		std::string s_Out = "[";
		for (u8 i = 0; i < au8_Count; ++i)
			s_Out += (i ? "," : "") + EucText(ap_Texts[i]);
		return s_Out + "]";
	}

	std::string TextArray(const SKanjiData* ap_Kanji, SKanjiData::enumString ae_Kind)
	{
		return TextArray(ap_Kanji->mpp_String[ae_Kind], ap_Kanji->mu8_StringCount[ae_Kind]);
	}

	int PrintKanji(const char* as_Arg)
	{
		const u16 u16_Code = ParseCode(as_Arg);
		const SKanjiData* p_Kanji = LibKanji_CDictionary::Instance()->FindKanjiFromEuc(u16_Code);
		if (p_Kanji == nullptr)
			return Fail("no kanji", as_Arg);
		// The fields in record order under their list names; the code itself is "euc".
		std::string s_Info;
		for (int e = SKanjiData::ke_Info_U; e <= SKanjiData::ke_Info_DB; ++e)
		{
			const u16 u16_Value = p_Kanji->mu16_Info[e];
			const SFilterVal* p_Row = coFilterVal;
			while (p_Row->ms_Name != nullptr && p_Row->me_Info != e)
				++p_Row;
			if (u16_Value != 0 && p_Row->ms_Name != nullptr)
				s_Info += (s_Info.empty() ? "" : ",") + Quote(p_Row->ms_Name) + ":" + std::to_string(u16_Value);
		}
		// "kun_shown": both kinds of kun readings in the order of the file, as the cards and the
		// detail page list them.
		const char* ap_Kun[SKanjiData::ku_Kun_Max];
		const u8 u8_Kun = p_Kanji->GetKunReadings(ap_Kun);
		printf("{\"euc\":\"%s\",\"index\":%d,\"info\":{%s},\"meanings\":%s,\"kun_okurigana\":%s,\"on\":%s,\"kun\":%s,"
			"\"kun_shown\":%s,%s}\n",
			CodeText(u16_Code).c_str(), LibKanji_CDictionary::GetIndexFromEuc(u16_Code), s_Info.c_str(),
			TextArray(p_Kanji, SKanjiData::ke_String_Meaning).c_str(),
			TextArray(p_Kanji, SKanjiData::ke_String_KunOkurigana).c_str(),
			TextArray(p_Kanji, SKanjiData::ke_String_On).c_str(),
			TextArray(p_Kanji, SKanjiData::ke_String_Kun).c_str(), TextArray(ap_Kun, u8_Kun).c_str(), KanjiTexts(p_Kanji).c_str());
		return 0;
	}

	int PrintLists()
	{
		LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
		for (u8 i = 0; i < p_Lists->GetListCount(); ++i)
		{
			const LibKanji_CKanjiList::SListInfo* p_Info = p_Lists->GetListInfo(i);
			// "names": what each interface language shows, English, French, Italian.
			printf("{\"index\":%d,\"name\":%s,\"type\":%d,\"file\":%s,\"names\":[%s,%s,%s]}\n", i,
				Quote(p_Info->mp_Name).c_str(), p_Info->mu8_Type, Quote(p_Info->mp_File).c_str(),
				LatinText(p_Info->GetName(0)).c_str(), LatinText(p_Info->GetName(1)).c_str(), LatinText(p_Info->GetName(2)).c_str());
		}
		return 0;
	}

	int PrintList(const char* as_Name)
	{
		LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
		LibKanji_CKanjiList::SListInfo* p_Info = p_Lists->GetListInfo(as_Name);
		if (p_Info == nullptr || !p_Lists->Load_KanjiList(p_Info))
			return Fail("no list", as_Name);
		std::string s_Kanji;
		std::string s_Codes;
		for (u16 i = 0; i < p_Lists->mu_KanjiTotal; ++i)
		{
			const u16 u16_Code = p_Lists->GetKanji(i);
			const char s_Euc[3] = { (char)(u16_Code >> 8), (char)u16_Code, 0 };
			// An empty position shows as an ideographic space, so that places line up with the codes.
			s_Kanji += (u16_Code != 0) ? CTextConvert::Convert("UTF-8", "EUC-JP", s_Euc) : "\xE3\x80\x80";
			s_Codes += (i ? ",\"" : "\"") + CodeText(u16_Code) + "\"";
		}
		printf("{\"name\":%s,\"count\":%d,\"kanji\":%s,\"codes\":[%s]}\n", Quote(p_Info->mp_Name).c_str(),
			p_Lists->mu_KanjiTotal, Quote(s_Kanji).c_str(), s_Codes.c_str());
		return 0;
	}

	int PrintStrokes(const char* as_Arg)
	{
		const u16 u16_Code = ParseCode(as_Arg);
		LibKanji_CStroke* p_Stroke = LibKanji_CStroke::Instance();
		if (LibKanji_CDictionary::Instance()->FindKanjiFromEuc(u16_Code) == nullptr && p_Stroke->GetElementId(u16_Code) == 0)
			return Fail("no kanji", as_Arg);
		std::vector<LibGen_CPath> o_Paths;
		const u8 u8_Count = p_Stroke->GetStrokes(u16_Code, CVector2d<unsigned short>(96, 96), 5, o_Paths);
		std::string s_Strokes;
		for (const LibGen_CPath& o_Path : o_Paths)
		{
			char s_Stroke[64];
			snprintf(s_Stroke, sizeof(s_Stroke), "%s{\"points\":%u,\"length\":%.2f}", s_Strokes.empty() ? "" : ",",
				o_Path.GetVertexCount(), o_Path.GetPathLenght());
			s_Strokes += s_Stroke;
		}
		printf("{\"count\":%d,\"strokes\":[%s]}\n", u8_Count, s_Strokes.c_str());
		return 0;
	}

	// The non-empty texts of a language's string table by id; LANG is the table's number.
	int PrintStrings(const char* as_Arg)
	{
		char* p_End = nullptr;
		const unsigned long u_Lang = strtoul(as_Arg, &p_End, 10);
		LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
		p_Strings->SetLanguagePath(ks_LanguageFolder);
		if (as_Arg[0] < '0' || as_Arg[0] > '9' || *p_End != 0 || u_Lang > 99 || !p_Strings->Load((u8)u_Lang))
			return Fail("no language", as_Arg);
		std::string s_Strings;
		const u32 u_Total = p_Strings->GetStringTotal();
		for (u32 u_Id = 1; u_Id <= u_Total; ++u_Id)
		{
			const char* s_Text = p_Strings->GetString(u_Id);
			if (s_Text[0] == 0)
				continue;
			s_Strings += (s_Strings.empty() ? "\"" : ",\"") + std::to_string(u_Id) + "\":" +
				Quote(CTextConvert::Convert("UTF-8", "ISO-8859-1", s_Text));
		}
		printf("{\"count\":%u,\"strings\":{%s}}\n", u_Total, s_Strings.c_str());
		return 0;
	}

	// The whole Data folder through the game's loaders, with the game's paths: each problem is
	// the game's own line on standard error; {"problems":N} closes the run, exit 1 when N > 0.
	int Check(const char* as_Folder)
	{
		CConfig o_Config;
		o_Config.Load(as_Folder);
		goFontAscii.LoadBdf(ks_FontAsciiFile);
		goFontAsciiSmall.LoadBdf(ks_FontAsciiSmallFile);
		LibText_CManagerString* p_Strings = LibText_CManagerString::Instance();
		p_Strings->SetLanguagePath(ks_LanguageFolder);
		for (u8 u8_Lang = 0; u8_Lang < CConfig::ku_Language_Total; ++u8_Lang)
			p_Strings->Load(u8_Lang);
		// The pictures become textures as in the game, so that one too large for the video
		// memory is found too.
		LibGfx_COffscreen o_Screen;
		if (o_Screen.Create(ku16_Screen_Width, ku16_Screen_Height))
		{
			LibGfx_CEngine::Instance()->Load();
			LibGfx_CManagerTexture::Instance()->LoadBaseTextures();
			LibGfx_CEngine::Instance()->LoadBg(ks_View_BackgroundIntro);
			LibGfx_CEngine::Instance()->LoadBg(ks_View_BackgroundScreen);
			LibGfx_CManagerTexture::Instance()->FreeAllTexture();
			LibGfx_CEngine::Instance()->Unload();
		}
		else
			fprintf(stderr, "%s: no offscreen frame: the theme pictures are not checked\n", kProgram);
		for (int e = 0; e < CState_Loading::ke_Step__Total; ++e)
			CState_Loading::LoadStep(static_cast<CState_Loading::enumStep>(e));
		// Every list, as the chooser would load it: a Source loop or an unknown field shows here.
		LibKanji_CKanjiList* p_Lists = LibKanji_CKanjiList::Instance();
		for (u8 i = 0; i < p_Lists->GetListCount(); ++i)
			p_Lists->Load_KanjiList(i);
		const u32 u32_Problems = LibGen_GetReportCount();
		printf("{\"problems\":%u}\n", u32_Problems);
		return u32_Problems != 0 ? 1 : 0;
	}
}

int main(int argc, char** argv)
{
	std::string s_Data;
	std::vector<const char*> o_Args;
	for (int i = 1; i < argc; ++i)
	{
		if (strcmp(argv[i], "--data") == 0 && i + 1 < argc)
			s_Data = argv[++i];
		else
			o_Args.push_back(argv[i]);
	}
	if (o_Args.empty())
		return Usage();
	const std::string s_Command = o_Args[0];
	const bool b_Arg = o_Args.size() == 2;
	if (!(((s_Command == "lists" || s_Command == "check") && o_Args.size() == 1) ||
			((s_Command == "kanji" || s_Command == "list" || s_Command == "strokes" || s_Command == "strings") && b_Arg)))
		return Usage();

	CDataFolder o_Folder;
	if (!o_Folder.Find(argv[0], s_Data))
		return Fail("no data folder at", s_Data.c_str());
	LibGen_CFileSystem::Instance()->SetCurrentDir(o_Folder.Get());
	if (s_Command == "check")
		return Check(o_Folder.Get());
	if (s_Command == "strings")
		return PrintStrings(o_Args[1]);

	if (!LibKanji_CDictionary::Instance()->Load("./Data/kanjidic"))
		return Fail("cannot read", "./Data/kanjidic");
	if (s_Command == "kanji")
	{
		// Without these files the kanji shows English meanings and no words, as in the game.
		LibKanji_CKanjiTexts::Instance()->LoadMeanings("./Data/meanings");
		LibKanji_CKanjiTexts::Instance()->LoadWords("./Data/words");
		return PrintKanji(o_Args[1]);
	}
	if (s_Command == "strokes")
	{
		if (!LibKanji_CStroke::Instance()->Load("./Data/FudemaruStroke.db"))
			return Fail("cannot read", "./Data/FudemaruStroke.db");
		return PrintStrokes(o_Args[1]);
	}
	// The shipped lists, then the player's own, as the game finds them.
	CState_Loading::LoadStep(CState_Loading::ke_Step_Lists);
	return (s_Command == "lists") ? PrintLists() : PrintList(o_Args[1]);
}
