#pragma once
// What the flow records and palette entries need to know about the palettes
// when they repair a stored reference: how many entries each list of the
// common palette and of the stage palette holds. The palettes also copy the
// inherited property groups of an entry from its source. The palettes install
// their answerer; until then (and in tests that don't set one) no size is
// known, references are kept as stored and nothing is inherited.
#include "app/types.h"

class cEdBlock;
class cEdChara;
class cEdItem;

enum class eEntryType : u8 { Block, Chara, Item };

enum class ePaletteList : u8 {
    CommonBlock,
    CommonChara,
    CommonItem,
    StageBlock,
    StageChara,
    StageItem,
};

class cPaletteRefs {
public:
    virtual ~cPaletteRefs() = default;
    // Number of entries in a list, or kUnknownCount.
    virtual u32 Count(ePaletteList eList) const = 0;
    // Copies the flagged groups of an entry from its inherit source.
    virtual void ApplyInheritance(cEdBlock&) const {}
    virtual void ApplyInheritance(cEdChara&) const {}
    virtual void ApplyInheritance(cEdItem&) const {}

    static constexpr u32 kUnknownCount = 0xFFFFFFFF;
};

// The answerer in use; one that knows nothing when none is set.
const cPaletteRefs& PaletteRefs();
// Installs an answerer (null restores the one that knows nothing).
void SetPaletteRefs(const cPaletteRefs* lpRefs);

// The list of an entry type in the common or the stage palette.
ePaletteList PaletteListOf(eEntryType eType, bool bStage);

// True when an index is known not to be an entry of the list.
bool IsBadPaletteRef(ePaletteList eList, u32 nIndex);

// A reference that names its palette with 1 (common) or 2 (stage), as the
// inherit sources and the items a block hands out do, and whose index lies
// past that palette's list. Any other palette value refers to nothing.
bool IsBadPaletteSource(eEntryType eType, u8 nKind, u32 nIndex);
