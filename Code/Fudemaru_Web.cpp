// Entry of the web program: the WebGL 2 context on the page's canvas, the page's keys, the player's
// folder kept in the browser's storage, and the frame on the browser's animation frames.
#include "Fudemaru.h"

#include "LibGen_CFileSystem.h"
#include "LibGen_CFramePacer.h"
#include "LibGen_CState.h"
#include "LibGfx_CEngine.h"
#include "LibInput_ManagerKey_Events.h"
#include "LibInput_ManagerKey_Web.h"

#include <GLES3/gl3.h>
#include <emscripten.h>
#include <emscripten/html5.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

// The player's folder is the POSIX one under the page's home folder, /home/web_user (CPlayerFolder),
// which lives in the browser's IndexedDB: read in before the game starts (*ap_Ready is set to 1
// then), written out after each change, one copy at a time (a change made during a copy makes one
// more after it).
EM_JS(void, WebMountPlayerFolder, (unsigned char* ap_Ready), {
	FS.mount(IDBFS, {}, "/home/web_user");
	FS.syncfs(true, function(o_Error) {
		if (o_Error)
			out("fudemaru: the browser keeps no player's folder: settings and lists last until the page is left");
		HEAPU8[ap_Ready] = 1;
	});
	var b_Busy = false;
	var b_Again = false;
	Module.fudemaruSaveFolder = function() {
		if (b_Busy) {
			b_Again = true;
			return;
		}
		b_Busy = true;
		FS.syncfs(false, function(o_Error) {
			b_Busy = false;
			if (o_Error)
				out("fudemaru: the player's folder could not be saved in the browser");
			if (b_Again) {
				b_Again = false;
				Module.fudemaruSaveFolder();
			}
		});
	};
});

EM_JS(void, WebSavePlayerFolder, (), {
	Module.fudemaruSaveFolder();
});

// The page's own words for the player (Module.fudemaruShow, index.html).
EM_JS(void, WebShow, (const char* as_Text), {
	if (Module.fudemaruShow)
		Module.fudemaruShow(UTF8ToString(as_Text));
});

namespace
{
	// The Windows program's period: each animation frame of a 60 Hz display is due.
	const u32 ku32_FramePeriodMs = 16;

	// The page's clock in microseconds.
	u64 ReadClock()
	{
		return static_cast<u64>(emscripten_get_now() * 1000.0);
	}

	unsigned char su8_FolderReady = 0;
	bool sb_Started = false;
	u32 su32_Frames = 0;
	LibGen_CFramePacer so_Pacer(1000000, ku32_FramePeriodMs, 0);
	std::string ss_Stack;
	int si_CanvasWidth = 0;
	int si_CanvasHeight = 0;

	// The drawing buffer in device pixels (the canvas's size on the page times the pixel ratio),
	// so that the picture stays sharp at any size; the picture keeps 480:272 inside it.
	void FitCanvas()
	{
		double d_Width = 0.0, d_Height = 0.0;
		emscripten_get_element_css_size("#canvas", &d_Width, &d_Height);
		const double d_Ratio = emscripten_get_device_pixel_ratio();
		const int i_Width = static_cast<int>(lround(d_Width * d_Ratio));
		const int i_Height = static_cast<int>(lround(d_Height * d_Ratio));
		if (i_Width <= 0 || i_Height <= 0 || (i_Width == si_CanvasWidth && i_Height == si_CanvasHeight))
			return;
		si_CanvasWidth = i_Width;
		si_CanvasHeight = i_Height;
		emscripten_set_canvas_element_size("#canvas", i_Width, i_Height);
		const SViewport o_View = Fudemaru_ComputeViewport(i_Width, i_Height);
		glViewport(o_View.mi_X, o_View.mi_Y, o_View.mi_Width, o_View.mi_Height);
		guWindowSize.x = static_cast<u16>(i_Width);
		guWindowSize.y = static_cast<u16>(i_Height);
	}

