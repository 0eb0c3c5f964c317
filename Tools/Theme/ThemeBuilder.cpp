// fudemaru-theme OUTPUT_DIR [ICON.png]: draws the Default theme's pictures into
// OUTPUT_DIR/Wnd_Main, Tooltips/Pc, Icon_Menu and Background, and the desktop icon when named.
#include "CThemeBackgrounds.h"
#include "CThemeButtons.h"
#include "CThemeMenuIcons.h"
#include "CThemeWindow.h"

#include <cerrno>
#include <cstdio>
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
}

int main(int argc, char** argv)
{
	if (argc != 2 && argc != 3)
	{
		fprintf(stderr, "usage: %s OUTPUT_DIR [ICON.png]\n", argv[0]);
		return 2;
	}
	const std::string root = argv[1];
	const std::string window = root + "/Wnd_Main";
	const std::string tooltips = root + "/Tooltips";
	const std::string buttons = tooltips + "/Pc";
	const std::string menu = root + "/Icon_Menu";
	const std::string background = root + "/Background";
	for (const std::string& dir : {root, window, tooltips, buttons, menu, background})
		if (!MakeDir(dir))
			return 1;

	bool ok = CThemeWindow::Build(window);
	ok = CThemeButtons::Build(buttons) && ok;
	ok = CThemeMenuIcons::Build(menu) && ok;
	ok = CThemeBackgrounds::Build(background) && ok;
	if (argc == 3)
		ok = CThemeBackgrounds::BuildAppIcon(argv[2]) && ok;
	return ok ? 0 : 1;
}
