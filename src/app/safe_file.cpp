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
    if (fwrite(lpData, 1, nSize, m_fp) != nSize) m_bFailed = true;
}

u32 cSafeFile::Commit()
{
    if (!m_fp) return 0;
    bool bOk = !m_bFailed && fflush(m_fp) == 0 && !ferror(m_fp);
    bOk = fclose(m_fp) == 0 && bOk;
    m_fp = nullptr;
    if (bOk) bOk = FileSystem().MoveOver(m_strTemp, m_strTarget);
    if (!bOk) FileSystem().RemoveFile(m_strTemp);
    return bOk ? 1 : 0;
}

void cSafeFile::Abandon()
{
    if (!m_fp) return;
    fclose(m_fp);
    m_fp = nullptr;
    FileSystem().RemoveFile(m_strTemp);
}
