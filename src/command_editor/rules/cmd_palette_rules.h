#pragma once
// The command palettes' table: which button carries which command kind, and
// which parameter dialog each kind of each command set opens.
#include "app/types.h"

// Rows 1 to 45 of a palette carry its buttons; the row is the command kind.
constexpr u32 kPaletteRows = 46;
constexpr u32 kPaletteButtons = 45;

// The button of row k: 1266 + k up to row 32, 1267 + k from row 33 on (there
// is no button 1299); 0 for row 0 and rows past the table.
u16 PaletteButtonId(u32 nRow);
// The row of a button, or 0.
u32 PaletteRowOfButton(u16 wButtonId);

// The kinds a set's palette offers: 39 in set 0, 24 in set 1.
u32 PaletteKindCount(u32 nSet);
// The parameter dialog of a stored (set, kind), or 0 when the kind has none
// (0, and kinds past the set's table).
u16 CmdDialogId(u32 nSet, u32 nKind);
