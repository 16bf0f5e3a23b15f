#include "app/safe_file.h"

#include "app/file_system.h"

bool cSafeFile::Open(const std::string& strTarget)
{
    Abandon();
    m_strTarget = strTarget;
    m_strTemp = TempNameOf(strTarget);
    m_bFailed = false;
    m_fp = FileSystem().Open(m_strTemp, "wb");
    return m_fp != nullptr;
}

void cSafeFile::Write(const void* lpData, size_t nSize)
{
    if (!m_fp || m_bFailed || nSize == 0) return;
    if (FileSystem().Write(m_fp, lpData, nSize) != nSize) m_bFailed = true;
}

u32 cSafeFile::Commit()
{
    if (!m_fp) return 0;
    cFileSystem& fs = FileSystem();
    bool bOk = !m_bFailed && fs.Flush(m_fp) && !ferror(m_fp);
    bOk = fs.Close(m_fp) && bOk;
    m_fp = nullptr;
    if (bOk) bOk = fs.MoveOver(m_strTemp, m_strTarget);
    if (!bOk) fs.RemoveFile(m_strTemp);
    return bOk ? 1 : 0;
}

void cSafeFile::Abandon()
{
    if (!m_fp) return;
    FileSystem().Close(m_fp);
    m_fp = nullptr;
    FileSystem().RemoveFile(m_strTemp);
}
