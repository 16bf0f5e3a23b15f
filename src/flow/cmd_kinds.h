#pragma once
// The command kinds of the two command sets: for each kind the name shown for
// it and how many integer parameters a command of that kind carries.
#include "app/types.h"
#include "flow/name_table.h"

struct cCmdKind {
    const char* m_lpName = "";
    u32 m_nCount = 0;  // parameter count
};

using cCmdKindTable = cDescTable<cCmdKind>;

// Set 0: flow commands (40 kinds). Set 1: item-effect commands (25 kinds).
extern const cCmdKindTable g_FlowCmdKinds;
extern const cCmdKindTable g_ItemCmdKinds;

// Set-1 kind k (k >= 2) is set-0 kind k + kItemKindOffset.
constexpr u32 kItemKindOffset = 15;

// The set-0 table for set 0, the set-1 table for any other set value.
const cCmdKindTable& GetCmdKindTable(u32 nSet);
// The kind of a stored (set, kind); a kind out of its table has an empty name
// and no parameters.
const cCmdKind& GetCmdKind(u32 nSet, u32 nKind);
inline u32 GetCmdParamCount(u32 nSet, u32 nKind) { return GetCmdKind(nSet, nKind).m_nCount; }
