#include "LibGen_CState.h"

#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

std::list<LibGen_CState*> LibGen_CState::spo_StateList;
LibGen_CState* LibGen_CState::spo_StateNext = nullptr;
bool LibGen_CState::sb_StateRemove = false;
bool LibGen_CState::sb_TransOut = false;
bool LibGen_CState::sb_TransIn = false;

LibGen_CState::LibGen_CState()
	: mp_TransitionIn(nullptr), mp_TransitionOut(nullptr)
{
}

LibGen_CState::~LibGen_CState()
{
	delete mp_TransitionIn;
	delete mp_TransitionOut;
}

void LibGen_CState::SetNext(LibGen_CState* ap_State)
{
	// The state overridden by a second request in the same frame would never be pushed: the
	// stack cannot own it, so it is released here.
	if (spo_StateNext != nullptr && spo_StateNext != ap_State)
		delete spo_StateNext;
	spo_StateNext = ap_State;
}

void LibGen_CState::State_Add()
{
	SetNext(this);
	if (!spo_StateList.empty() && spo_StateList.back()->mp_TransitionOut != nullptr)
	{
		spo_StateList.back()->mp_TransitionOut->Init();
		sb_TransOut = true;
	}
}

void LibGen_CState::State_Remove()
{
	sb_StateRemove = true;
	StartTransitionOut();
}

void LibGen_CState::State_Replace()
{
	sb_StateRemove = true;
	SetNext(this);
	StartTransitionOut();
}

bool LibGen_CState::State_IsCurrent() const
{
	return !spo_StateList.empty() && spo_StateList.back() == this;
}

LibGen_CState* LibGen_CState::PushNext()
{
	LibGen_CState* p_State = spo_StateNext;
	spo_StateNext = nullptr;
	spo_StateList.push_back(p_State);
	p_State->LoadOnce();
	p_State->LoadAlways();
	return p_State;
}

void LibGen_CState::Execute()
{
	LibGen_CState* p_Cur = spo_StateList.empty() ? nullptr : spo_StateList.back();

	if (sb_StateRemove && !sb_TransOut)
	{
		sb_StateRemove = false;
		if (p_Cur != nullptr)
		{
			p_Cur->UnloadAlways();
			p_Cur->UnloadOnce();
			spo_StateList.pop_back();
			delete p_Cur;
		}
		if (spo_StateNext != nullptr)
		{
			p_Cur = PushNext();
		}
		else
		{
			// The state below was loaded once before and stays loaded.
			p_Cur = spo_StateList.empty() ? nullptr : spo_StateList.back();
			if (p_Cur != nullptr)
				p_Cur->LoadAlways();
		}
		if (p_Cur != nullptr)
			p_Cur->StartTransitionIn();
	}
	else if (spo_StateNext != nullptr && !sb_TransOut)
	{
		if (p_Cur != nullptr)
			p_Cur->UnloadAlways();
		p_Cur = PushNext();
		p_Cur->StartTransitionIn();
	}

	sb_TransIn = false;
	sb_TransOut = false;

	if (p_Cur != nullptr)
		p_Cur->Main();
}

void LibGen_CState::RemoveAll()
{
	// A state requested but never pushed was never loaded either.
	delete spo_StateNext;
	spo_StateNext = nullptr;
	sb_StateRemove = sb_TransOut = sb_TransIn = false;
	// Each goes as if removed in turn: only the top one is current, the ones below had their
	// UnloadAlways when they were covered.
	bool b_Current = true;
	while (!spo_StateList.empty())
	{
		LibGen_CState* p_State = spo_StateList.back();
		if (b_Current)
			p_State->UnloadAlways();
		b_Current = false;
		p_State->UnloadOnce();
		spo_StateList.pop_back();
		delete p_State;
	}
}

void LibGen_CState::SetTransitionIn(LibGen_CStateTransition* ap_Transition)
{
	delete mp_TransitionIn;
	mp_TransitionIn = ap_Transition;
}

void LibGen_CState::SetTransitionOut(LibGen_CStateTransition* ap_Transition)
{
	delete mp_TransitionOut;
	mp_TransitionOut = ap_Transition;
}

void LibGen_CState::StartTransitionIn()
{
	if (mp_TransitionIn != nullptr)
	{
		mp_TransitionIn->Init();
		sb_TransIn = true;
	}
}

void LibGen_CState::StartTransitionOut()
{
	if (mp_TransitionOut != nullptr)
	{
		mp_TransitionOut->Init();
		sb_TransOut = true;
	}
}

std::string LibGen_CState::ClassName(const LibGen_CState* ap_State)
{
	int i_Status = 0;
	char* s_Name = abi::__cxa_demangle(typeid(*ap_State).name(), nullptr, nullptr, &i_Status);
	std::string s_Result = (i_Status == 0 && s_Name) ? s_Name : typeid(*ap_State).name();
	free(s_Name);
	return s_Result;
}

std::string LibGen_CState::StackLine()
{
	std::string s_Line = "stack:";
	for (const LibGen_CState* p_State : spo_StateList)
		s_Line += " " + ClassName(p_State);
	return s_Line;
}
