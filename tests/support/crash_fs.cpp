#include "support/crash_fs.h"

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

cCrashFs::eHit cCrashFs::Step(const char* lpWhat, const std::string& strPath)
{
    m_Steps.push_back(std::string(lpWhat) + " " + strPath);
    if (++m_nSteps != m_nArmed || m_eMode == eMode::Count) return eHit::None;
    return m_eMode == eMode::Fail ? eHit::Fail : eHit::Stop;
}

void cCrashFs::Stop()
{
    // No exit handlers and no flushing of the C library's buffers.
    _exit(kStoppedExit);
}

FILE* cCrashFs::Open(const std::string& strPath, const char* lpMode)
{
    const bool bReadOnly = lpMode[0] == 'r' && !strchr(lpMode, '+');
    return bReadOnly || Proceed("create", strPath) ? m_Real.Open(strPath, lpMode) : nullptr;
}

size_t cCrashFs::Write(FILE* fp, const void* lpData, size_t nSize)
{
    switch (Step("write", "")) {
    case eHit::Fail:
        // The disk filled up half way.
        return m_Real.Write(fp, lpData, nSize / 2);
    case eHit::Stop:
        // Half of the write reached the disk.
        m_Real.Write(fp, lpData, nSize / 2);
        fflush(fp);
        Stop();
    case eHit::None: break;
    }
    return m_Real.Write(fp, lpData, nSize);
}

bool cCrashFs::Proceed(const char* lpWhat, const std::string& strPath)
{
    switch (Step(lpWhat, strPath)) {
    case eHit::Fail: return false;
    case eHit::Stop: Stop();
    case eHit::None: break;
    }
    return true;
}

bool cCrashFs::Flush(FILE* fp) { return Proceed("flush", "") && m_Real.Flush(fp); }

bool cCrashFs::Close(FILE* fp)
{
    if (Proceed("close", "")) return m_Real.Close(fp);
    m_Real.Close(fp);
    return false;
}

bool cCrashFs::MakeFolder(const std::string& s) { return Proceed("make folder", s) && m_Real.MakeFolder(s); }

bool cCrashFs::RemoveFile(const std::string& s) { return Proceed("delete", s) && m_Real.RemoveFile(s); }

bool cCrashFs::RemoveFolder(const std::string& s) { return Proceed("remove folder", s) && m_Real.RemoveFolder(s); }

bool cCrashFs::MoveOver(const std::string& a, const std::string& b)
{
    return Proceed("move over", b) && m_Real.MoveOver(a, b);
}

bool cCrashFs::Rename(const std::string& a, const std::string& b)
{
    return Proceed("rename", a + " -> " + b) && m_Real.Rename(a, b);
}

bool cCrashFs::CopyOneFile(const std::string& strFrom, const std::string& strTo)
{
    const eHit eWhat = Step("copy", strTo);
    if (eWhat == eHit::None) return m_Real.CopyOneFile(strFrom, strTo);
    // Half of the file was copied when the disk filled up or the process
    // stopped.
    FILE* in = m_Real.Open(strFrom, "rb");
    FILE* out = in ? m_Real.Open(strTo, "wb") : nullptr;
    if (out) {
        std::vector<char> bytes;
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, in)) > 0) bytes.insert(bytes.end(), buf, buf + n);
        fwrite(bytes.data(), 1, bytes.size() / 2, out);
        fclose(out);
    }
    if (in) fclose(in);
    if (eWhat == eHit::Stop) Stop();
    return false;
}
