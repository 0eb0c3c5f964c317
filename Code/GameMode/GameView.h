#ifndef GAMEVIEW_H
#define GAMEVIEW_H

#include "LibGfx_CEngine.h"

// Figures of the view that the game states share.

// At this distance a vertical field of view of 45 degrees spans exactly 272 units: one unit
// of the z = 0 plane is one pixel of the 480 x 272 screen.
const float kf_View_Distance = static_cast<float>(kd_Screen_Distance);
// Half that distance: how far the browser's view backs away, and the review's moves in.
const float kf_View_Step = 164.1665209453217f;
// Camera blends take 20 frames.
const float kf_View_Speed = 0.05f;

const char* const ks_View_BackgroundIntro = "./Data/Themes/Default/Background/FondIntro.png";
const char* const ks_View_BackgroundScreen = "./Data/Themes/Default/Background/FondEcran.png";

#endif
