#pragma once
// Inheritance of palette entries. An entry takes each property group whose
// inherit flag is set from its inherit source, an entry of the same type in
// the common palette (kind 1) or the stage palette (kind 2), by copying the
// group's members. Inheritance is one level deep at the time of copying: a
// source that inherits itself passes on what it holds.
#include <vector>

#include "data/palette_lists.h"

// Copies every flagged group of the entry from entry m_wInheritIndex of the
// source list, the list of the palette that its kind names. Nothing happens
// for kind 0, for index 0 (entry 0 of a palette is never a source) or
// without a list (the palette is not known); a source index past the list
// takes the source away (kind 0, index 0). Flags beyond the type's groups
// are ignored.
void InheritFrom(cEdBlock& entry, const std::vector<cEdBlock>* lpSources);
void InheritFrom(cEdChara& entry, const std::vector<cEdChara>* lpSources);
void InheritFrom(cEdItem& entry, const std::vector<cEdItem>* lpSources);

// Gives an entry an inherit source with the given flags (the project
// options' defaults for its type), then applies its inheritance. A source
// index of the common or the stage palette that lies outside the palette's
// list leaves the entry without inheritance (kind 0, index 0, flags 0).
// Flags of another count than the type's groups are brought to that count.
void SetBlockInheritSource(cEdBlock& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags);
void SetCharaInheritSource(cEdChara& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags);
void SetItemInheritSource(cEdItem& entry, u32 nKind, u16 wIndex, const std::vector<u8>& flags);

inline void SetInheritSource(cEdBlock& e, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    SetBlockInheritSource(e, nKind, wIndex, flags);
}
inline void SetInheritSource(cEdChara& e, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    SetCharaInheritSource(e, nKind, wIndex, flags);
}
inline void SetInheritSource(cEdItem& e, u32 nKind, u16 wIndex, const std::vector<u8>& flags)
{
    SetItemInheritSource(e, nKind, wIndex, flags);
}
