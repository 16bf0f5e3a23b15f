#pragma once
// The fixture of the Windows test programs, a message pump that goes
// through the window registry as the editor's message loop does, and a
// driver for modal dialogs.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

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

// Runs the action on the first visible window of this thread with the title
// once it shows; driven by a timer of this thread, so it works inside modal
// loops.
class cModalDriver {
public:
    cModalDriver(const std::string& strTitle, std::function<void(HWND)> action);
    ~cModalDriver();
    bool Ran() const { return m_bRan; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::string m_strTitle;
    std::function<void(HWND)> m_Action;
    UINT_PTR m_nTimer = 0;
    bool m_bRan = false;
};

// With TARVENOL_HOLD_MS set, keeps the window on screen (messages pumped)
// for that long, so that a screenshot can be taken of it.
void HoldForScreenshot(HWND hWnd);
