// The two full-screen backgrounds (480 x 272, fully opaque).
#pragma once

#include <string>

class ThemeBackgrounds
{
public:
    // Writes FondIntro.png (browsing and intro) and FondEcran.png (quizzes).
    static bool Build(const std::string& as_Dir);
};
