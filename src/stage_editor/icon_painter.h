#pragma once
// The entry icon painter: draws the picture of a block, chara or item entry
// (and its mark) from the editor's sheets into a surface, 32 x 32 at (x, y)
// or, at half size, 16 x 16 at (x + 16, y). The stage view, the palette
// windows and the data pages share it.
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "framework/surface.h"
#include "stage_editor/engine/icon_rects.h"

// The database's anime sets and the special bitmaps as they stand; a view
// that draws many entries takes them once.
cIconSources CurrentIconSources();

void DrawBlockIcon(cSurface& surface, s32 x, s32 y, const cEdBlock& entry, bool bHalf, const cIconSources& src);
void DrawCharaIcon(cSurface& surface, s32 x, s32 y, const cEdChara& entry, bool bHalf, const cIconSources& src);
void DrawItemIcon(cSurface& surface, s32 x, s32 y, const cEdItem& entry, bool bHalf, const cIconSources& src);
inline void DrawBlockIcon(cSurface& surface, s32 x, s32 y, const cEdBlock& entry, bool bHalf)
{
    DrawBlockIcon(surface, x, y, entry, bHalf, CurrentIconSources());
}
inline void DrawCharaIcon(cSurface& surface, s32 x, s32 y, const cEdChara& entry, bool bHalf)
{
    DrawCharaIcon(surface, x, y, entry, bHalf, CurrentIconSources());
}
inline void DrawItemIcon(cSurface& surface, s32 x, s32 y, const cEdItem& entry, bool bHalf)
{
    DrawItemIcon(surface, x, y, entry, bHalf, CurrentIconSources());
}
