#pragma once
// Where the picture of a block, chara or item entry comes from: which sheet,
// which 32 x 32 cell of it (or 16 x 16 at half size), and where it goes; then
// the entry's mark, when its overlay flag is set. Sheets are laid out in
// columns of 15 cells (30 for the small-icon sheets), so the graphic number
// n lies in column n / 15, row n % 15. A number that would reach past the
// chara sheets or the special bitmaps draws only the mark.
#include <vector>

#include "app/types.h"
#include "data/db_anime.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"

// The editor's sheets by their slot.
enum eIconSlot : s32 {
    kIconBlockSheet = 1,
    kIconCharaFirst = 2,   // two per group of 15 graphic numbers: left, right
    kIconCharaLast = 17,
    kIconItemSheet = 18,
    kIconItemHalfSheet = 19,
    kIconSmallLeft = 20,
    kIconSmallRight = 21,
    kIconMarkSheet = 22,
};

enum class eIconSource : u8 {
    Slot,     // a sheet of the bitmap slots
    Special,  // a chara special bitmap surface (2 x number + facing)
};

// One copy from a sheet to the surface.
struct cIconBlit {
    eIconSource eSource = eIconSource::Slot;
    s32 nSheet = 0;
    s32 nSrcX = 0, nSrcY = 0, nSrcW = 0, nSrcH = 0;
    s32 nDstX = 0, nDstY = 0, nDstW = 0, nDstH = 0;
    friend bool operator==(const cIconBlit& a, const cIconBlit& b);
};

// The copies of one entry: the picture, then the mark.
struct cIconBlits {
    cIconBlit aBlit[2];
    size_t nCount = 0;
    void Add(const cIconBlit& b) { aBlit[nCount++] = b; }
    size_t size() const { return nCount; }
    const cIconBlit& operator[](size_t i) const { return aBlit[i]; }
    const cIconBlit* begin() const { return aBlit; }
    const cIconBlit* end() const { return aBlit + nCount; }
};

// What the painter needs of the database and the special bitmaps.
struct cIconSources {
    const std::vector<cEdAnimeSet>* lpAnimeSets = nullptr;
    u32 dwSpecialBitmaps = 0;  // records of the special bitmap table
    // The width in pixels of each special bitmap surface (2 per record).
    std::vector<s32> vSpecialWidth;
};

// The copies of an entry drawn at (x, y): the picture (none for graphic
// number 0), then the mark.
cIconBlits BlockIconBlits(const cEdBlock& entry, s32 x, s32 y, bool bHalf, const cIconSources& src);
cIconBlits CharaIconBlits(const cEdChara& entry, s32 x, s32 y, bool bHalf, const cIconSources& src);
cIconBlits ItemIconBlits(const cEdItem& entry, s32 x, s32 y, bool bHalf, const cIconSources& src);

// The painter's rule for any entry type (0 block, 1 chara, 2 item); the
// chara record is given for charas only.
cIconBlits IconBlits(s32 nType, u8 cKind, u32 n, s32 nFrame, const cEdChara* lpChara, bool bOverlay,
                                 u32 nMark, s32 x, s32 y, bool bHalf, const cIconSources& src);
