#include "data/inheritance.h"

#include <algorithm>
#include <array>

#include "app/fatal.h"

namespace {

// A group's copy handler: the members of the group, copied from the source.
template <class D, auto... P>
void CopyGroup(D& entry, const D& source)
{
    ((entry.*P = source.*P), ...);
}

template <class D>
using tGroupCopy = void (*)(D&, const D&);

using B = cEdBlock;
using C = cEdChara;
using I = cEdItem;

constexpr std::array<tGroupCopy<B>, B::kInheritGroups> kBlockGroups = {
    &CopyGroup<B, &B::m_strName>,
    &CopyGroup<B, &B::m_vCond, &B::m_cCondJudge, &B::m_cCondLatch>,
    &CopyGroup<B, &B::m_cGraphicKind, &B::m_wGraphic, &B::m_wFrame>,
    &CopyGroup<B, &B::m_cFront>,
    &CopyGroup<B, &B::m_cTransparent>,
    &CopyGroup<B, &B::m_cIconShow, &B::m_wIcon>,
    &CopyGroup<B, &B::m_cBlockType>,
    &CopyGroup<B, &B::m_cNoEffectForce>,
    &CopyGroup<B, &B::m_cAction, &B::m_nActionX>,
    &CopyGroup<B, &B::m_cItemKind, &B::m_wItemIndex>,
    &CopyGroup<B, &B::m_cNoSummon>,
};

constexpr std::array<tGroupCopy<I>, I::kInheritGroups> kItemGroups = {
    &CopyGroup<I, &I::m_strName>,
    &CopyGroup<I, &I::m_vCond, &I::m_cCondJudge, &I::m_cCondLatch>,
    &CopyGroup<I, &I::m_sOffsetX>,
    &CopyGroup<I, &I::m_sOffsetY>,
    &CopyGroup<I, &I::m_cGraphicKind, &I::m_wGraphic, &I::m_wFrame>,
    &CopyGroup<I, &I::m_cZ>,
    &CopyGroup<I, &I::m_cTransparent>,
    &CopyGroup<I, &I::m_cIconShow, &I::m_wIcon>,
    &CopyGroup<I, &I::m_cGiant>,
    &CopyGroup<I, &I::m_cGetType>,
    &CopyGroup<I, &I::m_cShowOverHead>,
    &CopyGroup<I, &I::m_wSound>,
    &CopyGroup<I, &I::m_vCommand>,
};

// An entry that inherits its flows always has at least one.
void CopyFlows(C& entry, const C& source)
{
    entry.m_vFlow = source.m_vFlow;
    if (entry.m_vFlow.empty()) entry.m_vFlow.emplace_back();
}

constexpr std::array<tGroupCopy<C>, C::kInheritGroups> kCharaGroups = {
    &CopyGroup<C, &C::m_strName>,
    &CopyGroup<C, &C::m_cControl, &C::m_cPlayerNo>,
    &CopyGroup<C, &C::m_cForce>,
    &CopyGroup<C, &C::m_cCharaId>,
    &CopyGroup<C, &C::m_vCond, &C::m_cCondJudge, &C::m_cCondLatch>,
    &CopyGroup<C, &C::m_cFaceRight>,
    &CopyGroup<C, &C::m_cCloneCount>,
    &CopyGroup<C, &C::m_sOffsetX, &C::m_sCloneOffsetX, &C::m_cFlipOffsetX>,
    &CopyGroup<C, &C::m_sOffsetY, &C::m_sCloneOffsetY, &C::m_cFlipOffsetY>,
    &CopyGroup<C, &C::m_cGraphicKind, &C::m_wGraphic, &C::m_sGraphicOffset>,
    &CopyGroup<C, &C::m_wAnimeSet>,
    &CopyGroup<C, &C::m_cZ>,
    &CopyGroup<C, &C::m_cTransparent>,
    &CopyGroup<C, &C::m_wStartEffect, &C::m_cStartEffectRun, &C::m_cStartEffectLoop>,
    &CopyGroup<C, &C::m_wDeathEffect, &C::m_cDeathEffectRun>,
    &CopyGroup<C, &C::m_cIconShow, &C::m_wIcon>,
    &CopyGroup<C, &C::m_cFixDir>,
    &CopyGroup<C, &C::m_cFly>,
    &CopyGroup<C, &C::m_cInvincible, &C::m_cInvincibleEffect>,
    &CopyGroup<C, &C::m_cBlock>,
    &CopyGroup<C, &C::m_cGiant>,
    &CopyGroup<C, &C::m_cScrollSync>,
    &CopyGroup<C, &C::m_cSight, &C::m_cSightRange>,
    &CopyGroup<C, &C::m_nHP>,
    &CopyGroup<C, &C::m_nSP>,
    &CopyGroup<C, &C::m_cBodyHitRange>,
    &CopyGroup<C, &C::m_nBodyPower>,
    &CopyGroup<C, &C::m_cBodyImpact>,
    &CopyGroup<C, &C::m_wBodyEffect>,
    &CopyGroup<C, &C::m_nDefence>,
    &CopyGroup<C, &C::m_cImpactResist>,
    &CopyGroup<C, &C::m_wStopEase>,
    &CopyGroup<C, &C::m_cActRange, &C::m_cActJudge>,
    &CopyGroup<C, &C::m_wGroupNo, &C::m_cHasGroup>,
    &CopyGroup<C, &C::m_nScore>,
    &CopyGroup<C, &C::m_cHoldItem>,
    &CopyFlows,
};

template <class D, size_t N>
void Inherit(D& entry, const std::vector<D>* lpSources, const std::array<tGroupCopy<D>, N>& groups)
{
    if (entry.m_wInheritIndex == 0 || entry.m_cInheritKind == 0 || !lpSources) return;
    if (entry.m_wInheritIndex >= lpSources->size()) {
        entry.m_cInheritKind = 0;
        entry.m_wInheritIndex = 0;
        return;
    }
    const D& source = (*lpSources)[entry.m_wInheritIndex];
    // The flags are read as they stand before any copy: no group changes them.
    const size_t nGroups = std::min(entry.m_bbInherit.size(), N);
    for (size_t g = 0; g < nGroups; ++g)
        if (entry.m_bbInherit[g]) groups[g](entry, source);
}

template <class D>
void SetSource(D& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    if (IsBadPaletteSource(D::kEntryType, static_cast<u8>(nKind), wIndex)) {
        entry.m_cInheritKind = 0;
        entry.m_wInheritIndex = 0;
        std::fill(entry.m_bbInherit.begin(), entry.m_bbInherit.end(), 0);
        FitInheritFlags(entry.m_bbInherit, D::kInheritGroups);
        return;
    }
    entry.m_cInheritKind = static_cast<u8>(nKind);
    entry.m_wInheritIndex = wIndex;
    if (flags.size() != D::kInheritGroups)
        DebugMesBox("lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？");
    entry.m_bbInherit = flags;
    FitInheritFlags(entry.m_bbInherit, D::kInheritGroups);
    entry.ApplyInheritance();
}

}  // namespace

void InheritFrom(cEdBlock& entry, const std::vector<cEdBlock>* lpSources) { Inherit(entry, lpSources, kBlockGroups); }
void InheritFrom(cEdChara& entry, const std::vector<cEdChara>* lpSources) { Inherit(entry, lpSources, kCharaGroups); }
void InheritFrom(cEdItem& entry, const std::vector<cEdItem>* lpSources) { Inherit(entry, lpSources, kItemGroups); }

void SetBlockInheritSource(cEdBlock& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    SetSource(entry, nKind, wIndex, flags);
}

void SetCharaInheritSource(cEdChara& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    SetSource(entry, nKind, wIndex, flags);
}

void SetItemInheritSource(cEdItem& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    SetSource(entry, nKind, wIndex, flags);
}
