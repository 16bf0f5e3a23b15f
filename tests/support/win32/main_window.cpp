#include "support/win32/main_window.h"

#include "data/project_data.h"
#include "editor/main_wnd.h"
#include "editor/message_loop.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_edit_wnd.h"

HWND CreateEditorWindows()
{
    static bool s_bRegistered = false;
    if (!s_bRegistered) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = MainWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kMainWindowClass;
        if (!RegisterClassExA(&wc)) return nullptr;
        s_bRegistered = true;
    }
    g_MainWnd.SetGeometry(640, 480, 100, 100, 640, 480, WS_POPUP | WS_OVERLAPPEDWINDOW, 0, 0, 0, 0);
    HWND hMain = CreateWindowExA(0, kMainWindowClass, "Tarvenol", 0, 9999, 9999, g_MainWnd.GetWndWidth(),
                                 g_MainWnd.GetWndHeight(), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hMain) return nullptr;
    g_MainWnd.Attach(0, nullptr, nullptr);
    g_MainWnd.CreateStageWindow();
    g_bAppActive = 0;
    if (!StageWnd() || !StageWnd()->GetHwnd()) return nullptr;
    StageWnd()->CreatePaletteWindows();
    return hMain;
}

void DestroyEditorWindows(HWND hMain)
{
    g_MainWnd.DeleteStageWnd();
    if (IsWindow(hMain)) DestroyWindow(hMain);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    g_bAppActive = 0;
}

void cEditorWindowsTest::SetUp()
{
    cWinTest::SetUp();
    g_Stage.New();
    g_EditConfig = cEditConfig();
    g_EditState.Init();
    m_hMain = CreateEditorWindows();
    ASSERT_TRUE(m_hMain);
}

void cEditorWindowsTest::TearDown()
{
    DestroyEditorWindows(m_hMain);
    g_EditState.Init();
    cWinTest::TearDown();
}

void cEditorWindowsTest::OpenStage(const char* lpPath)
{
    g_EditState.m_strStagePath = lpPath;
    g_EditState.m_bHasPath = 1;
    g_Stage.m_dwUndoDepth = 3;
    g_EditState.ResizeUndo(g_Stage, s64(1) << 40);
    Rebuild();
}

void cEditorWindowsTest::Rebuild()
{
    SendMessageA(m_hMain, WM_USER, 1, 0);
    ASSERT_TRUE(StageWnd() && StageWnd()->GetHwnd());
}
