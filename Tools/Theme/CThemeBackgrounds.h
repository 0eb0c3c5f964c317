// The two full-screen backgrounds (480 x 272, fully opaque).
#ifndef CTHEMEBACKGROUNDS_H
#define CTHEMEBACKGROUNDS_H

#include <string>

class CThemeBackgrounds
{
public:
	// Writes FondIntro.png (browsing and intro) and FondEcran.png (quizzes).
	static bool Build(const std::string& as_Dir);
	// The program's icon for the desktop (ai_Size square): the intro's brushed circle and seal on paper.
	static bool BuildAppIcon(const std::string& as_Path, int ai_Size);
};

#endif
