// Entry and message loop of the Windows program.
#include "Fudemaru.h"

#include "LibGen_CFileSystem.h"
#include "LibGen_CFramePacer.h"
#include "LibGen_Utils_Win.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CEngine_Win.h"

#include <windows.h>

namespace
{
	const char* const ks_ClassName = "Fudemaru";
	const char* const ks_Title = "Fudemaru v2.2";
	// A window that can be resized and maximised; the picture keeps its ratio inside it.
	const DWORD ku32_WindowStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
	static_assert(ku32_WindowStyle == 0x10CF0000, "window style");
	// A frame every 16 ms on average, timed by the performance counter: GetTickCount moves in
	// 15.6 ms steps on Windows, and waiting for it to move 16 ms took two steps a frame.
	const u32 ku32_FramePeriodMs = 16;

	// The frame goes where the GLUT program draws it: the largest part of the client area of the
	// picture's ratio, at its top left, the rest left black.
	void PlaceFrame(int ai_Width, int ai_Height)
	{
		if (ai_Width <= 0 || ai_Height <= 0)
			return;
		const SViewport o_View = Fudemaru_ComputeViewport(ai_Width, ai_Height);
		const RECT o_Rect = {o_View.mi_X, 0, o_View.mi_X + o_View.mi_Width, o_View.mi_Height};
		LibGfx_SetPresentRect(o_Rect);
	}

	// While the player drags a border, the window follows the picture's ratio: the dragged side
	// sets the size, the opposite corner stays put.
	void KeepRatio(WPARAM au_Edge, RECT* ap_Rect)
	{
		RECT o_Frame = {0, 0, 0, 0};
		AdjustWindowRectEx(&o_Frame, ku32_WindowStyle, FALSE, 0);
		const int i_Width = (ap_Rect->right - ap_Rect->left) - (o_Frame.right - o_Frame.left);
		const int i_Height = (ap_Rect->bottom - ap_Rect->top) - (o_Frame.bottom - o_Frame.top);
		const bool b_ByHeight = au_Edge == WMSZ_TOP || au_Edge == WMSZ_BOTTOM;
		const int i_NewWidth = b_ByHeight ? static_cast<int>(i_Height * kf_Screen_Ratio + 0.5f) : i_Width;
		const int i_NewHeight = b_ByHeight ? i_Height : static_cast<int>(i_Width / kf_Screen_Ratio + 0.5f);
		const int i_OuterWidth = i_NewWidth + (o_Frame.right - o_Frame.left);
		const int i_OuterHeight = i_NewHeight + (o_Frame.bottom - o_Frame.top);
		if (au_Edge == WMSZ_LEFT || au_Edge == WMSZ_TOPLEFT || au_Edge == WMSZ_BOTTOMLEFT)
			ap_Rect->left = ap_Rect->right - i_OuterWidth;
		else
			ap_Rect->right = ap_Rect->left + i_OuterWidth;
		if (au_Edge == WMSZ_TOP || au_Edge == WMSZ_TOPLEFT || au_Edge == WMSZ_TOPRIGHT)
			ap_Rect->top = ap_Rect->bottom - i_OuterHeight;
		else
			ap_Rect->bottom = ap_Rect->top + i_OuterHeight;
	}

	LRESULT CALLBACK WindowProc(HWND ap_Window, UINT au_Message, WPARAM au_WParam, LPARAM au_LParam)
	{
		switch (au_Message)
		{
		case WM_SIZE:
			PlaceFrame(LOWORD(au_LParam), HIWORD(au_LParam));
			// The bars are painted black by the class's brush.
			InvalidateRect(ap_Window, nullptr, TRUE);
			return 0;
		case WM_SIZING:
			KeepRatio(au_WParam, reinterpret_cast<RECT*>(au_LParam));
			return TRUE;
		case WM_DESTROY:
			PostQuitMessage(0);
			return 0;
		// NOTE: Escape quits, as in the GLUT program; the keyboard device reads only the buttons.
		case WM_KEYDOWN:
			if (au_WParam == VK_ESCAPE)
				gb_QuitProgram = true;
			break;
		}
		return DefWindowProcA(ap_Window, au_Message, au_WParam, au_LParam);
	}

