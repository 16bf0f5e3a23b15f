// The stage settings' windowless rules: hidden widths, the memory figures
// and their texts in 64 bits, and the size change with its memory check,
// its wait message and a resize that fails without costing the stage.
#include <gtest/gtest.h>

#include "app/fatal.h"
#include "stage_edit_test_util.h"
#include "stage_editor/engine/stage_settings_rules.h"

namespace {

class StageSettings : public cEditTest {
protected:
    // An entry in the history, so that a clear shows.
    void RecordSomething()
    {
        m_Stage.m_dwUndoDepth = 3;
        m_State.ResizeUndo(m_Stage, s64(1) << 40);
        ASSERT_TRUE(m_State.m_Undo.Record(kMaskBlock, false));
        ASSERT_EQ(m_State.m_Undo.GetUndoCount(), 1);
    }
};

TEST_F(StageSettings, HiddenWidthsCutTheLimitsToTheStage)
{
    const struct {
        s32 w, h, l, r, t, b;
        cHiddenWidths want;
    } rows[] = {
        {100, 15, 95, 99, 0, 14, {80, 0, 0, 0}},
        {40, 30, 5, 30, 3, 20, {5, 9, 3, 9}},
        {20, 15, 50, 50, 50, 50, {0, 0, 0, 0}},
        {512, 512, 0, 19, 0, 14, {0, 492, 0, 497}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.w << " x " << r.h);
        const cHiddenWidths got = HiddenWidths(r.w, r.h, r.l, r.r, r.t, r.b);
        EXPECT_EQ(got.nLeft, r.want.nLeft);
        EXPECT_EQ(got.nRight, r.want.nRight);
        EXPECT_EQ(got.nTop, r.want.nTop);
        EXPECT_EQ(got.nBottom, r.want.nBottom);
    }
    EXPECT_EQ(HiddenWidthText(80), "隠れる幅 80(bl)");
}

TEST_F(StageSettings, MemoryFiguresOfTheLargestStageKeepTheirTextIn64Bits)
{
    const s64 nSnapshot = 512LL * 512 * cUndo::kSnapshotCellBytes;
    const s64 nFree = 5LL << 30;  // past 2^32
    const cStageMemory big = StageMemory(512, 512, 512, 512, nFree);
    EXPECT_EQ(big.nUse, 2 * nSnapshot);
    EXPECT_EQ(big.nLimit, nSnapshot + nFree);
    EXPECT_EQ(big.nUndoSteps, (nSnapshot + nFree - 2 * nSnapshot) / nSnapshot);
    EXPECT_EQ(StageMemoryText(big), "  1190400 KB\r\n  5838080 KB\r\n");
    EXPECT_EQ(UndoWarningText(9, big.nUndoSteps), "※元に戻せる回数 9 → 7");
    EXPECT_EQ(UndoWarningText(7, big.nUndoSteps), "") << "enough steps: no warning";

    // A width below the stride counts as its power of two; no free memory
    // gives no steps, never fewer.
    const cStageMemory small = StageMemory(20, 15, 20, 15, 0);
    EXPECT_EQ(small.nUse, 2 * 32 * 15 * cUndo::kSnapshotCellBytes);
    EXPECT_EQ(small.nUndoSteps, 0);
    EXPECT_EQ(UndoWarningText(3, small.nUndoSteps), "※元に戻せる回数 3 → 0");
}

TEST_F(StageSettings, SizeChangeRaisesToOneScreenAndMovesEntriesByTheDirections)
{
    m_Stage.SetSize(32, 32, 0, 0);
    m_Stage.m_vBlockGrid[m_Stage.CellOf(0, 0)] = Block(7);
    s32 w = 5, h = 10;
    EXPECT_EQ(ChangeStageSize(m_Stage, m_State.m_Undo, w, h, 0, 0, 0), eSizeChange::Resized)
        << "shrinking never asks for memory";
    EXPECT_EQ(w, 20);
    EXPECT_EQ(h, 15);
    EXPECT_EQ(m_Stage.m_dwWidth, 20u);
    EXPECT_EQ(m_Stage.m_dwHeight, 15u);
    ASSERT_EQ(FakeHost().m_WaitMessages.size(), 1u);
    EXPECT_EQ(FakeHost().m_WaitMessages[0].strText, "サイズを変更しています...");
    EXPECT_EQ(FakeHost().m_WaitMessages[0].strTitle, "ステージサイズの変更");
    EXPECT_EQ(FakeHost().m_nOpenWaitMessages, 0);

    w = 23;
    EXPECT_EQ(ChangeStageSize(m_Stage, m_State.m_Undo, w, h, 1, 0, s64(1) << 40), eSizeChange::Resized);
    EXPECT_EQ(m_Stage.m_vBlockGrid[m_Stage.CellOf(3, 0)].m_wGraphic, 7) << "new columns on the left";
    EXPECT_TRUE(FakeHost().m_Messages.empty());

    EXPECT_EQ(ChangeStageSize(m_Stage, m_State.m_Undo, w, h, 0, 0, 0), eSizeChange::Unchanged);
    EXPECT_EQ(FakeHost().m_WaitMessages.size(), 2u);
}

TEST_F(StageSettings, GrowingWithoutTheMemoryKeepsTheSize)
{
    RecordSomething();
    for (s32 nGrowW : {0, 1}) {
        s32 w = 20 + nGrowW, h = nGrowW ? 15 : 16;
        const s64 nRequired = 2 * cUndo::SnapshotSize(static_cast<u32>(w), static_cast<u32>(h));
        EXPECT_EQ(ChangeStageSize(m_Stage, m_State.m_Undo, w, h, 0, 0, nRequired - 1), eSizeChange::NoMemory);
        EXPECT_EQ(m_Stage.m_dwWidth, 20u);
        EXPECT_EQ(m_Stage.m_dwHeight, 15u);
    }
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 0) << "the history was released first";
    ASSERT_EQ(FakeHost().m_Messages.size(), 2u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "メモリ不足により、サイズの変更に失敗しました！");
    EXPECT_TRUE(FakeHost().m_WaitMessages.empty());
    s32 w = 20, h = 16;
    EXPECT_EQ(ChangeStageSize(m_Stage, m_State.m_Undo, w, h, 0, 0, 2 * cUndo::SnapshotSize(20, 16)),
              eSizeChange::Resized);
}

