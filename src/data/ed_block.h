#pragma once
// A block of a block palette: what a map cell of the block layer shows and
// how the game treats it. Block entries live in the common palette's and
// the stage palette's block lists, in the stage's block grid and in the
// project options (the default block).
#include <vector>

#include "data/palette_entry.h"

class cEdBlock : public cPaletteEntry<cEdBlock> {
public:
    static constexpr eEntryType kEntryType = eEntryType::Block;
    static constexpr size_t kInheritGroups = 11;

    cEdBlock() { Init(); }
    // Every registered field 0 or empty, then the block's defaults; the
    // cell words are left alone.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Write(cDataWriter& file) const;

    // Resets an inherit source past its palette's list; an empty entry is
    // passable and may be summoned over.
    void Validate();
    // Resets an item handed out that lies past its palette's item list.
    void ValidateItemRef();

    // Two empty entries are equal whatever else they hold.
    static bool IsEqual(const cEdBlock& a, const cEdBlock& b) { return BothEmpty(a, b) || SameFields(a, b); }

    u16 m_wFrame;
    u8 m_cFront;          // drawn in front of charas
    u8 m_cTransparent;
    u8 m_cIconShow;
    u16 m_wIcon;
    u8 m_cBlockType;      // 0 passable, 1 solid, 2 deadly to the player
    u8 m_cNoEffectForce;  // faction 0..7 the block doesn't affect; 255 none
    u8 m_cAction;         // action on contact
    s32 m_nActionX;       // the action's parameter
    u8 m_cItemKind;       // item handed out: 0 none, 1 common palette, 2 stage palette
    u16 m_wItemIndex;
    u8 m_cNoSummon;       // block summons may not change this cell
};

// The range operation on a block list (see MoveEntryRange).
bool MoveBlockRange(std::vector<cEdBlock>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode);
