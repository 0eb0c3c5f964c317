#ifndef CINKCHECK_H
#define CINKCHECK_H

#include "LibGen_DataTypes.h"

#include <string>
#include <vector>

class LibGfx_CObjBase;
class LibGfx_CObjText;
class LibGfx_CObjWndBase;

// Checks what a player can read on the frame last drawn: every shown text of the display tree
// keeps its ink inside its own box, inside the client area of the window it stands in, inside the
// screen and 4 pixels clear of its sides, no two of its lines touch, and no two texts' ink overlaps.
// Texts that an opaque window nearer the eye covers whole are not seen and are left out.
// Translucent texts (the windows a carousel shows behind its front one) stand behind the
// screen's plane and are left out: they are scenery, not text to read.
class CInkCheck
{
public:
	// Pixels of the 480 x 272 screen, y downwards, and how far from the eye its corners are.
	struct SRect
	{
		float mf_Left, mf_Top, mf_Right, mf_Bottom;
		float mf_Near, mf_Far;
	};
	// A shown, opaque text and where its ink lies on the screen.
	struct SInk
	{
		const LibGfx_CObjText* mp_Text;
		std::string ms_Label;   // its first characters, UTF-8, for the reports
		SRect mo_Ink;
		bool mb_Cut;            // some of its ink fell outside its box
		int mi_TouchingLine;    // the first of two shown lines whose ink touches, -1 when none
		bool mb_InWindow;       // it stands in a window, whose client area is mo_Frame
		SRect mo_Frame;
	};

	// Walks the tree from the root with the projection the frame was drawn with (column-major,
	// the camera included); af_Projection may come from glGetFloatv(GL_PROJECTION_MATRIX).
	void Collect(const float (&af_Projection)[16]);
	// One line per problem, empty when the frame reads cleanly.
	std::vector<std::string> Problems() const;

	const std::vector<SInk>& GetTexts() const { return mo_Texts; }

	// True when the text's layout drew less ink than all its lines drawn with room around them:
	// a glyph was cut by the box, or lines past its height were left out.
	static bool IsCut(const LibGfx_CObjText& ao_Text);

private:
	void Visit(LibGfx_CObjBase& ao_Object, LibGfx_CObjWndBase* ap_Window, const float (&af_Projection)[16]);
	void AddText(const LibGfx_CObjText& ao_Text, LibGfx_CObjWndBase* ap_Window, const float (&af_Projection)[16]);

	std::vector<SInk> mo_Texts;
	std::vector<SRect> mo_Windows;   // the opaque windows, frame included
};

#endif
