#pragma once
// The graphic picker's arithmetic: a sheet is 8 columns of 15 cells of 32 x 32
// pixels, numbered down each column first (0..14 in the first column).
#include "app/types.h"

constexpr s32 kPickerCell = 32;
constexpr s32 kPickerColumns = 8;
constexpr s32 kPickerRows = 15;
constexpr s32 kPickerWidth = kPickerCell * kPickerColumns;   // 256
constexpr s32 kPickerHeight = kPickerCell * kPickerRows;     // 480

// The sheets, in the order of the composed bitmap slots.
enum : s32 { kSheetBlock = 0, kSheetChara, kSheetItem, kSheetShot, kSheetMark, kSheetCount };

// The cell under a point of the view (integer division toward zero).
inline s32 PickerCellAt(s32 x, s32 y) { return kPickerRows * (x / kPickerCell) + y / kPickerCell; }
// The top-left corner of a cell.
inline s32 PickerCellX(s32 nCell) { return kPickerCell * (nCell / kPickerRows); }
inline s32 PickerCellY(s32 nCell) { return kPickerCell * (nCell % kPickerRows); }

// The sheet that an entry's graphic kind opens (0 ブロック, 1 キャラ, 2 アイテム,
// 3 ショット, 4 専用bmp): kinds 1 to 3 their own sheet, kind 4 none (-1), any
// other kind the block sheet.
inline s32 PickerSheetForKind(s32 nKind)
{
    if (nKind >= 1 && nKind <= 3) return nKind;
    if (nKind == 4) return -1;
    return kSheetBlock;
}
