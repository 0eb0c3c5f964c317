#include "LibGfx_CEngine.h"

#include "LibGen_CManagerMem.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CObjBase.h"

CVector2d<u16> guWindowSize(ku16_Screen_Width, ku16_Screen_Height);
u8* g_pVRAm = nullptr;
LibGfx_CCameraBase gCameraStart;

namespace
{
	const float kf_CameraSpeed = 0.05f;
}

void LibGfx_CEngine::Update()
{
	LibGfx_CObjBase::so_RootObject.Update();
}

bool LibGfx_CEngine::Load()
{
	const bool bDevice = LoadDevice();
	// NOTE: set up even without a device, so that textures still find their memory and the
	// game runs on, drawing nothing.
	if (g_pVRAm == nullptr)
	{
		g_pVRAm = new u8[ku32_VRamSize];
		const uintptr_t uStart = reinterpret_cast<uintptr_t>(g_pVRAm);
		gManagerVRam.AddMemBlock(uStart + ku32_VRamReserved, uStart + ku32_VRamSize, 1);
	}
	const bool bCommon = InitializeCommon();
	return bDevice && bCommon;
}

bool LibGfx_CEngine::InitializeCommon()
{
	LibGfx_CObjBase& oRoot = LibGfx_CObjBase::so_RootObject;
	oRoot.SetCorners(CVector3d<float>(-kf_Screen_HalfWidth, kf_Screen_HalfHeight, 0.0f), CVector3d<float>(kf_Screen_HalfWidth, -kf_Screen_HalfHeight, 0.0f));
	oRoot.SetVisible(true);
	LibGfx_CManagerCamera::Instance()->Push(&gCameraStart, kf_CameraSpeed);
	return true;
}

void LibGfx_CEngine::Unload()
{
	LibGfx_CObjBase::Unload();
	UnloadDevice();
}
