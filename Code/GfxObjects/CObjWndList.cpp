#include "GfxObjects/CObjWndList.h"

#include "Fudemaru.h"

namespace
{
	typedef CVector3d<float> V3;
	// Colours with red in the lowest byte: a translucent green bar, a white thumb, a
	// translucent red track.
	const u32 ku32_HighlightColor = 0x8000FF00u;
	const u32 ku32_ThumbColor = 0xFFFFFFFFu;
	const u32 ku32_TrackColor = 0x800000FFu;
	const float kf_ThumbHeight = 4.0f;
}

CObjWndList::CObjWndList()
	: mf_ScrollLenght(0.0f), mu8_ItemSelected(0), mu8_ItemTotal(0), mpp_Items(nullptr)
{
	mo_Highlight.SetParent(this);
	mo_Highlight.mu32_Align = ke_Align_Left | ke_Align_Top;
	mo_Highlight.SetVisible(true);
	mo_Highlight.AddPoly(&mo_PolyHighlight);
	mo_Thumb.SetParent(this);
	mo_Thumb.mu32_Align = ke_Align_Right | ke_Align_Top;
	mo_Thumb.SetVisible(true);
	mo_Thumb.AddPoly(&mo_PolyThumb);
	AddPoly(&mo_PolyTrack);
}

void CObjWndList::Load(const char** ap_Items, u8 au8_Total)
{
	mpp_Items = ap_Items;
	mu8_ItemTotal = au8_Total;
	mu8_ItemSelected = 0;

	V3 oClient1, oClient2;
	GetCornersClient(oClient1, oClient2, false);
	const float fLineHeight = goFontAscii.GetHeight();
	const float fTextRight = oClient2.x - ku_ScrollBar_Width;
	// NOTE: a name wider than the room left of the track is cut there rather than run over it.
	const u16 u16_TextWidth = static_cast<u16>(fTextRight - oClient1.x);
	for (u8 i = 0; i < ku_Line_Max; ++i)
	{
		if (i >= au8_Total)
		{
			// A line of a longer list loaded before.
			if (mo_Text[i].mp_Parent == this)
				ReleaseLine(i);
			continue;
		}
		LibGfx_CObjText& oLine = mo_Text[i];
		oLine.SetParent(this);
		oLine.TxtSetPalette(gu8_Palettes[ke_Palette_0]);
		oLine.TxtSetFont(&goFontAscii, nullptr);
		oLine.TxtSetSize(u16_TextWidth, goFontAscii.GetHeight());
		oLine.TxtSetText(ap_Items[i], false);
		oLine.mu32_Align = ke_Align_Left | ke_Align_Top;
		oLine.mo_Pos = V3(0.0f, -static_cast<float>(ku_Line_Pitch * i), 0.0f);
		oLine.mu32_State |= ke_Obj_Dirty | ke_Obj_Visible;
	}

	mf_ScrollLenght = oClient1.y - oClient2.y - kf_ThumbHeight;
	mo_PolyHighlight.Set(V3(oClient1.x, oClient1.y, 0.0f), V3(fTextRight, oClient1.y - fLineHeight, 0.0f), ku32_HighlightColor);
	mo_Highlight.mo_Pos.y = 0.0f;
	mo_Highlight.mu32_State |= ke_Obj_Dirty;
	mo_PolyThumb.Set(V3(0.0f, 0.0f, 0.0f), V3(ku_ScrollBar_Width, kf_ThumbHeight, 0.0f), ku32_ThumbColor);
	mo_Thumb.mo_Pos.y = 0.0f;
	mo_Thumb.mu32_State |= ke_Obj_Dirty;
	mo_PolyTrack.Set(V3(fTextRight, oClient1.y, 0.0f), V3(oClient2.x, oClient2.y, 0.0f), ku32_TrackColor);
	// An empty list has nothing to select.
	mo_Highlight.SetVisible(au8_Total > 0);
	mo_Thumb.SetVisible(au8_Total > 0);
	mu32_State |= ke_Obj_Visible | ke_Obj_Dirty;
}

u8 CObjWndList::FirstShown() const
{
	if (mu8_ItemSelected <= ku_Line_Follow || mu8_ItemTotal <= ku_Line_Max)
		return 0;
	if (mu8_ItemSelected < mu8_ItemTotal - ku_Line_Follow)
		return static_cast<u8>(mu8_ItemSelected - ku_Line_Follow);
	return static_cast<u8>(mu8_ItemTotal - ku_Line_Max);
}

void CObjWndList::Scroll(s8 as8_Step)
{
	if (mu8_ItemTotal == 0)
		return;
	// NOTE: counted wider than 8 bits, so that a long list cannot wrap round to its other end.
	int iSelected = mu8_ItemSelected + as8_Step;
	if (iSelected < 0)
		iSelected = 0;
	else if (iSelected >= mu8_ItemTotal)
		iSelected = mu8_ItemTotal - 1;
	mu8_ItemSelected = static_cast<u8>(iSelected);

	const u8 u8_First = FirstShown();
	for (u8 j = 0; j < ku_Line_Max && u8_First + j < mu8_ItemTotal; ++j)
		mo_Text[j].TxtSetText(mpp_Items[u8_First + j], false);

	mo_Highlight.mo_Pos.y = static_cast<float>((u8_First - mu8_ItemSelected) * ku_Line_Pitch);
	mo_Highlight.mu32_State |= ke_Obj_Dirty;
	const float fRatio = mu8_ItemTotal > 1 ? static_cast<float>(mu8_ItemSelected) / static_cast<float>(mu8_ItemTotal - 1) : 0.0f;
	mo_Thumb.mo_Pos.y = -fRatio * mf_ScrollLenght;
	mo_Thumb.mu32_State |= ke_Obj_Dirty;
}

void CObjWndList::ReleaseLine(u8 au8_Line)
{
	LibGfx_CObjText& oLine = mo_Text[au8_Line];
	oLine.Unload();
	oLine.SetParent(nullptr);
	oLine.SetVisible(false);
}

void CObjWndList::Unload()
{
	for (u8 i = 0; i < ku_Line_Max && i < mu8_ItemTotal; ++i)
		ReleaseLine(i);
	mu32_State &= ~static_cast<u32>(ke_Obj_Visible);
}
