#pragma once
// What the flow records and palette entries need to know about the loaded
// database when they repair a stored reference: how many records a table
// holds, and the display times of a sword type's positions. The database
// installs its answerer when it exists; until then (and in tests that don't
// set one) no count is known and references are kept as stored.
#include <vector>

#include "app/types.h"

// The database tables, in the database's order.
enum class eFlowRefTable : u8 {
    AnimeSet,
    Anime,
    CharaExcBmp,
    SwordType,
    Effect,
    CharaEffect,
    ScrEffect,
    Picture,
    Sound,
    Bgm,
};

class cFlowRefs {
public:
    virtual ~cFlowRefs() = default;
    // Number of records in a table, or kUnknownCount.
    virtual u32 Count(eFlowRefTable eTable) const = 0;
    // The display time of each position of a sword type; false when the
    // type is not known.
    virtual bool SwordPosTimes(u32 nType, std::vector<u32>& times) const
    {
        (void)nType;
        times.clear();
        return false;
    }

    static constexpr u32 kUnknownCount = 0xFFFFFFFF;
};

// The answerer in use; one that knows nothing when none is set.
const cFlowRefs& FlowRefs();
// Installs an answerer (null restores the one that knows nothing).
void SetFlowRefs(const cFlowRefs* lpRefs);

// The longest time a command takes, in tenths of a second.
constexpr u32 kMaxCmdTime = 9999;

// The time a sword of the type takes: the display times of its positions
// together, at most kMaxCmdTime; false (and 0) when the type is not known.
bool SwordTypeTime(u32 nType, u32& nTime);

// True when a stored index is known not to be a record of the table.
inline bool IsBadFlowRef(eFlowRefTable eTable, u32 nIndex)
{
    const u32 nCount = FlowRefs().Count(eTable);
    return nCount != cFlowRefs::kUnknownCount && nIndex >= nCount;
}
