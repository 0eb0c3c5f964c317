// The Direct3D side of textures: a one-level managed texture each (kept by Direct3D across a
// reset of the device), named by its place in a table, its pixels written at the first bind
// after a change.
#include "LibGfx_CTexture.h"

#include "LibGen_Utils.h"
#include "LibGfx_CEngine_Win.h"
#include "LibGfx_CManagerTexture.h"
#include "LibGfx_CPolyBase.h"
#include "LibGfx_CTexture_Win.h"
#include "LibGfx_Utilities.h"

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

	// Writes the texture's pixels into level 0 of its device texture; false when the device
	// refused, so that the next bind tries again.
	bool Upload(LibGfx_CTexture& ao_Texture, const PALETTEENTRY* ap_Palette)
	{
		IDirect3DTexture9* p_Device = sp_Texture[ao_Texture.mu32_GLName];
		const STextureFormatWin* p_Format = LibGfx_FindTextureFormatWin(ao_Texture.mu16_Format);
		D3DFORMAT e_Source = static_cast<D3DFORMAT>(p_Format->me_Source);
		const void* p_Pixels = ao_Texture.mp_Data;
		u32 u32_Pitch = ao_Texture.GetRowSize();
		const size_t u_Texels = static_cast<size_t>(ao_Texture.mu16_Width) * ao_Texture.mu16_Height;
		if (ao_Texture.mu16_Format == ke_PixelFormat_Pal4)
		{
			so_Index.resize(u_Texels);
			LibGfx_ExpandPal4(ao_Texture.mp_Data, u32_Pitch, ao_Texture.mu16_Width, ao_Texture.mu16_Height, so_Index.data());
			p_Pixels = so_Index.data();
			u32_Pitch = ao_Texture.mu16_Width;
		}
		else if (p_Format->mu8_Bits == 16)
		{
			const u8 u8_Field = ao_Texture.mu16_Format == ke_PixelFormat_4444 ? 4 : 5;
			LibGfx_SwapRedBlue16(ao_Texture.mp_Data, static_cast<u32>(u_Texels), u8_Field, reinterpret_cast<u16*>(ao_Texture.mp_RGBA));
			p_Pixels = ao_Texture.mp_RGBA;
		}
		// Without paletted textures the colours are looked up here, into A8R8G8B8 texels.
		if (ap_Palette != nullptr && !sb_DevicePalette[ao_Texture.mu32_GLName])
		{
			LibGfx_PaletteToArgb(static_cast<const u8*>(p_Pixels), u32_Pitch, ao_Texture.mu16_Width, ao_Texture.mu16_Height,
								 reinterpret_cast<const u32*>(ap_Palette), ao_Texture.mp_RGBA);
			p_Pixels = ao_Texture.mp_RGBA;
			u32_Pitch = static_cast<u32>(ao_Texture.mu16_Width) * 4;
			e_Source = D3DFMT_A8R8G8B8;
		}
		D3DSURFACE_DESC o_Desc;
		D3DLOCKED_RECT o_Locked;
		if (FAILED(p_Device->GetLevelDesc(0, &o_Desc)) || FAILED(p_Device->LockRect(0, &o_Locked, nullptr, 0)))
			return false;
		const u8 u8_Bytes = o_Desc.Format == D3DFMT_P8 ? 1 : o_Desc.Format == D3DFMT_A8R8G8B8 ? 4 : 2;
		LibGfx_StretchTexels(static_cast<const u8*>(p_Pixels), u32_Pitch, ao_Texture.mu16_Width, ao_Texture.mu16_Height, u8_Bytes,
		                     e_Source == D3DFMT_A8B8G8R8, static_cast<u8*>(o_Locked.pBits), static_cast<u32>(o_Locked.Pitch),
		                     static_cast<u16>(o_Desc.Width), static_cast<u16>(o_Desc.Height));
		p_Device->UnlockRect(0);
		return true;
	}
}

void LibGfx_CTexture::CreateDeviceTexture()
{
	IDirect3DDevice9* p_Device = LibGfx_GetDevice();
	if (p_Device == nullptr)
		return;
	u32 u32_Name = 0;
	while (u32_Name < ke__Total && sp_Texture[u32_Name] != nullptr)
		++u32_Name;
	const STextureFormatWin* p_Format = LibGfx_FindTextureFormatWin(mu16_Format);
	if (u32_Name == ke__Total || p_Format == nullptr)
		return;
	// Sizes go up to powers of two where the device needs them; paletted textures, which few
	// devices have, fall back on A8R8G8B8 with the colours looked up at the upload.
	D3DCAPS9 o_Caps;
	p_Device->GetDeviceCaps(&o_Caps);
	const bool b_PowerOfTwo = (o_Caps.TextureCaps & D3DPTEXTURECAPS_POW2) && !(o_Caps.TextureCaps & D3DPTEXTURECAPS_NONPOW2CONDITIONAL);
	const u16 u16_Width = LibGfx_TextureSide(mu16_Width, b_PowerOfTwo);
	const u16 u16_Height = LibGfx_TextureSide(mu16_Height, b_PowerOfTwo);
	D3DFORMAT e_Format = static_cast<D3DFORMAT>(p_Format->me_Texture);
	IDirect3D9* p_Direct3D = nullptr;
	D3DDISPLAYMODE o_Mode;
	if (e_Format == D3DFMT_P8 && SUCCEEDED(p_Device->GetDirect3D(&p_Direct3D)))
	{
		if (FAILED(p_Device->GetDisplayMode(0, &o_Mode))
			|| FAILED(p_Direct3D->CheckDeviceFormat(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, o_Mode.Format, 0, D3DRTYPE_TEXTURE, e_Format)))
			e_Format = D3DFMT_A8R8G8B8;
		p_Direct3D->Release();
	}
	IDirect3DTexture9* p_Texture = nullptr;
	if (FAILED(p_Device->CreateTexture(u16_Width, u16_Height, 1, 0, e_Format, D3DPOOL_MANAGED, &p_Texture, nullptr)))
		return;
	mu16_TexWidth = u16_Width;
	mu16_TexHeight = u16_Height;
	sp_Texture[u32_Name] = p_Texture;
	sb_DevicePalette[u32_Name] = e_Format == D3DFMT_P8;
	mu32_GLName = u32_Name;
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
