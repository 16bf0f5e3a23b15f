#pragma once
// A scroll bar wrapper: a scroll bar control of a dialog, or the standard
// bar of a window. Attaching sets the range and page; a right click on the
// bar does nothing.
#include "controls/ctrl.h"

class cScrollCtrl : public cCtrl {
public:
    struct cSetup {
        u16 wSetupId = 0;
        HWND* lpSetupTarget = nullptr;  // the window whose standard bar is meant, or none
        u32 nSetupBar = SB_HORZ;
        u32 dwSetupExtra = 0;
        s32 nSetupMin = 0;
        s32 nSetupMax = 0;
        s32 nSetupPage = 0;
        u32 bSetupRedraw = 0;
    };

    cScrollCtrl() { m_dwKind = kCtrlScroll; }
    cScrollCtrl(const cScrollCtrl&) = default;
    cScrollCtrl& operator=(const cScrollCtrl&) = default;
    ~cScrollCtrl() override;
    void Attach(cDlgBase* lpOwner, const cSetup& setup);
    // Moves the bar by nDelta; the position read back.
    s32 Scroll(s32 nDelta);

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    HWND BarWindow(int& nBar) const;

    HWND* m_lpTarget = nullptr;
    u32 m_nBar = SB_HORZ;
    u32 m_dwExtra = 0;
    s32 m_nMin = 0;
    s32 m_nMax = 0;
    s32 m_nPage = 0;
    u32 m_bRedraw = 0;
};
