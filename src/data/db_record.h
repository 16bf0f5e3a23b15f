#pragma once
// What the records of the database tables share.
#include "data/ed_data.h"

// Versions 151 and 152 stored the same-as-file-name flag ("ファイル名と同じ")
// before its meaning settled: files older than 153 drop what they stored.
constexpr u32 kFileNameFlagKeptFrom = 153;

inline void DropEarlyFileNameFlag(u32& dwFlag)
{
    if (g_dwReadVersion < kFileNameFlagKeptFrom) dwFlag = 0;
}
