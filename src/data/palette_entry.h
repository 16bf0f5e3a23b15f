#pragma once
// What the block, chara and item entries of a palette share: their inherit
// flags and the range operations on an entry list.
#include <algorithm>
#include <vector>

#include "app/types.h"

// Groups added by later versions are inserted among the inherit flags of an
// older entry; an old entry inherits such a group by default. Opening slot k
// brings the flags to the type's group count (adding 0 flags), moves flags
// k.. up by one place (the last one falls off) and sets flag k to 1.
void OpenInheritSlot(std::vector<u8>& flags, size_t nGroups, size_t nSlot);
// One flag per group: missing flags are 0, surplus ones are dropped.
inline void FitInheritFlags(std::vector<u8>& flags, size_t nGroups) { flags.resize(nGroups, 0); }

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
