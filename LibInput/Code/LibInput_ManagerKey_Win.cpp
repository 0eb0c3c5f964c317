// Keyboard sampling of the Windows program: DirectInput 8's system keyboard, read once a frame.
#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>
#include <dinput.h>

#include "LibGen_Utils.h"
#include "LibGen_Utils_Win.h"
#include "LibInput_ManagerKey.h"
#include "LibInput_ManagerKey_Win.h"

static_assert(ke_Dik_W == DIK_W && ke_Dik_E == DIK_E && ke_Dik_A == DIK_A && ke_Dik_S == DIK_S, "scan codes");
static_assert(ke_Dik_D == DIK_D && ke_Dik_F == DIK_F && ke_Dik_Home == DIK_HOME && ke_Dik_Up == DIK_UP, "scan codes");
static_assert(ke_Dik_Prior == DIK_PRIOR && ke_Dik_Left == DIK_LEFT && ke_Dik_Right == DIK_RIGHT, "scan codes");
static_assert(ke_Dik_End == DIK_END && ke_Dik_Down == DIK_DOWN && ke_Dik_Insert == DIK_INSERT, "scan codes");
static_assert(ke_Dik_Delete == DIK_DELETE, "scan codes");

namespace
{
	// Key events kept by DirectInput between two frames: a tap shorter than a frame is seen there.
	const DWORD ku32_EventBuffer = 64;

	IDirectInput8A* sp_DirectInput = nullptr;
	IDirectInputDevice8A* sp_Keyboard = nullptr;

	void Release()
	{
		if (sp_Keyboard != nullptr)
			sp_Keyboard->Release();
		if (sp_DirectInput != nullptr)
			sp_DirectInput->Release();
		sp_Keyboard = nullptr;
		sp_DirectInput = nullptr;
	}

	DIPROPDWORD MakeBufferSize()
	{
		DIPROPDWORD o_Size = {};
		o_Size.diph.dwSize = sizeof(DIPROPDWORD);
		o_Size.diph.dwHeaderSize = sizeof(DIPROPHEADER);
		o_Size.diph.dwHow = DIPH_DEVICE;
		o_Size.dwData = ku32_EventBuffer;
		return o_Size;
	}

	// The buttons whose keys went down since the last frame, even if they are up again now.
	u32 PressedSinceLastFrame()
	{
		DIDEVICEOBJECTDATA ao_Event[ku32_EventBuffer];
		DWORD u32_Count = ku32_EventBuffer;
		if (FAILED(sp_Keyboard->GetDeviceData(sizeof(DIDEVICEOBJECTDATA), ao_Event, &u32_Count, 0)))
			return 0;
		u32 u32_Pressed = 0;
		for (DWORD i = 0; i < u32_Count; ++i)
			if (ao_Event[i].dwData & 0x80)
				u32_Pressed |= LibInput_WinButtonOfScanCode(static_cast<u8>(ao_Event[i].dwOfs));
		return u32_Pressed;
	}
}

void LibInput_ManagerKey::Load()
{
	Release();
	const DIPROPDWORD o_Buffer = MakeBufferSize();
	if (FAILED(DirectInput8Create(GetModuleHandleA(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8A,
								  reinterpret_cast<void**>(&sp_DirectInput), nullptr))
		|| FAILED(sp_DirectInput->CreateDevice(GUID_SysKeyboard, &sp_Keyboard, nullptr))
		|| FAILED(sp_Keyboard->SetDataFormat(&c_dfDIKeyboard))
		|| FAILED(sp_Keyboard->SetCooperativeLevel(gp_Window, DISCL_FOREGROUND | DISCL_NONEXCLUSIVE))
		|| FAILED(sp_Keyboard->SetProperty(DIPROP_BUFFERSIZE, &o_Buffer.diph)))
	{
		DebugOutput("DirectInput 8: no keyboard; the game runs without keys\n");
		Release();
		return;
	}
	// NOTE: a first acquisition fails while another window has the focus; each frame tries again.
	sp_Keyboard->Acquire();
}

void LibInput_ManagerKey::Update()
{
	// A state that cannot be read (the device lost, the window in the background) is all keys up:
	// a held key is then released, never left held.
	u8 au8_State[256];
	u32 u32_Down = 0;
	if (sp_Keyboard != nullptr)
	{
		sp_Keyboard->Acquire();
		if (SUCCEEDED(sp_Keyboard->GetDeviceState(sizeof(au8_State), au8_State)))
			u32_Down = LibInput_WinKeyMask(au8_State) | PressedSinceLastFrame();
	}
	UpdateCommon(u32_Down);
}

char LibInput_ManagerKey::KeyLetter(eKeys ae_Key)
{
	for (const SWinKey* p_Key = cuWinKeyList; p_Key->mu32_Button != 0; ++p_Key)
		if (p_Key->mu32_Button == ae_Key)
			return LibInput_WinKeyLetter(p_Key->mu8_ScanCode);
	return 0;
}
