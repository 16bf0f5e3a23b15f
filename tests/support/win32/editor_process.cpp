#include "support/win32/editor_process.h"

#include "support/win32/dialog_driver.h"
#include "support/win32/win_test.h"

namespace {

struct cSearch {
    DWORD dwPid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND hWnd, LPARAM lParam)
{
    cSearch* lpSearch = reinterpret_cast<cSearch*>(lParam);
    DWORD dwPid = 0;
    GetWindowThreadProcessId(hWnd, &dwPid);
    if (dwPid == lpSearch->dwPid) lpSearch->found.push_back(hWnd);
    return TRUE;
}

std::string ClassOf(HWND hWnd)
{
    char buf[256] = "";
    GetClassNameA(hWnd, buf, sizeof buf);
    return buf;
}

}  // namespace

cEditorProcess::~cEditorProcess()
{
    if (!m_Info.hProcess) return;
    if (!HasEnded()) TerminateProcess(m_Info.hProcess, 1);
    CloseHandle(m_Info.hProcess);
    CloseHandle(m_Info.hThread);
}

bool cEditorProcess::Start(const std::string& strProjectFolder)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string strExe = HostPath(TARVENOL_EXE);
    std::string strCommand = "\"" + strExe + "\"";
    return CreateProcessA(strExe.c_str(), &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr,
                          strProjectFolder.c_str(), &si, &m_Info) != 0;
}

std::vector<HWND> cEditorProcess::Windows() const
{
    cSearch search{m_Info.dwProcessId, {}};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND cEditorProcess::WaitForWindow(const char* lpClass, const char* lpTitle, DWORD dwTimeoutMs)
{
    const DWORD dwStart = GetTickCount();
    do {
        for (HWND hWnd : Windows()) {
            if (!IsWindowVisible(hWnd)) continue;
            if (lpClass && ClassOf(hWnd) != lpClass) continue;
            if (lpTitle && WindowText(hWnd) != lpTitle) continue;
            return hWnd;
        }
        if (HasEnded()) return nullptr;
        Sleep(20);
    } while (GetTickCount() - dwStart < dwTimeoutMs);
    return nullptr;
}

HWND cEditorProcess::WaitForMessageBox(const char* lpTitle, std::string& strText, DWORD dwTimeoutMs)
{
    HWND hBox = WaitForWindow("#32770", lpTitle, dwTimeoutMs);
    strText = hBox ? DlgItemText(hBox, 0xFFFF) : std::string();
    return hBox;
}

void cEditorProcess::Answer(HWND hBox, int nButton) { ClickButton(hBox, nButton); }

bool cEditorProcess::HasEnded() const { return WaitForSingleObject(m_Info.hProcess, 0) == WAIT_OBJECT_0; }

bool cEditorProcess::WaitForExit(DWORD& dwCode, DWORD dwTimeoutMs)
{
    if (WaitForSingleObject(m_Info.hProcess, dwTimeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(m_Info.hProcess, &dwCode) != 0;
}
