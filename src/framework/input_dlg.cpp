#include "framework/input_dlg.h"

#include <new>

#include "app/fatal.h"
#include "app/win32/file_dialogs.h"
#include "resources/resource.h"

namespace {

std::unique_ptr<cInputValueDlg> g_lpInputValueDlg;
std::unique_ptr<cInputStringDlg> g_lpInputStringDlg;
std::unique_ptr<cMessageWnd> g_lpMessageWnd;

// Makes the dialog in its holder (the previous one deleted first), runs it
// modally and deletes it again.
template <class D, class... A>
int RunModal(std::unique_ptr<D>& lpHolder, s32 nX, s32 nY, A&&... args)
{
    lpHolder.reset();
    lpHolder.reset(new (std::nothrow) D(std::forward<A>(args)...));
    if (!lpHolder) {
        ReportOutOfMemory();
        return 0;
    }
    if (nX != kNoPos) lpHolder->SetStoredPos(nX, nY);
    int nResult = lpHolder->DoModal(0);
    lpHolder.reset();
    return nResult;
}

}  // namespace

void cInputDlgBase::SetUp(const std::string& strCaption)
{
    SetWindowTextA(m_hWnd, strCaption.c_str());
    DataToCtrls();
    SendDlgItemMessageA(m_hWnd, IDC_INPUT_EDIT, EM_SETSEL, 0, 99);
    m_bInitialized = 1;
}

void cInputDlgBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_OK:
        CtrlsToData();
        Close(1);
        break;
    case IDC_CANCEL:
        Close(0);
        break;
    default:
        break;
    }
}

LRESULT cInputDlgBase::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) Close(0);
    return lResult;
}

cInputValueDlg::cInputValueDlg(cWndBase* lpOwner, cWndList* lpRegistry, s32* lpValue, s32 nMin, s32 nMax,
                               const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre)
    : cInputDlgBase(IDD_INPUT_VALUE, lpOwner, kModeModal, lpRegistry, lpPlacement, bCentre),
      m_lpValue(lpValue),
      m_strCaption(strCaption),
      m_EditVals(1)
{
    m_EditVals[0].Set(IDC_INPUT_EDIT, m_lpValue, nMin, nMax, IDC_INPUT_SPIN, 1);
}

void cInputValueDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_EditVals);
    SetUp(m_strCaption);
}

cInputStringDlg::cInputStringDlg(cWndBase* lpOwner, cWndList* lpRegistry, std::string* lpText, u32 nLimit,
                                 u32 bDbcs, const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre)
    : cInputDlgBase(IDD_INPUT_STRING, lpOwner, kModeModal, lpRegistry, lpPlacement, bCentre),
      m_lpText(lpText),
      m_strCaption(strCaption),
      m_Texts(1)
{
    m_Texts[0].Set(IDC_INPUT_EDIT, m_lpText, nLimit, bDbcs);
}

void cInputStringDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Texts);
    SetUp(m_strCaption);
}

cMessageWnd::cMessageWnd(cWndBase* lpOwner, cWndList* lpRegistry, const std::string& strText,
                         const std::string& strCaption, cWndBase* lpAnchor, u32 bCentre)
    : cDlgBase(IDD_MESSAGE_WND, lpOwner, kModeWindow, lpRegistry, lpAnchor, bCentre),
      m_strText(strText),
      m_strCaption(strCaption),
      m_Plains(1)
{
    m_Plains[0].SetId(IDC_MESSAGE_TEXT);
}

LRESULT cMessageWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(hWnd, uMsg, wParam, lParam);
}

void cMessageWnd::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Plains);
    SetWindowTextA(m_hWnd, m_strCaption.c_str());
    m_Plains[0].SetText(m_strText.c_str());
    m_bInitialized = 1;
}

int InputValue(cWndBase* lpOwner, cWndList* lpRegistry, s32* lpValue, s32 nMin, s32 nMax,
               const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre)
{
    return RunModal(g_lpInputValueDlg, kNoPos, kNoPos, lpOwner, lpRegistry, lpValue, nMin, nMax, strCaption,
                    lpPlacement, bCentre);
}

int InputValueAt(cWndBase* lpOwner, cWndList* lpRegistry, s32* lpValue, s32 nMin, s32 nMax,
                 const std::string& strCaption, s32 x, s32 y)
{
    return RunModal(g_lpInputValueDlg, x, y, lpOwner, lpRegistry, lpValue, nMin, nMax, strCaption,
                    static_cast<cCtrl*>(nullptr), 0u);
}

int InputString(cWndBase* lpOwner, cWndList* lpRegistry, std::string* lpText, u32 nLimit, u32 bDbcs,
                const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre)
{
    return RunModal(g_lpInputStringDlg, kNoPos, kNoPos, lpOwner, lpRegistry, lpText, nLimit, bDbcs, strCaption,
                    lpPlacement, bCentre);
}

void ShowMessageWindow(cWndBase* lpOwner, cWndList* lpRegistry, const std::string& strText,
                       const std::string& strCaption, cWndBase* lpAnchor, u32 bCentre, u32 bWaitCursor)
{
    g_lpMessageWnd.reset();
    g_lpMessageWnd.reset(new (std::nothrow) cMessageWnd(lpOwner, lpRegistry, strText, strCaption, lpAnchor, bCentre));
    if (!g_lpMessageWnd) {
        ReportOutOfMemory();
        return;
    }
    if (bWaitCursor) SetWaitCursor();
    g_lpMessageWnd->Create(kDlgDisableOthers, true);
}

void CloseMessageWindow()
{
    g_lpMessageWnd.reset();
    SetArrowCursor();
}

cMessageWnd* MessageWindow() { return g_lpMessageWnd.get(); }
