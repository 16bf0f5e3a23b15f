#pragma once
// The world-map window as the top-level window and the frame tick see it:
// its minimised flag, and hiding and showing it with its sub-windows. The
// world-map editor builds the window itself on this class.
#include "framework/dlg_base.h"

class cWorldMapWnd : public cDlgBase {
public:
    using cDlgBase::cDlgBase;
    // Shows or hides the window with its sub-windows.
    virtual void ShowWindows();
    virtual void HideWindows();

    u32 m_bMinimized = 0;
};
