#include "CReplayScript.h"

#include "LibInput_ManagerKey.h"

#include <cstdlib>
#include <sstream>

bool CReplayScript::Parse(const std::string& as_Text)
{
	mo_Steps.clear();
	ms_Error.clear();
	std::istringstream oIn(as_Text);
	std::string sLine;
	for (int iLine = 1; std::getline(oIn, sLine); ++iLine)
	{
		const size_t uHash = sLine.find('#');
		if (uHash != std::string::npos)
			sLine.erase(uHash);
		if (!ParseLine(sLine, iLine))
			return false;
	}
	return true;
}

bool CReplayScript::ParseLine(const std::string& as_Line, int ai_Line)
{
	std::istringstream oWords(as_Line);
	std::string sCommand;
	if (!(oWords >> sCommand))
		return true;   // blank or comment

	SStep oStep{ke_Frames, 0, std::string(), ai_Line};
	std::vector<std::string> oArgs;
	for (std::string sWord; oWords >> sWord;)
		oArgs.push_back(sWord);

	if (sCommand == "frames")
	{
		char* sEnd = nullptr;
		const long lCount = oArgs.size() == 1 ? strtol(oArgs[0].c_str(), &sEnd, 10) : -1;
		if (oArgs.size() != 1 || *sEnd != '\0' || lCount < 0 || lCount > 10000000)
			return Fail(ai_Line, "frames takes one count");
		oStep.mu32_Value = static_cast<u32>(lCount);
	}
	else if (sCommand == "down" || sCommand == "up" || sCommand == "tap")
	{
		oStep.me_Command = sCommand == "down" ? ke_Down : (sCommand == "up" ? ke_Up : ke_Tap);
		if (oArgs.empty() || (oStep.me_Command == ke_Tap && oArgs.size() != 1))
			return Fail(ai_Line, sCommand + (oStep.me_Command == ke_Tap ? " takes one button" : " takes buttons"));
		for (const std::string& sName : oArgs)
		{
			const u32 u32_Button = LibInput_ManagerKey::ButtonFromName(sName.c_str());
			if (u32_Button == 0)
				return Fail(ai_Line, "unknown button '" + sName + "'");
			oStep.mu32_Value |= u32_Button & ku_Key_BitMask;
		}
	}
	else if (sCommand == "shot")
	{
		if (oArgs.size() != 1)
			return Fail(ai_Line, "shot takes one file name");
		oStep.me_Command = ke_Shot;
		oStep.ms_File = oArgs[0];
	}
	else if (sCommand == "print" || sCommand == "ink")
	{
		if (!oArgs.empty())
			return Fail(ai_Line, sCommand + " takes nothing");
		oStep.me_Command = sCommand == "print" ? ke_Print : ke_Ink;
	}
	else
	{
		return Fail(ai_Line, "unknown command '" + sCommand + "'");
	}
	mo_Steps.push_back(oStep);
	return true;
}

bool CReplayScript::Fail(int ai_Line, const std::string& as_Why)
{
	ms_Error = "line " + std::to_string(ai_Line) + ": " + as_Why;
	return false;
}
