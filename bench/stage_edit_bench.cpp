// The stage tools and their undo history on a 512 x 512 stage: a fill of the
// whole uniform block layer, a fill of a walled region of 1,000 cells, a
// rectangle of 1,000 cells and a pen stamp of one cell, each with its undo
// and redo. For each: the time, the time per changed cell, and the bytes the
// history holds against the size of the changed records. The history should
// cost as much as the cells changed: time per cell within 2x between the
// 1,000-cell fill and the whole layer, undo and redo of one cell under
// 0.1 ms, history bytes at most twice the changed records.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "data/stage.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/stage_tools.h"

namespace {

using tClock = std::chrono::steady_clock;
constexpr u32 kSize = 512;

double Seconds(const std::function<void()>& run)
{
    const auto t0 = tClock::now();
    run();
    return std::chrono::duration<double>(tClock::now() - t0).count();
}

cEdBlock Block(u16 wGraphic)
{
    cEdBlock b = EmptyCell<cEdBlock>();
    b.m_wGraphic = wGraphic;
    b.m_strName = "床";
    b.m_bbInherit.assign(cEdBlock::kInheritGroups, 0);
    return b;
}

struct cBench {
    cStage stage;
    cEditState state;
    cStageTools tools{state, stage};
    cViewport view;

    cBench()
    {
        stage.SetSize(kSize, kSize, 0, 0);
        stage.m_dwUndoDepth = 9;
        state.ResizeUndo(stage, s64(1) << 40);
        state.m_vPenBlock = {Block(2)};
    }
    // A press and release of the left button at a cell, the view scrolled
    // to it.
    void Click(s32 x, s32 y)
    {
        view = {x, y, 640, 480};
        cMouseInput in;
        in.nX = in.nY = 16;
        in.eMsg = eMouseMsg::LDown;
        in.bLeftHeld = true;
        tools.OnMouse(in, view);
        in.eMsg = eMouseMsg::LUp;
        in.bLeftHeld = false;
        tools.OnMouse(in, view);
    }
    void Drag(s32 x0, s32 y0, s32 x1, s32 y1)
    {
        view = {0, 0, 64 * 32, 64 * 32};
        cMouseInput in;
        in.eMsg = eMouseMsg::LDown;
        in.nX = x0 * 32 + 16, in.nY = y0 * 32 + 16;
        in.bLeftHeld = true;
        tools.OnMouse(in, view);
        in.eMsg = eMouseMsg::LUp;
        in.nX = x1 * 32 + 16, in.nY = y1 * 32 + 16;
        in.bLeftHeld = false;
        tools.OnMouse(in, view);
    }
};

struct cResult {
    const char* lpName;
    double dChange, dUndo, dRedo;
    size_t nCells, nHistory;
};

void Print(const cResult& r)
{
    const double dRecords = static_cast<double>(r.nCells) * sizeof(cEdBlock);
    std::printf("%-28s %9zu cells  change %9.3f ms (%7.1f ns/cell)  undo %9.3f ms  redo %9.3f ms  "
                "history %10zu bytes (%.2f x records)\n",
                r.lpName, r.nCells, r.dChange * 1e3, r.dChange * 1e9 / r.nCells, r.dUndo * 1e3, r.dRedo * 1e3,
                r.nHistory, r.nHistory / dRecords);
}

cResult Measure(const char* lpName, size_t nCells, const std::function<void(cBench&)>& prepare,
                const std::function<void(cBench&)>& change)
{
    cBench b;
    prepare(b);
    b.state.ClearUndo();
    cResult r{lpName, 0, 0, 0, nCells, 0};
    r.dChange = Seconds([&] { change(b); });
    b.state.m_Undo.Seal();
    r.nHistory = b.state.m_Undo.HistoryBytes();
    r.dUndo = Seconds([&] { b.state.Undo(b.stage); });
    r.dRedo = Seconds([&] { b.state.Redo(b.stage); });
    return r;
}

}  // namespace

int main()
{
    std::printf("stage %u x %u, block records of %zu bytes\n", kSize, kSize, sizeof(cEdBlock));
    const cResult full = Measure(
        "fill, whole layer", size_t(kSize) * kSize, [](cBench& b) { b.state.SetTool(kToolFill); },
        [](cBench& b) { b.Click(100, 100); });
    // A box of 40 x 25 cells inside a wall.
    const cResult region = Measure(
        "fill, walled 1,000 cells", 1000,
        [](cBench& b) {
            for (s32 x = 9; x <= 50; ++x) b.stage.m_vBlockGrid[b.stage.CellOf(x, 9)] = Block(9),
                                          b.stage.m_vBlockGrid[b.stage.CellOf(x, 35)] = Block(9);
            for (s32 y = 9; y <= 35; ++y) b.stage.m_vBlockGrid[b.stage.CellOf(9, y)] = Block(9),
                                          b.stage.m_vBlockGrid[b.stage.CellOf(50, y)] = Block(9);
            b.state.SetTool(kToolFill);
        },
        [](cBench& b) { b.Click(20, 20); });
    const cResult rect = Measure(
        "rectangle, 1,000 cells", 1000, [](cBench& b) { b.state.SetTool(kToolRect); },
        [](cBench& b) { b.Drag(0, 0, 39, 24); });
    Print(full);
    Print(region);
    Print(rect);

    // One cell, many times: the mean of each step.
    cBench b;
    constexpr int kReps = 2000;
    double dChange = 0, dUndo = 0, dRedo = 0;
    for (int i = 0; i < kReps; ++i) {
        dChange += Seconds([&] { b.Click(i % 500, (i / 500) * 3); });
        dUndo += Seconds([&] { b.state.Undo(b.stage); });
        dRedo += Seconds([&] { b.state.Redo(b.stage); });
    }
    b.state.ClearUndo();
    b.Click(7, 7);
    b.state.m_Undo.Seal();
    const cResult one{"pen, one cell (mean)", dChange / kReps, dUndo / kReps, dRedo / kReps, 1,
                      b.state.m_Undo.HistoryBytes()};
    Print(one);

    const double dRatio = (region.dChange / region.nCells) / (full.dChange / full.nCells);
    std::printf("\ntime per cell, 1,000-cell fill / whole-layer fill: %.2f (target within 2x)\n", dRatio);
    std::printf("undo / redo of one cell: %.4f / %.4f ms (target below 0.1 ms)\n", one.dUndo * 1e3, one.dRedo * 1e3);
    const double dWorst = std::max({full.nHistory / (full.nCells * double(sizeof(cEdBlock))),
                                    region.nHistory / (region.nCells * double(sizeof(cEdBlock))),
                                    rect.nHistory / (rect.nCells * double(sizeof(cEdBlock))),
                                    one.nHistory / double(sizeof(cEdBlock))});
    std::printf("history bytes per changed record bytes, worst: %.2f (target at most 2)\n", dWorst);
    return 0;
}
