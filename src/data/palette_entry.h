#pragma once
// What the block, chara and item entries of a palette share: the members
// of every entry (cell, inherit source and flags, name, appearance
// conditions, graphic), their reading, writing, comparison and checks, and
// the range operations on an entry list.
#include <algorithm>
#include <string>
#include <vector>

#include "app/types.h"
#include "data/ed_data.h"
#include "data/palette_refs.h"
#include "data/serial.h"
#include "flow/cond_item.h"
#include "flow/ed_shot.h"

// Groups added by later versions are inserted among the inherit flags of an
// older entry; an old entry inherits such a group by default. Opening slot k
// brings the flags to the type's group count (adding 0 flags), moves flags
// k.. up by one place (the last one falls off) and sets flag k to the value.
void OpenInheritSlot(std::vector<u8>& flags, size_t nGroups, size_t nSlot, u8 nValue = 1);
// One flag per group: missing flags are 0, surplus ones are dropped.
inline void FitInheritFlags(std::vector<u8>& flags, size_t nGroups) { flags.resize(nGroups, 0); }

// The base of an entry class D, which gives its type (D::kEntryType), its
// number of property groups (D::kInheritGroups), Validate() and Write().
template <class D>
class cPaletteEntry : public cEdRecord<D> {
public:
    // A graphic number of 0 is an empty entry.
    bool IsEmpty() const { return m_wGraphic == 0; }
    static bool IsNotEqual(const D& a, const D& b) { return !D::IsEqual(a, b); }
    friend bool operator==(const D& a, const D& b) { return D::IsEqual(a, b); }
    friend bool operator!=(const D& a, const D& b) { return !D::IsEqual(a, b); }

    // Writes the checked entry; the record itself is left as it is.
    void Save(cDataWriter& file) const override
    {
        D checked(static_cast<const D&>(*this));
        checked.Validate();
        checked.Write(file);
    }
    // Copies the flagged groups from the inherit source (the palettes do it).
    void ApplyInheritance() { PaletteRefs().ApplyInheritance(static_cast<D&>(*this)); }

    u16 m_wCellX = 0;  // cell on the stage grid, set by the stage when it writes the entry
    u16 m_wCellY = 0;
    u8 m_cInheritKind;            // 0 none, 1 common palette, 2 stage palette
    u16 m_wInheritIndex;          // the source's index in that palette's list of the type
    std::vector<u8> m_bbInherit;  // a flag per property group
    std::string m_strName;
    cCondItems m_vCond;           // appearance conditions
    u8 m_cCondJudge;              // 0 all conditions, 1 at least one
    u8 m_cCondLatch;              // once the conditions held, they hold for good
    u16 m_wGraphic;               // 1..999; 0 = empty entry
    u8 m_cGraphicKind;            // which bitmap set

protected:
    // Two empty entries are equal whatever else they hold.
    static bool BothEmpty(const D& a, const D& b) { return a.IsEmpty() && b.IsEmpty(); }
    // The registered fields, the flags and the conditions.
    static bool SameFields(const D& a, const D& b)
    {
        return cEdData::IsEqual(a, b) && a.m_bbInherit == b.m_bbInherit && a.m_vCond == b.m_vCond;
    }

    // The registered fields and the cell.
    bool LoadHead(cDataReader& file) { return this->LoadBody(file) && file.ReadU16(m_wCellX) && file.ReadU16(m_wCellY); }
    void WriteHead(cDataWriter& file) const
    {
        this->SaveBody(file);
        file.WriteU16(m_wCellX);
        file.WriteU16(m_wCellY);
    }
    bool LoadFlagsAndConds(cDataReader& file) { return LoadByteVector(m_bbInherit, file) && LoadCondItems(m_vCond, file); }
    void WriteFlagsAndConds(cDataWriter& file) const
    {
        SaveByteVector(m_bbInherit, file);
        SaveCondItems(m_vCond, file);
    }

    // After the type's own steps: one flag per group, shot graphics of files
    // before 219 renumbered, inheritance, then the checks.
    void FinishLoad(u32 dwVersion)
    {
        constexpr u8 kShotGraphics = 3;
        FitInheritFlags(m_bbInherit, D::kInheritGroups);
        if (dwVersion < 219 && m_cGraphicKind == kShotGraphics) RaiseOldShotGraphic(m_wGraphic);
        ApplyInheritance();
        static_cast<D&>(*this).Validate();
    }
    // An inherit source past its palette's list is no source.
    void ValidateInheritSource()
    {
        if (!IsBadPaletteSource(D::kEntryType, m_cInheritKind, m_wInheritIndex)) return;
        m_cInheritKind = 0;
        m_wInheritIndex = 0;
    }
};

// The modes of the range operations ("データの移動").
enum eRangeMode : s32 {
    kRangeMove = 0,        // "移動"
    kRangeCopyInsert = 1,  // "コピー＆挿入"
    kRangeDelete = 2,      // "削除"
};

namespace entry_detail {
template <class T>
void InsertAt(std::vector<T>& list, s32 nPos, const T& entry)
{
    const size_t nAt = nPos < 0 ? 0 : std::min(static_cast<size_t>(nPos), list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(nAt), entry);
}
}  // namespace entry_detail

// Moves, copies or deletes the entries first..last of a list. Inserting at
// a position puts the entry before the entry there, or at the end when the
// position is not below the size. A move whose destination lies within
// first..last + 1 changes nothing, and so does a reversed range or a move or
// copy of entries the list doesn't have. Returns whether the list changed.
template <class T>
bool MoveEntryRange(std::vector<T>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode)
{
    const s32 nCount = nLast - nFirst + 1;
    if (nCount < 1 || nFirst < 0) return false;
    const s32 nSize = static_cast<s32>(list.size());
    if (nMode == kRangeDelete) {
        if (nFirst >= nSize) return false;
        const s32 nErased = std::min(nCount, nSize - nFirst);
        list.erase(list.begin() + nFirst, list.begin() + nFirst + nErased);
        return true;
    }
    if (nLast >= nSize) return false;
    if (nMode == kRangeMove && nDest >= nFirst && nDest <= nLast + 1) return false;
    if (nMode != kRangeMove && nMode != kRangeCopyInsert) return false;
    const std::vector<T> moved(list.begin() + nFirst, list.begin() + nLast + 1);
    if (nMode == kRangeMove) {
        list.erase(list.begin() + nFirst, list.begin() + nLast + 1);
        if (nDest > nLast) nDest -= nCount;
    }
    for (s32 k = 0; k < nCount; ++k) entry_detail::InsertAt(list, nDest + k, moved[k]);
    return true;
}
