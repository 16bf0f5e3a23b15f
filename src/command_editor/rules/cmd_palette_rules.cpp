#include "command_editor/rules/cmd_palette_rules.h"

#include "flow/cmd_kinds.h"

namespace {

// The dialog of each flow-command kind, 1 to 39.
constexpr u16 kFlowDialogs[40] = {
    0,   207, 208, 259, 260, 261, 214, 262, 273, 263, 243, 209, 224, 258, 256, 257, 225, 245, 244, 239,
    264, 265, 215, 266, 281, 268, 232, 230, 227, 234, 213, 231, 233, 238, 240, 228, 229, 252, 279, 280,
};
constexpr u16 kFlowChangeDialog = 217;

}  // namespace

u16 PaletteButtonId(u32 nRow)
{
    if (nRow == 0 || nRow >= kPaletteRows) return 0;
    return static_cast<u16>(nRow <= 32 ? 1266 + nRow : 1267 + nRow);
}

u32 PaletteRowOfButton(u16 wButtonId)
{
    for (u32 k = 1; k < kPaletteRows; ++k)
        if (PaletteButtonId(k) == wButtonId) return k;
    return 0;
}

u32 PaletteKindCount(u32 nSet) { return GetCmdKindTable(nSet).Count() - 1; }

u16 CmdDialogId(u32 nSet, u32 nKind)
{
    if (nKind == 0 || nKind > PaletteKindCount(nSet)) return 0;
    if (nSet != 0) {
        if (nKind == 1) return kFlowChangeDialog;
        nKind += kItemKindOffset;
    }
    return nKind < 40 ? kFlowDialogs[nKind] : 0;
}
