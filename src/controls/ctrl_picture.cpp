#include "controls/ctrl_picture.h"

#include "framework/dlg_base.h"

void cCtrlPicture::Attach(cDlgBase* lpOwner, const cSetup& setup)
{
    cCtrl::Attach(lpOwner, setup.wSetupId);
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
        RECT rcUnits = {0, 0, 4, 8};
        MapDialogRect(m_hOwnerWnd, &rcUnits);
        SetPos(setup.nSetupX * rcUnits.right / 4, setup.nSetupY * rcUnits.bottom / 8);
    }
    m_Back.Create(nWidth, nHeight, 32, 0);
}
