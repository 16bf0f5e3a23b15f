#include "win_test_util.h"

cTestDlg::cTestDlg(u16 wId, u32 dwMode, cWndList* lpRegistry, cWndBase* lpParent)
    : cDlgBase(wId, lpParent, dwMode, lpRegistry)
{
}

cTestDlg::~cTestDlg()
{
    if (m_lpDeleted) ++*m_lpDeleted;
}

LRESULT cTestDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ++m_Seen[uMsg];
    if (uMsg == WM_KEYDOWN) m_KeyDowns.push_back(wParam);
    if (uMsg == WM_HSCROLL || uMsg == WM_VSCROLL) m_Scrolls.emplace_back(uMsg, LOWORD(wParam));
    LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) Close(0);
    return lResult;
}

void cTestDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    if (m_OnInit) m_OnInit(*this);
    m_bInitialized = 1;
}

void cTestDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    // Commands of menus, accelerators and tests; controls' own notifications
    // carry their window.
    if (lParam == 0) m_Commands.push_back(LOWORD(wParam));
    if (LOWORD(wParam) == IDOK) Close(1);
    if (LOWORD(wParam) == IDCANCEL) Close(0);
}

cTestGroup::cTestGroup(cWndBase* lpOwner, cWndList* lpRegistry, std::vector<u16> pageIds, int* lpDeletedPages)
    : cWndGroup(1, lpOwner, lpRegistry)
{
    for (u16 wId : pageIds) {
        cTestDlg* lpPage = new cTestDlg(wId, kModePage, lpRegistry, lpOwner);
        lpPage->m_lpDeleted = lpDeletedPages;
        m_Owned.push_back(lpPage);
        AddPage(lpPage);
    }
}

cTestGroup::~cTestGroup()
{
    CloseSheet();
    for (cTestDlg* lpPage : m_Owned) delete lpPage;
}
