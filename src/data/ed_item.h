#pragma once
// An item of an item palette: its look, where it sits relative to its cell,
// whether and how often it can be taken, and the effect commands that run
// when it is taken. Item entries live in the common palette's and the stage
// palette's item lists, in the stage's item grid and in the project options
// (the default item).
#include <string>
#include <vector>

#include "data/ed_data.h"
#include "flow/cond_item.h"
#include "flow/ed_flow.h"

class cEdItem : public cEdRecord<cEdItem> {
public:
    static constexpr size_t kInheritGroups = 13;

    cEdItem() { Init(); }
    // Every registered field 0 or empty, then the item's defaults; the
    // cell words are left alone.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    // Writes the checked entry; the record itself is left as it is.
    void Save(cDataWriter& file) const override;
    void Write(cDataWriter& file) const;

    // Repairs references into the database and the palettes' item lists
    // and normalises the effect commands.
    void Validate();
    // Repairs the palette references of the effect commands.
    void ValidateRefs();
    // Copies the flagged groups from the inherit source (the palettes do it).
    void ApplyInheritance();

    // A graphic number of 0 is an empty entry.
    bool IsEmpty() const { return m_wGraphic == 0; }
    // Two empty entries are equal whatever else they hold.
    static bool IsEqual(const cEdItem& a, const cEdItem& b);
    static bool IsNotEqual(const cEdItem& a, const cEdItem& b) { return !IsEqual(a, b); }
    friend bool operator==(const cEdItem& a, const cEdItem& b) { return IsEqual(a, b); }
    friend bool operator!=(const cEdItem& a, const cEdItem& b) { return !IsEqual(a, b); }

    u16 m_wCellX = 0;  // cell on the stage grid, set by the stage when it writes the entry
    u16 m_wCellY = 0;
    u8 m_cInheritKind;    // 0 none, 1 common palette, 2 stage palette
    u16 m_wInheritIndex;
    std::vector<u8> m_bbInherit;  // a flag per property group
    std::string m_strName;
    cCondItems m_vCond;   // appearance conditions
    u8 m_cCondJudge;
    u8 m_cCondLatch;
    s16 m_sOffsetX;       // start offset in dots
    s16 m_sOffsetY;
    u16 m_wGraphic;       // 1..999; 0 = empty entry
    u8 m_cGraphicKind;
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
