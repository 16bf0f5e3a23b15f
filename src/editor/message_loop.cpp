#include "editor/message_loop.h"

#include <windows.h>

#include "app/window_rules.h"
#include "editor/main_wnd.h"
#include "database_editor/database_dlg.h"
#include "framework/wnd_list.h"
#include "stage_editor/palette_wnd.h"
#include "stage_editor/stage_edit_wnd.h"
#include "world_map/world_map_wnd.h"

u32 g_bAppActive = 0;
u32 g_bFocusRequest = 0;

namespace {

cFixedRateGate g_FrameGate;

void GiveBackFocus(cStageEditWnd* lpStage)
{
    if (!g_bFocusRequest) return;
    g_bFocusRequest = 0;
    if (g_MainWnd.GetCurEditor() == 0) {
        if (lpStage->GetHwnd()) SetFocus(lpStage->GetHwnd());
    } else if (lpStage->m_lpWorldMapWnd && lpStage->m_lpWorldMapWnd->GetHwnd()) {
        SetFocus(lpStage->m_lpWorldMapWnd->GetHwnd());
    }
}

// The open data windows of the palettes step their current page.
void StepDataWindows(cStageEditWnd* lpStage)
{
    for (cPaletteWnd* lpPalette : lpStage->m_lpPalette)
        if (lpPalette && lpPalette->m_lpDataWnd) lpPalette->m_lpDataWnd->StepCurPage();
}

void DrawPalettes(cStageEditWnd* lpStage)
{
    static const int kOrder[] = {
        cStageEditWnd::kStageBlock, cStageEditWnd::kCommonBlock, cStageEditWnd::kStageChara,
        cStageEditWnd::kCommonChara, cStageEditWnd::kStageItem, cStageEditWnd::kCommonItem,
    };
    for (int n : kOrder)
        if (lpStage->m_lpPalette[n]) lpStage->m_lpPalette[n]->OnDraw();
}

}  // namespace

bool FixedRateGate(u32 nRate) { return g_FrameGate.Open(timeGetTime(), nRate); }

bool FrameTick()
{
    cStageEditWnd* lpStage = StageWnd();
    if (!lpStage) {
        // Nothing to update yet: sleep until the next message.
        WaitMessage();
        return true;
    }
    if (lpStage->DatabaseWnd() && lpStage->DatabaseWnd()->IsAnimatedPageShown()) {
        while (!FixedRateGate(60)) Sleep(1);
    } else {
        WaitMessage();
    }
    if (g_bAppActive) {
        RECT rc = {};
        GetClientRect(GetDesktopWindow(), &rc);
        if (rc.right - rc.left == 640 && rc.bottom - rc.top == 480) {
            g_bAppActive = 0;
            return true;
        }
    }
    GiveBackFocus(lpStage);
    g_WndList.ForEachWnd([](cWndBase* lpWnd) { lpWnd->OnFrame(); });
    // A per-frame update may have rebuilt or closed windows.
    lpStage = StageWnd();
    if (!lpStage) return true;
    StepDataWindows(lpStage);
    if (lpStage->DatabaseWnd()) lpStage->DatabaseWnd()->StepFrame(1);
    DrawPalettes(lpStage);
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            if (g_WndList.PreTranslate(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        if (!g_bAppActive) {
            WaitMessage();
        } else if (!FrameTick()) {
            return 0;
        }
    }
}
