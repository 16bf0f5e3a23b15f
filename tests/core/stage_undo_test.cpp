// The undo history: counts and depth, layer masks, no entries during a test
// play, the memory rule in 64 bits with the lowered depth stored, whole
// records restored with their inheritance taken again, history bytes that
// follow the changed cells, and random editing compared step by step with
// whole-layer snapshots.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "app/log.h"
#include "data/inheritance.h"
#include "stage_edit_test_util.h"

namespace {

class StageUndo : public cEditTest {};

TEST_F(StageUndo, DepthBoundsTheHistoryAndCountsFollowEachStep)
{
    m_Stage.m_dwUndoDepth = 3;
    m_State.ResizeUndo(m_Stage, s64(1) << 40);
    const int nHistoryBefore = m_Ui.nHistory;
    for (u16 g = 1; g <= 5; ++g) {
        SetPen<cEdBlock>(1, 1, {Block(g)});
        Click(g, 0);
    }
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 3);
    EXPECT_GT(m_Ui.nHistory, nHistoryBefore) << "the buttons hear of each entry";
    EXPECT_EQ(BlockRows()[0].substr(0, 7), ".12345.");
    const char* const kAfterUndo[] = {".1234..", ".123...", ".12...."};
    for (const char* lpRow : kAfterUndo) {
        EXPECT_TRUE(m_State.Undo(m_Stage));
        EXPECT_EQ(BlockRows()[0].substr(0, 7), lpRow);
    }
    EXPECT_FALSE(m_State.Undo(m_Stage)) << "the oldest entries fell off";
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 0);
    EXPECT_EQ(m_State.m_Undo.GetRedoCount(), 3);

    EXPECT_TRUE(m_State.Redo(m_Stage));
    EXPECT_TRUE(m_State.Redo(m_Stage));
    EXPECT_EQ(BlockRows()[0].substr(0, 7), ".1234..");
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 2);
    EXPECT_EQ(m_State.m_Undo.GetRedoCount(), 1);
    EXPECT_EQ(m_State.m_bStageModified, 1u);

    // A new edit after an undo discards the redo history.
    Click(9, 9);
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 3);
    EXPECT_EQ(m_State.m_Undo.GetRedoCount(), 0);
    EXPECT_FALSE(m_State.Redo(m_Stage));
}

TEST_F(StageUndo, EntriesRestoreTheLayersOfTheirMask)
{
    // The pen records all three layers: with Shift it writes all three, and
    // one undo takes all three back.
    m_State.SetLayer(kLayerChara);
    SetPen<cEdBlock>(1, 1, {Block(1)});
    SetPen<cEdChara>(1, 1, {Chara(2)});
    SetPen<cEdItem>(1, 1, {Item(3)});
    Click(4, 4, true);
    ASSERT_EQ(BlockAt(4, 4) + CharaAt(4, 4) + ItemAt(4, 4), 6);
    m_State.Undo(m_Stage);
    EXPECT_EQ(BlockAt(4, 4) + CharaAt(4, 4) + ItemAt(4, 4), 0);

    // A fill records only its layer: a change to another layer under that
    // entry is not taken back.
    m_State.SetLayer(kLayerBlock);
    m_State.SetTool(kToolFill);
    Click(0, 0);
    m_State.m_Undo.Keep(m_Stage.m_vItemGrid, m_Stage.CellOf(1, 1));
    m_Stage.m_vItemGrid[m_Stage.CellOf(1, 1)] = Item(8);
    m_State.Undo(m_Stage);
    EXPECT_EQ(BlockAt(7, 7), 0);
    EXPECT_EQ(ItemAt(1, 1), 8);
}

TEST_F(StageUndo, NothingIsRecordedDuringATestPlayOrWithoutDepth)
{
    m_State.m_bTestPlay = 1;
    SetPen<cEdBlock>(1, 1, {Block(1)});
    Click(1, 1);
    EXPECT_EQ(BlockAt(1, 1), 1);
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 0);
    EXPECT_FALSE(m_State.Undo(m_Stage));
    EXPECT_EQ(BlockAt(1, 1), 1);

    m_State.m_bTestPlay = 0;
    m_Stage.m_dwUndoDepth = 0;
    m_State.ResizeUndo(m_Stage, s64(1) << 40);
    Click(2, 2);
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 0);
    EXPECT_FALSE(m_State.Undo(m_Stage));
}

