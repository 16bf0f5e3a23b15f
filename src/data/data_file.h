#pragma once
// Little-endian reading and writing of data files. The reader knows how much
// of the file is left: a read or a count that needs more marks the file as
// damaged, reads nothing and stays failed, so that no caller runs past the
// end or allocates from a number it could not trust.
#include <cstdio>
#include <string>

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
    bool ReadBytes(void* lpData, size_t nSize);
    bool ReadU8(u8& v);
    bool ReadU16(u16& v);
    bool ReadU32(u32& v);
    bool ReadS32(s32& v);
    bool ReadDouble(double& v);
    // Reads an element count whose elements take at least nMinBytes each.
    bool ReadCount(u32& nCount, u64 qwMinBytes);

private:
    FILE* m_fp = nullptr;
    u64 m_qwSize = 0;
    u64 m_qwPos = 0;
    bool m_bDamaged = false;
};

class cDataWriter {
public:
    // Opens the target through the safe-save helper.
    bool Open(const std::string& strTarget) { return m_File.Open(strTarget); }
    bool IsOpen() const { return m_File.IsOpen(); }
    bool Failed() const { return m_File.Failed(); }
    u32 Commit() { return m_File.Commit(); }
    void Abandon() { m_File.Abandon(); }

    void WriteBytes(const void* lpData, size_t nSize) { m_File.Write(lpData, nSize); }
    void WriteU8(u8 v) { WriteBytes(&v, 1); }
    void WriteU16(u16 v);
    void WriteU32(u32 v);
    void WriteS32(s32 v) { WriteU32(static_cast<u32>(v)); }
    void WriteDouble(double v);

private:
    cSafeFile m_File;
};

// Little-endian conversion of one element of the given width (1, 2, 4 or 8).
void LoadLittleEndian(void* lpDst, const u8* lpSrc, int nWidth);
void StoreLittleEndian(u8* lpDst, const void* lpSrc, int nWidth);
