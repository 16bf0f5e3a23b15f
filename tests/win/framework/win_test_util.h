#pragma once
// Helpers of the framework test program: a dialog that records what reaches
// it, a wrapper that records its calls and a property sheet of test pages.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "controls/ctrl.h"
#include "framework/dlg_base.h"
#include "framework/wnd_group.h"
#include "framework/wnd_list.h"
#include "support/test_env.h"
#include "support/win32/win_test.h"
#include "test_ids.h"

// A dialog that records what reaches it.
class cTestDlg : public cDlgBase {
public:
    explicit cTestDlg(u16 wId = IDD_TEST_DLG, u32 dwMode = kModeWindow, cWndList* lpRegistry = &g_WndList,
                      cWndBase* lpParent = nullptr);
    ~cTestDlg() override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnFrame() override { ++m_nFrames; }
    void OnDraw() override { ++m_nDraws; }

    void SetOwnScroll(u32 dwBits) { SetGeometry(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, dwBits); }
    cCtrlDesc<cCtrlPicture>& Picture() { return m_Picture; }

    std::function<void(cTestDlg&)> m_OnInit;
    std::map<UINT, int> m_Seen;
    std::vector<u16> m_Commands;  // commands that no control sent
    std::vector<WPARAM> m_KeyDowns;
    std::vector<std::pair<UINT, WPARAM>> m_Scrolls;  // WM_HSCROLL or WM_VSCROLL with its code
    int m_nFrames = 0;
    int m_nDraws = 0;
    int* m_lpDeleted = nullptr;  // counts destructions
};

// A wrapper of any kind that records the calls it gets.
class cProbeCtrl : public cCtrl {
public:
    struct cSetup {
        u16 wSetupId = 0;
    };
    explicit cProbeCtrl(u32 dwKind = kCtrlPlain) { m_dwKind = dwKind; }
    void Attach(cDlgBase* lpOwner, const cSetup& setup) { cCtrl::Attach(lpOwner, setup.wSetupId); }
    void DataToCtrl() override
    {
        ++m_nDataToCtrl;
        if (m_OnDataToCtrl) m_OnDataToCtrl();
    }
    void OnChange() override { ++m_nChange; }
    void OnKillFocus() override { ++m_nKillFocus; }
    void AfterCommand() override { ++m_nAfterCommand; }
    void OnKey(WPARAM w, LPARAM, int) override { m_Keys.push_back(w); }
    int OnNotify(WPARAM, LPARAM) override { return ++m_nNotify, m_bTakeNotify; }
    int OnScroll(WPARAM, LPARAM) override { return ++m_nScroll, m_bTakeScroll; }

    int m_nDataToCtrl = 0, m_nChange = 0, m_nKillFocus = 0, m_nAfterCommand = 0, m_nNotify = 0, m_nScroll = 0;
    int m_bTakeNotify = 0, m_bTakeScroll = 0;
    std::vector<WPARAM> m_Keys;
    std::function<void()> m_OnDataToCtrl;
};

// A property sheet of test pages that it owns.
class cTestGroup : public cWndGroup {
public:
    cTestGroup(cWndBase* lpOwner, cWndList* lpRegistry, std::vector<u16> pageIds, int* lpDeletedPages = nullptr);
    ~cTestGroup() override;
    cTestDlg* Page(size_t n) { return m_Owned[n]; }

private:
    std::vector<cTestDlg*> m_Owned;
};