TEST_F(StageUndo, MemoryRuleLowersTheDepthIn64BitsAndTheStageKeepsIt)
{
    EXPECT_EQ(cUndo::SnapshotSize(1024, 64), 152371200);
    EXPECT_EQ(cUndo::SnapshotSize(20, 15), 15 * 32 * 2325) << "the stride is raised to a power of two";
    const struct {
        s32 nDepth;
        u32 dwStride, dwHeight;
        s64 nFree;
        s32 nExpected;
    } rows[] = {
        {10, 1024, 64, 1000000000, 2},  // 3.2e9 needed: the sum overflows 32 bits
        {9, 32, 15, s64(1) << 40, 9},
        {9, 512, 512, 5000000000, 3},
        {9, 32, 15, 1000, 0},           // less than one snapshot
        {0, 32, 15, s64(1) << 40, 0},
        {-3, 32, 15, s64(1) << 40, -3}, // below 1: no history, depth left alone
    };
    for (const auto& r : rows) {
        cUndo undo;
        EXPECT_EQ(undo.SetDepth(r.nDepth, r.dwStride, r.dwHeight, r.nFree), r.nExpected) << r.nDepth << " " << r.nFree;
        EXPECT_EQ(undo.GetDepth(), std::max(r.nExpected, 0));
    }

    // The stage keeps the lowered depth; the debug flag shows it.
    InitErrLog(1, "EC_Editor.txt");
    m_Stage.m_dwUndoDepth = 9;
    m_State.ResizeUndo(m_Stage, cUndo::SnapshotSize(32, 15) * 5);
    EXPECT_EQ(m_Stage.m_dwUndoDepth, 2u);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "元に戻せる回数を 2回 に強制変更！");
    InitErrLog(0, "EC_Editor.txt");

    m_State.ResizeUndo(m_Stage, 100);
    EXPECT_EQ(m_Stage.m_dwUndoDepth, 0u);
    Click(3, 3);
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 0) << "undo and redo stay unavailable";
}

TEST_F(StageUndo, UndoRestoresWholeRecordsWithTheirInheritance)
{
    // A placed block inheriting its name from stage palette entry 1.
    m_Stage.m_Palette.m_vBlock.resize(2);
    m_Stage.m_Palette.m_vBlock[1] = Block(5);
    m_Stage.m_Palette.m_vBlock[1].m_strName = "旧";
    cEdBlock inherited = Block(5);
    inherited.m_cInheritKind = 2;
    inherited.m_wInheritIndex = 1;
    inherited.m_bbInherit.assign(cEdBlock::kInheritGroups, 0);
    inherited.m_bbInherit[0] = 1;
    inherited.m_strName = "旧";
    inherited.m_cBlockType = 2;
    SetPen<cEdBlock>(1, 1, {inherited});
    Click(2, 2);
    const cEdBlock placed = m_Stage.m_vBlockGrid[m_Stage.CellOf(2, 2)];

    SetPen<cEdBlock>(1, 1, {Block(6)});
    Click(2, 2);
    // The palette entry is renamed while the placed one is covered.
    m_Stage.m_Palette.m_vBlock[1].m_strName = "新";
    m_Stage.RefreshStageInheritBlocks();
    m_State.Undo(m_Stage);
    const cEdBlock& restored = m_Stage.m_vBlockGrid[m_Stage.CellOf(2, 2)];
    EXPECT_EQ(restored.m_strName, "新") << "the restored entry takes its inheritance again";
    EXPECT_EQ(restored.m_cBlockType, 2);
    cEdBlock expected = placed;
    expected.m_strName = "新";
    EXPECT_TRUE(SameRecord(restored, expected));

    // Undoing the first stamp gives the cell its empty record whole, so a
    // fill sees it as the empty cells around it.
    m_State.Undo(m_Stage);
    EXPECT_TRUE(SameRecord(m_Stage.m_vBlockGrid[m_Stage.CellOf(2, 2)], EmptyCell<cEdBlock>()));
    m_State.SetTool(kToolFill);
    SetPen<cEdBlock>(1, 1, {Block(7)});
    Click(0, 0);
    EXPECT_EQ(BlockAt(2, 2), 7);
    EXPECT_EQ(BlockAt(19, 14), 7);
}

