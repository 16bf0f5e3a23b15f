#pragma once
// A key condition: one row of a flow's key conditions, a state per key
// ("--", "押", "離") and how long a key must be held.
#include <vector>

#include "data/ed_data.h"

// Every reader indexes these keys.
constexpr u32 kKeyCondKeys = 19;

class cEdKeyCond : public cEdRecord<cEdKeyCond> {
public:
    cEdKeyCond() { Init(); }
    // Every field 0 and 19 keys of state 0.
    void Init();

    static const cFieldTable& FieldTable();
    bool Load(cDataReader& file) override;
    void Save(cDataWriter& file) const override;

    friend bool operator==(const cEdKeyCond& a, const cEdKeyCond& b)
    {
        return cEdData::IsEqual(a, b) && a.m_Keys == b.m_Keys;
    }
    friend bool operator!=(const cEdKeyCond& a, const cEdKeyCond& b) { return !(a == b); }

    std::vector<u8> m_Keys;  // a key state per key, at least 19 keys
    u8 m_bFrontBack;         // "→" reads as front and "←" as back
    u16 m_wPressMin;         // time a key is held, 1/60 s
    u16 m_wPressMax;
    u8 m_bPressNoMax;        // no upper bound
    u8 m_nKeyMode;           // all, at least one or exactly one key
};
