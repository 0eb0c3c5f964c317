// The Direct3D 9 side of the engine: the device on the game's window, the background surface,
// the frame with the game's own right-handed camera matrices, the debug text through GDI. The
// frame is drawn at 480 x 272 and stretched into the part of the window the game gives it. A
// lost device (a lock screen, a display change) is waited for and reset; the textures live in
// the managed pool, which Direct3D uploads again after a reset.
#include "LibGfx_CEngine.h"
#include "LibGfx_CEngine_Win.h"

#include "LibGen_Utils.h"
#include "LibGen_Utils_Win.h"
#include "LibGfx_CManagerCamera.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CObjBase.h"
#include "LibGfx_PictureLoader.h"
#include "LibGfx_Utilities.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
	IDirect3D9* sp_Direct3D = nullptr;
	IDirect3DDevice9* sp_Device = nullptr;
	IDirect3DSurface9* sp_Background = nullptr;
	D3DPRESENT_PARAMETERS so_Params;
	// Where in the window's client area the frame goes; empty: all of it.
	RECT so_PresentRect = {0, 0, 0, 0};
	// Set when Present said the device was lost: no frame is drawn until it is reset.
	bool sb_Lost = false;

	// A reset device forgets its states: they are set again after each.
	void SetRenderStates()
	{
		sp_Device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
		sp_Device->SetRenderState(D3DRS_LIGHTING, FALSE);
		sp_Device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
		sp_Device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
		sp_Device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
		sp_Device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
	}

	// After a loss: true once the device is back, reset when Direct3D allows it; false while it
	// must still wait (the lock screen is up) or the reset failed (tried again next frame).
	bool Recover()
	{
		const HRESULT h_Level = sp_Device->TestCooperativeLevel();
		if (h_Level == D3DERR_DEVICENOTRESET)
		{
			if (FAILED(sp_Device->Reset(&so_Params)))
				return false;
			SetRenderStates();
		}
		else if (FAILED(h_Level))
			return false;
		sb_Lost = false;
		return true;
	}

	template <class T> void Release(T*& ap_Object)
	{
		if (ap_Object != nullptr)
			ap_Object->Release();
		ap_Object = nullptr;
	}

	// Writes the picture's texels (bytes red, green, blue, alpha) into the surface, which keeps
	// blue in its lowest byte; false for a surface of another size or layout.
	bool WritePicture(IDirect3DSurface9* ap_Surface, const SPicInfo& ao_Pic)
	{
		D3DSURFACE_DESC o_Desc;
		ap_Surface->GetDesc(&o_Desc);
		if ((o_Desc.Format != D3DFMT_X8R8G8B8 && o_Desc.Format != D3DFMT_A8R8G8B8) || o_Desc.Width != ao_Pic.uWidth
			|| o_Desc.Height != ao_Pic.uHeight)
			return false;
		D3DLOCKED_RECT o_Locked;
		if (FAILED(ap_Surface->LockRect(&o_Locked, nullptr, 0)))
			return false;
		const u8* p_Src = ao_Pic.pData;
		for (u32 y = 0; y < ao_Pic.uHeight; ++y)
		{
			u8* p_Row = static_cast<u8*>(o_Locked.pBits) + static_cast<size_t>(y) * o_Locked.Pitch;
			for (u32 x = 0; x < ao_Pic.uWidth; ++x, p_Src += 4)
			{
				p_Row[4 * x] = p_Src[2];
				p_Row[4 * x + 1] = p_Src[1];
				p_Row[4 * x + 2] = p_Src[0];
				p_Row[4 * x + 3] = p_Src[3];
			}
		}
		ap_Surface->UnlockRect();
		return true;
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
	D3DDISPLAYMODE o_Mode;
	sp_Direct3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &o_Mode);
	memset(&so_Params, 0, sizeof(so_Params));
	so_Params.Windowed = TRUE;
	// The back buffer keeps the game's size whatever the window's; copied, not discarded, so that
	// Present can stretch it into a part of the window.
	so_Params.BackBufferWidth = ku16_Screen_Width;
	so_Params.BackBufferHeight = ku16_Screen_Height;
	so_Params.BackBufferFormat = o_Mode.Format;
	so_Params.SwapEffect = D3DSWAPEFFECT_COPY;
	so_Params.EnableAutoDepthStencil = TRUE;
	so_Params.AutoDepthStencilFormat = D3DFMT_D16;
	so_Params.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
	if (FAILED(sp_Direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, gp_Window, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
										 &so_Params, &sp_Device)))
	{
		DebugOutput("Direct3D 9: no device for the window: nothing is drawn\n");
		Release(sp_Direct3D);
		return false;
	}
	sb_Lost = false;
	SetRenderStates();
	return true;
}