	// The stack, each time it changes, for whoever follows the page's console (the browser test).
	void PrintStackIfChanged()
	{
		std::string s_Stack = LibGen_CState::StackLine();
		if (s_Stack == ss_Stack)
			return;
		ss_Stack.swap(s_Stack);
		printf("%s\n", ss_Stack.c_str());
	}

	void End()
	{
		emscripten_cancel_main_loop();
		WebShow("The game has ended; reload the page to play again.");
	}

	// One animation frame of the browser: at most one frame of the game, never more than a frame a
	// period however fast the display refreshes.
	void CB_Frame()
	{
		if (!su8_FolderReady)
			return;
		if (!sb_Started)
		{
			sb_Started = true;
			// The date's seconds and the page clock's microseconds: two pages opened alike deal alike
			// only by chance.
			Fudemaru_Start(".", static_cast<unsigned int>(time(nullptr)) ^ static_cast<unsigned int>(ReadClock()));
		}
		if (!so_Pacer.IsDue(ReadClock()))
			return;
		FitCanvas();
		if (!Fudemaru_Frame())
		{
			End();
			return;
		}
		PrintStackIfChanged();
		if (++su32_Frames == 1)
			printf("fudemaru: first frame\n");
		EM_ASM({ window.fudemaruFrames = $0; }, su32_Frames);
	}

	EM_BOOL CB_Key(int ai_Type, const EmscriptenKeyboardEvent* ap_Event, void*)
	{
		const bool b_Down = ai_Type == EMSCRIPTEN_EVENT_KEYDOWN;
		// The browser's own shortcuts (Ctrl+D, Alt+Left) stay the browser's.
		if (b_Down && (ap_Event->ctrlKey || ap_Event->altKey || ap_Event->metaKey))
			return EM_FALSE;
		if (strcmp(ap_Event->key, "Escape") == 0)
		{
			if (b_Down)
				gb_QuitProgram = true;
			return EM_TRUE;
		}
		// The game's keys are the game's alone: an arrow does not scroll the page.
		return LibInput_WebKey(ap_Event->key, b_Down, ap_Event->repeat);
	}

	void CB_FileWritten()
	{
		WebSavePlayerFolder();
	}

	// Keys held when the page loses the keyboard never see their release.
	EM_BOOL CB_Blur(int, const EmscriptenFocusEvent*, void*)
	{
		LibInput_ReleaseAllKeys();
		return EM_FALSE;
	}
}

int main()
{
	EmscriptenWebGLContextAttributes o_Attributes;
	emscripten_webgl_init_context_attributes(&o_Attributes);
	o_Attributes.alpha = EM_FALSE;
	o_Attributes.depth = EM_TRUE;
	o_Attributes.antialias = EM_FALSE;
	// Kept after it is shown, so that a picture of the canvas taken at any time holds the frame.
	o_Attributes.preserveDrawingBuffer = EM_TRUE;
	o_Attributes.majorVersion = 2;
	o_Attributes.minorVersion = 0;
	const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE h_Context = emscripten_webgl_create_context("#canvas", &o_Attributes);
	if (h_Context <= 0 || emscripten_webgl_make_context_current(h_Context) != EMSCRIPTEN_RESULT_SUCCESS)
	{
		WebShow("This browser offers no WebGL 2, which the game needs to draw.");
		return 1;
	}
	char s_Message[1400];
	if (!Fudemaru_HasData(".", s_Message, sizeof(s_Message)))
	{
		fprintf(stderr, "%s\n", s_Message);
		WebShow(s_Message);
		return 1;
	}

	emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, CB_Key);
	emscripten_set_keyup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, CB_Key);
	emscripten_set_blur_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, CB_Blur);
	LibGen_CFileSystem::SetWriteHook(CB_FileWritten);
	WebMountPlayerFolder(&su8_FolderReady);
	// The frames start once the player's folder is read in (CB_Frame waits for it).
	emscripten_set_main_loop(CB_Frame, 0, EM_TRUE);
	return 0;
}
