#include "framework/hook.h"

#include <imm.h>

#include "app/fatal.h"
#include "app/window_rules.h"

namespace {

const char* const kHookProp = "cHook";
HHOOK g_hHook = nullptr;
u32 g_bCtrlHeld = 0;

// Whether the window's input method holds an unfinished composition. With
// bReportMissing a window without an input context is reported.
bool IsComposing(HWND hWnd, bool bReportMissing)
{
    HIMC hImc = ImmGetContext(hWnd);
    if (!hImc) {
        if (bReportMissing) DebugMesBox("Err ImmGetContext");
        return false;
    }
    bool bComposing = ImmGetCompositionStringA(hImc, GCS_COMPSTR, nullptr, 0) > 0;
    ImmReleaseContext(hWnd, hImc);
    return bComposing;
}

// A menu is open on this thread: its keys are the menu's own.
bool IsInMenuMode()
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE);
}

LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode < 0 || nCode == HC_NOREMOVE) return CallNextHookEx(g_hHook, nCode, wParam, lParam);
    // A copy posted to the dialog would reach the menu's own loop as a
    // second key press.
    if (IsInMenuMode()) return CallNextHookEx(g_hHook, nCode, wParam, lParam);
    HWND hActive = GetActiveWindow();
    cHook* lpHook = hActive ? static_cast<cHook*>(GetPropA(hActive, kHookProp)) : nullptr;
    const bool bKeyUp = (static_cast<u32>(lParam) & 0x80000000u) != 0;
    const u32 nKey = static_cast<u32>(wParam);
    const bool bHookIsActive = lpHook && lpHook->GetHwnd() == hActive;
    // The composition matters for windows without a hook and for key-downs.
    bool bComposing = false;
    if (!lpHook && hActive) bComposing = IsComposing(hActive, true);
    else if (bHookIsActive && !bKeyUp) bComposing = IsComposing(hActive, false);

    cHookDecision d = DecideHookAction(bKeyUp, nKey, lpHook != nullptr, bHookIsActive, bComposing,
                                       lpHook ? lpHook->GetCtrlFilter() : 0, g_bCtrlHeld);
    if (d.bSwallow) return 1;
    switch (d.ePost) {
    case kHookPostKeyDown:
        PostMessageA(hActive, WM_KEYDOWN, wParam, lParam);
        break;
    case kHookPostKeyUp:
        PostMessageA(hActive, WM_KEYUP, wParam, lParam);
        break;
    case kHookPostNavKey:
        PostMessageA(hActive, kMsgNavKey, wParam, lParam);
        break;
    case kHookPostNone:
        break;
    }
    return CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

}  // namespace

cHook::~cHook() { Detach(); }

bool cHook::Install(HWND hDlg, u32 bCtrlFilter)
{
    Detach();
    m_hWnd = hDlg;
    m_bCtrlFilter = bCtrlFilter;
    SetPropA(hDlg, kHookProp, this);
    if (!g_hHook) g_hHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, nullptr, GetCurrentThreadId());
    return g_hHook != nullptr;
}

void cHook::Detach()
{
    if (m_hWnd && GetPropA(m_hWnd, kHookProp) == this) RemovePropA(m_hWnd, kHookProp);
    m_hWnd = nullptr;
}

BOOL RemoveKeyboardHook()
{
    if (!g_hHook) return 0;
    BOOL bResult = UnhookWindowsHookEx(g_hHook);
    g_hHook = nullptr;
    return bResult;
}

bool IsKeyboardHookInstalled() { return g_hHook != nullptr; }

u32 IsCtrlHeld() { return g_bCtrlHeld; }