	// The current folder, which must hold the Data folder; false once a message box has said what
	// is wrong.
	bool FindDataFolder(char* as_Folder, DWORD au32_Size)
	{
		// WARNING: a longer path leaves the buffer unfilled: refused here, before the file
		// system's own limit stops the program.
		const DWORD u32_Length = GetCurrentDirectoryA(au32_Size, as_Folder);
		if (u32_Length == 0 || u32_Length >= au32_Size)
		{
			MessageBoxA(nullptr, "Fudemaru cannot start from this folder: its path is longer than 1023 characters.\n"
								 "Move the Fudemaru folder (the program and its Data folder) to a shorter path.",
						ks_Title, MB_OK | MB_ICONERROR);
			return false;
		}
		char s_Message[1400];
		if (Fudemaru_HasData(as_Folder, s_Message, sizeof(s_Message)))
			return true;
		MessageBoxA(nullptr, s_Message, ks_Title, MB_OK | MB_ICONERROR);
		return false;
	}

	u64 ReadCounter()
	{
		LARGE_INTEGER o_Counter;
		QueryPerformanceCounter(&o_Counter);
		return static_cast<u64>(o_Counter.QuadPart);
	}

	// The message loop: messages first, then a frame when the pacer says one is due.
	void RunLoop()
	{
		LARGE_INTEGER o_Frequency;
		QueryPerformanceFrequency(&o_Frequency);
		LibGen_CFramePacer o_Pacer(static_cast<u64>(o_Frequency.QuadPart), ku32_FramePeriodMs, ReadCounter());
		MSG o_Message = {};
		while (o_Message.message != WM_QUIT)
		{
			if (PeekMessageA(&o_Message, nullptr, 0, 0, PM_REMOVE))
			{
				TranslateMessage(&o_Message);
				DispatchMessageA(&o_Message);
				continue;
			}
			const u64 u64_Now = ReadCounter();
			if (!o_Pacer.IsDue(u64_Now))
			{
				// Under a millisecond to go, the rest of the time slice is given up instead.
				SleepEx(o_Pacer.GetWaitMs(u64_Now) > 0 ? 1 : 0, TRUE);
				continue;
			}
			if (!Fudemaru_Frame())
				return;
		}
	}
}

int WINAPI WinMain(HINSTANCE ap_Instance, HINSTANCE, LPSTR, int ai_Show)
{
	// The folder is checked before any window opens: without its data the game would show a
	// black window, so a message box says where it looked instead.
	char s_Folder[LibGen_CFileSystem::ku_DirCurrent_Name_Lenght];
	if (!FindDataFolder(s_Folder, sizeof(s_Folder)))
		return 1;

	WNDCLASSEXA o_Class = {};
	o_Class.cbSize = sizeof(o_Class);
	o_Class.style = CS_CLASSDC;
	o_Class.lpfnWndProc = WindowProc;
	o_Class.hInstance = ap_Instance;
	o_Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
	o_Class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
	o_Class.lpszClassName = ks_ClassName;
	RegisterClassExA(&o_Class);

	RECT o_Rect = {0, 0, ku16_Screen_Width, ku16_Screen_Height};
	AdjustWindowRectEx(&o_Rect, ku32_WindowStyle, FALSE, 0);
	gp_Window = CreateWindowExA(0, ks_ClassName, ks_Title, ku32_WindowStyle, 0, 0, o_Rect.right - o_Rect.left,
								o_Rect.bottom - o_Rect.top, nullptr, nullptr, ap_Instance, nullptr);

	Fudemaru_Start(s_Folder, GetTickCount());

	ShowWindow(gp_Window, ai_Show);
	UpdateWindow(gp_Window);
	// NOTE: the game ends with its states in place, as the GLUT program does.
	RunLoop();

	DestroyWindow(gp_Window);
	UnregisterClassA(ks_ClassName, ap_Instance);
	return 0;
}
