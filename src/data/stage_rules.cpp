// The rules that keep the stage consistent: normalisation, the single
// player, the placement of charas, the validity pass and the inheritance
// refresh after a palette changed.
#include <algorithm>

#include "app/safe_vector.h"
#include "data/inheritance.h"
#include "data/prj_option.h"
#include "data/stage.h"
#include "flow/flow_refs.h"

namespace {

bool IsPlayer(const cEdChara& chara) { return !chara.IsEmpty() && chara.m_cControl == 0; }

template <class D>
void FirstChecks(std::vector<D>& grid)
{
    for (D& entry : grid) entry.Validate();
}

template <class D>
void SecondChecks(std::vector<D>& grid)
{
    for (D& entry : grid) ValidateEntryRefs(entry);
}

// Both checks of every placed entry. An empty cell holds nothing that is
// written or shown, so a grid of 262,144 cells per layer checks only the
// cells in use.
template <class D>
void ValidatePlaced(std::vector<D>& grid)
{
    for (D& entry : grid) {
        if (entry.IsEmpty()) continue;
        entry.Validate();
        ValidateEntryRefs(entry);
    }
}

// Re-applies the inheritance of every in-use entry whose source is the palette.
template <class D>
void Reinherit(std::vector<D>& list, u8 nKind)
{
    for (D& entry : list)
        if (!entry.IsEmpty() && entry.m_cInheritKind == nKind) entry.ApplyInheritance();
}

constexpr u8 kCommonSource = 1, kStageSource = 2;

}  // namespace

void cStage::Normalize()
{
    const cPaletteScope scope = OwnPalette();
    ClampScrollLimits();
    SetLevel(m_nLevel);
    if (IsBadFlowRef(eFlowRefTable::Bgm, m_dwBgm)) m_dwBgm = 0;
    RaisePaletteToMinimum(m_Palette.m_vBlock);
    RaisePaletteToMinimum(m_Palette.m_vChara);
    RaisePaletteToMinimum(m_Palette.m_vItem);
    m_Palette.ValidateAll();
    ValidatePlaced(m_vBlockGrid);
    ValidatePlaced(m_vCharaGrid);
    ValidatePlaced(m_vItemGrid);
}

// A palette list with fewer than 2 entries gets 2; entry 1 becomes the
// project options' default entry with their first inherit setting.
template <class D>
void cStage::RaisePaletteToMinimum(std::vector<D>& list)
{
    if (list.size() >= 2) return;
    list.resize(2);
    const cPrjOption& options = ProjectOptions();
    list[1] = options.DefaultEntry<D>();
    SetInheritSource(list[1], options.DefaultInheritKind<D>(0), 1, options.DefaultInheritFlags<D>(0));
}

// The view is 20 x 15 chips: the scroll limits keep it on the stage.
void cStage::ClampScrollLimits()
{
    const s32 nWidth = static_cast<s32>(m_dwWidth), nHeight = static_cast<s32>(m_dwHeight);
    const s32 kLimits[kScrollEdges] = {nWidth - 20, nWidth - 1, nHeight - 15, nHeight - 1};
    for (u32 e = 0; e < kScrollEdges; ++e) m_anScrollLimit[e] = std::min(m_anScrollLimit[e], kLimits[e]);
}

cCellPos cStage::FindPlayer() const
{
    for (u32 y = 0; y < m_dwHeight; ++y)
        for (u32 x = 0, c = CellOf(0, y); x < m_dwWidth; ++x, ++c)
            if (IsPlayer(m_vCharaGrid[c])) return cCellPos{x, y};
    return cCellPos();
}

void cStage::KeepSinglePlayer(cCellWatch* lpWatch)
{
    std::vector<u32> players;
    for (u32 y = 0; y < m_dwHeight; ++y)
        for (u32 x = 0, c = CellOf(0, y); x < m_dwWidth; ++x, ++c)
            if (IsPlayer(m_vCharaGrid[c])) players.push_back(c);
    if (players.size() < 2) return;
    players.pop_back();
    for (u32 c : players) {
        if (lpWatch) lpWatch->BeforeCharaChange(c);
        m_vCharaGrid[c].SetDefault();
        m_vCharaGrid[c].m_wGraphic = 0;
    }
}

void cStage::PlaceChara(u32 dwCell, const cEdChara& chara, cCellWatch* lpWatch)
{
    cEdChara placed = chara;
    if (placed.m_bbInherit.size() > 1) placed.m_bbInherit[1] = 0;
    cEdChara& target = SafeAt(m_vCharaGrid, dwCell);
    auto watch = [lpWatch](u32 c) {
        if (lpWatch) lpWatch->BeforeCharaChange(c);
    };
    watch(dwCell);
    if (target.m_cControl == 0 && placed.m_cControl == 0) {
        target = std::move(placed);
        return;
    }
    if (target.m_cControl == 0) {
        // The player that the new chara covers moves to the first free cell.
        const u32 dwFree = FirstFreeCharaCell(dwCell);
        if (dwFree != dwCell) {
            watch(dwFree);
            m_vCharaGrid[dwFree] = target;
        }
    }
    if (placed.m_cControl == 0) {
        const cEdChara& empty = m_Palette.m_vChara.empty() ? EmptyCell<cEdChara>() : m_Palette.m_vChara[0];
        for (u32 c = 0; c < m_vCharaGrid.size(); ++c) {
            if (m_vCharaGrid[c].m_cControl != 0 || c == dwCell) continue;
            watch(c);
            m_vCharaGrid[c] = empty;
        }
    }
    target = std::move(placed);
}

u32 cStage::FirstFreeCharaCell(u32 dwExcept) const
{
    for (u32 y = 0; y < m_dwHeight; ++y)
        for (u32 x = 0, c = CellOf(0, y); x < m_dwWidth; ++x, ++c)
            if (c != dwExcept && m_vCharaGrid[c].IsEmpty()) return c;
    return 0;
}

void cStage::ValidateRefs(bool bItemRefs)
{
    const cPaletteScope scope = OwnPalette();
    m_Palette.ValidateFirst();
    FirstChecks(m_vBlockGrid);
    FirstChecks(m_vCharaGrid);
    FirstChecks(m_vItemGrid);
    if (!bItemRefs) return;
    m_Palette.ValidateSecond();
    SecondChecks(m_vBlockGrid);
    SecondChecks(m_vCharaGrid);
    SecondChecks(m_vItemGrid);
}

// Stage palette entries that inherit from the common palette pass the new
// values on to the placed entries that inherit from them.
template <class D>
void cStage::RefreshCommonInherit()
{
    const cPaletteScope scope = OwnPalette();
    Reinherit(m_Palette.List<D>(), kCommonSource);
    Reinherit(Grid<D>(), kCommonSource);
    Reinherit(Grid<D>(), kStageSource);
}

template <class D>
void cStage::RefreshStageInherit()
{
    const cPaletteScope scope = OwnPalette();
    Reinherit(Grid<D>(), kStageSource);
}

void cStage::RefreshCommonInheritBlocks() { RefreshCommonInherit<cEdBlock>(); }
void cStage::RefreshCommonInheritCharas() { RefreshCommonInherit<cEdChara>(); }
void cStage::RefreshCommonInheritItems() { RefreshCommonInherit<cEdItem>(); }
void cStage::RefreshStageInheritBlocks() { RefreshStageInherit<cEdBlock>(); }
void cStage::RefreshStageInheritCharas() { RefreshStageInherit<cEdChara>(); }
void cStage::RefreshStageInheritItems() { RefreshStageInherit<cEdItem>(); }
