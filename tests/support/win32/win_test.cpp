#include "support/win32/win_test.h"

#include <commctrl.h>

#include "framework/hook.h"
#include "framework/wnd_list.h"

void cWinTest::SetUp()
{
    cCoreTest::SetUp();
    static bool s_bInit = false;
    if (!s_bInit) {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&icc);
        s_bInit = true;
    }
    ASSERT_EQ(g_WndList.WndCount(), 0u) << "a test left windows listed";
    ASSERT_EQ(g_WndList.GroupCount(), 0u);
}

void cWinTest::TearDown()
{
    EXPECT_EQ(g_WndList.WndCount(), 0u);
    EXPECT_EQ(g_WndList.GroupCount(), 0u);
    RemoveKeyboardHook();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    cCoreTest::TearDown();
}

void Pump(DWORD nMs, const std::function<bool()>& done)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (g_WndList.PreTranslate(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done && done()) return;
        if (GetTickCount() - dwStart >= nMs) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTop(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    EnumChildWindows(hWnd, CountChild, lParam);
    return TRUE;
}

}  // namespace

int CountThreadWindows()
{
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTop, reinterpret_cast<LPARAM>(&n));
    return n;
}

void Activate(HWND hWnd)
{
    SetForegroundWindow(hWnd);
    SetActiveWindow(hWnd);
    Pump(30);
}
