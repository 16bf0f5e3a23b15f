// The program's entry point.
#include <windows.h>

#include "app/host.h"
#include "editor/message_loop.h"
#include "editor/startup.h"
#include "framework/dlg_base.h"
#include "framework/wnd_base.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    timeBeginPeriod(1);
    g_wDlgHScrollId = 1008;
    g_wDlgVScrollId = 1009;
    SetHost(&EditorHost());
    if (!OpenLogs()) return 0;
    bool bRefused = false;
    HANDLE hMutex = ClaimSingleInstance(bRefused);
    if (bRefused) return 0;
    SetProgramInstance(hInstance);
    if (!RegisterMainClass(hInstance)) return 0;
    if (!InitApplication()) return 0;
    const int nExitCode = RunMessageLoop();
    ExitApplication();
    if (hMutex) ReleaseMutex(hMutex);
    return nExitCode;
}
