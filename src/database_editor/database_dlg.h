#pragma once
// The database window as the frame tick sees it: a property sheet whose
// first two pages animate their previews. The database editor builds its
// pages on this class.
#include "framework/wnd_group.h"

class cDatabaseDlg : public cWndGroup {
public:
    using cWndGroup::cWndGroup;
    // One frame: the current page steps its preview or draws.
    virtual void StepFrame(u32 bAnimate);
    // The animated pages that the frame tick paces at 60 frames a second.
    bool IsAnimatedPageShown() const;
};
