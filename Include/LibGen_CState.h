#ifndef LIBGEN_CSTATE_H
#define LIBGEN_CSTATE_H

#include <list>
#include <string>

// Base of transitions between states. The framework only ever calls Init().
class LibGen_CStateTransition
{
public:
	virtual ~LibGen_CStateTransition() {}
	virtual void Init() {}
	virtual bool Main() { return false; }
};

// Base of every game state. The states form a stack whose top runs; changes requested with
// State_Add, State_Remove and State_Replace take effect at the next Execute().
class LibGen_CState
{
public:
	LibGen_CState();
	virtual ~LibGen_CState();
	virtual void LoadOnce() {}
	virtual void LoadAlways() {}
	virtual void Main() {}
	virtual void UnloadAlways() {}
	virtual void UnloadOnce() {}

	void State_Add();
	void State_Remove();
	void State_Replace();
	bool State_IsCurrent() const;

	static void Execute();
	// Removes every state, the top one first, and drops a pending request; for whoever ends a run.
	static void RemoveAll();
	// The stack, bottom first; for tools and tests that show it.
	static const std::list<LibGen_CState*>& GetStateList() { return spo_StateList; }
	// The state's class name as the code spells it ("CState_Intro").
	static std::string ClassName(const LibGen_CState* ap_State);
	// "stack:" and the class names of the stack, bottom first, each after a space: the line the
	// tools and the web page print.
	static std::string StackLine();

	void SetTransitionIn(LibGen_CStateTransition* ap_Transition);
	void SetTransitionOut(LibGen_CStateTransition* ap_Transition);
	void StartTransitionIn();
	void StartTransitionOut();

private:
	// Makes ap_State the pending state; a pending state it overrides was never pushed, so it is deleted.
	static void SetNext(LibGen_CState* ap_State);
	// Pushes the pending state and loads it; returns it.
	static LibGen_CState* PushNext();

	LibGen_CStateTransition* mp_TransitionIn;
	LibGen_CStateTransition* mp_TransitionOut;

	static std::list<LibGen_CState*> spo_StateList;
	static LibGen_CState* spo_StateNext;
	static bool sb_StateRemove;
	static bool sb_TransOut;
	static bool sb_TransIn;
};

#endif
