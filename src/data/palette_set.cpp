#include "data/palette_set.h"

#include "data/common_palette.h"
#include "data/inheritance.h"
#include "data/stage.h"

namespace {

bool IsStageList(ePaletteList eList) { return eList >= ePaletteList::StageBlock; }

template <class D>
u32 SizeOf(const std::vector<D>& list)
{
    return static_cast<u32>(list.size());
}

u32 ListSize(const cPaletteLists& lists, ePaletteList eList)
{
    switch (eList) {
    case ePaletteList::CommonBlock:
    case ePaletteList::StageBlock: return SizeOf(lists.m_vBlock);
    case ePaletteList::CommonChara:
    case ePaletteList::StageChara: return SizeOf(lists.m_vChara);
    case ePaletteList::CommonItem:
    case ePaletteList::StageItem: break;
    }
    return SizeOf(lists.m_vItem);
}

}  // namespace

u32 cPaletteSet::Count(ePaletteList eList) const
{
    if (const cPaletteLists* lpLists = Side(IsStageList(eList))) return ListSize(*lpLists, eList);
    return m_lpOthers ? m_lpOthers->Count(eList) : kUnknownCount;
}

template <class D>
void cPaletteSet::Apply(D& entry) const
{
    const u8 nKind = entry.m_cInheritKind;
    if (nKind != 1 && nKind != 2) return;
    if (const cPaletteLists* lpLists = Side(nKind == 2)) {
        InheritFrom(entry, &lpLists->List<D>());
    } else if (m_lpOthers) {
        m_lpOthers->ApplyInheritance(entry);
    }
}

cPaletteScope::cPaletteScope(ePaletteSide eSide, const cPaletteLists& lists)
    : m_lpPrevious(&PaletteRefs()), m_Set(m_lpPrevious)
{
    m_Set.Set(eSide, &lists);
    SetPaletteRefs(&m_Set);
}

cPaletteScope::~cPaletteScope() { SetPaletteRefs(m_lpPrevious); }

namespace {
cPaletteSet s_ProjectPalettes;
}

void InstallPalettes(const cCommonPalette& common, const cStage& stage)
{
    s_ProjectPalettes.Set(ePaletteSide::Common, &common.m_Lists);
    s_ProjectPalettes.Set(ePaletteSide::Stage, &stage.m_Palette);
    SetPaletteRefs(&s_ProjectPalettes);
}

void RemovePalettes() { SetPaletteRefs(nullptr); }
