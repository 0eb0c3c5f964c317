// The theme's few colours: warm paper, sumi ink and a touch of vermilion.
#ifndef STHEMECOLOR_H
#define STHEMECOLOR_H

struct SThemeColor
{
	double mf_Red, mf_Green, mf_Blue;
};

const SThemeColor kPaper = {0.957, 0.933, 0.875};      // #F4EEDF
const SThemeColor kPaperDark = {0.902, 0.863, 0.776};  // #E6DCC6
const SThemeColor kInk = {0.173, 0.165, 0.200};        // #2C2A33
const SThemeColor kInkSoft = {0.353, 0.337, 0.380};    // #5A5661
const SThemeColor kVermilion = {0.831, 0.275, 0.180};  // #D4462E

// The customary colours of the four face buttons.
const SThemeColor kButtonCross = {0.310, 0.506, 0.894};
const SThemeColor kButtonCircle = {0.902, 0.282, 0.282};
const SThemeColor kButtonTriangle = {0.290, 0.745, 0.510};
const SThemeColor kButtonSquare = {0.925, 0.490, 0.741};

#endif
