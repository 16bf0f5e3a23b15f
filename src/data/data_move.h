#pragma once
// "データの移動": a range of entry numbers of a palette list moved, copied
// before a destination or deleted. Entry 0 of every palette list is fixed:
// the numbers start at 1, and numbers that would reach it, or entries the
// list doesn't have, change nothing.
#include <vector>

#include "data/palette_entry.h"

struct cDataMove {
    s32 nFrom = 1;
    s32 nTo = 1;
    s32 nDest = 1;
    s32 nMode = kRangeMove;
};

// True when the numbers stay off entry 0 and inside the list:
// 1 <= from, to <= size - 1 and, unless deleting, 1 <= destination <= size.
// A reversed range fits (and changes nothing).
bool DataMoveFits(const cDataMove& move, size_t nSize);

// Runs the data move on the list when the numbers fit; a selected entry
// index (-1 none) at or past the new size becomes size - 1. False (nothing
// changed) when they don't fit.
template <class T>
bool RunDataMove(std::vector<T>& list, const cDataMove& move, s32& nSelIndex)
{
    if (!DataMoveFits(move, list.size())) return false;
    MoveEntryRange(list, move.nFrom, move.nTo, move.nDest, move.nMode);
    if (nSelIndex >= static_cast<s32>(list.size())) nSelIndex = static_cast<s32>(list.size()) - 1;
    return true;
}
