// fudemaru-theme OUTPUT_DIR [ICON_DIR SIZE...]: draws the Default theme's pictures into
// OUTPUT_DIR/Wnd_Main, Tooltips/Pc, Icon_Menu and Background, and, when ICON_DIR is named, the
// desktop icon in each size as an icon theme lays it out: ICON_DIR/NxN/apps/fudemaru.png.
#include "CThemeBackgrounds.h"
#include "CThemeButtons.h"
#include "CThemeMenuIcons.h"
#include "CThemeWindow.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace
{
bool MakeDir(const std::string& as_Path)
{
	if (mkdir(as_Path.c_str(), 0755) == 0 || errno == EEXIST)
		return true;
	fprintf(stderr, "%s: %s\n", as_Path.c_str(), strerror(errno));
	return false;
}

bool BuildAppIcons(const std::string& as_Dir, int ai_Count, char** as_Sizes)
{
	bool b_Ok = MakeDir(as_Dir);
	for (int i = 0; i < ai_Count && b_Ok; ++i)
	{
		const int s32_Size = atoi(as_Sizes[i]);
		const std::string s_Dir = as_Dir + "/" + as_Sizes[i] + "x" + as_Sizes[i];
		b_Ok = s32_Size > 0 && s32_Size <= 1024 && MakeDir(s_Dir) && MakeDir(s_Dir + "/apps")
			&& CThemeBackgrounds::BuildAppIcon(s_Dir + "/apps/fudemaru.png", s32_Size);
	}
	return b_Ok;
}
}

int main(int argc, char** argv)
{
	if (argc == 3 || argc < 2)
	{
		fprintf(stderr, "usage: %s OUTPUT_DIR [ICON_DIR SIZE...]\n", argv[0]);
		return 2;
	}
	const std::string s_Root = argv[1];
	const std::string s_Window = s_Root + "/Wnd_Main";
	const std::string s_Tooltips = s_Root + "/Tooltips";
	const std::string s_Buttons = s_Tooltips + "/Pc";
	const std::string s_Menu = s_Root + "/Icon_Menu";
	const std::string s_Background = s_Root + "/Background";
	for (const std::string& s_Dir : {s_Root, s_Window, s_Tooltips, s_Buttons, s_Menu, s_Background})
		if (!MakeDir(s_Dir))
			return 1;

	bool b_Ok = CThemeWindow::Build(s_Window);
	b_Ok = CThemeButtons::Build(s_Buttons) && b_Ok;
	b_Ok = CThemeMenuIcons::Build(s_Menu) && b_Ok;
	b_Ok = CThemeBackgrounds::Build(s_Background) && b_Ok;
	if (argc > 3)
		b_Ok = BuildAppIcons(argv[2], argc - 3, argv + 3) && b_Ok;
	return b_Ok ? 0 : 1;
}
