#include "support/win32/win_test.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

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

std::vector<cStepDriver*> g_Drivers;

struct cFind {
    const std::string* lpTitle;
    const char* lpClass;
    HWND hFound;
};

BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
{
    cFind* lpFind = reinterpret_cast<cFind*>(lParam);
    if (!IsWindowVisible(hWnd)) return TRUE;
    char buf[256] = "";
    if (lpFind->lpTitle) GetWindowTextA(hWnd, buf, sizeof buf);
    else GetClassNameA(hWnd, buf, sizeof buf);
    if ((lpFind->lpTitle ? *lpFind->lpTitle : std::string(lpFind->lpClass)) != buf) return TRUE;
    lpFind->hFound = hWnd;
    return FALSE;
}

}  // namespace

HWND FindThreadWindow(const std::string& strTitle)
{
    cFind find = {&strTitle, nullptr, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindVisible, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}

HWND FindPopupMenu()
{
    cFind find = {nullptr, "#32768", nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindVisible, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}

cStepDriver::cStepDriver(std::function<HWND()> find, std::vector<tStep> steps)
    : m_Find(std::move(find)), m_Steps(std::move(steps))
{
    g_Drivers.push_back(this);
    m_nTimer = SetTimer(nullptr, 0, 10, OnTimer);
}

cStepDriver::cStepDriver(const std::string& strTitle, std::vector<tStep> steps)
    : cStepDriver([strTitle] { return FindThreadWindow(strTitle); }, std::move(steps))
{
}

cStepDriver::~cStepDriver()
{
    if (m_nTimer) KillTimer(nullptr, m_nTimer);
    g_Drivers.erase(std::remove(g_Drivers.begin(), g_Drivers.end(), this), g_Drivers.end());
}

void CALLBACK cStepDriver::OnTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    for (cStepDriver* lpDriver : g_Drivers) {
        if (lpDriver->m_nTimer != nTimer) continue;
        lpDriver->Tick();
        return;
    }
}

void cStepDriver::Tick()
{
    if (m_bBusy || m_nStep >= m_Steps.size()) return;
    HWND hWnd = m_Find();
    if (!hWnd) return;
    m_bBusy = true;
    if (m_Steps[m_nStep](hWnd)) {
        ++m_nStep;
        m_nTicks = 0;
    } else if (++m_nTicks > 200) {
        ADD_FAILURE() << "step " << m_nStep << " never finished";
        m_nStep = m_Steps.size();
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
    m_bBusy = false;
    // Every step done: the driver waits no more.
    if (m_nStep >= m_Steps.size() && m_nTimer) {
        KillTimer(nullptr, m_nTimer);
        m_nTimer = 0;
    }
}

cModalDriver::cModalDriver(const std::string& strTitle, std::function<void(HWND)> action)
    : cStepDriver(strTitle, {[action](HWND hWnd) {
                      action(hWnd);
                      return true;
                  }})
{
}

void SendKey(WORD vk, bool bUp)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void TapKeys(std::initializer_list<WORD> keys)
{
    for (WORD vk : keys) SendKey(vk, false);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) SendKey(*it, true);
}

void SendMouse(DWORD dwFlags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = dwFlags;
    SendInput(1, &in, sizeof in);
}

void HoldForScreenshot(HWND hWnd)
{
    char buf[16] = "";
    if (!GetEnvironmentVariableA("TARVENOL_HOLD_MS", buf, sizeof buf)) return;
    SetWindowPos(hWnd, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    Pump(static_cast<DWORD>(atoi(buf)));
}
