#pragma once
// A scripted host for tests: answers are queued, every call is recorded, and
// the machine is whatever the test says it is.
#include <deque>
#include <string>
#include <vector>

#include "app/file_system.h"
#include "app/host.h"

class cFakeHost : public cHost {
public:
    struct cMessage {
        tWnd hOwner;
        std::string strText;
        std::string strTitle;
        u32 uType;
    };
    struct cCopy {
        std::string strDst;
        std::string strSrc;
        bool bWaitShown;  // a wait message was open during the copy
    };

    // Queued answers to message boxes; an unscripted box is answered with
    // m_nDefaultAnswer.
    std::deque<int> m_Answers;
    int m_nDefaultAnswer = kIdOk;
    std::vector<cMessage> m_Messages;
    int m_nCloseRequests = 0;
    int m_nBeeps = 0;
    tWnd m_hActive = nullptr;

    // Folder copies are done file by file unless told to fail.
    bool m_bCopyFails = false;
    std::vector<cCopy> m_Copies;

    // Wait messages shown (owner, text, title; type 0), and how many are open.
    std::vector<cMessage> m_WaitMessages;
    int m_nOpenWaitMessages = 0;

    cOsVersion m_Os;
    cMemoryStatus m_Memory;
    CpuInfo m_Cpu;
    bool m_bDiskKnown = true;
    u64 m_qwDiskFree = 0;
    int m_nScreenWidth = 0, m_nScreenHeight = 0;
    cFontInfo m_Font;

    void Reset() { *this = cFakeHost(); }

    int ShowMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle, u32 uType) override
    {
        m_Messages.push_back({hOwner, strText, strTitle, uType});
        if (m_Answers.empty()) return m_nDefaultAnswer;
        int n = m_Answers.front();
        m_Answers.pop_front();
        return n;
    }
    tWnd ActiveWindow() override { return m_hActive; }
    void Beep() override { ++m_nBeeps; }
    void CloseMainWindow() override { ++m_nCloseRequests; }
    bool CopyFolderTree(tWnd, const std::string& strDst, const std::string& strSrc) override
    {
        m_Copies.push_back({strDst, strSrc, m_nOpenWaitMessages > 0});
        return !m_bCopyFails && CopyTreeByFiles(FileSystem(), strDst, strSrc);
    }
    void ShowWaitMessage(tWnd hOwner, const std::string& strText, const std::string& strTitle) override
    {
        m_WaitMessages.push_back({hOwner, strText, strTitle, 0});
        ++m_nOpenWaitMessages;
    }
    void CloseWaitMessage() override { --m_nOpenWaitMessages; }
    void GetOsVersion(cOsVersion& ver) override { ver = m_Os; }
    void GetMemoryStatus(cMemoryStatus& status) override { status = m_Memory; }
    void GetCpuInfo(CpuInfo& info) override { info = m_Cpu; }
    bool GetDiskFree(const std::string&, u64& qwFree) override
    {
        qwFree = m_qwDiskFree;
        return m_bDiskKnown;
    }
    void GetScreenSize(int& nWidth, int& nHeight) override
    {
        nWidth = m_nScreenWidth;
        nHeight = m_nScreenHeight;
    }
    void GetIconTitleFont(cFontInfo& font) override { font = m_Font; }
};

// The fake host that the test programs install.
cFakeHost& FakeHost();
