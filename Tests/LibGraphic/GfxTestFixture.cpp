#include "GfxTestFixture.h"

#include "LibGen_CFileSystem.h"
#include "LibGfx_CEngine.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"

#include <cstdlib>
#include <filesystem>

namespace
{
	// 136 / tan(22.5 degrees): the z = 0 plane then shows 480 x 272 units.
	const float kf_StartDistance = 328.33304f;
}

void GfxTest::SetUp()
{
	char sDir[] = "/tmp/fudemaru-gfx-XXXXXX";
	ASSERT_NE(nullptr, mkdtemp(sDir));
	ms_Dir = sDir;
	LibGen_CFileSystem::Instance()->SetCurrentDir(sDir);
	Resize(480, 272);
}

void GfxTest::Resize(u16 au16_Width, u16 au16_Height)
{
	ASSERT_TRUE(mo_Screen.Create(au16_Width, au16_Height));
	guWindowSize = CVector2d<u16>(au16_Width, au16_Height);
	gCameraStart.SetPos(CVector3d<float>(0, 0, kf_StartDistance), CVector3d<float>(0, 0, 0));
	delete LibGfx_CManagerCamera::sp_instance;
	LibGfx_CManagerCamera::sp_instance = nullptr;
	ASSERT_TRUE(LibGfx_CEngine::Instance()->Load());
}

void GfxTest::TearDown()
{
	LibGfx_CEngine::Instance()->Unload();
	LibGfx_CObjBase::so_RootObject.mu32_State = LibGfx_CObjBase::ke_Obj_Dirty;
	delete LibGfx_CManagerTexture::sp_instance;
	LibGfx_CManagerTexture::sp_instance = nullptr;
	delete LibGfx_CManagerCamera::sp_instance;
	LibGfx_CManagerCamera::sp_instance = nullptr;
	guWindowSize = CVector2d<u16>(480, 272);
	std::filesystem::remove_all(ms_Dir);
}

void GfxTest::DrawFrame()
{
	LibGfx_CEngine* pEngine = LibGfx_CEngine::Instance();
	pEngine->Update();
	LibGfx_CManagerCamera::Instance()->Update();
	ASSERT_TRUE(pEngine->SceneBegin());
	pEngine->SceneRender();
	pEngine->SceneEnd();
}
