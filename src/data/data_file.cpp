#include "data/data_file.h"

#include <algorithm>
#include <cstring>

#include "app/file_system.h"

namespace {
constexpr size_t kBufferBytes = 64 * 1024;
}

bool cDataReader::Open(const std::string& strPath)
{
    Close();
    m_bDamaged = false;
    m_fp = FileSystem().Open(strPath, "rb");
    if (!m_fp) return false;
    long nSize = -1;
    if (fseek(m_fp, 0, SEEK_END) == 0) nSize = ftell(m_fp);
    if (nSize < 0 || fseek(m_fp, 0, SEEK_SET) != 0) {
        Close();
        return false;
    }
    m_qwSize = static_cast<u64>(nSize);
    m_qwPos = 0;
    m_Buffer.resize(kBufferBytes);
    m_nBufPos = m_nBufEnd = 0;
    return true;
}

void cDataReader::Close()
{
    if (m_fp) fclose(m_fp);
    m_fp = nullptr;
    m_qwSize = m_qwPos = 0;
    m_nBufPos = m_nBufEnd = 0;
}

bool cDataReader::CanRead(u64 qwBytes)
{
    if (m_bDamaged || !m_fp || qwBytes > Remaining()) {
        m_bDamaged = true;
        return false;
    }
    return true;
}

bool cDataReader::ReadSlow(void* lpData, size_t nSize)
{
    if (!CanRead(nSize)) return false;
    u8* lpOut = static_cast<u8*>(lpData);
    while (nSize > 0) {
        if (m_nBufPos == m_nBufEnd) {
            const size_t nGot = fread(m_Buffer.data(), 1, m_Buffer.size(), m_fp);
            if (nGot == 0) {
                m_bDamaged = true;
                return false;
            }
            m_nBufPos = 0;
            m_nBufEnd = nGot;
        }
        const size_t nTake = std::min(nSize, m_nBufEnd - m_nBufPos);
        memcpy(lpOut, m_Buffer.data() + m_nBufPos, nTake);
        m_nBufPos += nTake;
        m_qwPos += nTake;
        lpOut += nTake;
        nSize -= nTake;
    }
    return true;
}

bool cDataReader::Seek(u64 qwPos)
{
    if (!m_fp || qwPos > m_qwSize || fseek(m_fp, static_cast<long>(qwPos), SEEK_SET) != 0) {
        m_bDamaged = true;
        return false;
    }
    m_qwPos = qwPos;
    m_nBufPos = m_nBufEnd = 0;
    return true;
}

bool cDataReader::ReadDouble(double& v)
{
    u8 b[8];
    if (!ReadBytes(b, 8)) return false;
    LoadLittleEndian(&v, b, 8);
    return true;
}

bool cDataReader::ReadCount(u32& nCount, u64 qwMinBytes)
{
    if (!ReadU32(nCount)) return false;
    return CanRead(static_cast<u64>(nCount) * qwMinBytes);
}

bool cDataWriter::Open(const std::string& strTarget)
{
    m_Buffer.resize(kBufferBytes);
    m_nUsed = 0;
    return m_File.Open(strTarget);
}

void cDataWriter::Flush()
{
    m_File.Write(m_Buffer.data(), m_nUsed);
    m_nUsed = 0;
}

void cDataWriter::WriteSlow(const void* lpData, size_t nSize)
{
    Flush();
    if (nSize >= m_Buffer.size()) {
        m_File.Write(lpData, nSize);
        return;
    }
    memcpy(m_Buffer.data(), lpData, nSize);
    m_nUsed = nSize;
}

u32 cDataWriter::Commit()
{
    Flush();
    return m_File.Commit();
}

void cDataWriter::Abandon()
{
    m_nUsed = 0;
    m_File.Abandon();
}

void cDataWriter::WriteDouble(double v)
{
    u8 b[8];
    StoreLittleEndian(b, &v, 8);
    WriteBytes(b, 8);
}

void LoadLittleEndian(void* lpDst, const u8* lpSrc, int nWidth)
{
    u64 v = 0;
    for (int i = nWidth - 1; i >= 0; --i) v = (v << 8) | lpSrc[i];
    switch (nWidth) {
    case 1: { u8 x = static_cast<u8>(v); memcpy(lpDst, &x, 1); break; }
    case 2: { u16 x = static_cast<u16>(v); memcpy(lpDst, &x, 2); break; }
    case 4: { u32 x = static_cast<u32>(v); memcpy(lpDst, &x, 4); break; }
    default: memcpy(lpDst, &v, 8); break;
    }
}

void StoreLittleEndian(u8* lpDst, const void* lpSrc, int nWidth)
{
    u64 v = 0;
    switch (nWidth) {
    case 1: { u8 x; memcpy(&x, lpSrc, 1); v = x; break; }
    case 2: { u16 x; memcpy(&x, lpSrc, 2); v = x; break; }
    case 4: { u32 x; memcpy(&x, lpSrc, 4); v = x; break; }
    default: memcpy(&v, lpSrc, 8); break;
    }
    for (int i = 0; i < nWidth; ++i) lpDst[i] = static_cast<u8>(v >> (8 * i));
}
