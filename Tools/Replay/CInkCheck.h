#ifndef CINKCHECK_H
#define CINKCHECK_H

#include "LibGen_DataTypes.h"

#include <string>
#include <vector>

class LibGfx_CObjBase;
class LibGfx_CObjText;

// Checks what a player can read on the frame last drawn: every shown text of the display tree
// keeps its ink inside its own box and inside the screen, and no two texts' ink overlaps.
// Translucent texts (the windows a carousel shows behind its front one) stand behind the
// screen's plane and are left out: they are scenery, not text to read.
class CInkCheck
{
public:
	// A shown, opaque text and where its ink lies on the 480 x 272 screen.
	struct SInk
	{
		const LibGfx_CObjText* mp_Text;
		std::string ms_Label;   // its first characters, UTF-8, for the reports
		float mf_Left, mf_Top, mf_Right, mf_Bottom;
		bool mb_Cut;            // some of its ink fell outside its box
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
	void Visit(const LibGfx_CObjBase& ao_Object, const float (&af_Projection)[16]);
	void AddText(const LibGfx_CObjText& ao_Text, const float (&af_Projection)[16]);

	std::vector<SInk> mo_Texts;
};

#endif
