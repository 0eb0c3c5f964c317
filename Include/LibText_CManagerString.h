#ifndef LIBTEXT_CMANAGERSTRING_H
#define LIBTEXT_CMANAGERSTRING_H

#include "LibGen_CSingleton.h"
#include "LibGen_DataTypes.h"

// The interface texts of one language, read from the string table "Language%02i.bin" of the
// language directory and handed out by id. The table is a little-endian u32 count N, N u32
// offsets (ids 1 to N) from the start of the file, and the zero-terminated texts.
class LibText_CManagerString : public LibGen_CSingleton<LibText_CManagerString>
{
public:
	LibText_CManagerString();
	~LibText_CManagerString() override;

	void SetLanguagePath(const char* as_pathname);
	// False, with no table loaded, for a missing, short or inconsistent file.
	bool Load(u8 au8_Language);
	void Unload();

	// Id 0, an id past the count or no table at all give the empty text. The text stays valid
	// until the next Load or Unload.
	const char* GetString(u32 au32_StringId) const;
	u32 GetStringTotal() const;
	// The language of the table loaded last (0 English, 1 French, 2 Italian): what is laid out
	// reads it each time, so that a change of language shows at once.
	u8 GetLanguage() const { return mu8_Language; }

private:
	LibText_CManagerString(const LibText_CManagerString&) = delete;
	LibText_CManagerString& operator=(const LibText_CManagerString&) = delete;

	// Reports what is wrong with the table just read, if anything; true when it is sound.
	bool IsTableSound(const char* as_Path, u32 au32_Size) const;
	u32  ReadU32(u32 au32_Offset) const;

	char* ms_Pathname;
	u8*   mp_LanguageData;
	u8    mu8_Language;
};

#endif
