#include "controls/ctrl_slider.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/dlg_base.h"

void cCtrlSlider::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    cCtrl::Attach(lpOwner, setup.wSetupId);
    m_lpValue = setup.lpSetupValue;
    m_nMin = setup.nSetupMin;
    m_nMax = setup.nSetupMax;
    m_nPage = setup.nSetupPage;
    m_nLine = setup.nSetupLine;
    const s32 nValue = m_lpValue ? *m_lpValue : 0;
    if (m_hWnd) {
        SendMessageA(m_hWnd, TBM_SETRANGE, 1, MAKELPARAM(m_nMin & 0xFFFF, m_nMax & 0xFFFF));
        SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, m_nPage);
        SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, m_nLine);
        SendMessageA(m_hWnd, TBM_SETPOS, 1, nValue);
    }
    if (setup.wSetupPartnerId) {
        cCtrlEditInt::cSetup partner;
        partner.Set(setup.wSetupPartnerId, m_lpValue, m_nMin, m_nMax, 0, 1);
        m_Partner.Attach(lpOwner, partner);
    }
    SetPos(nValue);
}

s32 cCtrlSlider::GetPos() const
{
    return m_hWnd ? static_cast<s32>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)) : 0;
}

void cCtrlSlider::ShowInPartner(s32 nPos)
{
    if (!m_Partner.GetHwnd()) return;
    // Showing the number raises the partner's change notification, which
    // must not move the thumb back.
    m_bReentrant = 1;
    m_Partner.SetData(nPos);
    m_bReentrant = 0;
}

void cCtrlSlider::SetPos(s32 nPos)
{
    if (m_hWnd) SendMessageA(m_hWnd, TBM_SETPOS, 1, nPos);
    ShowInPartner(nPos);
    if (m_hOwnerWnd) SendMessageA(m_hOwnerWnd, WM_COMMAND, MAKEWPARAM(m_wId, 0), 0);
}

int cCtrlSlider::Enable(BOOL bEnable)
{
    const int nResult = cCtrl::Enable(bEnable);
    m_Partner.Enable(bEnable);
    return nResult;
}

void cCtrlSlider::DataToCtrl()
{
    if (m_lpValue) SetPos(*m_lpValue);
}

void cCtrlSlider::CtrlToData()
{
    if (OwnerUpdating() || !m_lpValue || !m_hWnd) return;
    *m_lpValue = GetPos();
}

int cCtrlSlider::OnScroll(WPARAM, LPARAM lParam)
{
    if (!m_hWnd || reinterpret_cast<HWND>(lParam) != m_hWnd) return 0;
    ShowInPartner(GetPos());
    if (m_hOwnerWnd) SendMessageA(m_hOwnerWnd, WM_COMMAND, MAKEWPARAM(m_wId, 0), 0);
    return 0;
}

void cCtrlSlider::FollowPartner()
{
    if (m_Partner.GetRules().IsEmpty() || !m_hWnd) return;
    const s32 nPos = std::min(std::max(m_Partner.ParseText(), m_nMin), m_nMax);
    if (nPos == GetPos()) return;
    SendMessageA(m_hWnd, TBM_SETPOS, 1, nPos);
    // Told once the command that brought the typing has ended.
    if (m_hOwnerWnd) PostMessageA(m_hOwnerWnd, WM_COMMAND, MAKEWPARAM(m_wId, 0), 0);
}

void cCtrlSlider::OnChange()
{
    if (m_bReentrant) return;
    m_bReentrant = 1;
    m_Partner.OnChange();
    FollowPartner();
    m_bReentrant = 0;
}

void cCtrlSlider::OnKillFocus()
{
    if (m_bReentrant) return;
    m_bReentrant = 1;
    m_Partner.OnKillFocus();
    FollowPartner();
    m_bReentrant = 0;
}
