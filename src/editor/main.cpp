// The program's entry point.
#include <windows.h>

#include "editor/message_loop.h"
#include "editor/startup.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    HANDLE hMutex = nullptr;
    if (!StartEditor(hInstance, hMutex)) return 0;
    const int nExitCode = RunMessageLoop();
    ExitApplication();
    if (hMutex) ReleaseMutex(hMutex);
    return nExitCode;
}
