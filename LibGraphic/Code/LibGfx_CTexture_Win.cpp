// The Direct3D side of textures: a one-level D3DX texture each, named by its place in a table,
// its pixels loaded by D3DX from their own format at the first bind after a change.
#include "LibGfx_CTexture.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine_Win.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture_Win.h"
#include "LibGfx_Utilities.h"

#include <d3dx9.h>
#include <vector>

static_assert(u32(ke_D3DFmt_A8R8G8B8) == D3DFMT_A8R8G8B8 && u32(ke_D3DFmt_A1R5G5B5) == D3DFMT_A1R5G5B5, "formats");
static_assert(u32(ke_D3DFmt_A4R4G4B4) == D3DFMT_A4R4G4B4 && u32(ke_D3DFmt_A8B8G8R8) == D3DFMT_A8B8G8R8, "formats");
static_assert(u32(ke_D3DFmt_P8) == D3DFMT_P8, "formats");
// The manager's palettes (red in the lowest byte, alpha in the highest) are PALETTEENTRYs.
static_assert(sizeof(PALETTEENTRY) == sizeof(u32), "palette entries");

namespace
{
	// The device's textures by name; every texture of the program is one of the manager's.
	IDirect3DTexture9* sp_Texture[ke__Total] = {};
	// Whether the device gave a texture the paletted format asked for; few devices have it.
	bool sb_DevicePalette[ke__Total] = {};
	// 4-bit indices one a byte, for the upload; kept to spare an allocation each time.
	std::vector<u8> so_Index;

	// Loads the texture's pixels into level 0 of its device texture; false when the device or
	// D3DX refused, so that the next bind tries again.
	bool Upload(LibGfx_CTexture& ao_Texture, const PALETTEENTRY* ap_Palette)
	{
		IDirect3DSurface9* pSurface = nullptr;
		if (FAILED(sp_Texture[ao_Texture.mu32_GLName]->GetSurfaceLevel(0, &pSurface)))
			return false;
		const STextureFormatWin* pFormat = LibGfx_FindTextureFormatWin(ao_Texture.mu16_Format);
		D3DFORMAT eSource = static_cast<D3DFORMAT>(pFormat->me_Source);
		const void* pPixels = ao_Texture.mp_Data;
		u32 uPitch = ao_Texture.GetRowSize();
		const size_t uTexels = static_cast<size_t>(ao_Texture.mu16_Width) * ao_Texture.mu16_Height;
		if (ao_Texture.mu16_Format == ke_PixelFormat_Pal4)
		{
			so_Index.resize(uTexels);
			LibGfx_ExpandPal4(ao_Texture.mp_Data, uPitch, ao_Texture.mu16_Width, ao_Texture.mu16_Height, so_Index.data());
			pPixels = so_Index.data();
			uPitch = ao_Texture.mu16_Width;
		}
		else if (pFormat->mu8_Bits == 16)
		{
			const u8 u8_Field = ao_Texture.mu16_Format == ke_PixelFormat_4444 ? 4 : 5;
			LibGfx_SwapRedBlue16(ao_Texture.mp_Data, static_cast<u32>(uTexels), u8_Field, reinterpret_cast<u16*>(ao_Texture.mp_RGBA));
			pPixels = ao_Texture.mp_RGBA;
		}
		// NOTE: without paletted textures the colours are looked up here, so that D3DX only
		// copies them: text textures change often, and its own lookup is slow.
		if (ap_Palette != nullptr && !sb_DevicePalette[ao_Texture.mu32_GLName])
		{
			LibGfx_PaletteToArgb(static_cast<const u8*>(pPixels), uPitch, ao_Texture.mu16_Width, ao_Texture.mu16_Height,
								 reinterpret_cast<const u32*>(ap_Palette), ao_Texture.mp_RGBA);
			pPixels = ao_Texture.mp_RGBA;
			uPitch = static_cast<u32>(ao_Texture.mu16_Width) * 4;
			eSource = D3DFMT_A8R8G8B8;
		}
		// The picture fills the whole texture, so it maps and wraps as the quads expect, also when
		// stretched to a power-of-two size: by the nearest texel, indices never blended.
		const RECT oSource = {0, 0, ao_Texture.mu16_Width, ao_Texture.mu16_Height};
		const HRESULT hResult = D3DXLoadSurfaceFromMemory(pSurface, nullptr, nullptr, pPixels, eSource, uPitch, ap_Palette, &oSource,
		                                                  D3DX_FILTER_POINT, 0);
		pSurface->Release();
		return SUCCEEDED(hResult);
	}
}

