#include "stage_editor/standin_dlg.h"

#include "app/str_util.h"
#include "resources/resource.h"

cStandInDlg::cStandInDlg(const std::string& strTitle, cWndBase* lpParent, cWndList* lpRegistry)
    : cDlgBase(IDD_STANDIN, lpParent, kModeModal, lpRegistry, lpParent, 1), m_strTitle(strTitle)
{
}

LRESULT cStandInDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) Close(0);
    return lResult;
}

void cStandInDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, m_strTitle.c_str());
    SetDlgItemTextA(m_hWnd, IDC_STANDIN_TEXT, Format("「%s」はまだ用意されていません。", m_strTitle.c_str()).c_str());
    m_bInitialized = 1;
}

void cStandInDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    if (wId == IDC_CANCEL || wId == IDOK || wId == IDCANCEL) Close(0);
}
