#pragma once
// A block of a block palette: what a map cell of the block layer shows and
// how the game treats it. Block entries live in the common palette's and
// the stage palette's block lists, in the stage's block grid and in the
// project options (the default block).
#include <string>
#include <vector>

#include "data/ed_data.h"
#include "flow/cond_item.h"

class cEdBlock : public cEdRecord<cEdBlock> {
public:
    static constexpr size_t kInheritGroups = 11;

    cEdBlock() { Init(); }
    // Every registered field 0 or empty, then the block's defaults; the
    // cell words are left alone.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    // Writes the checked entry; the record itself is left as it is.
    void Save(cDataWriter& file) const override;
    void Write(cDataWriter& file) const;

    // Resets an inherit source past its palette's list; an empty entry is
    // passable and may be summoned over.
    void Validate();
    // Resets an item handed out that lies past its palette's item list.
    void ValidateItemRef();
    // Copies the flagged groups from the inherit source (the palettes do it).
    void ApplyInheritance();

    // A graphic number of 0 is an empty entry.
    bool IsEmpty() const { return m_wGraphic == 0; }
    // Two empty entries are equal whatever else they hold.
    static bool IsEqual(const cEdBlock& a, const cEdBlock& b);
    static bool IsNotEqual(const cEdBlock& a, const cEdBlock& b) { return !IsEqual(a, b); }
    friend bool operator==(const cEdBlock& a, const cEdBlock& b) { return IsEqual(a, b); }
    friend bool operator!=(const cEdBlock& a, const cEdBlock& b) { return !IsEqual(a, b); }

    u16 m_wCellX = 0;  // cell on the stage grid, set by the stage when it writes the entry
    u16 m_wCellY = 0;
    u8 m_cInheritKind;    // 0 none, 1 common palette, 2 stage palette
    u16 m_wInheritIndex;  // the source's index in that palette's block list
    std::vector<u8> m_bbInherit;  // a flag per property group
    std::string m_strName;
    cCondItems m_vCond;   // appearance conditions
    u8 m_cCondJudge;      // 0 all conditions, 1 at least one
    u8 m_cCondLatch;      // once the conditions held, the block stays
    u16 m_wGraphic;       // 1..999; 0 = empty entry
    u8 m_cGraphicKind;    // which bitmap set
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
