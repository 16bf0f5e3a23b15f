#pragma once
// Stands in for the host while another thread works for the GUI thread: the
// messages it would show and its request to close the main window are kept,
// and handed to the real host afterwards, on the GUI thread. Boxes are
// answered with OK (only error boxes arise on such a thread); questions
// about the machine go straight through. The working thread and the GUI
// thread never use it at the same time: the GUI thread replays it after the
// worker has ended.
#include <vector>

#include "app/host.h"

class cDeferredHost : public cHost {
public:
    explicit cDeferredHost(cHost& real) : m_Real(real) {}

    int ShowMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType) override;
    tWnd ActiveWindow() override { return nullptr; }
    void Beep() override { ++m_nBeeps; }
    void CloseMainWindow() override { m_bClose = true; }
    bool CopyFolderTree(tWnd hOwner, const std::string& strDst, const std::string& strSrc) override
    {
        return m_Real.CopyFolderTree(hOwner, strDst, strSrc);
    }
    void GetOsVersion(cOsVersion& ver) override { m_Real.GetOsVersion(ver); }
    void GetMemoryStatus(cMemoryStatus& status) override { m_Real.GetMemoryStatus(status); }
    void GetCpuInfo(CpuInfo& info) override { m_Real.GetCpuInfo(info); }
    bool GetDiskFree(const std::string& strRoot, u64& qwFree) override { return m_Real.GetDiskFree(strRoot, qwFree); }
    void GetScreenSize(int& nWidth, int& nHeight) override { m_Real.GetScreenSize(nWidth, nHeight); }
    void GetWorkAreaSize(int& nWidth, int& nHeight) override { m_Real.GetWorkAreaSize(nWidth, nHeight); }
    void GetIconTitleFont(cFontInfo& font) override { m_Real.GetIconTitleFont(font); }

    // Shows the kept messages and passes on the beeps and the close request,
    // through the real host; then forgets them.
    void Replay();

private:
    struct cMessage {
        tWnd hOwner;
        std::string strText;
        std::string strTitle;
        u32 uType;
    };
    cHost& m_Real;
    std::vector<cMessage> m_Messages;
    int m_nBeeps = 0;
    bool m_bClose = false;
};
