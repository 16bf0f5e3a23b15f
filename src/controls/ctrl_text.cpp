#include "controls/ctrl_text.h"

#include "app/str_util.h"
#include "framework/dlg_base.h"
#include "framework/dlg_item.h"

void cCtrlText::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    m_dwEditKind = 2;
    cCtrl::Attach(lpOwner, setup.wSetupId);
    m_lpText = setup.lpSetupText;
    m_nSize = setup.nSetupSize ? setup.nSetupSize : 4096;
    m_bDbcs = setup.bSetupDbcs;
    DataToCtrl();
}

void cCtrlText::DataToCtrl()
{
    if (m_lpText) SetDlgItemStr(m_hOwnerWnd, m_wId, *m_lpText);
}

void cCtrlText::ReadText(std::string& str) const
{
    GetDlgItemStr(m_hOwnerWnd, m_wId, str);
    const size_t nLimit = m_nSize - 1;
    if (!m_bDbcs) {
        str.resize(CharBoundaryAtOrBelow(str, nLimit));
        return;
    }
    // Characters: a double-byte pair counts one.
    size_t i = 0, nChars = 0;
    while (i < str.size() && nChars < nLimit) {
        bool bPair = IsSjisLead(static_cast<u8>(str[i])) && i + 1 < str.size() && IsSjisTrail(static_cast<u8>(str[i + 1]));
        i += bPair ? 2 : 1;
        ++nChars;
    }
    str.resize(i);
}

void cCtrlText::CtrlToData()
{
    if (OwnerUpdating() || !m_lpText || !m_hWnd) return;
    ReadText(*m_lpText);
}
