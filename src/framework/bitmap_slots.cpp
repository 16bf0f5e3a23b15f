#include "framework/bitmap_slots.h"

#include <algorithm>
#include <cstring>

#include "app/fatal.h"
#include "app/game_palette.h"
#include "app/global_order.h"
#include "app/host.h"

namespace {

cSurfaceDesc Slot(const char* lpPath, s32 bMask, s32 nCellWidth = 0)
{
    cSurfaceDesc d;
    d.strPath = lpPath;
    d.nBits = 0;
    d.bMask = bMask;
    d.nCellWidth = nCellWidth;
    d.nScale = 0;
    return d;
}

// An empty 8-bit sheet of 256 x 480 pixels, composed after loading.
cSurfaceDesc ComposedSlot()
{
    cSurfaceDesc d = Slot("E", 1);
    d.nBits = 8;
    d.nWidth = 256;
    d.nHeight = 480;
    return d;
}

cSurfaceDesc CharaSlot(int nSlot)
{
    static const char* const kFiles[] = {"bmp\\Character1.bmp", "bmp\\Character2.bmp", "bmp\\Character3.bmp",
                                         "bmp\\Character4.bmp", "bmp\\Character5.bmp", "bmp\\Character6.bmp",
                                         "bmp\\Character7.bmp", "bmp\\Character8.bmp"};
    const int n = nSlot - kSlotChara;
    // The second of each pair is the right-facing copy: every 32-pixel
    // column of frames mirrored.
    return Slot(kFiles[n / 2], 1, n % 2 ? 32 : 0);
}

const char* const kPalettePath = "bmp\\plt\\Palette.bmp";
const char* const kPalette2Path = "bmp\\plt\\Palette2.bmp";
const char* const kNoPalette = "パレットの生成に失敗！\n%s が見つかりません！";

bool IsOptionalSlot(int nSlot) { return nSlot == kSlotBack || nSlot == kSlotWorldBack; }

// Copies a part of one surface into another, plainly, clipped to both.
void CopyPart(cSurface& dst, s32 x, s32 y, const cSurface& src, s32 sx, s32 sy, s32 w, s32 h)
{
    w = std::min({w, src.GetWidth() - sx, dst.GetWidth() - x});
    h = std::min({h, src.GetHeight() - sy, dst.GetHeight() - y});
    if (w > 0 && h > 0 && src.GetDC()) dst.Blt(x, y, w, h, src, sx, sy, 1);
}

void ClearSurface(cSurface& s)
{
    if (!s.GetPixels()) return;
    GdiFlush();
    memset(s.GetPixels(), 0, s.GetStride() * static_cast<size_t>(s.GetHeight()));
}

// The five sheets the palette windows show: the blocks, the first frame of
// each chara sheet, the first frame of each item, the shots centred in
// 32 x 32 cells, and the marks.
void ComposeSheets()
{
    cSurface* s = g_aBitmap;
    for (int n = kSlotBlockSheet; n <= kSlotMarkSheet; ++n) ClearSurface(s[n]);
    CopyPart(s[kSlotBlockSheet], 0, 0, s[kSlotBlock], 0, 0, 256, 480);
    for (int i = 0; i < 8; ++i) {
        const cSurface& chara = s[kSlotChara + 2 * i];
        CopyPart(s[kSlotCharaSheet], 32 * i, 0, chara, 0, 0, 32, chara.GetHeight());
        const cSurface& item = s[kSlotItem];
        CopyPart(s[kSlotItemSheet], 32 * i, 0, item, 64 * i, 0, 32, item.GetHeight());
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 30; ++j)
            CopyPart(s[kSlotShotSheet], 64 * i + 32 * (j / 15) + 8, 32 * (j % 15) + 8, s[kSlotShot], 32 * i, 16 * j, 16,
                     16);
    CopyPart(s[kSlotMarkSheet], 0, 0, s[kSlotMark], 0, 0, 256, 480);
    GdiFlush();
}

}  // namespace

