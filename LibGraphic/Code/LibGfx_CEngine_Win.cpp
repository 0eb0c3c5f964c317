// The Direct3D 9 side of the engine: the device on the game's window, the background surface,
// the frame with D3DX's right-handed camera, the debug text through GDI.
#include "LibGfx_CEngine.h"
#include "LibGfx_CEngine_Win.h"

#include "LibGen_CFileSystem.h"
#include "LibGen_Utils.h"
#include "LibGen_Utils_Win.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"

#include <d3dx9.h>
#include <cstdio>
#include <cstring>

namespace
{
	IDirect3D9* sp_Direct3D = nullptr;
	IDirect3DDevice9* sp_Device = nullptr;
	ID3DXMatrixStack* sp_MatrixStack = nullptr;
	IDirect3DSurface9* sp_Background = nullptr;

	template <class T> void Release(T*& ap_Object)
	{
		if (ap_Object != nullptr)
			ap_Object->Release();
		ap_Object = nullptr;
	}

	D3DXVECTOR3 ToD3DX(const CVector3d<float>& ao_Vector)
	{
		return D3DXVECTOR3(ao_Vector.x, ao_Vector.y, ao_Vector.z);
	}
}

IDirect3DDevice9* LibGfx_GetDevice()
{
	return sp_Device;
}

bool LibGfx_CEngine::LoadDevice()
{
	UnloadDevice();
	sp_Direct3D = Direct3DCreate9(D3D_SDK_VERSION);
	if (sp_Direct3D == nullptr)
	{
		DebugOutput("Direct3D 9 is not available: nothing is drawn\n");
		return false;
	}
	D3DDISPLAYMODE oMode;
	sp_Direct3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &oMode);
	D3DPRESENT_PARAMETERS oParams;
	memset(&oParams, 0, sizeof(oParams));
	oParams.Windowed = TRUE;
	oParams.BackBufferFormat = oMode.Format;
	oParams.SwapEffect = D3DSWAPEFFECT_DISCARD;
	oParams.EnableAutoDepthStencil = TRUE;
	oParams.AutoDepthStencilFormat = D3DFMT_D16;
	oParams.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
	if (FAILED(sp_Direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, gp_Window, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
										 &oParams, &sp_Device)))
	{
		DebugOutput("Direct3D 9: no device for the window: nothing is drawn\n");
		Release(sp_Direct3D);
		return false;
	}
	sp_Device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
	sp_Device->SetRenderState(D3DRS_LIGHTING, FALSE);
	sp_Device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
	sp_Device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
	sp_Device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
	sp_Device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
	D3DXCreateMatrixStack(0, &sp_MatrixStack);
	return true;
}

void LibGfx_CEngine::UnloadDevice()
{
	// The textures' device objects go before the device.
	LibGfx_CManagerTexture::Instance()->FreeAllTexture();
	Release(sp_Background);
	Release(sp_MatrixStack);
	Release(sp_Device);
	Release(sp_Direct3D);
}

void LibGfx_CEngine::LoadBg(const char* as_Path)
{
	Release(sp_Background);
	if (sp_Device == nullptr)
		return;
	IDirect3DSurface9* pBackBuffer = nullptr;
	if (FAILED(sp_Device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
		return;
	D3DSURFACE_DESC oDesc;
	pBackBuffer->GetDesc(&oDesc);
	Release(pBackBuffer);
	if (FAILED(sp_Device->CreateOffscreenPlainSurface(oDesc.Width, oDesc.Height, oDesc.Format, D3DPOOL_SYSTEMMEM,
													  &sp_Background, nullptr)))
		return;
	// Like every data file, the picture lies under the file system's current directory.
	char sPath[LibGen_CFileSystem::ku_OpenFile_Path_Max];
	const int iLen = snprintf(sPath, sizeof(sPath), "%s/%s", LibGen_CFileSystem::Instance()->GetCurrentDir(), as_Path);
	if (iLen < 0 || iLen >= static_cast<int>(sizeof(sPath))
		|| FAILED(D3DXLoadSurfaceFromFileA(sp_Background, nullptr, nullptr, sPath, nullptr, D3DX_DEFAULT, 0, nullptr)))
		Release(sp_Background);
}

bool LibGfx_CEngine::SceneBegin()
{
	if (sp_Device == nullptr)
		return false;
	sp_Device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
	return SUCCEEDED(sp_Device->BeginScene());
}

void LibGfx_CEngine::SceneRender()
{
	if (sp_Background != nullptr)
	{
		IDirect3DSurface9* pBackBuffer = nullptr;
		if (SUCCEEDED(sp_Device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &pBackBuffer)))
		{
			sp_Device->UpdateSurface(sp_Background, nullptr, pBackBuffer, nullptr);
			Release(pBackBuffer);
		}
	}
	LibGfx_CManagerCamera* pCamera = LibGfx_CManagerCamera::Instance();
	if (pCamera->HasCamera())
	{
		const D3DXVECTOR3 oEye = ToD3DX(*pCamera->GetPosEye());
		const D3DXVECTOR3 oTarget = ToD3DX(*pCamera->GetPosTarget());
		const D3DXVECTOR3 oUp = ToD3DX(*pCamera->GetUpVector());
		D3DXMATRIX oView, oProjection;
		D3DXMatrixLookAtRH(&oView, &oEye, &oTarget, &oUp);
		D3DXMatrixPerspectiveFovRH(&oProjection, D3DX_PI / 4.0f, kf_Screen_Ratio, 1.0f, 1000.0f);
		// WARNING: Direct3D 9 puts pixel centres on whole coordinates, OpenGL half a pixel in:
		// moved back by half a pixel, each pixel samples the middle of its texel, as with
		// OpenGL, instead of an edge between two (which drops or doubles columns of text).
		D3DXMATRIX oHalfPixel;
		D3DXMatrixTranslation(&oHalfPixel, -1.0f / ku16_Screen_Width, 1.0f / ku16_Screen_Height, 0.0f);
		D3DXMatrixMultiply(&oProjection, &oProjection, &oHalfPixel);
		sp_Device->SetTransform(D3DTS_VIEW, &oView);
		sp_Device->SetTransform(D3DTS_PROJECTION, &oProjection);
	}
	if (sp_MatrixStack != nullptr)
		sp_MatrixStack->LoadIdentity();
	LibGfx_CObjBase::so_RootObject.Render();
}

void LibGfx_CEngine::SceneEnd()
{
	sp_Device->EndScene();
	sp_Device->Present(nullptr, nullptr, nullptr, nullptr);
}
