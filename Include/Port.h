#ifndef PORT_H
#define PORT_H

// What a platform supplies: the whole list. Everything else (states, the display tree, object and
// camera matrices, pixel conversion to RGBA, the key logic, the loaders) is shared code, built the
// same for every platform. CMake's FUDEMARU_BACKEND picks one twin of each file named below:
//
//   platform   graphics twins                  keys                      files, diagnostics   entry
//   glut       _GL + CEngine_Glut              ManagerKey_Mac + _Events  _Mac                 Fudemaru_Mac.cpp
//    (tools)   _GL + CEngine_Headless          ManagerKey_Headless       _Mac                 the tool's main
//   windows    _Win (Direct3D 9)               ManagerKey_Win (DInput8)  _Win                 Fudemaru_Win.cpp
//   web        _Web (WebGL 2)                  ManagerKey_Web + _Events  _Mac                 Fudemaru_Web.cpp
//
// A fourth platform writes one twin of each function below, adds its column to the CMakeLists of
// LibGraphic, LibInput, LibGeneral and Code, and nothing else. The declarations stay in their
// classes' headers (LibGfx_CEngine.h, LibGfx_CObjBase.h, LibGfx_CTexture.h, LibInput_ManagerKey.h,
// LibGen_CFileSystem.h, LibGen_Utils.h, Code/CPlayerFolder.h, Code/Fudemaru.h); this header says
// what each must do and who calls it. Only the graphics twins may touch the graphics API.

// ---- Graphics (LibGraphic/Code) --------------------------------------------------------------
//
// LibGfx_CEngine::LoadDevice()      called once by LibGfx_CEngine::Load, with the drawing context
//     current: depth test LEQUAL, blending SRC_ALPHA / ONE_MINUS_SRC_ALPHA, clear colour black.
//     False when the device cannot draw.
// LibGfx_CEngine::UnloadDevice()    by Unload: frees what LoadDevice and LoadBg made.
// LibGfx_CEngine::LoadBg(path)      by the states: a PNG (LoadPng) drawn opaque behind everything,
//     stretched from 480 x 272 over the viewport; a file that fails leaves no background.
// LibGfx_CEngine::SceneBegin()      by Fudemaru_Frame, once a frame: clears colour and depth, draws
//     the background at the far depth, then sets the camera: the view from
//     LibGfx_CManagerCamera::ComputeView and the projection from ComputeProjection with the
//     device's depth range. Before any camera, identity.
// LibGfx_CEngine::SceneRender()     walks the display tree (LibGfx_CObjBase::so_RootObject.Render).
// LibGfx_CEngine::SceneEnd()        presents the frame: a swap in a window, a finish offscreen;
//     in a browser it draws the polygons RenderPolys gathered, in one upload, and the page
//     presents the canvas when the frame's callback returns.
//
// LibGfx_CObjBase::RenderPolys()    by the tree walk, for each visible object: draws mo_PolyList
//     with the object's mf_Matrix (16 floats, column-major) after the camera. Each polygon is a
//     triangle fan (ku8_Primitive_TriangleFan) of mu8_VertexCount interleaved vertices in the
//     layout mu32_VertexFormat names (GetStride, GetColorOffset; colours red in the lowest byte);
//     textured when mp_Texture has a device texture (SetAsCurrent), the texture's colour times
//     the vertex colour; untextured otherwise. A polygon of an unknown layout is skipped.
//
// LibGfx_CTexture::CreateDeviceTexture()  by Init: makes the device's texture, its name in
//     mu32_GLName (ku32_GLName_None when there is none).
// LibGfx_CTexture::FreeDeviceTexture()    by Free.
// LibGfx_CTexture::SetAsCurrent(repeat)   by RenderPolys: binds the texture; when ku32_Flag_Dirty
//     is set, uploads its pixels first (ConvertToRGBA gives them as RGBA in mp_RGBA) and clears
//     the flag. Repeats in the directions `repeat` names, clamps to the edge in the others;
//     linear filtering.
//
// ---- Keys (LibInput/Code) --------------------------------------------------------------------
//
// LibInput_ManagerKey::Load()       by the engine's start: forgets every key held.
// LibInput_ManagerKey::Update()     once a frame, before the states: calls UpdateCommon with the
//     buttons (eKeys bits) held this frame. Key events come between frames: feed them to a
//     LibInput_CKeyLatch so that a key pressed and released between two frames still counts
//     (LibInput_ManagerKey_Events.cpp does all three for a platform that turns its events into
//     buttons with LibInput_KeyEvent).
//     Character keys by the character they type (LibInput_ButtonOfChar, either case), the pad
//     by the arrow keys; key repeat ignored.
// LibInput_ManagerKey::KeyLetter(k) by the tooltip bar: the letter printed on a button's key cap.
//
// ---- Files and diagnostics (LibGeneral/Code, Code) -------------------------------------------
//
// LibGen_CFileSystem::SetCurrentDir(dir), LoadDirEntry(path, mask), SaveWhole(path, data, size)
//     by the loaders and the game's savers: the current folder, a folder's listing (at most
//     ku_DirEntry_Max entries, each with its attributes), a file written whole or not at all
//     (SaveWhole: written beside, flushed, renamed over). A platform whose files must be saved
//     after they are written (the browser's storage) gives LibGen_CFileSystem::SetWriteHook a
//     function at start; every file the game writes calls it.
// LibGen_DebugWrite(text)           diagnostics: standard error, or the debugger's output.
// LibGen_AssertFail(cond, line, file, function)  by LIBGEN_ASSERT: prints ASSERT:, Line: and
//     File: where a developer sees them and stops the program.
// CPlayerFolder::GetConfigFile, GetListFolder, GetLogFile, MakeLogFolder, MakeFoldersOf,
//     HasCheckTool  by the configuration, the lists and the problem log: the player's own folder,
//     which outlives the program (a browser keeps it in its storage).
//
// ---- The program's entry (Code) --------------------------------------------------------------
//
// main (or WinMain) finds the Data folder's parent (Fudemaru_FindProgramFolder where the
// platform has a program path), says clearly when there is none (Fudemaru_HasData), opens a
// window of 480 x 272 or more keeping its ratio (Fudemaru_ComputeViewport gives the picture's
// place in it, written to guWindowSize), calls Fudemaru_Start once, then Fudemaru_Frame 60 times
// a second until it returns false (Escape sets gb_QuitProgram). Key events go to the key twin.

#endif
