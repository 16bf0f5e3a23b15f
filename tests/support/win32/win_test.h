#pragma once
// The fixture of the Windows test programs, a message pump that goes
// through the window registry as the editor's message loop does, and a
// driver for modal dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/test_env.h"

// A core test that starts and ends with no window registered.
class cWinTest : public cCoreTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Dispatches this thread's messages (through the registry's pre-translation)
// for about nMs milliseconds, or until done() holds.
void Pump(DWORD nMs, const std::function<bool()>& done = nullptr);

// A build path (as CMake gives it) as the program sees it through Wine's Z:
// drive.
std::string HostPath(const char* lpPath);

// The same, with the editor's frame tick after every batch of messages:
// every registered window gets its per-frame update (mouse polling and
// right clicks live there).
void PumpFrames(DWORD nMs, const std::function<bool()>& done = nullptr);

// Windows of this thread, children included.
int CountThreadWindows();
// Brings the window to the front as the active one.
void Activate(HWND hWnd);

// Runs steps on a window of this thread once it shows, one tick (10 ms)
// at a time, from inside whatever modal loop is running (a dialog's, a
// popup menu's): each step is repeated on every tick until it returns true.
// A step that never finishes (about 2 s) fails the test and closes the
// window. Several drivers may wait at once.
class cStepDriver {
public:
    using tStep = std::function<bool(HWND)>;
    cStepDriver(std::function<HWND()> find, std::vector<tStep> steps);
    // The first visible window of this thread with the title.
    cStepDriver(const std::string& strTitle, std::vector<tStep> steps);
    ~cStepDriver();
    cStepDriver(const cStepDriver&) = delete;
    cStepDriver& operator=(const cStepDriver&) = delete;
    size_t StepsDone() const { return m_nStep; }
    bool Ran() const { return m_nStep > 0; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    std::function<HWND()> m_Find;
    std::vector<tStep> m_Steps;
    UINT_PTR m_nTimer = 0;
    size_t m_nStep = 0;
    int m_nTicks = 0;
    bool m_bBusy = false;
};

// Runs the action once on the first visible window of this thread with the
// title.
class cModalDriver : public cStepDriver {
public:
    cModalDriver(const std::string& strTitle, std::function<void(HWND)> action);
};

// The first visible window of this thread with the title; this thread's
// open popup menu.
HWND FindThreadWindow(const std::string& strTitle);
HWND FindPopupMenu();

// Keys and mouse buttons as the user presses them (SendInput). TapKeys
// presses the keys in order and lets them go in reverse.
void SendKey(WORD vk, bool bUp);
void TapKeys(std::initializer_list<WORD> keys);
void SendMouse(DWORD dwFlags);

// With TARVENOL_HOLD_MS set, keeps the window on screen (messages pumped)
// for that long, so that a screenshot can be taken of it.
void HoldForScreenshot(HWND hWnd);
