#include "stage_editor/engine/palette_edit.h"

#include <algorithm>

#include "data/common_palette.h"
#include "data/inheritance.h"
#include "data/prj_option.h"
#include "data/stage.h"
#include "stage_editor/engine/edit_state.h"

namespace {

template <class D>
struct cKindTag {
    using type = D;
};

// Calls fn with a tag of the entry type of the kind.
template <class F>
void ForKind(u32 dwKind, F&& fn)
{
    switch (dwKind) {
    case 0: fn(cKindTag<cEdBlock>()); break;
    case 1: fn(cKindTag<cEdChara>()); break;
    default: fn(cKindTag<cEdItem>()); break;
    }
}

bool IsStage(u32 dwSide) { return dwSide != 0; }

}  // namespace

std::vector<cPopupItem> PopupItems(s32 nIndex, bool bPickValid, bool bPickCut)
{
    const bool bEntry = nIndex > 0;
    return {
        {kPltEdit, bEntry},
        {kPltCut, bEntry},
        {kPltCopy, bEntry},
        {kPltPaste, bEntry && bPickValid && !bPickCut},
        {kPltInsertCopied, bEntry && bPickValid},
        {kPltAppendCopied, bPickValid},
        {kPltInsertNew, bEntry},
        {kPltDelete, bEntry},
        {kPltAppendNew, true},
    };
}

template <class D>
std::vector<D>& cPaletteEdit::List(u32 dwSide)
{
    return IsStage(dwSide) ? m_Stage.m_Palette.List<D>() : m_Common.m_Lists.List<D>();
}

size_t cPaletteEdit::Count(u32 dwSide, u32 dwKind) const
{
    size_t n = 0;
    ForKind(dwKind, [&](auto tag) {
        n = const_cast<cPaletteEdit*>(this)->List<typename decltype(tag)::type>(dwSide).size();
    });
    return n;
}

bool cPaletteEdit::Select(u32 dwSide, u32 dwKind, s32 nIndex)
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= Count(dwSide, dwKind)) return false;
    m_State.m_nSelSide = static_cast<s32>(dwSide);
    m_State.m_nSelIndex = nIndex;
    PickPen(dwSide, dwKind);
    return true;
}

template <class D>
void cPaletteEdit::Pick(u32 dwSide)
{
    std::vector<D>& list = List<D>(dwSide);
    s32& nSel = m_State.m_nSelIndex;
    if (nSel < 0 || list.empty()) return;
    if (static_cast<size_t>(nSel) < list.size()) {
        D pen = list[static_cast<size_t>(nSel)];
        const size_t nSet = m_State.m_nSelSide ? kInheritStageToPlaced : kInheritCommonToPlaced;
        SetInheritSource(pen, m_Options.DefaultInheritKind<D>(nSet), static_cast<u16>(nSel),
                         m_Options.DefaultInheritFlags<D>(nSet));
        m_State.Pen<D>().assign(1, pen);
    } else {
        nSel = 0;
        m_State.Pen<D>().assign(1, list[0]);
    }
    m_State.m_nPenWidth = m_State.m_nPenHeight = 1;
}

void cPaletteEdit::PickPen(u32 dwSide, u32 dwKind)
{
    ForKind(dwKind, [&](auto tag) { Pick<typename decltype(tag)::type>(dwSide); });
}

void cPaletteEdit::PickPenIfSelected(u32 dwSide, u32 dwKind)
{
    if (m_State.m_nSelSide == static_cast<s32>(dwSide)) PickPen(dwSide, dwKind);
}

template <class D>
void cPaletteEdit::Clone(u32 dwSide, s32 nIndex)
{
    const std::vector<D>& list = List<D>(dwSide);
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= list.size()) return;
    m_State.Picked<D>() = std::make_shared<D>(list[static_cast<size_t>(nIndex)]);
}