cSurfaceDesc g_aBitmapSlot[kBitmapSlots] TARVENOL_GLOBAL(kGlobalBitmapSlots) = {
    Slot("bmp\\Back.bmp", 0),
    Slot("bmp\\Block.bmp", 1),
    CharaSlot(2), CharaSlot(3), CharaSlot(4), CharaSlot(5), CharaSlot(6), CharaSlot(7), CharaSlot(8), CharaSlot(9),
    CharaSlot(10), CharaSlot(11), CharaSlot(12), CharaSlot(13), CharaSlot(14), CharaSlot(15), CharaSlot(16),
    CharaSlot(17),
    Slot("bmp\\Item.bmp", 1),
    Slot("bmp\\Item_Mini.bmp", 1),
    Slot("bmp\\Shot.bmp", 1),
    Slot("bmp\\Shot.bmp", 1, 16),
    Slot("bmp\\Mark.bmp", 1),
    Slot("bmp\\WorldBack.bmp", 0),
    Slot("bmp\\WorldMapChip.bmp", 1),
    Slot("bmp\\WorldEvent.bmp", 1),
    Slot("bmp\\Symbol.bmp", 1),
    Slot("bmp\\Accessory.bmp", 1),
    ComposedSlot(), ComposedSlot(), ComposedSlot(), ComposedSlot(), ComposedSlot(),
};
cSurface g_aBitmap[kBitmapSlots] TARVENOL_GLOBAL(kGlobalBitmapSlots);
std::vector<cSurface> g_vCharaExcBitmap TARVENOL_GLOBAL(kGlobalCharaExcBitmaps);

bool LoadProjectPalettes()
{
    if (!LoadGamePalette(kPalettePath)) {
        MesBox(kNoPalette, kPalettePath);
        return false;
    }
    const u8(*lpColors)[4] = GamePaletteColors();
    SetTransparentColor(PaletteColorOf(lpColors[0]));
    SetMaskIndexColor(lpColors[15][0], lpColors[15][1], lpColors[15][2]);
    u8 matching[kPaletteEntries][4];
    if (!LoadPalette(matching, kPalette2Path)) {
        MesBox(kNoPalette, kPalette2Path);
        SetFatalError();
        Host().CloseMainWindow();
        return false;
    }
    return true;
}

bool LoadBitmapSlots(const std::string& strStageBack, const std::string& strWorldBack)
{
    for (int n = 0; n < kBitmapSlots; ++n) {
        cSurfaceDesc& slot = g_aBitmapSlot[n];
        if (n == kSlotBack || n == kSlotWorldBack) {
            const std::string& strName = n == kSlotBack ? strStageBack : strWorldBack;
            if (strName.empty()) {
                g_aBitmap[n].Release();
                continue;
            }
            slot.strPath = strName;
        }
        const eBmpResult result = g_aBitmap[n].Load(slot);
        if (result == kBmpOk) continue;
        // A background the user named but can't be shown is told, and the
        // project opens all the same.
        ReportBmpFailure(slot.strPath, result == kBmpQuietFailure ? kBmpUnreadable : result);
        if (!IsOptionalSlot(n)) return false;
    }
    ComposeSheets();
    return true;
}

bool LoadCharaExcBitmaps(std::vector<cSurface>& surfaces, const std::vector<cEdCharaExcBmp>& records)
{
    for (cSurface& s : surfaces) s.Release();
    std::vector<cSurface>(records.size() * 2).swap(surfaces);
    for (size_t i = 1; i < records.size(); ++i) {
        const cEdCharaExcBmp& rec = records[i];
        if (rec.m_strPath.empty()) continue;
        // The giant size is 2 to 10 chips; a file may say otherwise.
        const s32 n = rec.m_dwGiant ? static_cast<s32>(std::min<u32>(std::max<u32>(rec.m_dwGiantSize, 2), 10)) : 1;
        for (int nSide = 0; nSide < 2; ++nSide) {
            cSurfaceDesc desc;
            desc.strPath = rec.m_strPath;
            desc.nBits = 8;
            desc.bMask = 1;
            desc.nScale = n;
            desc.nAlignWidth = desc.nAlignHeight = n * 32;
            desc.nSrcX = nSide * n * 32;
            desc.nSrcWidth = n * 32;
            if (surfaces[2 * i + nSide].Load(desc) != kBmpOk) {
                MesBox("%s の読み込みに失敗！", rec.m_strPath.c_str());
                return false;
            }
        }
    }
    return true;
}
