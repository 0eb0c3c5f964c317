// Entry and window callbacks of the GLUT program.
#include "Fudemaru.h"

#include "CCommandLine.h"

#include "LibGen_CBenchmark.h"
#include "LibGfx_CEngine.h"
#include "LibInput_ManagerKey_Mac.h"

#include <GL/freeglut.h>
#include <sys/time.h>
#include <cstdio>
#include <unistd.h>
#include <cstdlib>

namespace
{
	const double kd_FramePeriodMs = 1000.0 / 60.0;

	void CB_Render()
	{
		if (!Fudemaru_Frame())
			exit(0);
		LibGen_CBenchmark::Instance()->TimerStart(LibGen_CBenchmark::ke__Timer_Frame);
	}

	// NOTE: the loop sleeps until the next frame is due instead of asking the clock again and again,
	// so a game at rest leaves the processor alone; a frame still starts 1/60 s after the last one
	// ended. Keys that come during the sleep are handled before that frame.
	void CB_Idle()
	{
		const LibGen_CBenchmark* p_Clock = LibGen_CBenchmark::Instance();
		const bool b_Started = p_Clock->TimerIsActive(LibGen_CBenchmark::ke__Timer_Frame);
		const double d_LeftMs = kd_FramePeriodMs - (b_Started ? p_Clock->TimerGet(LibGen_CBenchmark::ke__Timer_Frame) : 0.0);
		if (d_LeftMs > 0.0)
			usleep(static_cast<useconds_t>(d_LeftMs * 1000.0) + 1);
		// The first frame waits for the window system to ask for the window's contents.
		if (b_Started)
			glutPostRedisplay();
	}

	void CB_Resize(int ai_Width, int ai_Height)
	{
		const SViewport oView = Fudemaru_ComputeViewport(ai_Width, ai_Height);
		glViewport(0, oView.mi_Y, oView.mi_Width, oView.mi_Height);
		guWindowSize.x = static_cast<u16>(ai_Width);
		guWindowSize.y = static_cast<u16>(ai_Height);
		if (oView.mi_Width != ai_Width || oView.mi_Height != ai_Height)
			glutReshapeWindow(oView.mi_Width, oView.mi_Height);
	}

	void CB_Keys(unsigned char au8_Key, int, int)
	{
		if (au8_Key == 27)
			gb_QuitProgram = true;
		LibInput_GlutKeyboard(au8_Key, true);
	}

	void CB_KeysUp(unsigned char au8_Key, int, int) { LibInput_GlutKeyboard(au8_Key, false); }
	void CB_Special(int ai_Key, int, int) { LibInput_GlutSpecial(ai_Key, true); }
	void CB_SpecialUp(int ai_Key, int, int) { LibInput_GlutSpecial(ai_Key, false); }
	void CB_Mouse(int, int, int, int) {}

	void Init(int* ai_Argc, char** as_Argv)
	{
		glutInit(ai_Argc, as_Argv);
		glutInitWindowSize(ku16_Screen_Width, ku16_Screen_Height);
		glutInitWindowPosition(100, 100);
		glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
		glutCreateWindow("Fudemaru Mac");
		glutDisplayFunc(CB_Render);
		glutReshapeFunc(CB_Resize);
		glutKeyboardFunc(CB_Keys);
		glutMouseFunc(CB_Mouse);
		glutIdleFunc(CB_Idle);
		// The key manager keeps the set of keys held: one down and one up per press.
		glutIgnoreKeyRepeat(1);
		glutKeyboardUpFunc(CB_KeysUp);
		glutSpecialFunc(CB_Special);
		glutSpecialUpFunc(CB_SpecialUp);
	}
}

int main(int argc, char** argv)
{
	char s_Folder[1024];
	Fudemaru_FindProgramFolder(argv[0], s_Folder, sizeof(s_Folder));
	int i_Exit = 0;
	if (CCommandLine::Answer(argc, argv, s_Folder, i_Exit))
		return i_Exit;
	// Without its data the game would show a black window: it says where it looked instead.
	char s_Message[1400];
	if (!Fudemaru_HasData(s_Folder, s_Message, sizeof(s_Message)))
	{
		fprintf(stderr, "%s\n", s_Message);
		return 1;
	}

	Init(&argc, argv);
	timeval o_Now;
	gettimeofday(&o_Now, nullptr);
	Fudemaru_Start(s_Folder, static_cast<unsigned int>(o_Now.tv_usec));

	// NOTE: freeglut's loop does not return; the program ends through the quit flag or the window's close.
	glutMainLoop();
	return 0;
}
