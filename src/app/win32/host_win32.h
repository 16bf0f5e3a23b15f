#pragma once
// The host of the Windows program: message boxes, the main window, the shell
// and the machine's queries, all through the platform's own interfaces.
#include <windows.h>

#include "app/host.h"

class cWin32Host : public cHost {
public:
    void SetMainWindow(HWND hWnd) { m_hMainWnd = hWnd; }
    HWND MainWindow() const { return m_hMainWnd; }

    int ShowMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType) override;
    tWnd ActiveWindow() override;
    void Beep() override;
    void CloseMainWindow() override;
    bool CopyFolderTree(tWnd hOwner, const std::string& strDst, const std::string& strSrc) override;
    void GetOsVersion(cOsVersion& ver) override;
    void GetMemoryStatus(cMemoryStatus& status) override;
    void GetCpuInfo(CpuInfo& info) override;
    bool GetDiskFree(const std::string& strRoot, u64& qwFree) override;
    void GetScreenSize(int& nWidth, int& nHeight) override;
    void GetWorkAreaSize(int& nWidth, int& nHeight) override;
    void GetIconTitleFont(cFontInfo& font) override;

private:
    HWND m_hMainWnd = nullptr;
};

// The processor's clock in cycles per second (about one second of busy wait).
double MeasureCpuClock();
