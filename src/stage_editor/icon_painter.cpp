#include "stage_editor/icon_painter.h"

#include "data/project_data.h"
#include "framework/bitmap_slots.h"

namespace {

void Paint(cSurface& surface, const cIconBlits& blits)
{
    for (const cIconBlit& b : blits) {
        const bool bSlot = b.eSource == eIconSource::Slot;
        if (bSlot ? (b.nSheet < 0 || b.nSheet >= kBitmapSlots)
                  : (b.nSheet < 0 || static_cast<size_t>(b.nSheet) >= g_vCharaExcBitmap.size()))
            continue;
        const cSurface& sheet = bSlot ? g_aBitmap[b.nSheet] : g_vCharaExcBitmap[static_cast<size_t>(b.nSheet)];
        if (!sheet.GetDC()) continue;
        if (b.nDstW == b.nSrcW && b.nDstH == b.nSrcH)
            surface.Blt(b.nDstX, b.nDstY, b.nDstW, b.nDstH, sheet, b.nSrcX, b.nSrcY, 0);
        else
            surface.StretchBlt(b.nDstX, b.nDstY, b.nDstW, b.nDstH, sheet, b.nSrcX, b.nSrcY, b.nSrcW, b.nSrcH, 0);
    }
}

}  // namespace

cIconSources CurrentIconSources()
{
    cIconSources src;
    src.lpAnimeSets = &g_Database.m_vAnimeSet;
    src.dwSpecialBitmaps = static_cast<u32>(g_Database.m_vCharaExcBmp.size());
    src.vSpecialWidth.reserve(g_vCharaExcBitmap.size());
    for (const cSurface& s : g_vCharaExcBitmap) src.vSpecialWidth.push_back(s.GetDC() ? s.GetWidth() : 0);
    return src;
}

void DrawBlockIcon(cSurface& surface, s32 x, s32 y, const cEdBlock& entry, bool bHalf, const cIconSources& src)
{
    Paint(surface, BlockIconBlits(entry, x, y, bHalf, src));
}

void DrawCharaIcon(cSurface& surface, s32 x, s32 y, const cEdChara& entry, bool bHalf, const cIconSources& src)
{
    Paint(surface, CharaIconBlits(entry, x, y, bHalf, src));
}

void DrawItemIcon(cSurface& surface, s32 x, s32 y, const cEdItem& entry, bool bHalf, const cIconSources& src)
{
    Paint(surface, ItemIconBlits(entry, x, y, bHalf, src));
}