void LibGfx_CTexture::CreateDeviceTexture()
{
	IDirect3DDevice9* pDevice = LibGfx_GetDevice();
	if (pDevice == nullptr)
		return;
	u32 uName = 0;
	while (uName < ke__Total && sp_Texture[uName] != nullptr)
		++uName;
	const STextureFormatWin* pFormat = LibGfx_FindTextureFormatWin(mu16_Format);
	if (uName == ke__Total || pFormat == nullptr)
		return;
	// D3DX falls back on a format the device has where it lacks one (paletted textures, mostly),
	// and rounds the size up to powers of two where the device needs them.
	IDirect3DTexture9* pTexture = nullptr;
	if (FAILED(D3DXCreateTexture(pDevice, mu16_Width, mu16_Height, 1, 0, static_cast<D3DFORMAT>(pFormat->me_Texture),
								 D3DPOOL_MANAGED, &pTexture)))
		return;
	D3DSURFACE_DESC oDesc;
	pTexture->GetLevelDesc(0, &oDesc);
	mu16_TexWidth = static_cast<u16>(oDesc.Width);
	mu16_TexHeight = static_cast<u16>(oDesc.Height);
	sp_Texture[uName] = pTexture;
	sb_DevicePalette[uName] = oDesc.Format == D3DFMT_P8;
	mu32_GLName = uName;
}

void LibGfx_CTexture::FreeDeviceTexture()
{
	if (mu32_GLName == ku32_GLName_None)
		return;
	sp_Texture[mu32_GLName]->Release();
	sp_Texture[mu32_GLName] = nullptr;
}

void LibGfx_CTexture::SetAsCurrent(u8 au8_Repeat)
{
	IDirect3DDevice9* pDevice = LibGfx_GetDevice();
	if (mu32_GLName == ku32_GLName_None || pDevice == nullptr)
		return;
	const PALETTEENTRY* pPalette = nullptr;
	if (mu16_Format == ke_PixelFormat_Pal4 || mu16_Format == ke_PixelFormat_Pal8)
	{
		LIBGEN_ASSERT(mu16_PaletteId < LibGfx_CManagerTexture::ku_PaletteTotal);
		pPalette = reinterpret_cast<const PALETTEENTRY*>(LibGfx_CManagerTexture::Instance()->mu32_Palette[mu16_PaletteId]);
		if (sb_DevicePalette[mu32_GLName])
		{
			pDevice->SetPaletteEntries(mu16_PaletteId, pPalette);
			pDevice->SetCurrentTexturePalette(mu16_PaletteId);
		}
	}
	if ((mu32_Flags & ku32_Flag_Dirty) && Upload(*this, pPalette))
		mu32_Flags &= ~static_cast<u32>(ku32_Flag_Dirty);
	pDevice->SetTexture(0, sp_Texture[mu32_GLName]);
	// Filtered as the OpenGL build filters: cards seen at an angle keep their thin strokes.
	pDevice->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
	pDevice->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
	pDevice->SetSamplerState(0, D3DSAMP_ADDRESSU, (au8_Repeat & LibGfx_CPolyBase::ku8_Repeat_S) ? D3DTADDRESS_WRAP : D3DTADDRESS_CLAMP);
	pDevice->SetSamplerState(0, D3DSAMP_ADDRESSV, (au8_Repeat & LibGfx_CPolyBase::ku8_Repeat_T) ? D3DTADDRESS_WRAP : D3DTADDRESS_CLAMP);
	pDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
	pDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
	pDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
	pDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
	pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
	pDevice->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
}
