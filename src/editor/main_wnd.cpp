#include "editor/main_wnd.h"

#include "app/fatal.h"
#include "app/global_order.h"
#include "app/log.h"
#include "data/project_data.h"
#include "editor/game_program.h"
#include "editor/message_loop.h"
#include "app/win32/thread.h"
#include "framework/wnd_list.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_edit_wnd.h"
#include "world_map/world_map_wnd.h"

const char* const kMainWindowClass = "Tarvenol_Editor";

cMainWnd g_MainWnd TARVENOL_GLOBAL(kGlobalMainWnd);

cStageEditWnd* StageWnd() { return g_MainWnd.GetStageWnd(); }

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return g_MainWnd.WndProc(hWnd, uMsg, wParam, lParam);
}

LRESULT cTopWndBase::DefaultProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = cWndBase::DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CREATE) OnCreate(wParam, lParam);
    return lResult;
}

cMainWnd::cMainWnd() = default;

cMainWnd::~cMainWnd() = default;

void cMainWnd::OnCreate(WPARAM wParam, LPARAM lParam)
{
    cTopWndBase::OnCreate(wParam, lParam);
    m_bInitialized = 1;
}

void cMainWnd::Attach(u16 wResId, HWND hParent, cWndList*)
{
    cWndBase::Attach(wResId, hParent, nullptr);
    m_lpProc = MainWndProc;
}

void cMainWnd::DeleteStageWnd() { m_lpStageWnd.reset(); }

void cMainWnd::CreateStageWindow()
{
    g_ProgramHooks.lpFindGame = FindGameProgram;
    g_ProgramHooks.lpDeactivate = [] { g_bAppActive = 0; };
    m_lpStageWnd.reset();
    m_lpStageWnd.reset(new cStageEditWnd(this, &g_WndList));
    m_lpStageWnd->Create(0, true);
}

void cMainWnd::RebuildStageWindow(WPARAM)
{
    Sleep(100);
    m_lpStageWnd.reset();
    // The stage stays open across the rebuild, unsaved changes included.
    g_EditState.InitKeepingStage();
    g_WorldCursor.Reset();
    CreateStageWindow();
    m_lpStageWnd->CreatePaletteWindows();
    if (m_lpStageWnd->GetHwnd()) SetFocus(m_lpStageWnd->GetHwnd());
}

void cMainWnd::RestoreWindows()
{
    if (m_hWnd) ShowWindow(m_hWnd, SW_RESTORE);
    g_bFocusRequest = 1;
    cStageEditWnd* lpStage = m_lpStageWnd.get();
    if (!lpStage) return;
    if (m_dwCurEditor == 1) {
        cWorldMapWnd* lpMap = lpStage->m_lpWorldMapWnd;
        if (lpMap && lpMap->GetHwnd() && lpMap->IsInitialized() && lpMap->m_bMinimized) {
            lpMap->ShowWindows();
            lpMap->m_bMinimized = 0;
        }
    } else if (lpStage->GetHwnd() && lpStage->IsInitialized() && lpStage->m_bMinimized) {
        lpStage->ShowWindows();
        lpStage->m_bMinimized = 0;
    }
}

void cMainWnd::OnActivateApp(WPARAM wParam, LPARAM lParam)
{
    g_bAppActive = static_cast<u32>(wParam);
    cStageEditWnd* lpStage = m_lpStageWnd.get();
    if (!lpStage || !lpStage->GetHwnd() || lParam == 0) return;
    if (wParam) {
        RestoreWindows();
        return;
    }
    // Minimised together: another application keeps them hidden.
    if (m_dwCurEditor == 0) {
        if (lpStage->IsInitialized() && lpStage->m_bMinimized) {
            lpStage->HideWindows();
            lpStage->m_bMinimized = 1;
            ShowWindow(m_hWnd, SW_MINIMIZE);
        }
    } else if (cWorldMapWnd* lpMap = lpStage->m_lpWorldMapWnd) {
        if (lpMap->IsInitialized() && lpMap->m_bMinimized) {
            lpMap->HideWindows();
            lpMap->m_bMinimized = 1;
            ShowWindow(m_hWnd, SW_MINIMIZE);
        }
    }
}

void cMainWnd::OnCopyData(const COPYDATASTRUCT* lpData)
{
    // dwData 0: the game program reports the end of a test play.
    if (!lpData || lpData->dwData != 0) return;
    if (!g_EditState.m_strStagePath.empty()) g_EditState.ResizeUndo(g_Stage, static_cast<s64>(GetFreePhysMemory()));
    if (m_lpStageWnd && m_lpStageWnd->GetHwnd()) SetActiveWindow(m_lpStageWnd->GetHwnd());
    g_EditState.m_bTestPlay = 0;
}

LRESULT cMainWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (!m_bFirstMessage) m_bFirstMessage = 1;
    switch (uMsg) {
    case WM_DESTROY:
        g_Thread.Stop();
        PostQuitMessage(0);
        return 0;
    case WM_MOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        return 0;
    case WM_CLOSE:
        if (ConfirmQuit(hWnd, false)) DestroyWindow(hWnd);
        return 0;
    case WM_ACTIVATEAPP:
        OnActivateApp(wParam, lParam);
        return 0;
    case WM_WINDOWPOSCHANGING:
        SendMessageA(hWnd, WM_ACTIVATEAPP, 1, 0);
        return 0;
    case WM_COPYDATA:
        OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_RESTORE && m_lpStageWnd && m_lpStageWnd->GetHwnd()) {
            RestoreWindows();
            return 0;
        }
        // Every other system command keeps the system's handling.
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    case WM_USER:
        RebuildStageWindow(wParam);
        return 0;
    default:
        return lResult == 0 ? DefWindowProcA(hWnd, uMsg, wParam, lParam) : 0;
    }
}
