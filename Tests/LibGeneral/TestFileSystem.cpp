#include <stdio.h>
#include <sys/stat.h>
#include <set>
#include <string>
#include <gtest/gtest.h>
#include "LibGen_CFileBuffer.h"
#include "LibGen_CFileSystem.h"
#include "ReportLines.h"
#include "ScratchFolder.h"
#include "TestAssert.h"

namespace {

typedef LibGen_CFileSystem FS;

class FileSystemTest : public ScratchFolder
{
protected:
	void Touch(const std::string& as_Name) { Write(as_Name, ""); }
};

TEST_F(FileSystemTest, OpenFileJoinsTheCurrentDirectoryAndRefusesOverlongPaths)
{
	// A directory that cannot be opened keeps the previous one.
	FS::Instance()->SetCurrentDir((ms_Root + "/nowhere").c_str());
	// The joined path is the root, a slash and the name: names with folders can outgrow the
	// buffer, which holds FS::ku_OpenFile_Path_Max - 1 characters.
	std::string s_Dirs;
	while (ms_Root.size() + 1 + s_Dirs.size() + 200 < FS::ku_OpenFile_Path_Max - 1)
	{
		s_Dirs += std::string(150, 'd') + std::to_string(s_Dirs.size()) + "/";
		ASSERT_EQ(mkdir((ms_Root + "/" + s_Dirs).c_str(), 0755), 0);
	}
	const size_t u_Fit = FS::ku_OpenFile_Path_Max - 1 - ms_Root.size() - 1 - s_Dirs.size();
	const std::string s_Fits = s_Dirs + std::string(u_Fit, 'f');
	const std::string s_TooLong = s_Dirs + std::string(u_Fit + 1, 'g');
	Touch(s_Fits);
	Touch(s_TooLong);
	FILE* p_File = FS::Instance()->OpenFile(s_Fits.c_str(), "rb");
	ASSERT_NE(p_File, nullptr);
	fclose(p_File);
	EXPECT_EQ(FS::Instance()->OpenFile(s_TooLong.c_str(), "rb"), nullptr);

	// A program installed deep in the file system still reaches a data file of a usual length.
	std::string s_Deep = ms_Root;
	while (s_Deep.size() < FS::ku_DirCurrent_Name_Lenght - 200)
	{
		s_Deep += "/" + std::string(150, 'p');
		ASSERT_EQ(mkdir(s_Deep.c_str(), 0755), 0);
	}
	ASSERT_EQ(mkdir((s_Deep + "/Data").c_str(), 0755), 0);
	fclose(fopen((s_Deep + "/Data/kanjidic").c_str(), "w"));
	FS::Instance()->SetCurrentDir(s_Deep.c_str());
	p_File = FS::Instance()->OpenFile("./Data/kanjidic", "rb");
	ASSERT_NE(p_File, nullptr);
	fclose(p_File);
}

// The player's folder lies outside the current directory: an absolute name is opened and listed
// as it stands, while data names stay below the current directory.
TEST_F(FileSystemTest, AbsoluteNamesAreTakenAsTheyStand)
{
	MakeDir("Own");
	Touch("Own/mine.xml");
	Touch("Data/config.xml");
	const std::string s_Own = ms_Root + "/Own/mine.xml";
	FILE* p_File = FS::Instance()->OpenFile(s_Own.c_str(), "rb");
	ASSERT_NE(p_File, nullptr);
	fclose(p_File);
	p_File = FS::Instance()->OpenFile("./Data/config.xml", "rb");
	ASSERT_NE(p_File, nullptr);
	fclose(p_File);
	// A leading slash was not doubled into the current directory: "/Own" alone is no file.
	EXPECT_EQ(FS::Instance()->OpenFile("/Own/mine.xml", "rb"), nullptr);

	FS::Instance()->LoadDirEntry((ms_Root + "/Own/").c_str(), 1);
	ASSERT_EQ(FS::Instance()->GetDirEntryTotal(), 1);
	EXPECT_STREQ(FS::Instance()->GetDirEntry(0), "mine.xml");

	EXPECT_TRUE(FS::IsAbsolutePath("/home/a"));
	EXPECT_TRUE(FS::IsAbsolutePath("C:\\Users\\a"));
	EXPECT_TRUE(FS::IsAbsolutePath("\\\\server\\a"));
	EXPECT_FALSE(FS::IsAbsolutePath("./Data/kanjidic"));
	EXPECT_FALSE(FS::IsAbsolutePath("Data"));
	EXPECT_FALSE(FS::IsAbsolutePath(""));
}

// A whole-file read that fails says so on one line that names the file; one that succeeds says nothing.
TEST_F(FileSystemTest, FileBufferReportsWhyAReadFails)
{
	ReportLines o_Report;
	const u32 u32_Before = LibGen_GetReportCount();
	LibGen_CFileBuffer o_File;
	Write("Data/big", std::string(100, 'x'));
	EXPECT_FALSE(o_File.Load("./Data/absent"));
	EXPECT_FALSE(o_File.Load("./Data/big", 99));
	EXPECT_FALSE(o_File.Load("./Data"));
	EXPECT_TRUE(o_File.Load("./Data/big", 100));
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{ "Fudemaru: Data/absent: cannot be opened (No such file or directory)",
		"Fudemaru: Data/big: is 100 bytes long, more than the 99 a file of its kind may be",
		"Fudemaru: Data: is no file but a folder or a device" }));
	EXPECT_EQ(LibGen_GetReportCount(), u32_Before + 3);

	LibGen_ReportXmlError("./Data/a.xml", 2, 7, "Error reading end tag.");
	LibGen_ReportXmlError("./Data/a.xml", 0, 0, "");
	EXPECT_EQ(o_Report.Take(), (std::vector<std::string>{ "Fudemaru: Data/a.xml: line 2, column 7: Error reading end tag.",
		"Fudemaru: Data/a.xml: not well-formed XML" }));
}

