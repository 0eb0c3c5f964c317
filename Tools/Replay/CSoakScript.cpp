#include "CSoakScript.h"

namespace
{
	// Every button, weighted towards those that open, close and move through the screens.
	struct SButton
	{
		const char* ms_Name;
		u32 mu32_Weight;
	};
	const SButton cao_Button[] = {
		{"Cross", 6}, {"Circle", 2}, {"Triangle", 3}, {"Square", 2}, {"Left", 3}, {"Right", 4}, {"Up", 3},
		{"Down", 3}, {"Select", 1}, {"Start", 1}, {"L", 1}, {"R", 1}, {"Home", 1}, {"Hold", 1}, {"Note", 1},
	};
	const u32 ku32_ButtonTotal = sizeof(cao_Button) / sizeof(cao_Button[0]);

	// Circle leaves one mode or one menu level at a time: after random buttons the deepest stack
	// (a kana chart over a quiz round, or three menu levels) gives way to six; the tour knows
	// that three are enough.
	const u32 ku32_RandomCircles = 6;
	const u32 ku32_TourCircles = 3;
	const u32 ku32_RestWait = 45;
	// The menu's slide-out and the camera's way back to the cards, before the memory is read.
	const u32 ku32_RestSettle = 90;
	const u32 ku32_RestFrames = ku32_RandomCircles * (1 + ku32_RestWait) + ku32_RestSettle;
	// The intro's window slides in, Cross leaves it, the loading ends and the cards settle.
	const u32 ku32_IntroFrames = 45 + 1 + 60;
	// One rest every so many events on average: long walks between, many rests over a soak.
	const u32 ku32_RestEvery = 60;
}

void CSoakScript::Line(const std::string& as_Line)
{
	ms_Text += as_Line;
	ms_Text += '\n';
}

void CSoakScript::Frames(u32 au32_Count)
{
	if (au32_Count == 0)
		return;
	Line("frames " + std::to_string(au32_Count));
	mu32_Frames += au32_Count;
}

void CSoakScript::Tap(const char* as_Button, u32 au32_Wait)
{
	Line(std::string("tap ") + as_Button);
	++mu32_Frames;
	Frames(au32_Wait);
}

u32 CSoakScript::Pick(u32 au32_Total)
{
	return std::uniform_int_distribution<u32>(0, au32_Total - 1)(mo_Random);
}

void CSoakScript::Intro()
{
	ms_Text.clear();
	mu32_Frames = 0;
	mu32_Held = 0;
	Frames(45);
	Tap("Cross", 60);
	Line("print");
}

void CSoakScript::Rest(u32 au32_Circles)
{
	if (mu32_Held != 0)
	{
		std::string sUp = "up";
		for (u32 b = 0; b < ku32_ButtonTotal; ++b)
			if (mu32_Held & (1u << b))
				sUp += std::string(" ") + cao_Button[b].ms_Name;
		Line(sUp);
		mu32_Held = 0;
	}
	for (u32 i = 0; i < au32_Circles; ++i)
		Tap("Circle", ku32_RestWait);
	Frames(ku32_RestSettle);
	Line("print");
}

void CSoakScript::RandomEvent()
{
	u32 u32_WeightTotal = 0;
	for (const SButton& oButton : cao_Button)
		u32_WeightTotal += oButton.mu32_Weight;
	auto PickButton = [&]() {
		u32 u32_Left = Pick(u32_WeightTotal);
		u32 b = 0;
		while (u32_Left >= cao_Button[b].mu32_Weight)
			u32_Left -= cao_Button[b++].mu32_Weight;
		return b;
	};

	const u32 u32_Kind = Pick(20);
	if (u32_Kind < 9 || (u32_Kind >= 15 && mu32_Held == 0))
	{
		const u32 b = PickButton();
		// A tap of a held button would leave it up: it goes up with the tap.
		mu32_Held &= ~(1u << b);
		Line(std::string("tap ") + cao_Button[b].ms_Name);
		++mu32_Frames;
	}
	else if (u32_Kind < 15)
	{
		std::string sDown = "down";
		const u32 u32_Count = 1 + Pick(3);
		for (u32 i = 0; i < u32_Count; ++i)
		{
			const u32 b = PickButton();
			if (!(mu32_Held & (1u << b)))
				sDown += std::string(" ") + cao_Button[b].ms_Name;
			mu32_Held |= 1u << b;
		}
		if (sDown != "down")
			Line(sDown);
	}
	else
	{
		// Some of the held buttons, at least one, go up together.
		std::string sUp = "up";
		for (u32 b = 0; b < ku32_ButtonTotal; ++b)
			if ((mu32_Held & (1u << b)) && (Pick(2) == 0 || sUp == "up"))
			{
				sUp += std::string(" ") + cao_Button[b].ms_Name;
				mu32_Held &= ~(1u << b);
			}
		Line(sUp);
	}
	Frames(1 + Pick(20));
}

std::string CSoakScript::Random(u32 au32_Seed, u32 au32_Frames)
{
	mo_Random.seed(au32_Seed);
	Intro();
	ms_Text.insert(0, "# fudemaru-soak random " + std::to_string(au32_Seed) + " " + std::to_string(au32_Frames) + "\n");
	// An event takes at most 21 frames: the walk stops where the last rest still fits.
	while (mu32_Frames + 21 + ku32_RestFrames < au32_Frames)
	{
		RandomEvent();
		if (Pick(ku32_RestEvery) == 0 && mu32_Frames + 21 + 2 * ku32_RestFrames < au32_Frames)
			Rest(ku32_RandomCircles);
	}
	const u32 u32_Left = au32_Frames > mu32_Frames + ku32_RestFrames ? au32_Frames - mu32_Frames - ku32_RestFrames : 0;
	Frames(u32_Left);
	Rest(ku32_RandomCircles);
	return ms_Text;
}

std::string CSoakScript::Tour(u32 au32_Rounds)
{
	Intro();
	ms_Text.insert(0, "# fudemaru-soak tour " + std::to_string(au32_Rounds) + "\n");
	for (u32 r = 0; r < au32_Rounds; ++r)
	{
		// The review, and back.
		Tap("Cross", 40);
		Tap("Circle", 40);
		// The kana chart in both kinds, and back.
		Tap("Square", 25);
		Tap("Square", 10);
		Tap("Circle", 30);
		// The list chooser from the menu's second entry, and back to the cards as they were.
		Tap("Triangle", 45);
		Tap("Right", 2);
		Tap("Cross", 30);
		Tap("Circle", 40);
		// Each kanji quiz from the quiz menu, a few answers, and Circle until the cards are back.
		for (u32 q = 0; q < 2; ++q)
		{
			Tap("Triangle", 45);
			Tap("Cross", 45);
			if (q == 1)
				Tap("Right", 2);
			Tap("Cross", 60);
			Tap("Right", 15);
			Tap("Cross", 30);
			Rest(ku32_TourCircles);
		}
		// The first kana quiz (the quiz menu's third entry, its first family), an answer, and out.
		Tap("Triangle", 45);
		Tap("Cross", 45);
		Tap("Right", 2);
		Tap("Right", 2);
		Tap("Cross", 45);
		Tap("Cross", 40);
		Tap("Cross", 10);
		Rest(ku32_TourCircles);
	}
	return ms_Text;
}
