#include "data/gval_info.h"

#include "data/serial.h"

bool LoadGValInfo(cGValInfo& list, const std::string& strName)
{
    cDataReader file;
    if (!OpenDataFileForRead(strName, file)) return false;
    u32 nCount = 0;
    if (!file.ReadU32(nCount)) return false;
    if (static_cast<s32>(nCount) < 1) return true;
    if (!file.CanRead(static_cast<u64>(nCount) * kMinRecordBytes)) return false;
    cGValInfo scratch(nCount);
    for (cStageRecord& rec : scratch)
        if (!rec.Load(file)) return false;
    if (!file.Ok()) return false;
    list = std::move(scratch);
    return true;
}

bool SaveGValInfo(const cGValInfo& list, const std::string& strName)
{
    cDataWriter file;
    if (!OpenDataFileForWrite(strName, file)) return false;
    SaveRecordList(list, file);
    return CloseDataFileForWrite(file) == 1;
}