void cPaletteEdit::CopyToClipboard(u32 dwSide, u32 dwKind, s32 nIndex, bool bCut)
{
    if (nIndex <= 0 || static_cast<size_t>(nIndex) >= Count(dwSide, dwKind)) return;
    ForKind(dwKind, [&](auto tag) { Clone<typename decltype(tag)::type>(dwSide, nIndex); });
    m_State.m_abPickValid[dwKind] = 1;
    m_State.m_abPickCut[dwKind] = bCut ? 1 : 0;
    m_State.m_anPickIndex[dwKind] = nIndex;
    m_State.m_anPickSide[dwKind] = static_cast<s32>(dwSide);
}

template <class D>
void cPaletteEdit::Paste(u32 dwSide, s32 nIndex)
{
    std::vector<D>& list = List<D>(dwSide);
    const std::shared_ptr<D>& spPicked = m_State.Picked<D>();
    if (list.empty() || !spPicked || nIndex < 0) return;
    const size_t i = std::min(static_cast<size_t>(nIndex), list.size() - 1);
    D& entry = list[i];
    entry = *spPicked;
    // A common entry inherits from nothing; a stage entry may inherit from
    // the common palette, not from its own.
    if (!IsStage(dwSide) || entry.m_cInheritKind == 2) entry.m_cInheritKind = 0;
}

void cPaletteEdit::PasteEntry(u32 dwSide, u32 dwKind, s32 nIndex)
{
    ForKind(dwKind, [&](auto tag) { Paste<typename decltype(tag)::type>(dwSide, nIndex); });
}

template <class D>
void cPaletteEdit::InsertNew(u32 dwSide, s32 nIndex)
{
    std::vector<D>& list = List<D>(dwSide);
    if (nIndex < 0) return;
    size_t i = static_cast<size_t>(nIndex);
    const D& def = m_Options.DefaultEntry<D>();
    if (i >= list.size()) list.push_back(def);
    else list.insert(list.begin() + static_cast<std::ptrdiff_t>(i), def);
    if (IsStage(dwSide)) {
        i = std::min(i, list.size() - 1);
        SetInheritSource(list[i], m_Options.DefaultInheritKind<D>(kInheritStage), static_cast<u16>(i),
                         m_Options.DefaultInheritFlags<D>(kInheritStage));
    }
    const size_t nKind = static_cast<size_t>(LayerOf<D>());
    if (m_State.m_abPickValid[nKind] && m_State.m_anPickSide[nKind] == static_cast<s32>(dwSide) &&
        static_cast<s64>(i) <= m_State.m_anPickIndex[nKind])
        ++m_State.m_anPickIndex[nKind];
}

void cPaletteEdit::InsertNewEntry(u32 dwSide, u32 dwKind, s32 nIndex)
{
    ForKind(dwKind, [&](auto tag) { InsertNew<typename decltype(tag)::type>(dwSide, nIndex); });
}

void cPaletteEdit::InsertCopiedEntry(u32 dwSide, u32 dwKind, s32 nIndex)
{
    if (!m_State.m_abPickValid[dwKind]) return;
    InsertNewEntry(dwSide, dwKind, nIndex);
    PasteEntry(dwSide, dwKind, nIndex);
    if (!m_State.m_abPickCut[dwKind]) return;
    // Cut and inserted: the source entry goes, where it now stands.
    DeleteEntry(static_cast<u32>(m_State.m_anPickSide[dwKind]), dwKind, m_State.m_anPickIndex[dwKind]);
    m_State.m_abPickValid[dwKind] = 0;
    m_State.m_abPickCut[dwKind] = 0;
}

template <class D>
void cPaletteEdit::Delete(u32 dwSide, s32 nIndex)
{
    std::vector<D>& list = List<D>(dwSide);
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= list.size()) return;
    list.erase(list.begin() + nIndex);
}

void cPaletteEdit::DeleteEntry(u32 dwSide, u32 dwKind, s32 nIndex)
{
    if (nIndex <= 0) return;
    ForKind(dwKind, [&](auto tag) { Delete<typename decltype(tag)::type>(dwSide, nIndex); });
    const s32 nSide = static_cast<s32>(dwSide);
    if (m_State.m_abPickValid[dwKind] && m_State.m_anPickSide[dwKind] == nSide) {
        s32& nPick = m_State.m_anPickIndex[dwKind];
        if (nIndex == nPick) {
            m_State.m_abPickValid[dwKind] = 0;
            m_State.m_abPickCut[dwKind] = 0;
        } else if (nIndex < nPick) {
            --nPick;
        }
    }
    s32& nSel = m_State.m_nSelIndex;
    if (nSel > 0 && m_State.m_nSelSide == nSide && nIndex <= nSel) {
        nSel = nIndex == nSel ? 0 : nSel - 1;
        PickPen(dwSide, dwKind);
    }
}

