#include "controls/ctrl_edit_int.h"

#include <commctrl.h>

#include <climits>
#include <cstdlib>

#include "app/str_util.h"
#include "framework/dlg_base.h"

void cCtrlSpin::AttachSpin(cDlgBase* lpOwner, u16 wId, s32 nMin, s32 nMax)
{
    cCtrl::Attach(lpOwner, wId);
    RemoveStyle(UDS_SETBUDDYINT);
    if (m_hWnd) SendMessageA(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nMin), static_cast<LPARAM>(nMax));
}

void cCtrlEditInt::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    m_dwEditKind = 1;
    cCtrl::Attach(lpOwner, setup.wSetupId);
    RemoveStyle(ES_NUMBER);  // '-' must be typable
    m_lpValue = setup.lpSetupValue;
    m_nMin = setup.nSetupMin;
    m_nMax = setup.nSetupMax;
    m_nStep = setup.nSetupStep;
    if (setup.wSetupSpinId) m_Spin.AttachSpin(lpOwner, setup.wSetupSpinId, m_nMin, m_nMax);
    if (m_lpValue) SetData(*m_lpValue);
}

int cCtrlEditInt::Enable(BOOL bEnable)
{
    int nResult = cCtrl::Enable(bEnable);
    m_Spin.Enable(bEnable);
    return nResult;
}

s32 cCtrlEditInt::ClampToLimits(long long nValue) const
{
    if (nValue < m_nMin) return m_nMin;
    if (nValue > m_nMax) return m_nMax;
    return static_cast<s32>(nValue);
}

s32 cCtrlEditInt::ParseText() const
{
    std::string strRaw;
    GetText(strRaw);
    std::string str;
    for (size_t i = 0; i < strRaw.size(); ++i) {
        char c = strRaw[i];
        if (IsSjisLead(static_cast<u8>(c)) && i + 1 < strRaw.size() && IsSjisTrail(static_cast<u8>(strRaw[i + 1]))) {
            ++i;
            continue;
        }
        if ((c >= '0' && c <= '9') || c == '.' || (c == '-' && str.empty())) str += c;
    }
    if (str.empty()) return m_nMin > 0 ? m_nMin : 0;
    // The leading integer, cut to the 32-bit range.
    long long n = strtoll(str.c_str(), nullptr, 10);
    if (n > INT_MAX) n = INT_MAX;
    if (n < INT_MIN) n = INT_MIN;
    return static_cast<s32>(n);
}

void cCtrlEditInt::SetData(s32 nValue)
{
    if (m_hWnd) SetWindowTextA(m_hWnd, Format("%d", ClampToLimits(nValue)).c_str());
}

void cCtrlEditInt::DataToCtrl()
{
    if (m_lpValue) SetData(*m_lpValue);
}

void cCtrlEditInt::CtrlToData()
{
    if (OwnerUpdating() || !m_lpValue || !m_hWnd) return;
    *m_lpValue = ClampToLimits(ParseText());
}

int cCtrlEditInt::OnNotify(WPARAM, LPARAM lParam)
{
    const NMHDR* lpHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (!lpHdr || lpHdr->code != UDN_DELTAPOS || !m_Spin.GetHwnd() || lpHdr->idFrom != m_Spin.GetId()) return 0;
    const NMUPDOWN* lpUpDown = reinterpret_cast<const NMUPDOWN*>(lParam);
    SetData(ClampToLimits(static_cast<long long>(ParseText()) + static_cast<long long>(lpUpDown->iDelta) * m_nStep));
    return 1;
}
