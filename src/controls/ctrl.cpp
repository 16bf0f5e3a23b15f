#include "controls/ctrl.h"

#include <cstdarg>

#include "app/fatal.h"
#include "app/host.h"
#include "app/str_util.h"
#include "framework/dlg_base.h"
#include "framework/dlg_item.h"

int cCtrl::Enable(BOOL bEnable) { return m_hWnd ? EnableWindow(m_hWnd, bEnable) : 0; }

void cCtrl::Attach(cDlgBase* lpOwner, u16 wId)
{
    m_lpOwner = lpOwner;
    m_hOwnerWnd = lpOwner ? lpOwner->GetHwnd() : nullptr;
    m_wId = wId;
    m_hWnd = m_hOwnerWnd ? GetDlgItem(m_hOwnerWnd, wId) : nullptr;
    UpdatePos();
}

bool cCtrl::OwnerUpdating() const { return m_lpOwner && m_lpOwner->IsUpdating(); }

void cCtrl::Subclass(const char* lpProp, WNDPROC lpProc)
{
    if (!m_hWnd || m_lpSavedProc) return;
    SetPropA(m_hWnd, lpProp, this);
    const LONG_PTR lpNew = reinterpret_cast<LONG_PTR>(lpProc);
    m_lpSavedProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, lpNew));
}

void cCtrl::Unsubclass(const char* lpProp)
{
    if (!m_hWnd || !m_lpSavedProc || !IsWindow(m_hWnd) || GetPropA(m_hWnd, lpProp) != this) return;
    EndSubclass(m_hWnd, lpProp);
}

WNDPROC cCtrl::EndSubclass(HWND hWnd, const char* lpProp)
{
    WNDPROC lpProc = m_lpSavedProc;
    SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(lpProc));
    RemovePropA(hWnd, lpProp);
    m_lpSavedProc = nullptr;
    return lpProc;
}

void cCtrl::UpdatePos()
{
    if (!m_hWnd || !m_hOwnerWnd) return;
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    m_nScreenX = rc.left;
    m_nScreenY = rc.top;
    POINT pt = {rc.left, rc.top};
    ScreenToClient(m_hOwnerWnd, &pt);
    m_nClientX = pt.x;
    m_nClientY = pt.y;
}

BOOL cCtrl::SetPos(s32 x, s32 y)
{
    if (!m_hWnd) return 0;
    BOOL bResult = SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    UpdatePos();
    return bResult;
}

BOOL cCtrl::SetSize(s32 nWidth, s32 nHeight)
{
    if (!m_hWnd) return 0;
    UpdatePos();
    return SetWindowPos(m_hWnd, nullptr, m_nClientX, m_nClientY, nWidth, nHeight, SWP_NOZORDER);
}

BOOL cCtrl::SetTextStr(const std::string& str) { return SetDlgItemStr(m_hOwnerWnd, m_wId, str); }

bool cCtrl::HitTest(POINT ptScreen) const
{
    RECT rc;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &rc)) return false;
    return ptScreen.x >= rc.left && ptScreen.x <= rc.right && ptScreen.y >= rc.top && ptScreen.y <= rc.bottom;
}

void cCtrl::Show(BOOL bShow)
{
    if (m_hWnd) ShowWindow(m_hWnd, bShow ? SW_SHOW : SW_HIDE);
}

void cCtrl::RemoveStyle(u32 dwBits)
{
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(dwBits));
}

bool cCtrl::HasStyle(u32 dwBits) const
{
    return m_hWnd && (static_cast<u32>(GetWindowLongA(m_hWnd, GWL_STYLE)) & dwBits) == dwBits;
}

bool cCtrl::IsEnabled() const { return !HasStyle(WS_DISABLED); }

void cCtrl::SetText(const char* lpText)
{
    if (m_hWnd) SetWindowTextA(m_hWnd, lpText ? lpText : "");
}

void cCtrl::GetText(std::string& str) const
{
    char buf[1024];
    buf[0] = '\0';
    if (m_hWnd) GetWindowTextA(m_hWnd, buf, sizeof buf);
    str = buf;
}

void cCtrl::AppendText(const char* lpText)
{
    std::string str;
    GetText(str);
    str += lpText ? lpText : "";
    SetText(str.c_str());
}

void cCtrl::AppendTextf(const char* lpFormat, ...)
{
    va_list args;
    va_start(args, lpFormat);
    std::string str = VFormat(lpFormat, args);
    va_end(args);
    str.resize(CharBoundaryAtOrBelow(str, 1023));
    AppendText(str.c_str());
}

void ReportMissingCtrl(u16 wId)
{
    DebugMesBox("コントロールID 【%u】 が見つかりません！", static_cast<unsigned>(wId));
    SetFatalError();
    Host().CloseMainWindow();
}

cCtrl* FindControlById(const std::vector<cCtrl*>& ctrls, u16 wId)
{
    for (cCtrl* lpCtrl : ctrls)
        if (lpCtrl && lpCtrl->GetId() == wId) return lpCtrl;
    ReportMissingCtrl(wId);
    return nullptr;
}
