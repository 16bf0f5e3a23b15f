#pragma once
// A file system that counts the steps by which a save changes the disk
// (creating, writing, flushing, closing, moving, copying and deleting files,
// making and removing folders) and can make one of them fail, or stop the
// process at it as a crash would: the C library's buffers are lost, a write
// or a copy that was under way is left half done.
#include <string>
#include <vector>

#include "app/types.h"
#include "support/forwarding_fs.h"

class cCrashFs : public cForwardingFs {
public:
    enum class eMode { Count, Fail, Stop };
    // The exit code of a process stopped at its step.
    static constexpr int kStoppedExit = 86;

    // From now on step nStep (1 for the first) fails or stops the process.
    void Arm(eMode eWhat, u32 nStep)
    {
        m_eMode = eWhat;
        m_nArmed = nStep;
        m_nSteps = 0;
        m_Steps.clear();
    }
    u32 Steps() const { return m_nSteps; }
    // What each step did ("write data\x.dat.tmp"), for failure messages.
    const std::vector<std::string>& StepNames() const { return m_Steps; }

    FILE* Open(const std::string& strPath, const char* lpMode) override;
    size_t Write(FILE* fp, const void* lpData, size_t nSize) override;
    bool Flush(FILE* fp) override;
    bool Close(FILE* fp) override;
    bool MakeFolder(const std::string& strPath) override;
    bool RemoveFile(const std::string& strPath) override;
    bool RemoveFolder(const std::string& strPath) override;
    bool MoveOver(const std::string& strFrom, const std::string& strTo) override;
    bool Rename(const std::string& strFrom, const std::string& strTo) override;
    bool CopyOneFile(const std::string& strFrom, const std::string& strTo) override;

private:
    enum class eHit { None, Fail, Stop };
    eHit Step(const char* lpWhat, const std::string& strPath);
    // False when the step fails; never returns when it stops the process.
    bool Proceed(const char* lpWhat, const std::string& strPath);
    [[noreturn]] static void Stop();

    eMode m_eMode = eMode::Count;
    u32 m_nArmed = 0;
    u32 m_nSteps = 0;
    std::vector<std::string> m_Steps;
};
