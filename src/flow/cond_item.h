#pragma once
// Conditions: a condition item is one test (a variable, a status, a state or
// a distance); a condition list is the conditions of a flow-operation
// command.
#include <memory>
#include <vector>

#include "data/ed_data.h"

class cCondItem : public cEdRecord<cCondItem> {
public:
    cCondItem() { Clear(); }
    // Back to a new condition (a list control's "クリア").
    void Init() { Clear(); }

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;

    friend bool operator==(const cCondItem& a, const cCondItem& b) { return cEdData::IsEqual(a, b) != 0; }
    friend bool operator!=(const cCondItem& a, const cCondItem& b) { return !(a == b); }

    // The meanings are those of the status condition; the other kinds reuse
    // the same fields.
    u8 m_nKind;            // condition kind
    u8 m_nLeftSource;      // 0 status, 1 variable
    u8 m_nLeftScope;       // variable scope of the left side
    u8 m_nLeftSubject;     // whose value
    u8 m_nLeftStatus;      // chara or system status
    u16 m_wLeftCharaVar;   // chara variable 1..8
    u8 m_nRightSource;     // 0 constant, 1 random, 2 status, 3 variable
    u32 m_nValue1;
    u32 m_nValue2;         // range "～"
    u32 m_nValue3;
    u8 m_nRightSubject;
    u8 m_nRightStatus;
    u8 m_nRightScope;
    u16 m_wRightCharaVar;
    u8 m_nCompare;         // comparison code
    u8 m_bPercent;
    u8 m_nLeftCoordKind;
    u8 m_nRightCoordKind;
    u8 m_nLeftGiantPos;
    u8 m_nRightGiantPos;
    u8 m_bCond20;          // distance condition: how the distance is measured

private:
    void Migrate(u32 dwVersion);
    void ShiftStatuses(u8 nSystemSubject, u8 nFrom, u8 nBy);
};

using cCondItems = std::vector<cCondItem>;

// A u32 count, then each item; loading replaces the vector.
bool LoadCondItems(cCondItems& items, cDataReader& file);
void SaveCondItems(const cCondItems& items, cDataWriter& file);

class cCondList : public cEdRecord<cCondList> {
public:
    cCondList() { Clear(); }

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;

    friend bool operator==(const cCondList& a, const cCondList& b)
    {
        return cEdData::IsEqual(a, b) && a.m_Items == b.m_Items;
    }
    friend bool operator!=(const cCondList& a, const cCondList& b) { return !(a == b); }

    u8 m_nMode;   // 1: the flow operation runs only when the conditions hold
    u8 m_bList2;  // 0: every condition must hold, 1: at least one
    cCondItems m_Items;
};

// Puts a new default list into the holder; 1.
u32 CreateCondList(std::shared_ptr<cCondList>& holder);
