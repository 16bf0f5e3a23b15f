#pragma once
// Drives windows that a test has opened modally: a helper thread waits for a
// top-level window with the given title, hands it to an action (read its
// texts, press its buttons) and reports what it found.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class cDialogDriver {
public:
    // Starts looking for a visible top-level window titled strTitle (CP932)
    // and runs the action on it once found.
    cDialogDriver(const std::string& strTitle, std::function<void(HWND)> action, DWORD dwTimeoutMs = 10000);
    ~cDialogDriver();
    // Waits for the helper; true when the window was found and the action ran.
    bool Join();

private:
    std::thread m_Thread;
    std::atomic<bool> m_bFound{false};
};

// The text of a dialog's child window (the message of a message box is the
// static with ID 0xFFFF).
std::string DlgItemText(HWND hDlg, int nId);
std::string WindowText(HWND hWnd);
// Presses a dialog button as the user would.
void ClickButton(HWND hDlg, int nId);
