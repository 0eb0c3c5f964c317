// Entry and message loop of the Windows program.
#include "Fudemaru.h"

#include "LibGen_CFileSystem.h"
#include "LibGen_Utils_Win.h"
#include "LibGfx_CEngine.h"

#include <windows.h>

namespace
{
	const char* const ks_ClassName = "Fudemaru";
	const char* const ks_Title = "Fudemaru v2.2";
	const DWORD ku32_WindowStyle = WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
	static_assert(ku32_WindowStyle == 0x10C80000, "window style");
	// Frames start at least this many milliseconds apart; the loop sleeps in steps of 2 between.
	const DWORD ku32_FramePeriodMs = 16;
	const DWORD ku32_SleepMs = 2;

	LRESULT CALLBACK WindowProc(HWND ap_Window, UINT au_Message, WPARAM au_WParam, LPARAM au_LParam)
	{
		switch (au_Message)
		{
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

	// The message loop: messages first, then a frame once the period has passed.
	void RunLoop()
	{
		MSG oMessage = {};
		DWORD u32_LastFrame = GetTickCount();
		while (oMessage.message != WM_QUIT)
		{
			if (PeekMessageA(&oMessage, nullptr, 0, 0, PM_REMOVE))
			{
				TranslateMessage(&oMessage);
				DispatchMessageA(&oMessage);
				continue;
			}
			if (GetTickCount() - u32_LastFrame < ku32_FramePeriodMs)
			{
				SleepEx(ku32_SleepMs, TRUE);
				continue;
			}
			u32_LastFrame = GetTickCount();
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
