#include "app/window_rules.h"

bool cFixedRateGate::Open(u32 dwNow, u32 nRate)
{
    if (nRate == 0) return true;
    if (!m_bStarted) {
        m_bStarted = true;
        m_dwNext = dwNow;
    }
    if (static_cast<s32>(dwNow - m_dwNext) < 0) return false;
    m_dwNext = dwNow + 1000 / nRate;
    return true;
}

cMouseLatches& SharedMouseLatches()
{
    static cMouseLatches s_Latches;
    return s_Latches;
}

namespace {

void UpdatePress(bool bDown, u32& bLatch, u32& bPressed)
{
    if (!bDown) {
        bLatch = 0;
        bPressed = 0;
    } else if (!bLatch) {
        bLatch = 1;
        bPressed = 1;
    } else {
        bPressed = 0;
    }
}

}  // namespace

void UpdateMouseButtons(cMouseBlock& block, u8 byMask, bool bLeftDown, bool bRightDown, cMouseLatches& shared)
{
    shared.bPrevLeft = block.bLeftHeld;
    shared.bPrevRight = block.bRightHeld;
    if (byMask & kMouseHeld) {
        block.bLeftHeld = bLeftDown;
        block.bRightHeld = bRightDown;
    }
    if (byMask & kMousePressed) {
        UpdatePress(bLeftDown, shared.bLeftLatch, block.bLeftPressed);
        UpdatePress(bRightDown, shared.bRightLatch, block.bRightPressed);
    }
    if (byMask & kMouseReleased) {
        block.bLeftReleased = shared.bPrevLeft == 1 && block.bLeftHeld == 0;
        block.bRightReleased = shared.bPrevRight == 1 && block.bRightHeld == 0;
    }
}

bool IsDialogNavKey(u32 nVirtualKey)
{
    return nVirtualKey == 0x20 || (nVirtualKey >= 0x25 && nVirtualKey <= 0x28) || nVirtualKey == 0x2E ||
           (nVirtualKey >= 0x70 && nVirtualKey <= 0x77);
}

namespace {

// The copy of an ordinary key: withheld while Ctrl is held for a filtered
// window.
cHookDecision CopyKey(eHookPost ePost, u32 bCtrlFilter, u32 bCtrlHeld)
{
    cHookDecision d;
    if (bCtrlFilter == 0 || !bCtrlHeld) d.ePost = ePost;
    return d;
}

}  // namespace

cHookDecision DecideHookAction(bool bKeyUp, u32 nVirtualKey, bool bHasHook, bool bHookIsActive, bool bComposing,
                               u32 bCtrlFilter, u32& bCtrlHeld)
{
    cHookDecision d;
    if (!bHasHook) {
        // Not one of the program's dialogs: Escape is kept from message
        // boxes and sheets unless the input method is composing.
        d.bSwallow = !bComposing && nVirtualKey == kVkEscape;
        return d;
    }
    if (!bHookIsActive) return d;
    if (bKeyUp) {
        if (nVirtualKey == kVkControl) bCtrlHeld = 0;
        return CopyKey(kHookPostKeyUp, bCtrlFilter, bCtrlHeld);
    }
    if (nVirtualKey == kVkReturn) {
        if (bComposing) return d;
        return CopyKey(kHookPostKeyDown, bCtrlFilter, bCtrlHeld);
    }
    if (nVirtualKey == kVkTab) return d;
    if (!bComposing && IsDialogNavKey(nVirtualKey)) {
        d.ePost = kHookPostNavKey;
        return d;
    }
    if (nVirtualKey == kVkControl) bCtrlHeld = 1;
    return CopyKey(kHookPostKeyDown, bCtrlFilter, bCtrlHeld);
}
