#ifndef CSTATE_INTRO_H
#define CSTATE_INTRO_H

#include "LibGen_CState.h"

// The bottom of the state stack for the whole run.
class CState_Intro : public LibGen_CState
{
public:
	virtual ~CState_Intro() {}
};

#endif
