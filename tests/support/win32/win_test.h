#pragma once
// The fixture of the Windows test programs and a message pump that goes
// through the window registry as the editor's message loop does.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

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

// Windows of this thread, children included.
int CountThreadWindows();
// Brings the window to the front as the active one.
void Activate(HWND hWnd);
