#ifndef LIBGFX_PLUGIN_COBJSLIDE_H
#define LIBGFX_PLUGIN_COBJSLIDE_H

#include "LibGen_CManagerPlugin.h"
#include "LibGen_DataTypes.h"

class LibGfx_CObjBase;

// Slides one display object (not owned) horizontally into view from the right edge or out of
// it, with a sine ease, over a set time; an object that slid out is hidden at the end.
class LibGfx_Plugin_CObjSlide : public LibGen_CPlugin
{
public:
	// NOTE: a fixed type: any value may be stored, and values other than these move nothing.
	enum enumSlideType : u32
	{
		ke_Slide_In = 0,   // from x = 480 to the object's rest place
		ke_Slide_Out,      // from x = 0 out to the right, then hidden
	};

	LibGfx_Plugin_CObjSlide();
	virtual ~LibGfx_Plugin_CObjSlide() {}

	// Puts the object at the slide's start. Other types run for the time without moving it.
	void Init(LibGfx_CObjBase* ap_Obj, enumSlideType ae_Type, float af_Duration, float af_Offset);
	// Shows the object and runs the slide from its start on the plug-in manager; a slide still
	// running starts over with the new settings.
	void Load() override;
	void Unload() override;
	// One frame; false once the slide has ended.
	bool Execute() override;

	LibGfx_CObjBase* mp_Obj;
	float mf_Progress;   // 0 to 1
	float mf_Distance;
	float mf_Step;       // progress per frame
	float mf_Offset;     // added to every x
	enumSlideType me_Type;
};

#endif
