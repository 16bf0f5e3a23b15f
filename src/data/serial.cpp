#include "data/serial.h"

#include <cstring>

u32 ReadString(std::string& str, cDataReader& file)
{
    u32 nLen = 0;
    if (!file.ReadU32(nLen)) return 0;
    if (nLen <= 1) {
        str.clear();
        return 1;
    }
    if (!file.CanRead(nLen)) return 0;
    str.resize(nLen);
    if (!file.ReadBytes(&str[0], nLen)) return 0;
    str.resize(strlen(str.c_str()));
    return 1;
}

void WriteString(const std::string& str, cDataWriter& file)
{
    // A text never keeps bytes behind an embedded NUL.
    const size_t nLen = strlen(str.c_str());
    file.WriteU32(static_cast<u32>(nLen + 1));
    if (nLen) file.WriteBytes(str.c_str(), nLen + 1);
}

bool ReadStringVector(std::vector<std::string>& vec, cDataReader& file)
{
    u32 nCount = 0;
    if (!file.ReadCount(nCount, 4)) return false;
    vec.assign(nCount, std::string());
    for (std::string& str : vec)
        if (!ReadString(str, file)) return false;
    return true;
}

void WriteStringVector(const std::vector<std::string>& vec, cDataWriter& file)
{
    file.WriteU32(static_cast<u32>(vec.size()));
    for (const std::string& str : vec) WriteString(str, file);
}

bool LoadByteVector(std::vector<u8>& vec, cDataReader& file)
{
    u32 nCount = 0;
    if (!file.ReadU32(nCount)) return false;
    if (static_cast<s32>(nCount) < 1) return true;
    if (!file.CanRead(nCount)) return false;
    vec.resize(nCount);
    return file.ReadBytes(vec.data(), nCount);
}

void SaveByteVector(const std::vector<u8>& vec, cDataWriter& file)
{
    file.WriteU32(static_cast<u32>(vec.size()));
    if (!vec.empty()) file.WriteBytes(vec.data(), vec.size());
}

bool LoadIntVector(std::vector<u32>& vec, cDataReader& file)
{
    u32 nCount = 0;
    if (!file.ReadU32(nCount)) return false;
    if (static_cast<s32>(nCount) < 1) return true;
    if (!file.CanRead(static_cast<u64>(nCount) * 4)) return false;
    vec.resize(nCount);
    if (kHostIsLittleEndian) return file.ReadBytes(vec.data(), static_cast<size_t>(nCount) * 4);
    for (u32& v : vec)
        if (!file.ReadU32(v)) return false;
    return true;
}

void SaveIntVector(const std::vector<u32>& vec, cDataWriter& file)
{
    file.WriteU32(static_cast<u32>(vec.size()));
    if (kHostIsLittleEndian) {
        if (!vec.empty()) file.WriteBytes(vec.data(), vec.size() * 4);
        return;
    }
    for (u32 v : vec) file.WriteU32(v);
}
