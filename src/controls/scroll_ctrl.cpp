#include "controls/scroll_ctrl.h"

#include "framework/dlg_base.h"

namespace {
const char* const kScrollProp = "CTRL_SCROLL_CLASS";
}

cScrollCtrl::~cScrollCtrl() { Unsubclass(); }

HWND cScrollCtrl::BarWindow(int& nBar) const
{
    if (m_lpTarget && *m_lpTarget) {
        nBar = static_cast<int>(m_nBar);
        return *m_lpTarget;
    }
    nBar = SB_CTL;
    return m_hWnd;
}

void cScrollCtrl::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    Unsubclass();
    cCtrl::Attach(lpOwner, setup.wSetupId);
    m_lpTarget = setup.lpSetupTarget;
    m_nBar = setup.nSetupBar;
    m_dwExtra = setup.dwSetupExtra;
    m_nMin = setup.nSetupMin;
    m_nMax = setup.nSetupMax;
    m_nPage = setup.nSetupPage;
    m_bRedraw = setup.bSetupRedraw;
    int nBar;
    HWND hBar = BarWindow(nBar);
    if (hBar) {
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE;
        si.nMin = m_nMin;
        si.nMax = m_nMax;
        si.nPage = static_cast<UINT>(m_nPage);
        SetScrollInfo(hBar, nBar, &si, m_bRedraw);
    }
    if (m_hWnd) {
        SetPropA(m_hWnd, kScrollProp, this);
        m_lpSavedProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    }
}

void cScrollCtrl::Unsubclass()
{
    if (!m_hWnd || !m_lpSavedProc || !IsWindow(m_hWnd) || GetPropA(m_hWnd, kScrollProp) != this) return;
    SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_lpSavedProc));
    RemovePropA(m_hWnd, kScrollProp);
    m_lpSavedProc = nullptr;
}

LRESULT CALLBACK cScrollCtrl::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    cScrollCtrl* lpCtrl = static_cast<cScrollCtrl*>(GetPropA(hWnd, kScrollProp));
    if (!lpCtrl || !lpCtrl->m_lpSavedProc) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    WNDPROC lpProc = lpCtrl->m_lpSavedProc;
    if (uMsg == WM_RBUTTONUP) return 0;
    if (uMsg == WM_DESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpProc));
        RemovePropA(hWnd, kScrollProp);
        lpCtrl->m_lpSavedProc = nullptr;
    }
    return CallWindowProcA(lpProc, hWnd, uMsg, wParam, lParam);
}

s32 cScrollCtrl::Scroll(s32 nDelta)
{
    int nBar;
    HWND hBar = BarWindow(nBar);
    if (!hBar) return 0;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS;
    GetScrollInfo(hBar, nBar, &si);
    si.nPos += nDelta;
    SetScrollInfo(hBar, nBar, &si, TRUE);
    GetScrollInfo(hBar, nBar, &si);
    return si.nPos;
}
