#pragma once
// A dialog's drawing area: a control sized and placed from its setup, with a
// front surface that draws into the control's window and a 32-bit back
// surface of its size on which the dialog paints before presenting it.
#include "controls/ctrl.h"
#include "framework/surface.h"

class cCtrlPicture : public cCtrl {
public:
    struct cSetup {
        u16 wSetupId = 0;
        s32 nSetupWidth = 0;  // 0: the control's own size
        s32 nSetupHeight = 0;
        s32 nSetupX = -1;  // dialog units; -1: the control's own place
        s32 nSetupY = -1;
        void Set(u16 wId, s32 nWidth, s32 nHeight, s32 x, s32 y)
        {
            wSetupId = wId;
            nSetupWidth = nWidth;
            nSetupHeight = nHeight;
            nSetupX = x;
            nSetupY = y;
        }
    };

    cCtrlPicture() { m_dwKind = kCtrlPicture; }
    // Surfaces belong to one wrapper: a copy starts without them.
    cCtrlPicture(const cCtrlPicture& other) : cCtrl(other) {}
    cCtrlPicture& operator=(const cCtrlPicture& other)
    {
        cCtrl::operator=(other);
        return *this;
    }
    void Attach(cDlgBase* lpOwner, const cSetup& setup);
    cSurface& GetFront() { return m_Front; }
    cSurface& GetBack() { return m_Back; }
    // Copies the back surface into the control.
    void Present();

private:
    cSurface m_Front;
    cSurface m_Back;
};
