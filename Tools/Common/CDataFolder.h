#ifndef CDATAFOLDER_H
#define CDATAFOLDER_H

#include <string>

// The folder that holds the Data folder, for the developer tools. The game reads "./Data/..."
// below it; a data folder named otherwise is reached through a temporary folder holding a link
// named Data, removed again with this object.
class CDataFolder
{
public:
	CDataFolder() = default;
	CDataFolder(const CDataFolder&) = delete;
	CDataFolder& operator=(const CDataFolder&) = delete;
	~CDataFolder();

	// With no data folder given, the program's own folder. False when the folder cannot be used.
	bool Find(const char* as_Program, const std::string& as_Data);
	const char* Get() const { return ms_Folder; }

private:
	char ms_Folder[1024] = "";
	std::string ms_Temp;
	std::string ms_Link;
};

#endif
