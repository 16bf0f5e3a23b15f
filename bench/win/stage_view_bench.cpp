// A full redraw of the stage view: the 640 x 480 view of a 512 x 512 stage
// whose three layers are full (every cell holds a block, a chara and an
// item of the sample project's sheets, a tenth of them with a mark), drawn
// into the view's back surface and copied to a window, as the stage window
// redraws after every message. 200 redraws at places across the stage; the
// median and the worst, against half a frame at 60 frames a second (8 ms).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "bench_project.h"
#include "data/project_data.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_view.h"

namespace {

constexpr u32 kSize = 512;
constexpr int kRuns = 200;
constexpr double kTargetMs = 8.0;

template <class D>
D Entry(u16 wGraphic, u8 cKind, u32 n)
{
    D e;
    e.m_wGraphic = wGraphic;
    e.m_cGraphicKind = cKind;
    e.m_cIconShow = n % 10 == 0 ? 1 : 0;
    e.m_wIcon = static_cast<u16>(n % 30);
    return e;
}

void FillStage()
{
    g_Stage.SetSize(kSize, kSize, 0, 0);
    for (u32 y = 0, n = 0; y < kSize; ++y)
        for (u32 x = 0; x < kSize; ++x, ++n) {
            const u32 c = g_Stage.CellOf(x, y);
            g_Stage.m_vBlockGrid[c] = Entry<cEdBlock>(static_cast<u16>(n % 60 + 1), 0, n);
            cEdChara chara = Entry<cEdChara>(static_cast<u16>(n % 30 + 1), 1, n);
            chara.m_cFaceRight = static_cast<u8>(n % 2);
            g_Stage.m_vCharaGrid[c] = chara;
            g_Stage.m_vItemGrid[c] = Entry<cEdItem>(static_cast<u16>(n % 30 + 1), 2, n);
        }
}

}  // namespace

int main()
{
    std::string strFolder;
    char szStart[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof szStart, szStart);
    if (!OpenBenchProject("stage_view_bench", strFolder)) return 1;
    FillStage();
    g_EditState.m_bHasPath = 1;

    HWND hWnd = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    cSurface front, back;
    if (!hWnd || !front.AttachWindow(hWnd) || !back.Create(640, 480, 32, 0)) {
        printf("the view could not be made\n");
        return 1;
    }
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        cViewport view;
        view.nScrollX = (i * 37) % static_cast<int>(kSize - 20);
        view.nScrollY = (i * 53) % static_cast<int>(kSize - 15);
        g_EditState.m_Cursor = {view.nScrollX + 3, view.nScrollY + 4, 96, 128};
        const double dStart = NowMs();
        DrawStageView(back, view, false);
        front.Blt(0, 0, 640, 480, back, 0, 0, 1);
        GdiFlush();
        times.push_back(NowMs() - dStart);
    }
    std::sort(times.begin(), times.end());
    const double dMedian = times[times.size() / 2], dWorst = times.back();
    printf("stage view redraw, %u x %u stage, three full layers, %d redraws\n", kSize, kSize, kRuns);
    printf("median %8.2f ms  worst %8.2f ms  (target at most %.0f ms): %s\n", dMedian, dWorst, kTargetMs,
           dWorst <= kTargetMs ? "ok" : "over the target");
    DestroyWindow(hWnd);
    SetCurrentDirectoryA(szStart);
    DeleteFolderTree(strFolder);
    return 0;
}