void cPaletteEdit::RefreshCommonInherit(u32 dwKind)
{
    switch (dwKind) {
    case 0: m_Stage.RefreshCommonInheritBlocks(); break;
    case 1: m_Stage.RefreshCommonInheritCharas(); break;
    default: m_Stage.RefreshCommonInheritItems(); break;
    }
}

void cPaletteEdit::RefreshStageInherit(u32 dwKind)
{
    switch (dwKind) {
    case 0: m_Stage.RefreshStageInheritBlocks(); break;
    case 1: m_Stage.RefreshStageInheritCharas(); break;
    default: m_Stage.RefreshStageInheritItems(); break;
    }
}

void cPaletteEdit::Normalize()
{
    m_Common.EnsureMinimum();
    m_Stage.Normalize();
}

void cPaletteEdit::RunCommand(u32 dwSide, u32 dwKind, u16 wId)
{
    const s32 nSel = m_State.m_nSelIndex;
    const bool bPicked = m_State.m_abPickValid[dwKind] != 0;
    bool bPick = true;
    switch (wId) {
    case kPltCut:
    case kPltCopy:
        CopyToClipboard(dwSide, dwKind, nSel, wId == kPltCut);
        return;
    case kPltPaste:
        if (!bPicked || m_State.m_abPickCut[dwKind] || nSel <= 0) return;
        PasteEntry(dwSide, dwKind, nSel);
        break;
    case kPltInsertCopied:
        if (!bPicked || nSel <= 0) return;
        InsertCopiedEntry(dwSide, dwKind, nSel);
        break;
    case kPltAppendCopied:
        if (!bPicked) return;
        InsertCopiedEntry(dwSide, dwKind, kPltAppendIndex);
        bPick = false;
        break;
    case kPltInsertNew:
        if (nSel <= 0) return;
        InsertNewEntry(dwSide, dwKind, nSel);
        break;
    case kPltAppendNew:
        InsertNewEntry(dwSide, dwKind, kPltAppendIndex);
        bPick = false;
        break;
    case kPltDelete:
        if (nSel <= 0) return;
        DeleteEntry(dwSide, dwKind, nSel);
        break;
    default:
        return;
    }
    RefreshCommonInherit(dwKind);
    Normalize();
    if (bPick) PickPen(dwSide, dwKind);
}

template <class D>
void cPaletteEdit::Resize(u32 dwSide, s32 nCount)
{
    std::vector<D>& list = List<D>(dwSide);
    const size_t nOld = list.size();
    const size_t nNew = static_cast<size_t>(nCount);
    list.resize(nNew, m_Options.DefaultEntry<D>());
    if (!IsStage(dwSide)) return;
    for (size_t i = nOld; i < nNew; ++i)
        SetInheritSource(list[i], m_Options.DefaultInheritKind<D>(kInheritStage), static_cast<u16>(i),
                         m_Options.DefaultInheritFlags<D>(kInheritStage));
}

void cPaletteEdit::SetCount(u32 dwSide, u32 dwKind, s32 nCount)
{
    nCount = std::clamp(nCount, 2, kMaxPaletteCount + 1);
    ForKind(dwKind, [&](auto tag) { Resize<typename decltype(tag)::type>(dwSide, nCount); });
    if (IsStage(dwSide)) {
        RefreshStageInherit(dwKind);
        m_State.m_bStageModified = 1;
    } else {
        RefreshCommonInherit(dwKind);
        m_State.m_bCommonModified = 1;
    }
    m_State.ResetPick();
    Normalize();
    PickPenIfSelected(dwSide, dwKind);
}

void cPaletteEdit::AfterMove(u32 dwSide, u32 dwKind)
{
    RefreshCommonInherit(dwKind);
    Normalize();
    PickPenIfSelected(dwSide, dwKind);
}
