#include "controls/scroll_ctrl.h"

#include "framework/dlg_base.h"

namespace {
const char* const kScrollProp = "CTRL_SCROLL_CLASS";
}

cScrollCtrl::~cScrollCtrl() { Unsubclass(kScrollProp); }

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
    Unsubclass(kScrollProp);
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
    Subclass(kScrollProp, SubclassProc);
}

LRESULT CALLBACK cScrollCtrl::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    cScrollCtrl* lpCtrl = static_cast<cScrollCtrl*>(GetPropA(hWnd, kScrollProp));
    if (!lpCtrl || !lpCtrl->m_lpSavedProc) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    WNDPROC lpProc = lpCtrl->m_lpSavedProc;
    if (uMsg == WM_RBUTTONUP) return 0;
    if (uMsg == WM_DESTROY) lpProc = lpCtrl->EndSubclass(hWnd, kScrollProp);
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