void LibGfx_CEngine::UnloadDevice()
{
	// The textures' device objects go before the device.
	LibGfx_CManagerTexture::Instance()->FreeAllTexture();
	Release(sp_Background);
	Release(sp_Device);
	Release(sp_Direct3D);
}

void LibGfx_CEngine::LoadBg(const char* as_Path)
{
	Release(sp_Background);
	if (sp_Device == nullptr)
		return;
	SPicInfo o_Pic = {nullptr, 0, 0, ke_PixelFormat_8888};
	if (!LoadPng(as_Path, &o_Pic))
		return;
	IDirect3DSurface9* p_BackBuffer = nullptr;
	D3DSURFACE_DESC o_Desc;
	const bool b_Made = SUCCEEDED(sp_Device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &p_BackBuffer))
		&& SUCCEEDED(p_BackBuffer->GetDesc(&o_Desc))
		&& SUCCEEDED(sp_Device->CreateOffscreenPlainSurface(o_Pic.uWidth, o_Pic.uHeight, o_Desc.Format, D3DPOOL_SYSTEMMEM,
		                                                   &sp_Background, nullptr));
	Release(p_BackBuffer);
	if (!b_Made || !WritePicture(sp_Background, o_Pic))
		Release(sp_Background);
	delete[] o_Pic.pData;
}

void LibGfx_SetPresentRect(const RECT& ao_Rect)
{
	so_PresentRect = ao_Rect;
}

bool LibGfx_CEngine::SceneBegin()
{
	if (sp_Device == nullptr || (sb_Lost && !Recover()))
		return false;
	sp_Device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0);
	return SUCCEEDED(sp_Device->BeginScene());
}

void LibGfx_CEngine::SceneRender()
{
	if (sp_Background != nullptr)
	{
		IDirect3DSurface9* p_BackBuffer = nullptr;
		if (SUCCEEDED(sp_Device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &p_BackBuffer)))
		{
			sp_Device->UpdateSurface(sp_Background, nullptr, p_BackBuffer, nullptr);
			Release(p_BackBuffer);
		}
	}
	LibGfx_CManagerCamera* p_Camera = LibGfx_CManagerCamera::Instance();
	if (p_Camera->HasCamera())
	{
		D3DMATRIX o_View, o_Projection;
		p_Camera->ComputeView(&o_View.m[0][0]);
		LibGfx_CManagerCamera::ComputeProjection(ke_Depth_ZeroToOne, &o_Projection.m[0][0]);
		// WARNING: Direct3D 9 puts pixel centres on whole coordinates, OpenGL half a pixel in:
		// moved back by half a pixel, each pixel samples the middle of its texel, as with
		// OpenGL, instead of an edge between two (which drops or doubles columns of text).
		// The shift comes after the projection: x and y move by w times the shift.
		for (int i = 0; i < 4; ++i)
		{
			o_Projection.m[i][0] -= o_Projection.m[i][3] / ku16_Screen_Width;
			o_Projection.m[i][1] += o_Projection.m[i][3] / ku16_Screen_Height;
		}
		sp_Device->SetTransform(D3DTS_VIEW, &o_View);
		sp_Device->SetTransform(D3DTS_PROJECTION, &o_Projection);
	}
	LibGfx_CObjBase::so_RootObject.Render();
}

void LibGfx_CEngine::SceneEnd()
{
	sp_Device->EndScene();
	const bool b_Whole = so_PresentRect.right <= so_PresentRect.left || so_PresentRect.bottom <= so_PresentRect.top;
	if (sp_Device->Present(nullptr, b_Whole ? nullptr : &so_PresentRect, nullptr, nullptr) == D3DERR_DEVICELOST)
		sb_Lost = true;
}
