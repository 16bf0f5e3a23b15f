#pragma once
// An item of an item palette: its look, where it sits relative to its cell,
// whether and how often it can be taken, and the effect commands that run
// when it is taken. Item entries live in the common palette's and the stage
// palette's item lists, in the stage's item grid and in the project options
// (the default item).
#include <vector>

#include "data/palette_entry.h"
#include "flow/ed_flow.h"

class cEdItem : public cPaletteEntry<cEdItem> {
public:
    static constexpr eEntryType kEntryType = eEntryType::Item;
    static constexpr size_t kInheritGroups = 13;

    cEdItem() { Init(); }
    // Every registered field 0 or empty, then the item's defaults; the
    // cell words are left alone.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Write(cDataWriter& file) const;

    // Repairs references into the database and the palettes' item lists
    // and normalises the effect commands.
    void Validate();
    // Repairs the palette references of the effect commands.
    void ValidateRefs();

    // Two empty entries are equal whatever else they hold.
    static bool IsEqual(const cEdItem& a, const cEdItem& b)
    {
        return BothEmpty(a, b) || (SameFields(a, b) && a.m_vCommand == b.m_vCommand);
    }

    s16 m_sOffsetX;       // start offset in dots
    s16 m_sOffsetY;
    u16 m_wFrame;
    u8 m_cZ;              // 0..7, larger in front
    u8 m_cTransparent;
    u8 m_cIconShow;
    u16 m_wIcon;
    u8 m_cGetType;        // once, any number of times, never
    u8 m_cShowOverHead;   // shown over the taker's head
    u8 m_cGiant;          // list position + 1
    u16 m_wSound;         // index into the sound effects
    cCommands m_vCommand; // effect commands (item-effect set)
};

// The range operation on an item list (see MoveEntryRange).
bool MoveItemRange(std::vector<cEdItem>& list, s32 nFirst, s32 nLast, s32 nDest, s32 nMode);