TEST_F(StageSettings, AFailedResizeLeavesTheStageAndTheEditorRunning)
{
    m_Stage.m_vCharaGrid[m_Stage.CellOf(4, 4)] = Chara(3);
    const cStage before = m_Stage;
    s32 w = 40, h = 30;
    const auto fail = [](cStage&, u32, u32, u32, u32) { return false; };
    EXPECT_EQ(ChangeStageSize(m_Stage, m_State.m_Undo, w, h, 0, 0, s64(1) << 40, fail), eSizeChange::Failed);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "サイズの変更に失敗しました！");
    EXPECT_EQ(FakeHost().m_nOpenWaitMessages, 0);
    EXPECT_FALSE(IsFatalError());
    EXPECT_EQ(FakeHost().m_nCloseRequests, 0);
    EXPECT_EQ(m_Stage.m_dwWidth, 20u);
    EXPECT_TRUE(SameGrids(m_Stage, before));
}

// The stage's own resize refuses a size it can't take with everything as it
// was: the grids, the geometry and the scroll limits.
TEST_F(StageSettings, RefusedStageResizeChangesNothing)
{
    m_Stage.SetSize(40, 30, 0, 0);
    m_Stage.m_vItemGrid[m_Stage.CellOf(39, 29)] = Item(5);
    m_Stage.m_anScrollLimit[kScrollRight] = 39;
    const cStage before = m_Stage;
    EXPECT_FALSE(m_Stage.SetSize(513, 30, 1, 1));
    EXPECT_EQ(m_Stage.m_dwWidth, 40u);
    EXPECT_EQ(m_Stage.m_dwStride, 64u);
    EXPECT_EQ(m_Stage.m_anScrollLimit[kScrollRight], 39);
    EXPECT_TRUE(SameGrids(m_Stage, before));
}

}  // namespace
