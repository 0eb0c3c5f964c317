#ifndef CSOAKSCRIPT_H
#define CSOAKSCRIPT_H

#include "LibGen_DataTypes.h"

#include <random>
#include <string>

// Replay scripts that soak the game. Both leave the intro first and end on the cards, and both
// print (stack, list, tooltip and memory lines) each time they are back on the cards at rest, so
// that what the screens hold can be compared from one rest to the next.
//   Random: from a seed, any buttons go down, up and are tapped, several at once, with 1 to 20
//     frames between; now and then every button goes up and Circle, tapped until every mode has
//     given way, brings the cards back.
//   Tour: round after round, enters and leaves every mode the browser reaches: the review, the
//     kana chart, the list chooser, both kanji quizzes and a kana quiz.
class CSoakScript
{
public:
	// At least au32_Frames frames, exactly that many when it is above the intro and the last rest.
	std::string Random(u32 au32_Seed, u32 au32_Frames);
	std::string Tour(u32 au32_Rounds);

	// Frames the last script runs.
	u32 GetFrames() const { return mu32_Frames; }

private:
	void Frames(u32 au32_Count);
	void Tap(const char* as_Button, u32 au32_Wait);
	void Line(const std::string& as_Line);
	// Up with every button held, then Circle as many times as modes and menu levels may be open
	// over the cards, each waited out; a print.
	void Rest(u32 au32_Circles);
	void Intro();
	void RandomEvent();
	u32 Pick(u32 au32_Total);

	std::string ms_Text;
	u32 mu32_Frames = 0;
	u32 mu32_Held = 0;        // bit n: button n of the table held
	std::mt19937 mo_Random;
};

#endif
