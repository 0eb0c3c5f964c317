// The two full-screen backgrounds (480 x 272, fully opaque).
#ifndef CTHEMEBACKGROUNDS_H
#define CTHEMEBACKGROUNDS_H

#include <string>

class CThemeBackgrounds
{
public:
	// Writes FondIntro.png (browsing and intro) and FondEcran.png (quizzes).
	static bool Build(const std::string& as_Dir);
};

#endif
