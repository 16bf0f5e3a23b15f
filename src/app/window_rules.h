#pragma once
// Rules of the window framework that need no window: the fixed-rate frame
// gate, the mouse button words and the keyboard hook's decisions. The
// Windows side feeds them the clock, the buttons and the keys.
#include "app/types.h"

// Opens at most nRate times a second. The clock is a millisecond tick count
// that wraps after 49.7 days; the gate compares tick differences, so the
// wrap never holds it shut.
class cFixedRateGate {
public:
    bool Open(u32 dwNow, u32 nRate);

private:
    bool m_bStarted = false;
    u32 m_dwNext = 0;
};

// One window's mouse block: cursor position in view coordinates, the group
// mask and the six button words.
struct cMouseBlock {
    s32 nX = 0;
    s32 nY = 0;
    u32 dwMask = 7;
    u32 bLeftHeld = 0;
    u32 bRightHeld = 0;
    u32 bLeftPressed = 0;
    u32 bRightPressed = 0;
    u32 bLeftReleased = 0;
    u32 bRightReleased = 0;
};

// Button groups of the mask.
enum : u8 {
    kMouseHeld = 1,
    kMousePressed = 2,
    kMouseReleased = 4,
};

// Held states of the last update and the press latches, shared by every
// window of the program so that one press is reported once.
struct cMouseLatches {
    u32 bPrevLeft = 0;
    u32 bPrevRight = 0;
    u32 bLeftLatch = 0;
    u32 bRightLatch = 0;
};
cMouseLatches& SharedMouseLatches();

void UpdateMouseButtons(cMouseBlock& block, u8 byMask, bool bLeftDown, bool bRightDown, cMouseLatches& shared);

// Virtual keys the hook knows by value.
enum : u32 {
    kVkTab = 0x09,
    kVkReturn = 0x0D,
    kVkControl = 0x11,
    kVkEscape = 0x1B,
};

// The space bar, the arrows, Delete and F1 to F8.
bool IsDialogNavKey(u32 nVirtualKey);

// What the keyboard hook does with one key event.
enum eHookPost {
    kHookPostNone,
    kHookPostKeyDown,
    kHookPostKeyUp,
    kHookPostNavKey,  // the program's navigation message
};
struct cHookDecision {
    eHookPost ePost = kHookPostNone;
    bool bSwallow = false;  // true: the event goes no further
};

// The event: a key-up or key-down of the virtual key; whether the active
// window is one of the program's dialogs (bHasHook) and the hook's window is
// that active window; whether an input-method composition is pending; the
// hook's Ctrl filter flag. bCtrlHeld is the shared Ctrl-held flag.
cHookDecision DecideHookAction(bool bKeyUp, u32 nVirtualKey, bool bHasHook, bool bHookIsActive, bool bComposing,
                               u32 bCtrlFilter, u32& bCtrlHeld);