TEST_F(StageUndo, UndoKeepsTheSinglePlayer)
{
    m_State.SetLayer(kLayerChara);
    SetPen<cEdChara>(1, 1, {Chara(1, 0)});
    Click(3, 3);
    SetPen<cEdChara>(1, 1, {Chara(2, 0)});
    Click(8, 8);
    ASSERT_EQ(m_Stage.FindPlayer(), (cCellPos{8, 8}));
    m_State.Undo(m_Stage);
    EXPECT_EQ(m_Stage.FindPlayer(), (cCellPos{3, 3})) << "the player placed first comes back";
    EXPECT_EQ(CharaAt(8, 8), 0);
    m_State.Redo(m_Stage);
    EXPECT_EQ(m_Stage.FindPlayer(), (cCellPos{8, 8}));
    EXPECT_EQ(CharaAt(3, 3), 0);
}

TEST_F(StageUndo, HistoryHoldsTheChangedCellsOnly)
{
    // One cell costs the same on the smallest and on the largest stage.
    auto oneCell = [this](u32 w, u32 h) {
        Resize(w, h);
        SetPen<cEdBlock>(1, 1, {Block(1)});
        Click(1, 1);
        m_State.m_Undo.Seal();
        return m_State.m_Undo.HistoryBytes();
    };
    const size_t nSmall = oneCell(20, 15);
    const size_t nLarge = oneCell(512, 512);
    EXPECT_EQ(nSmall, nLarge);
    EXPECT_LE(nSmall, 2 * sizeof(cEdBlock) + 256);

    // A 1,000-cell rectangle keeps at most twice its records' size, and
    // undo and redo keep that.
    m_State.SetTool(kToolRect);
    DragLeft(0, 0, 39, 24);
    m_State.m_Undo.Clear();
    DragLeft(0, 0, 39, 24);
    const size_t nRecords = 1000 * sizeof(cEdBlock);
    EXPECT_LE(m_State.m_Undo.HistoryBytes(), 2 * nRecords);
    m_State.Undo(m_Stage);
    m_State.Redo(m_Stage);
    EXPECT_LE(m_State.m_Undo.HistoryBytes(), 2 * nRecords);
}

// The history as whole-layer snapshots of the three grids: the reference
// that the changed-cells history must match after every undo and redo.
class cSnapshotHistory {
public:
    explicit cSnapshotHistory(size_t nDepth) : m_nDepth(nDepth) {}

    void Record(u32 dwMask, const cStage& s)
    {
        Push(m_Undo, dwMask, s);
        m_Redo.clear();
    }
    // The stage after an undo (redo) of the current one.
    bool Undo(cStage& s) { return Move(m_Undo, m_Redo, s); }
    bool Redo(cStage& s) { return Move(m_Redo, m_Undo, s); }

private:
    struct cSlot {
        u32 dwMask;
        cStage grids;
    };
    void Push(std::deque<cSlot>& to, u32 dwMask, const cStage& s)
    {
        to.push_front({dwMask, s});
        if (to.size() > m_nDepth) to.pop_back();
    }
    bool Move(std::deque<cSlot>& from, std::deque<cSlot>& to, cStage& s)
    {
        if (from.empty()) return false;
        const cSlot slot = from.front();
        from.pop_front();
        Push(to, slot.dwMask, s);
        if (slot.dwMask & kMaskBlock) s.m_vBlockGrid = slot.grids.m_vBlockGrid;
        if (slot.dwMask & kMaskChara) s.m_vCharaGrid = slot.grids.m_vCharaGrid;
        if (slot.dwMask & kMaskItem) s.m_vItemGrid = slot.grids.m_vItemGrid;
        s.KeepSinglePlayer();
        return true;
    }

