#pragma once
// The real Tarvenol.exe run as a user runs it: started in a project folder,
// its windows found among all others by its process, its message boxes read
// and answered, its end and exit code awaited.
#include <windows.h>

#include <string>
#include <vector>

class cEditorProcess {
public:
    cEditorProcess() = default;
    cEditorProcess(const cEditorProcess&) = delete;
    cEditorProcess& operator=(const cEditorProcess&) = delete;
    // Ends a process that a failed test left running.
    ~cEditorProcess();

    // Starts the editor with the project folder as its current directory.
    bool Start(const std::string& strProjectFolder);

    // The first visible top-level window of the process with this class
    // (null: any) and title (null: any), waited for up to dwTimeoutMs.
    HWND WaitForWindow(const char* lpClass, const char* lpTitle, DWORD dwTimeoutMs = 20000);
    // A message box of the process with this title: its text.
    HWND WaitForMessageBox(const char* lpTitle, std::string& strText, DWORD dwTimeoutMs = 20000);
    // The top-level windows of the process, visible or not.
    std::vector<HWND> Windows() const;
    // Presses a button of a message box as the user would.
    static void Answer(HWND hBox, int nButton);

    // Waits for the end; false on a time-out. The exit code goes to nCode.
    bool WaitForExit(DWORD& dwCode, DWORD dwTimeoutMs = 20000);
    bool HasEnded() const;
    DWORD ProcessId() const { return m_Info.dwProcessId; }
    HANDLE ProcessHandle() const { return m_Info.hProcess; }

private:
    PROCESS_INFORMATION m_Info = {};
};
