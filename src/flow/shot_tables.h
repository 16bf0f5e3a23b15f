#pragma once
// The value slots of the shot patterns and aims: each pattern and each aim
// labels up to three "パラメータ" values of a shot.
#include "app/types.h"
#include "flow/name_table.h"

// One value slot; an empty label means the slot is unused.
struct cValueDesc {
    const char* m_lpLabel = "";
    s32 m_nMin = 0;
    s32 m_nMax = 0;
    s32 m_nDefault = 0;
};

constexpr u32 kShotValueSlots = 3;

struct cValueSlots {
    cValueDesc m_aSlot[kShotValueSlots];
};

extern const cDescTable<cValueSlots> g_PatternValues;  // by m_nPattern
extern const cDescTable<cValueSlots> g_AimValues;      // by m_nAim

// The slot of a stored pattern or aim; an unused slot for values out of range.
const cValueDesc& PatternValueDesc(u32 nPattern, u32 nSlot);
const cValueDesc& AimValueDesc(u32 nAim, u32 nSlot);
