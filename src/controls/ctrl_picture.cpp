#include "controls/ctrl_picture.h"

#include "framework/dlg_base.h"

void cCtrlPicture::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    cCtrl::Attach(lpOwner, setup.wSetupId);
    m_Front.Release();
    if (!m_hWnd) return;
    s32 nWidth = setup.nSetupWidth, nHeight = setup.nSetupHeight;
    if (nWidth > 0 && nHeight > 0) {
        SetSize(nWidth, nHeight);
    } else {
        RECT rc;
        GetClientRect(m_hWnd, &rc);
        nWidth = rc.right;
        nHeight = rc.bottom;
    }
    if (setup.nSetupX != -1 && setup.nSetupY != -1) {
        // A dialog unit is a quarter of the font's average width and an
        // eighth of its height.
        RECT rcUnits = {0, 0, 4, 8};
        MapDialogRect(m_hOwnerWnd, &rcUnits);
        SetPos(setup.nSetupX * rcUnits.right / 4, setup.nSetupY * rcUnits.bottom / 8);
    }
    m_Front.AttachWindow(m_hWnd);
    m_Back.Create(nWidth, nHeight, 32, 0);
}

void cCtrlPicture::Present()
{
    if (m_Front.GetDC() && m_Back.GetDC())
        m_Front.Blt(0, 0, m_Back.GetWidth(), m_Back.GetHeight(), m_Back, 0, 0, 1);
}
