#pragma once
// What the flow records need to know about the loaded database when they
// repair a stored reference: how many records a table holds. The database
// installs its answerer when it exists; until then (and in tests that don't
// set one) no count is known and references are kept as stored.
#include "app/types.h"

enum class eFlowRefTable : u8 {
    Effect,  // the effect table
};

class cFlowRefs {
public:
    virtual ~cFlowRefs() = default;
    // Number of records in a table, or kUnknownCount.
    virtual u32 Count(eFlowRefTable eTable) const = 0;

    static constexpr u32 kUnknownCount = 0xFFFFFFFF;
};

// The answerer in use; one that knows nothing when none is set.
const cFlowRefs& FlowRefs();
// Installs an answerer (null restores the one that knows nothing).
void SetFlowRefs(const cFlowRefs* lpRefs);

// True when a stored index is not a record of the table.
inline bool IsBadFlowRef(eFlowRefTable eTable, u32 nIndex) { return nIndex >= FlowRefs().Count(eTable); }
