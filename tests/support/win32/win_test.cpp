#include "support/win32/win_test.h"

#include <commctrl.h>

#include <cstdlib>

#include "framework/hook.h"
#include "framework/wnd_base.h"
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

namespace {

void PumpLoop(DWORD nMs, const std::function<bool()>& done, bool bFrames)
{
    DWORD dwStart = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (g_WndList.PreTranslate(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (bFrames) g_WndList.ForEachWnd([](cWndBase* lpWnd) { lpWnd->OnFrame(); });
        if (done && done()) return;
        if (GetTickCount() - dwStart >= nMs) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

}  // namespace

void Pump(DWORD nMs, const std::function<bool()>& done) { PumpLoop(nMs, done, false); }
void PumpFrames(DWORD nMs, const std::function<bool()>& done) { PumpLoop(nMs, done, true); }

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

std::string HostPath(const char* lpPath)
{
    std::string str = std::string("Z:") + lpPath;
    for (char& c : str)
        if (c == '/') c = '\\';
    return str;
}

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

namespace {
cModalDriver* g_lpDriver = nullptr;

struct cFind {
    const std::string* lpTitle;
    HWND hFound;
};

BOOL CALLBACK FindTitled(HWND hWnd, LPARAM lParam)
{
    cFind* lpFind = reinterpret_cast<cFind*>(lParam);
    char buf[256] = "";
    GetWindowTextA(hWnd, buf, sizeof buf);
    if (IsWindowVisible(hWnd) && *lpFind->lpTitle == buf) {
        lpFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

cModalDriver::cModalDriver(const std::string& strTitle, std::function<void(HWND)> action)
    : m_strTitle(strTitle), m_Action(std::move(action))
{
    g_lpDriver = this;
    m_nTimer = SetTimer(nullptr, 0, 10, OnTimer);
}

cModalDriver::~cModalDriver()
{
    if (m_nTimer) KillTimer(nullptr, m_nTimer);
    if (g_lpDriver == this) g_lpDriver = nullptr;
}

void CALLBACK cModalDriver::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    cModalDriver* lpDriver = g_lpDriver;
    if (!lpDriver || lpDriver->m_bRan) return;
    cFind find = {&lpDriver->m_strTitle, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTitled, reinterpret_cast<LPARAM>(&find));
    if (!find.hFound) return;
    KillTimer(nullptr, lpDriver->m_nTimer);
    lpDriver->m_nTimer = 0;
    lpDriver->m_bRan = true;
    lpDriver->m_Action(find.hFound);
}

void HoldForScreenshot(HWND hWnd)
{
    char buf[16] = "";
    if (!GetEnvironmentVariableA("TARVENOL_HOLD_MS", buf, sizeof buf)) return;
    SetWindowPos(hWnd, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    Pump(static_cast<DWORD>(atoi(buf)));
}
