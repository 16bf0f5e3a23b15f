#pragma once
// Little-endian reading and writing of data files. The reader knows how much
// of the file is left: a read or a count that needs more marks the file as
// damaged, reads nothing and stays failed, so that no caller runs past the
// end or allocates from a number it could not trust. Both go through a
// buffer of their own: records are read and written a few bytes at a time.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/safe_file.h"
#include "app/types.h"

class cDataReader {
public:
    cDataReader() = default;
    cDataReader(const cDataReader&) = delete;
    cDataReader& operator=(const cDataReader&) = delete;
    ~cDataReader() { Close(); }

    bool Open(const std::string& strPath);
    void Close();
    bool IsOpen() const { return m_fp != nullptr; }

    bool Ok() const { return !m_bDamaged; }
    bool IsDamaged() const { return m_bDamaged; }
    void MarkDamaged() { m_bDamaged = true; }
    u64 Remaining() const { return m_qwSize - m_qwPos; }

    // True when n more bytes can be read; else marks the file damaged.
    bool CanRead(u64 qwBytes);
    bool ReadBytes(void* lpData, size_t nSize)
    {
        if (nSize <= m_nBufEnd - m_nBufPos && !m_bDamaged) {
            memcpy(lpData, m_Buffer.data() + m_nBufPos, nSize);
            m_nBufPos += nSize;
            m_qwPos += nSize;
            return true;
        }
        return ReadSlow(lpData, nSize);
    }
    // The next n bytes where the buffer holds them, read past; null (and
    // nothing read) when they are not all in the buffer: then ReadBytes.
    const u8* ReadInPlace(size_t nSize)
    {
        if (nSize > m_nBufEnd - m_nBufPos || m_bDamaged) return nullptr;
        const u8* lpData = m_Buffer.data() + m_nBufPos;
        m_nBufPos += nSize;
        m_qwPos += nSize;
        return lpData;
    }
    bool ReadU8(u8& v) { return ReadBytes(&v, 1); }
    bool ReadU16(u16& v)
    {
        u8 b[2];
        if (!ReadBytes(b, 2)) return false;
        v = static_cast<u16>(b[0] | b[1] << 8);
        return true;
    }
    bool ReadU32(u32& v)
    {
        u8 b[4];
        if (!ReadBytes(b, 4)) return false;
        v = b[0] | b[1] << 8 | b[2] << 16 | static_cast<u32>(b[3]) << 24;
        return true;
    }
    bool ReadS32(s32& v)
    {
        u32 u;
        if (!ReadU32(u)) return false;
        v = static_cast<s32>(u);
        return true;
    }
    bool ReadDouble(double& v);
    // Reads an element count whose elements take at least nMinBytes each.
    bool ReadCount(u32& nCount, u64 qwMinBytes);
    // Goes on reading at a byte offset of the file (at most its size).
    bool Seek(u64 qwPos);
    u64 Size() const { return m_qwSize; }

private:
    bool ReadSlow(void* lpData, size_t nSize);

    FILE* m_fp = nullptr;
    u64 m_qwSize = 0;
    u64 m_qwPos = 0;
    bool m_bDamaged = false;
    std::vector<u8> m_Buffer;
    size_t m_nBufPos = 0;
    size_t m_nBufEnd = 0;
};

class cDataWriter {
public:
    // Opens the target through the safe-save helper.
    bool Open(const std::string& strTarget);
    bool IsOpen() const { return m_File.IsOpen(); }
    bool Failed() const { return m_File.Failed(); }
    const std::string& Target() const { return m_File.Target(); }
    u32 Commit();
    void Abandon();

    void WriteBytes(const void* lpData, size_t nSize)
    {
        if (nSize <= m_Buffer.size() - m_nUsed) {
            memcpy(m_Buffer.data() + m_nUsed, lpData, nSize);
            m_nUsed += nSize;
            return;
        }
        WriteSlow(lpData, nSize);
    }
    // Room for the next n bytes in the buffer, for the caller to fill; null
    // (and nothing written) when n is more than the buffer holds: then
    // WriteBytes.
    u8* WriteInPlace(size_t nSize)
    {
        if (nSize > m_Buffer.size() - m_nUsed) {
            if (nSize > m_Buffer.size()) return nullptr;
            Flush();
        }
        u8* lpData = m_Buffer.data() + m_nUsed;
        m_nUsed += nSize;
        return lpData;
    }
    void WriteU8(u8 v) { WriteBytes(&v, 1); }
    void WriteU16(u16 v)
    {
        const u8 b[2] = {static_cast<u8>(v), static_cast<u8>(v >> 8)};
        WriteBytes(b, 2);
    }
    void WriteU32(u32 v)
    {
        const u8 b[4] = {static_cast<u8>(v), static_cast<u8>(v >> 8), static_cast<u8>(v >> 16), static_cast<u8>(v >> 24)};
        WriteBytes(b, 4);
    }
    void WriteS32(s32 v) { WriteU32(static_cast<u32>(v)); }
    void WriteDouble(double v);

private:
    void Flush();
    void WriteSlow(const void* lpData, size_t nSize);

    cSafeFile m_File;
    std::vector<u8> m_Buffer;
    size_t m_nUsed = 0;
};

// Stored values are little-endian; on such a host they are copied as they are.
constexpr bool kHostIsLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

// Little-endian conversion of one element of the given width (1, 2, 4 or 8).
void LoadLittleEndian(void* lpDst, const u8* lpSrc, int nWidth);
void StoreLittleEndian(u8* lpDst, const void* lpSrc, int nWidth);
