#include "data/palette_refs.h"

namespace {

class cNoPalettes : public cPaletteRefs {
public:
    u32 Count(ePaletteList) const override { return kUnknownCount; }
};

const cPaletteRefs* s_lpRefs = nullptr;

}  // namespace

const cPaletteRefs& PaletteRefs()
{
    static const cNoPalettes s_NoPalettes;
    return s_lpRefs ? *s_lpRefs : s_NoPalettes;
}

void SetPaletteRefs(const cPaletteRefs* lpRefs) { s_lpRefs = lpRefs; }

ePaletteList PaletteListOf(eEntryType eType, bool bStage)
{
    switch (eType) {
    case eEntryType::Block: return bStage ? ePaletteList::StageBlock : ePaletteList::CommonBlock;
    case eEntryType::Chara: return bStage ? ePaletteList::StageChara : ePaletteList::CommonChara;
    case eEntryType::Item: break;
    }
    return bStage ? ePaletteList::StageItem : ePaletteList::CommonItem;
}

bool IsBadPaletteRef(ePaletteList eList, u32 nIndex)
{
    const u32 nCount = PaletteRefs().Count(eList);
    return nCount != cPaletteRefs::kUnknownCount && nIndex >= nCount;
}

bool IsBadPaletteSource(eEntryType eType, u8 nKind, u32 nIndex)
{
    if (nKind != 1 && nKind != 2) return false;
    return IsBadPaletteRef(PaletteListOf(eType, nKind == 2), nIndex);
}
