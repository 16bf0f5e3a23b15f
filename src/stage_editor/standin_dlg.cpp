#include "stage_editor/standin_dlg.h"

#include "app/str_util.h"
#include "resources/resource.h"

cStandInDlg::cStandInDlg(const std::string& strTitle, cWndBase* lpParent, cWndList* lpRegistry)
    : cApplyDlg(IDD_STANDIN, lpParent, kModeModal, lpRegistry, lpParent, 1), m_strTitle(strTitle)
{
}

void cStandInDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, m_strTitle.c_str());
    SetDlgItemTextA(m_hWnd, IDC_STANDIN_TEXT, Format("「%s」はまだ用意されていません。", m_strTitle.c_str()).c_str());
    m_bInitialized = 1;
}
