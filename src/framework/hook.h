#pragma once
// The keyboard and input-method hook. Dialogs don't see keys (the focused
// control gets them), so one thread keyboard hook copies each key event to
// the active dialog's own window, unless the input method is composing.
#include <windows.h>

#include "app/types.h"

// The program's navigation message, posted for the space bar, the arrows,
// Delete and F1 to F8; the dialog turns it into WM_KEYDOWN.
constexpr UINT kMsgNavKey = WM_USER + 1000;

class cHook {
public:
    cHook() = default;
    virtual ~cHook();
    cHook(const cHook&) = delete;
    cHook& operator=(const cHook&) = delete;

    // Attaches to the dialog window (its "cHook" property) and installs the
    // thread's hook when there is none; true when the hook exists afterwards.
    bool Install(HWND hDlg, u32 bCtrlFilter);
    // Takes the property off the window, when it is still this object's.
    void Detach();

    HWND GetHwnd() const { return m_hWnd; }
    u32 GetCtrlFilter() const { return m_bCtrlFilter; }

private:
    HWND m_hWnd = nullptr;
    u32 m_bCtrlFilter = 0;
};

// Removes the thread's hook; the UnhookWindowsHookEx result, 0 when none.
BOOL RemoveKeyboardHook();
bool IsKeyboardHookInstalled();
// The Ctrl-held flag that the hook keeps.
u32 IsCtrlHeld();