TEST_F(FileSystemTest, ListingIsCappedAndFilteredByKind)
{
	ASSERT_EQ(mkdir((ms_Root + "/many").c_str(), 0755), 0);
	for (int i = 0; i < 300; ++i)
		Touch("many/f" + std::to_string(i));
	ASSERT_EQ(mkdir((ms_Root + "/many/sub").c_str(), 0755), 0);

	FS* p_Fs = FS::Instance();
	p_Fs->LoadDirEntry("./many/", 1);
	ASSERT_EQ(p_Fs->GetDirEntryTotal(), 255);
	std::set<std::string> o_Names;
	for (int i = 0; i < 255; ++i)
		o_Names.insert(p_Fs->GetDirEntry((u8)i));
	EXPECT_EQ(o_Names.size(), 255u);
	EXPECT_LIBGEN_ASSERT(p_Fs->GetDirEntry(255), "au8_DirEntry < mu8_DirEntryTotal");

	ASSERT_EQ(mkdir((ms_Root + "/mixed").c_str(), 0755), 0);
	ASSERT_EQ(mkdir((ms_Root + "/mixed/d").c_str(), 0755), 0);
	const std::string s_Long(150, 'n');
	Touch("mixed/" + s_Long);
	p_Fs->LoadDirEntry("./mixed/", 2);
	o_Names.clear();
	for (int i = 0; i < p_Fs->GetDirEntryTotal(); ++i)
		o_Names.insert(p_Fs->GetDirEntry((u8)i));
	EXPECT_EQ(o_Names, (std::set<std::string>{".", "..", "d"}));
	p_Fs->LoadDirEntry("./mixed/", 1);
	ASSERT_EQ(p_Fs->GetDirEntryTotal(), 1);
	EXPECT_EQ(std::string(p_Fs->GetDirEntry(0)), std::string(100, 'n'));  // cut to 100

	p_Fs->LoadDirEntry("./absent/", 0);
	EXPECT_EQ(p_Fs->GetDirEntryTotal(), 0);
}

TEST_F(FileSystemTest, CurrentDirectoryOf1024CharactersIsRefused)
{
	const std::string s_Long(1024, 'd');
	EXPECT_LIBGEN_ASSERT(FS::Instance()->SetCurrentDir(s_Long.c_str()),
	                     "strlen\\(\\(char\\*\\)as_DirName\\) < ku_DirCurrent_Name_Lenght");
}

std::string Split(void (*af_Split)(const char*, char*, unsigned short), const char* as_Path, unsigned short au16_Size = 64)
{
	char s_Out[64] = "untouched";
	af_Split(as_Path, s_Out, au16_Size);
	return s_Out;
}

TEST(PathSplitting, Examples)
{
	EXPECT_EQ(Split(FS::ExtractNameDir, "./Data/KanjiList/"), "./Data/KanjiList");
	EXPECT_EQ(Split(FS::ExtractNameDir, "/a/b.app"), "/a");
	EXPECT_EQ(Split(FS::ExtractNameDir, "a\\b\\c.txt"), "a\\b");  // either separator
	EXPECT_EQ(Split(FS::ExtractNameDir, "readme"), "readme");

	EXPECT_EQ(Split(FS::ExtractNameFile, "./Data/KanjiList/Grade1.xml"), "Grade1");
	EXPECT_EQ(Split(FS::ExtractNameFile, "readme"), "readme");
	EXPECT_EQ(Split(FS::ExtractNameFile, "dir/.hidden"), "");
	EXPECT_EQ(Split(FS::ExtractNameFile, "a.b/x.tar.gz"), "x.tar");

	EXPECT_EQ(Split(FS::ExtractNameFileExt, "./Data/KanjiList/Grade1.xml"), "Grade1.xml");

	EXPECT_EQ(Split(FS::ExtractNameExt, "Grade1.xml"), "xml");
	EXPECT_EQ(Split(FS::ExtractNameExt, "dir.d/file"), "d/file");
	EXPECT_EQ(Split(FS::ExtractNameExt, "noext"), "");
}

TEST(PathSplitting, CutToTheBufferSize)
{
	EXPECT_EQ(Split(FS::ExtractNameDir, "./Data/KanjiList/Grade1.xml", 5), "./Da");
	EXPECT_EQ(Split(FS::ExtractNameFile, "./Data/KanjiList/Grade1.xml", 4), "Gra");
	EXPECT_EQ(Split(FS::ExtractNameFileExt, "Grade1.xml", 1), "");
	EXPECT_EQ(Split(FS::ExtractNameExt, "Grade1.xml", 0), "untouched");
}

} // namespace
