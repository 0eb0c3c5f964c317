#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_COffscreen.h"
#include "LibGfx_CPolyQuad.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
	typedef CVector3d<float> V3;
	const int ki_ObjCount = 200;

	// A loaded engine over a 480 x 272 offscreen frame with the intro's camera and background.
	struct SScene
	{
		SScene()
		{
			o_Screen.Create(480, 272);
			gCameraStart.SetPos(V3(0, 0, 328.33304f), V3(0, 0, 0));
			LibGfx_CEngine::Instance()->Load();
			LibGen_CFileSystem::Instance()->SetCurrentDir(FUDEMARU_DATA_PARENT);
			LibGfx_CEngine::Instance()->LoadBg("./Data/Themes/Default/Background/FondIntro.png");
		}
		~SScene()
		{
			LibGfx_CEngine::Instance()->Unload();
			LibGfx_CManagerTexture::Instance()->FreeAllTexture();
			LibGfx_CManagerCamera::Instance()->Remove(&gCameraStart, 1.0f);
		}
		LibGfx_COffscreen o_Screen;
	};

	// 20 parents of 10 quads each, spread over the screen, all shown.
	struct STree
	{
		explicit STree(LibGfx_CTexture* ap_Texture)
			: o_Obj(ki_ObjCount), o_Quad(ki_ObjCount)
		{
			for (int i = 0; i < ki_ObjCount; ++i)
			{
				LibGfx_CObjBase& oObj = o_Obj[i];
				o_Quad[i].Set(V3(-12, 12, 0), V3(12, -12, 0), ap_Texture, 0xffffffffu);
				oObj.AddPoly(&o_Quad[i]);
				const bool bParent = (i % 10) == 0;
				oObj.SetParent(bParent ? nullptr : &o_Obj[i - i % 10]);
				oObj.mo_Pos = bParent ? V3(-216.0f + 24.0f * (i / 10), 100, 0) : V3(0, -24.0f * (i % 10), 0);
				oObj.mo_RotLocal.z = 0.01f * i;
				oObj.mu32_State |= LibGfx_CObjBase::ke_Obj_Visible;
			}
		}
		std::vector<LibGfx_CObjBase> o_Obj;
		std::vector<LibGfx_CPolyQuad> o_Quad;
	};

	LibGfx_CTexture* MakeTexture(enumPixelFormat ae_Format, u16 au16_Width, u16 au16_Height)
	{
		LibGfx_CManagerTexture* pManager = LibGfx_CManagerTexture::Instance();
		LibGfx_CTexture* pTexture = pManager->GetTexture(ke__Custom_Start);
		std::vector<u8> oPixels(static_cast<size_t>(au16_Width) * au16_Height * 4);
		for (size_t u = 0; u < oPixels.size(); ++u)
			oPixels[u] = static_cast<u8>(u * 37);
		SPicInfo oPic = {oPixels.data(), au16_Width, au16_Height, ae_Format};
		pTexture->Init(oPic, false);
		return pTexture;
	}

	void ComputeAll(LibGfx_CObjBase& ao_Obj)
	{
		ao_Obj.ComputeMatrix();
		for (LibGfx_CObjBase* pChild : ao_Obj.mo_ChildList)
			ComputeAll(*pChild);
	}
}

// One whole offscreen frame: tree update, camera, background, 200 textured quads, finish.
static void BM_Frame200TexturedQuads(benchmark::State& ao_State)
{
	SScene oScene;
	STree oTree(MakeTexture(ke_PixelFormat_8888, 32, 32));
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	for (auto _ : ao_State)
	{
		pEngine->Update();
		LibGfx_CManagerCamera::Instance()->Update();
		pEngine->SceneBegin();
		pEngine->SceneRender();
		pEngine->SceneEnd();
	}
}
BENCHMARK(BM_Frame200TexturedQuads)->Unit(benchmark::kMillisecond);

// The tree's CPU side for 200 objects: the update pass and every matrix recomputed, no driver.
static void BM_TreeWalk200(benchmark::State& ao_State)
{
	SScene oScene;
	STree oTree(nullptr);
	LibGfx_CObjBase& oRoot = LibGfx_CObjBase::so_RootObject;
	for (auto _ : ao_State)
	{
		oRoot.Update();
		ComputeAll(oRoot);
		benchmark::DoNotOptimize(oTree.o_Obj.back().mf_Matrix[12]);
	}
}
BENCHMARK(BM_TreeWalk200)->Unit(benchmark::kMicrosecond);

// A dirty 256 x 128 four-bit paletted texture expanded to RGBA and uploaded.
static void BM_UploadPal4_256x128(benchmark::State& ao_State)
{
	SScene oScene;
	LibGfx_CManagerTexture* pManager = LibGfx_CManagerTexture::Instance();
	const u8 u8_Palette = pManager->LockPalette();
	u32 au32_Colors[16];
	for (u32 u = 0; u < 16; ++u)
		au32_Colors[u] = 0xff000000u | (u * 0x111111u);
	pManager->SetPalette(u8_Palette, au32_Colors, 16);
	LibGfx_CTexture* pTexture = MakeTexture(ke_PixelFormat_Pal4, 256, 128);
	pTexture->mu16_PaletteId = u8_Palette;
	for (auto _ : ao_State)
	{
		pManager->GetTexture(ke__Custom_Start)->SetAsCurrent(0);
		glFinish();
	}
	pManager->FreePalette(u8_Palette);
}
BENCHMARK(BM_UploadPal4_256x128)->Unit(benchmark::kMicrosecond);
