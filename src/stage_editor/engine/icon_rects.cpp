#include "stage_editor/engine/icon_rects.h"

namespace {

constexpr s32 kCell = 32;

enum : u8 {
    kKindBlock = 0,
    kKindChara = 1,
    kKindItem = 2,
    kKindSmall = 3,
    kKindSpecial = 4,
};

struct cDest {
    s32 x, y, w, h;
};

cDest StandardDest(s32 x, s32 y, bool bHalf) { return bHalf ? cDest{x + 16, y, 16, 16} : cDest{x, y, kCell, kCell}; }

cIconBlit Blit(eIconSource eSource, s32 nSheet, s32 sx, s32 sy, s32 sw, s32 sh, const cDest& d)
{
    cIconBlit b;
    b.eSource = eSource;
    b.nSheet = nSheet;
    b.nSrcX = sx, b.nSrcY = sy, b.nSrcW = sw, b.nSrcH = sh;
    b.nDstX = d.x, b.nDstY = d.y, b.nDstW = d.w, b.nDstH = d.h;
    return b;
}

// The frame of a chara with its anime set's offsets; false when the
// chara's anime set is not in the table.
bool CharaFrame(const cEdChara& chara, s32 nFrame, const cIconSources& src, s32& nColumn)
{
    if (!src.lpAnimeSets || chara.m_wAnimeSet >= src.lpAnimeSets->size()) return false;
    const cEdAnimeSet& set = (*src.lpAnimeSets)[chara.m_wAnimeSet];
    nColumn = nFrame;
    if (chara.m_cInvincible) nColumn += static_cast<s32>(set.m_dwInvincibleOffset);
    if (chara.m_cBlock) nColumn += static_cast<s32>(set.m_dwBlockOffset);
    if (chara.m_cFly) nColumn += static_cast<s32>(set.m_dwFlyOffset);
    return true;
}

// The picture's copy, or false when only the mark is drawn.
bool Picture(s32 nType, u8 cKind, u32 n, s32 nFrame, const cEdChara* lpChara, s32 x, s32 y, bool bHalf,
             const cIconSources& src, cIconBlit& out)
{
    const s32 col = static_cast<s32>(n / 15), row = static_cast<s32>(n % 15);
    const cDest dest = StandardDest(x, y, bHalf);
    const bool bChara = nType == 1;
    const u32 dwFacing = bChara && lpChara ? lpChara->m_cFaceRight : 0;
    if (dwFacing > 1) return false;
    switch (cKind) {
    case kKindBlock:
        out = Blit(eIconSource::Slot, kIconBlockSheet, col * kCell, row * kCell, kCell, kCell, dest);
        return true;
    case kKindChara: {
        s32 c = nFrame, nSheet;
        if (bChara) {
            if (!lpChara || !CharaFrame(*lpChara, nFrame, src, c)) return false;
            nSheet = kIconCharaFirst + static_cast<s32>(dwFacing) + col * 2;
        } else {
            const bool bRight = nFrame >= 20;
            if (bRight) c = nFrame - 20;
            nSheet = kIconCharaFirst + col * 2 + (bRight ? 1 : 0);
        }
        if (nSheet > kIconCharaLast) return false;
        out = Blit(eIconSource::Slot, nSheet, c * kCell, row * kCell, kCell, kCell, dest);
        return true;
    }
    case kKindItem:
        if (bHalf)
            out = Blit(eIconSource::Slot, kIconItemHalfSheet, col * 32, row * 16, 16, 16, dest);
        else
            out = Blit(eIconSource::Slot, kIconItemSheet, col * 64, row * kCell, kCell, kCell, dest);
        return true;
    case kKindSmall: {
        const s32 sx = static_cast<s32>(n / 30) * 32, sy = static_cast<s32>(n % 30) * 16;
        if (bHalf) {
            out = Blit(eIconSource::Slot, kIconSmallLeft, sx, sy, 16, 16, {x + 20, y + 4, 8, 8});
        } else {
            const s32 nSheet = bChara && dwFacing == 1 ? kIconSmallRight : kIconSmallLeft;
            out = Blit(eIconSource::Slot, nSheet, sx, sy, 16, 16, {x + 8, y + 8, 16, 16});
        }
        return true;
    }
    case kKindSpecial: {
        if (n >= src.dwSpecialBitmaps) return false;
        s32 k = nFrame;
        if (bChara && lpChara && !CharaFrame(*lpChara, nFrame, src, k)) return false;
        const size_t nSurface = 2 * static_cast<size_t>(n) + dwFacing;
        if (k < 0 || nSurface >= src.vSpecialWidth.size()) return false;
        const s32 w = src.vSpecialWidth[nSurface] / kCell;
        if (w <= 0) return false;
        out = Blit(eIconSource::Special, static_cast<s32>(nSurface), (k % w) * kCell, (k / w) * kCell, kCell, kCell,
                   dest);
        return true;
    }
    default:
        return false;
    }
}

}  // namespace

bool operator==(const cIconBlit& a, const cIconBlit& b)
{
    return a.eSource == b.eSource && a.nSheet == b.nSheet && a.nSrcX == b.nSrcX && a.nSrcY == b.nSrcY &&
           a.nSrcW == b.nSrcW && a.nSrcH == b.nSrcH && a.nDstX == b.nDstX && a.nDstY == b.nDstY &&
           a.nDstW == b.nDstW && a.nDstH == b.nDstH;
}

cIconBlits IconBlits(s32 nType, u8 cKind, u32 n, s32 nFrame, const cEdChara* lpChara, bool bOverlay,
                                 u32 nMark, s32 x, s32 y, bool bHalf, const cIconSources& src)
{
    cIconBlits blits;
    if (n == 0) return blits;
    cIconBlit picture;
    if (Picture(nType, cKind, n, nFrame, lpChara, x, y, bHalf, src, picture)) blits.Add(picture);
    if (bOverlay) {
        const s32 col = static_cast<s32>(nMark / 15), row = static_cast<s32>(nMark % 15);
        blits.Add(
            Blit(eIconSource::Slot, kIconMarkSheet, col * kCell, row * kCell, kCell, kCell, StandardDest(x, y, bHalf)));
    }
    return blits;
}

cIconBlits BlockIconBlits(const cEdBlock& e, s32 x, s32 y, bool bHalf, const cIconSources& src)
{
    return IconBlits(0, e.m_cGraphicKind, e.m_wGraphic, static_cast<s16>(e.m_wFrame), nullptr, e.m_cIconShow != 0,
                     e.m_wIcon, x, y, bHalf, src);
}

cIconBlits CharaIconBlits(const cEdChara& e, s32 x, s32 y, bool bHalf, const cIconSources& src)
{
    return IconBlits(1, e.m_cGraphicKind, e.m_wGraphic, e.m_sGraphicOffset, &e, e.m_cIconShow != 0, e.m_wIcon, x, y,
                     bHalf, src);
}

cIconBlits ItemIconBlits(const cEdItem& e, s32 x, s32 y, bool bHalf, const cIconSources& src)
{
    return IconBlits(2, e.m_cGraphicKind, e.m_wGraphic, static_cast<u8>(e.m_wFrame), nullptr, e.m_cIconShow != 0,
                     e.m_wIcon, x, y, bHalf, src);
}
