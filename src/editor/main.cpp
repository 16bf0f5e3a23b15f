// The program's entry point: logs, the top-level window and the message
// loop.
#include <windows.h>
#include <commctrl.h>

#include "app/fatal.h"
#include "app/log.h"
#include "app/path.h"
#include "editor/main_wnd.h"
#include "editor/message_loop.h"
#include "editor/editor_host.h"
#include "data/ed_data.h"
#include "framework/dlg_base.h"
#include "framework/hook.h"

namespace {

const char* const kVersionText = "950";
cEditorHost g_Host;

bool RegisterMainClass(HINSTANCE hInstance)
{
    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconA(hInstance, MAKEINTRESOURCEA(103));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) != 0;
}

// The top-level window, off-screen: the editor's windows are its own.
bool CreateMainWindow(HINSTANCE hInstance)
{
    g_MainWnd.SetGeometry(640, 480, 100, 100, 640, 480, WS_POPUP | WS_OVERLAPPEDWINDOW, 0, 0, 0, 0);
    HWND hWnd = CreateWindowExA(0, kMainWindowClass, "Tarvenol", 0, 9999, 9999, g_MainWnd.GetWndWidth(),
                                g_MainWnd.GetWndHeight(), nullptr, nullptr, hInstance, nullptr);
    if (!hWnd) {
        ReportOutOfMemory();
        return false;
    }
    g_Host.SetMainWindow(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    g_MainWnd.Attach(0, nullptr, nullptr);
    return true;
}

void ExitApplication()
{
    timeEndPeriod(1);
    RemoveKeyboardHook();
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    timeBeginPeriod(1);
    g_wDlgHScrollId = 1008;
    g_wDlgVScrollId = 1009;
    SetHost(&g_Host);
    InitErrLog(0, "EC_Editor.txt");
    std::string strReport = "Report_Editor.txt";
    MakeAbsolutePath(strReport);
    if (!OpenReportLog(strReport)) return 0;
    LogPrintf("App : ver %s", kVersionText);
    WriteSystemReport();
    SetDataVersion(kDataVersion);

    SetProgramInstance(hInstance);
    if (!RegisterMainClass(hInstance)) return 0;
    InitCommonControls();
    if (!CreateMainWindow(hInstance)) return 0;

    int nExitCode = RunMessageLoop();
    ExitApplication();
    g_Host.SetMainWindow(nullptr);
    SetHost(nullptr);
    return nExitCode;
}
