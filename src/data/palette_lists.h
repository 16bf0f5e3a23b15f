#pragma once
// The block, chara and item lists of one palette (the common palette or a
// stage's own palette). Entry 0 of each list is the empty entry; the user's
// entries start at 1. Every palette file stores the three lists the same
// way: block list, chara list, item list, each a u32 count followed by the
// entries' bodies.
#include <vector>

#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"

// The least an entry body takes: its two block counts, its cell, its flag
// count and its condition count.
constexpr u64 kMinEntryBytes = 20;

// The second check of an entry: the references that point into the
// palettes (a block's item handed out, the commands of a chara or item).
inline void ValidateEntryRefs(cEdBlock& block) { block.ValidateItemRef(); }
inline void ValidateEntryRefs(cEdChara& chara) { chara.ValidateRefs(); }
inline void ValidateEntryRefs(cEdItem& item) { item.ValidateRefs(); }

// The default of an entry type, as entry 0 of a palette list holds it.
inline void ResetEntry(cEdBlock& block) { block.Init(); }
inline void ResetEntry(cEdChara& chara) { chara.SetDefault(); }
inline void ResetEntry(cEdItem& item) { item.Init(); }

class cPaletteLists {
public:
    std::vector<cEdBlock> m_vBlock;
    std::vector<cEdChara> m_vChara;
    std::vector<cEdItem> m_vItem;

    template <class D> std::vector<D>& List();
    template <class D> const std::vector<D>& List() const
    {
        return const_cast<cPaletteLists*>(this)->List<D>();
    }

    // Each list becomes its stored count of entries, each read in turn.
    bool Load(cDataReader& file);
    void Save(cDataWriter& file) const;

    // Entry 0 of each list that has entries goes back to its type's defaults.
    void ResetEmptyEntries();
    // The first check of every entry (inherit source, references into the
    // database), and the second check of every entry; blocks, then charas,
    // then items.
    void ValidateFirst();
    void ValidateSecond();
    // Both checks of every block, then of every chara, then of every item.
    void ValidateAll();
    // Every inherit flag of every entry 0, each list keeping its flag count.
    void ClearInheritFlags();

    friend bool operator==(const cPaletteLists& a, const cPaletteLists& b)
    {
        return a.m_vBlock == b.m_vBlock && a.m_vChara == b.m_vChara && a.m_vItem == b.m_vItem;
    }
    friend bool operator!=(const cPaletteLists& a, const cPaletteLists& b) { return !(a == b); }
};

template <> inline std::vector<cEdBlock>& cPaletteLists::List<cEdBlock>() { return m_vBlock; }
template <> inline std::vector<cEdChara>& cPaletteLists::List<cEdChara>() { return m_vChara; }
template <> inline std::vector<cEdItem>& cPaletteLists::List<cEdItem>() { return m_vItem; }

// Both checks of every entry of a list, in order.
template <class D>
void ValidateEntries(std::vector<D>& list)
{
    for (D& entry : list) {
        entry.Validate();
        ValidateEntryRefs(entry);
    }
}