    size_t m_nDepth;
    std::deque<cSlot> m_Undo, m_Redo;
};

TEST_F(StageUndo, RandomEditingMatchesWholeLayerSnapshots)
{
    Resize(7, 5);
    m_Stage.m_dwUndoDepth = 4;
    m_State.ResizeUndo(m_Stage, s64(1) << 40);
    cSnapshotHistory reference(4);
    std::mt19937 rng(17);
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto cellX = [&] { return pick(7); };
    auto cellY = [&] { return pick(5); };
    const u16 kGraphics[] = {0, 1, 2};
    auto randomPen = [&] {
        const s32 w = 1 + pick(3), h = 1 + pick(2);
        std::vector<cEdBlock> b;
        std::vector<cEdChara> c;
        std::vector<cEdItem> i;
        for (s32 k = 0; k < w * h; ++k) {
            b.push_back(Block(kGraphics[pick(3)]));
            c.push_back(Chara(kGraphics[pick(3)], pick(6) == 0 ? 0 : 1));
            i.push_back(Item(kGraphics[pick(3)]));
        }
        SetPen<cEdBlock>(w, h, b);
        SetPen<cEdChara>(w, h, c);
        SetPen<cEdItem>(w, h, i);
    };
    size_t nUndos = 0;
    for (int nStep = 0; nStep < 3000; ++nStep) {
        SCOPED_TRACE(nStep);
        m_State.SetLayer(pick(3));
        const bool bShift = pick(3) == 0;
        const u32 dwLayerMask = bShift ? kMaskAll : MaskOfLayer(m_State.m_nLayer);
        switch (pick(8)) {
        case 0:
        case 1:
            randomPen();
            m_State.SetTool(kToolPen);
            reference.Record(kMaskAll, m_Stage);
            DragLeft(cellX(), cellY(), cellX(), cellY(), bShift);
            break;
        case 2:
            randomPen();
            m_State.SetTool(pick(2) ? kToolRect : kToolLine);
            reference.Record(dwLayerMask, m_Stage);
            DragLeft(cellX(), cellY(), cellX(), cellY(), bShift);
            break;
        case 3: {
            randomPen();
            m_State.SetTool(kToolFill);
            const std::vector<cEdChara>& pen = m_State.m_vPenChara;
            const bool bRefused = m_State.m_nLayer == kLayerChara &&
                                  std::any_of(pen.begin(), pen.end(), [](const cEdChara& c) { return !c.IsEmpty() && c.m_cControl == 0; });
            if (!bRefused) reference.Record(MaskOfLayer(m_State.m_nLayer), m_Stage);
            Click(cellX(), cellY());
            break;
        }
        case 4: {
            Mouse(eMouseMsg::RDown, cellX(), cellY(), bShift);
            Mouse(eMouseMsg::Move, cellX(), cellY(), bShift);
            reference.Record(dwLayerMask, m_Stage);
            m_Tools.OnPickKey("DQR"[pick(3)], bShift);
            Mouse(eMouseMsg::RUp, m_State.m_Cursor.nX, m_State.m_Cursor.nY, bShift);
            break;
        }
        case 5:
            reference.Record(dwLayerMask, m_Stage);
            m_Tools.ClearLayers(dwLayerMask);
            break;
        case 6: {
            cStage expected = m_Stage;
            const bool bDone = reference.Undo(expected);
            ASSERT_EQ(m_State.Undo(m_Stage), bDone);
            nUndos += bDone ? 1 : 0;
            ASSERT_TRUE(SameGrids(expected, m_Stage));
            break;
        }
        default: {
            cStage expected = m_Stage;
            const bool bDone = reference.Redo(expected);
            ASSERT_EQ(m_State.Redo(m_Stage), bDone);
            ASSERT_TRUE(SameGrids(expected, m_Stage));
            break;
        }
        }
    }
    EXPECT_GT(nUndos, 100u);
    FakeHost().m_Messages.clear();
}

}  // namespace
