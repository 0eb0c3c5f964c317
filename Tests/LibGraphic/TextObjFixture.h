#ifndef TEXTOBJFIXTURE_H
#define TEXTOBJFIXTURE_H

#include "GfxTestFixture.h"

#include "LibGfx_CManagerTexture.h"
#include "LibText_CFont.h"
#include "LibText_CManagerString.h"

#include <cstdio>
#include <string>
#include <vector>

// The graphics fixture plus what text objects need: a text palette (index 0 clear, 1 opaque
// white), small fonts and string tables written to the scratch folder.
class TextObjTest : public GfxTest
{
protected:
	void SetUp() override
	{
		GfxTest::SetUp();
		mu8_Palette = LibGfx_CManagerTexture::Instance()->LockPalette();
		const u32 au32_Colors[2] = {0, 0xffffffffu};
		LibGfx_CManagerTexture::Instance()->SetPalette(mu8_Palette, au32_Colors, 2);
	}
	void TearDown() override
	{
		LibText_CManagerString::Instance()->Unload();
		GfxTest::TearDown();
	}

	bool WriteFile(const char* as_Name, const std::string& as_Bytes)
	{
		FILE* pFile = fopen(Scratch(as_Name).c_str(), "wb");
		if (pFile == nullptr)
			return false;
		const bool b = fwrite(as_Bytes.data(), 1, as_Bytes.size(), pFile) == as_Bytes.size();
		return fclose(pFile) == 0 && b;
	}

	// A fixed-cell font of au8_Width x au8_Height whose glyphs, from 'A' on, are the given bytes:
	// rows of ceil(width / 8) bytes, leftmost pixel in bit 0. Codes outside draw glyph 'A'.
	bool LoadFont(LibText_CFont& ao_Font, u8 au8_Width, u8 au8_Height, const std::vector<u8>& ao_Rows)
	{
		return WriteFile("font.bin", std::string(ao_Rows.begin(), ao_Rows.end())) &&
			   ao_Font.LoadBinFixed("./font.bin", au8_Width, au8_Height, 'A', false);
	}

	// The texts as ids 1, 2, ... of the loaded language table.
	bool LoadStrings(const std::vector<std::string>& ao_Texts)
	{
		std::string sHead, sBody;
		const u32 u32_Count = static_cast<u32>(ao_Texts.size());
		auto Put32 = [&sHead](u32 u) { for (int i = 0; i < 4; ++i) sHead += static_cast<char>(u >> (8 * i)); };
		Put32(u32_Count);
		for (const std::string& s : ao_Texts)
		{
			Put32(4 + 4 * u32_Count + static_cast<u32>(sBody.size()));
			sBody += s + '\0';
		}
		LibText_CManagerString* pStrings = LibText_CManagerString::Instance();
		pStrings->SetLanguagePath(".");
		return WriteFile("Language00.bin", sHead + sBody) && pStrings->Load(0);
	}

	// Gives a fixed texture slot a plain opaque picture of the size and colour.
	LibGfx_CTexture* MakePicture(u16 au16_Id, u16 au16_Width, u16 au16_Height, u32 au32_Color)
	{
		std::vector<u32> oPixels(static_cast<size_t>(au16_Width) * au16_Height, au32_Color);
		SPicInfo oPic = {reinterpret_cast<u8*>(oPixels.data()), au16_Width, au16_Height, ke_PixelFormat_8888};
		LibGfx_CTexture* pTexture = LibGfx_CManagerTexture::Instance()->GetTexture(au16_Id);
		pTexture->Init(oPic, false);
		return pTexture;
	}

	u8 mu8_Palette = 0;
};

#endif
