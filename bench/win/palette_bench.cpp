// A repaint of a palette window showing 240 icons: the stage block palette
// of the sample project grown to 240 entries, its window as tall as the
// screen allows (30 rows at most are painted), each repaint drawing every
// visible icon with its frames into the back surface and copying it to the
// window, as a click or a scroll does. 200 repaints; the median and the
// worst, against the target of 4 ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_project.h"
#include "data/project_data.h"
#include "editor/main_wnd.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/palette_wnd.h"
#include "stage_editor/stage_edit_wnd.h"
#include "support/win32/main_window.h"

namespace {

constexpr size_t kIcons = 240;
constexpr int kRuns = 200;
constexpr double kTargetMs = 4.0;

// Blocks of every sheet graphic, a tenth of them with a mark.
void FillStagePalette()
{
    std::vector<cEdBlock>& list = g_Stage.m_Palette.m_vBlock;
    list.resize(kIcons);
    for (size_t i = 1; i < kIcons; ++i) {
        list[i].m_wGraphic = static_cast<u16>(i % 60 + 1);
        list[i].m_cIconShow = i % 10 == 0 ? 1 : 0;
        list[i].m_wIcon = static_cast<u16>(i % 30);
    }
}

// The stage block palette placed at the screen's top, as tall as 30 rows.
void PlacePalette()
{
    cWndPos& place = g_EditConfig.m_WndPos[kPlacePalette + cStageEditWnd::kStageBlock];
    place.m_dwValid = 1;
    place.m_nX = 700;
    place.m_nY = 0;
    place.m_nHeight = 30 * 32;
    place.m_dwVisible = 1;
}

void Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int main()
{
    std::string strFolder;
    char szStart[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof szStart, szStart);
    if (!OpenBenchProject("palette_bench", strFolder)) return 1;
    FillStagePalette();
    g_EditState.Init();
    g_EditState.m_bHasPath = 1;
    g_EditState.m_nLayer = kLayerBlock;
    PlacePalette();
    HWND hMain = CreateEditorWindows();
    cPaletteWnd* lpPalette = hMain ? StageWnd()->Palette(cStageEditWnd::kStageBlock) : nullptr;
    if (!lpPalette || !lpPalette->GetHwnd()) {
        printf("the palette window could not be made\n");
        return 1;
    }
    Pump();
    // The icons' picture control: its height gives the rows painted.
    RECT rc = {};
    GetClientRect(GetDlgItem(lpPalette->GetHwnd(), 1006), &rc);
    g_EditState.m_nSelSide = 1;
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        g_EditState.m_nSelIndex = 1 + i % static_cast<int>(kIcons - 1);
        const double dStart = NowMs();
        lpPalette->Paint();
        GdiFlush();
        times.push_back(NowMs() - dStart);
        Pump();
    }
    std::sort(times.begin(), times.end());
    const double dMedian = times[times.size() / 2], dWorst = times.back();
    printf("palette window repaint, %zu icons in the list, view %ld x %ld (%ld rows shown), %d repaints\n",
           kIcons, rc.right, rc.bottom, std::min<long>(30, rc.bottom / 32 + 1), kRuns);
    printf("median %8.2f ms  worst %8.2f ms  (target at most %.0f ms): %s\n", dMedian, dWorst, kTargetMs,
           dMedian <= kTargetMs ? "ok" : "over the target");
    DestroyEditorWindows(hMain);
    SetCurrentDirectoryA(szStart);
    DeleteFolderTree(strFolder);
    return 0;
}
