#pragma once
// The one door through which the core reaches the user, the shell and the
// machine. The Windows program fills it at start-up; native tests put in a
// scripted fake.
#include <string>

#include "app/types.h"

// Message-box styles and answers, with the values of the platform's API.
enum : u32 {
    kMbOk = 0x0,
    kMbOkCancel = 0x1,
    kMbYesNoCancel = 0x3,
    kMbYesNo = 0x4,
};
enum : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdYes = 6,
    kIdNo = 7,
};

// The operating system's version record.
struct cOsVersion {
    u32 dwMajor = 0;
    u32 dwMinor = 0;
    u32 dwBuild = 0;
    u32 dwPlatformId = 0;
    std::string strServicePack;
};

// Byte counts as the platform's 32-bit memory status reports them, and the
// free physical memory in full.
struct cMemoryStatus {
    u32 dwTotalPhys = 0;
    u32 dwAvailPhys = 0;
    u32 dwTotalVirtual = 0;
    u32 dwAvailVirtual = 0;
    u64 qwAvailPhys = 0;
};

struct CpuInfo {
    std::string strBrand;
    std::string strVendor;
    double dClock = 0;  // cycles per second
};

struct cFontInfo {
    std::string strFace;
    s32 nWidth = 0;
    s32 nHeight = 0;
    u8 byPitchAndFamily = 0;
};

class cHost {
public:
    virtual ~cHost() = default;

    // The user.
    virtual int ShowMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType) = 0;
    virtual tWnd ActiveWindow() = 0;
    virtual void Beep() = 0;
    // Asks the main window to close (the quit question follows). Safe from
    // any thread.
    virtual void CloseMainWindow() = 0;

    // The shell: copies the folder tree lpSrc (absolute, no trailing
    // separator) to lpDst (absolute, must not exist yet). True on success.
    virtual bool CopyFolderTree(tWnd hOwner, const std::string& strDst, const std::string& strSrc) = 0;

    // The modeless message window without buttons that a long operation
    // shows while it runs ("...しています..."). A host without one shows
    // nothing.
    virtual void ShowWaitMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle)
    {
        (void)hOwner, (void)strText, (void)strTitle;
    }
    virtual void CloseWaitMessage() {}

    // The machine.
    virtual void GetOsVersion(cOsVersion& ver) = 0;
    virtual void GetMemoryStatus(cMemoryStatus& status) = 0;
    virtual void GetCpuInfo(CpuInfo& info) = 0;
    // Free bytes available to the caller on the disk of the root path (empty:
    // the current directory); false when the query is unavailable or fails.
    virtual bool GetDiskFree(const std::string& strRoot, u64& qwFree) = 0;
    virtual void GetScreenSize(int& nWidth, int& nHeight) = 0;
    // The client area of a full-screen window (the screen without the task
    // bar); the screen itself when the host doesn't tell them apart.
    virtual void GetWorkAreaSize(int& nWidth, int& nHeight) { GetScreenSize(nWidth, nHeight); }
    virtual void GetIconTitleFont(cFontInfo& font) = 0;
};

// The installed host. Never null: before one is installed a silent host
// answers every question with Cancel and reports an empty machine.
cHost& Host();
// Installs a host (null puts the silent one back); returns the previous one.
cHost* SetHost(cHost* lpHost);
