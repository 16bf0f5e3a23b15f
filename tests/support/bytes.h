#pragma once
// Builds file contents by hand, little-endian: expected files in the tests,
// seed files for the fuzz targets.
#include <cstring>
#include <string>
#include <vector>

#include "app/types.h"

class cBytes {
public:
    cBytes& U8(u8 v) { m_Bytes.push_back(v); return *this; }
    cBytes& U16(u16 v) { return U8(v & 0xFF).U8(v >> 8); }
    cBytes& U32(u32 v) { return U16(v & 0xFFFF).U16(v >> 16); }
    cBytes& Double(double v)
    {
        u64 bits;
        memcpy(&bits, &v, 8);
        return U32(static_cast<u32>(bits)).U32(static_cast<u32>(bits >> 32));
    }
    // A stored string: u32 length + 1, then the text and its NUL.
    cBytes& Str(const std::string& s)
    {
        U32(static_cast<u32>(s.size() + 1));
        if (!s.empty()) {
            m_Bytes.insert(m_Bytes.end(), s.begin(), s.end());
            m_Bytes.push_back(0);
        }
        return *this;
    }
    cBytes& Raw(const std::vector<u8>& bytes)
    {
        m_Bytes.insert(m_Bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const std::vector<u8>& Get() const { return m_Bytes; }
    operator const std::vector<u8>&() const { return m_Bytes; }

private:
    std::vector<u8> m_Bytes;
};
