#ifndef LIBGFX_CMANAGERMENU_H
#define LIBGFX_CMANAGERMENU_H

#include "LibGen_CManagerSingleton.h"
#include "LibGen_DataTypes.h"
#include "LibGfx_CCameraBase.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_CPolyQuad.h"
#include "LibGfx_Plugin_CObjSlide.h"

class LibGfx_CMenu;

// The stack of open menus (not owned), one per face of a triangular prism that rolls about
// the x axis: opening a menu rolls one face forward, closing one rolls back. The prism has its
// own camera and slides in from the right on Start and out on Stop.
class LibGfx_CManagerMenu : public LibGen_CManagerSingleton<LibGfx_CManagerMenu>
{
public:
	enum
	{
		ku_Menu_Max = 16,
		ku_Face_Total = 3,
	};

	LibGfx_CManagerMenu();
	virtual ~LibGfx_CManagerMenu() {}
	// The roll, the top menu's input, and Circle closing a level (the last one stops the manager).
	void Update() override;
	// Shows the prism sliding in and pushes the menu camera.
	void Start() override;
	// Closes every menu, slides the prism out and gives the camera back; nothing when stopped.
	void Stop() override;

	// The prism's faces with their band, and the camera. Called once.
	void Load();
	// Takes the band off the faces.
	void Unload();

	// Opens the menu on the next face and rolls forward to it.
	void MenuAdd(LibGfx_CMenu* ap_Menu);
	// Rolls back to the menu below; the number of menus left open (0 with none open).
	u8 MenuRemCurrent();
	// Closes every menu at once, those closed before included: each leaves its face, hidden,
	// and the stack forgets it.
	void MenuRemAll();
	// Every slot that holds the menu forgets it: the menu is being destroyed.
	void MenuForget(LibGfx_CMenu* ap_Menu);

	LibGfx_CPolyQuad mo_BandQuad[3];   // the band and its top and bottom lines
	LibGfx_CObjBase mo_Prism;
	LibGfx_CObjBase mo_Face[ku_Face_Total];
	LibGfx_CCameraBase mo_Camera;
	float mf_Angle;    // roll of the prism, radians
	float mf_Speed;    // roll per frame, 0 at rest
	LibGfx_Plugin_CObjSlide mo_Slide;
	LibGfx_CMenu* mpo_Menu[ku_Menu_Max];   // null where a menu was destroyed while held
	u8 mu8_MenuCount;
	u8 mu8_MenuRemoved;   // index of the menu being rolled away, 0 when none

private:
	// Ends a roll that has reached the face of the top menu.
	void EndRoll();
	// Shows or hides the menu of a slot, if it still holds one.
	void SetMenuVisible(u8 au8_Index, bool ab_Visible);
	// Every face while the prism rolls, the front one alone at rest.
	void ShowFaces();
};

#endif
