// The program's entry point.
#include <windows.h>

#include "app/fatal.h"
#include "app/log.h"
#include "app/path.h"
#include "app/win32/host_win32.h"
#include "data/ed_data.h"

namespace {

const char* const kWindowClass = "Tarvenol_Editor";
const char* const kVersionText = "950";
cWin32Host g_Host;

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    timeBeginPeriod(1);
    SetHost(&g_Host);
    InitErrLog(0, "EC_Editor.txt");
    std::string strReport = "Report_Editor.txt";
    MakeAbsolutePath(strReport);
    if (!OpenReportLog(strReport)) return 0;
    LogPrintf("App : ver %s", kVersionText);
    WriteSystemReport();
    SetDataVersion(kDataVersion);

    WNDCLASSEXA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInstance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kWindowClass;
    if (!RegisterClassExA(&wc)) return 0;

    HWND hWnd = CreateWindowExA(0, kWindowClass, "Tarvenol", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                640, 480, nullptr, nullptr, hInstance, nullptr);
    if (!hWnd) return 0;
    g_Host.SetMainWindow(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    g_Host.SetMainWindow(nullptr);
    SetHost(nullptr);
    timeEndPeriod(1);
    return static_cast<int>(msg.wParam);
}
