#ifndef CREPLAYSCRIPT_H
#define CREPLAYSCRIPT_H

#include "LibGen_DataTypes.h"

#include <string>
#include <vector>

// A replay script: one command a line, '#' starts a comment.
//   frames N      run N frames with the buttons currently held
//   down B...     buttons go down from the next frame on
//   up B...       buttons go up from the next frame on; right after a down of the same buttons,
//                 with no frame between, a press and a release in the next two frames
//   tap B         down for one frame, up the next
//   shot FILE     save the last drawn frame as PNG
//   print         write the state stack, the current list and the tooltip bar's lines
//   ink           check that the texts of the last frame are whole and apart
class CReplayScript
{
public:
	enum eCommand { ke_Frames, ke_Down, ke_Up, ke_Tap, ke_Shot, ke_Print, ke_Ink };

	struct SStep
	{
		eCommand me_Command;
		u32 mu32_Value;        // frame count, or the OR of the buttons' values
		std::string ms_File;   // for shot
		int mi_Line;
	};

	// Parses the whole text; false with a message naming the line when a line is wrong.
	bool Parse(const std::string& as_Text);

	const std::vector<SStep>& GetSteps() const { return mo_Steps; }
	const std::string& GetError() const { return ms_Error; }

private:
	bool ParseLine(const std::string& as_Line, int ai_Line);
	bool Fail(int ai_Line, const std::string& as_Why);

	std::vector<SStep> mo_Steps;
	std::string ms_Error;
};

#endif
