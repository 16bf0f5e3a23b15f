#pragma once
// The statuses and states that the status kinds and the status and state
// conditions name by index.
#include "app/types.h"
#include "flow/name_table.h"

// A status: the range of its value and of an operand applied to it, and three
// flags read by the command and condition dialogs.
struct cStatusDesc {
    const char* m_lpName = "";
    s32 m_nMin = 0;
    s32 m_nMax = 0;
    s32 m_nOperandMin = 0;
    s32 m_nOperandMax = 0;
    u32 m_adwFlags[3] = {0, 0, 0};
};

// A state: its range, its default and the names of its values.
struct cStateDesc {
    const char* m_lpName = "";
    s32 m_nMin = 0;
    u32 m_nMax = 0;
    s32 m_nDefault = 0;
    const cNameTable* m_lpOptions = nullptr;

    // The names of the state's values (none for an empty descriptor).
    const cNameTable& Options() const
    {
        static const cNameTable s_None;
        return m_lpOptions ? *m_lpOptions : s_None;
    }
};

extern const cDescTable<cStatusDesc> g_CharaStatuses;   // 17
extern const cDescTable<cStatusDesc> g_SystemStatuses;  // 5
extern const cDescTable<cStateDesc> g_CharaStates;      // 7
extern const cDescTable<cStateDesc> g_SystemStates;     // 2
