// The placement tools on a stage: pen, line, rectangle and fill with their
// clipping and pattern alignment, the player rule, the right-button pick
// with its keys, the cursor mapping and drags outside the view, and the
// layer, tool and right-click setters of the edit state.
#include <gtest/gtest.h>

#include "stage_edit_test_util.h"

namespace {

class StageTools : public cEditTest {};

TEST_F(StageTools, PenStampsItsPatternClippedAtTheStageEdges)
{
    SetPen<cEdBlock>(2, 2, {Block(1), Block(2), Block(3), Block(4)});
    Click(19, 14);
    EXPECT_EQ(BlockAt(19, 14), 1) << "pattern element 0";
    size_t nPlaced = 0;
    for (const cEdBlock& b : m_Stage.m_vBlockGrid) nPlaced += b.IsEmpty() ? 0 : 1;
    EXPECT_EQ(nPlaced, 1u) << "the rest of the pen lies off the stage";

    Click(0, 0);
    EXPECT_EQ(BlockRows()[0].substr(0, 3), "12.");
    EXPECT_EQ(BlockRows()[1].substr(0, 3), "34.");
    // A drag stamps at every cell it passes while the button is held; each
    // press records one undo entry of all three layers.
    Mouse(eMouseMsg::LDown, 5, 5);
    Mouse(eMouseMsg::Move, 7, 5, false, true);
    Mouse(eMouseMsg::Move, 9, 5, false, false);
    Mouse(eMouseMsg::LUp, 9, 5);
    EXPECT_EQ(BlockRows()[5].substr(5, 6), "1212..");
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 3);
    EXPECT_EQ(m_State.m_bStageModified, 1u);
    ExpectQuiet();
}

TEST_F(StageTools, ShiftWritesEveryLayerFromItsOwnPen)
{
    m_State.SetLayer(kLayerItem);
    SetPen<cEdBlock>(1, 1, {Block(5)});
    SetPen<cEdChara>(1, 1, {Chara(6)});
    SetPen<cEdItem>(1, 1, {Item(7)});
    Click(3, 3);
    EXPECT_EQ(BlockAt(3, 3), 0);
    EXPECT_EQ(ItemAt(3, 3), 7);
    Click(4, 4, true);
    EXPECT_EQ(BlockAt(4, 4), 5);
    EXPECT_EQ(CharaAt(4, 4), 6);
    EXPECT_EQ(ItemAt(4, 4), 7);
    // A layer whose pen is smaller than the pattern index is left alone.
    SetPen<cEdChara>(2, 1, {Chara(8), Chara(9)});
    Click(10, 10, true);
    EXPECT_EQ(CharaAt(11, 10), 9);
    EXPECT_EQ(BlockAt(10, 10), 5);
    EXPECT_EQ(BlockAt(11, 10), 0);
}

TEST_F(StageTools, LineStepsFromCellCentresAndStopsAfter200Cells)
{
    m_State.SetTool(kToolLine);
    SetPen<cEdBlock>(3, 1, {Block(1), Block(2), Block(3)});
    DragLeft(0, 0, 5, 2);
    EXPECT_EQ(BlockRows()[0].substr(0, 7), "12.....");
    EXPECT_EQ(BlockRows()[1].substr(0, 7), "..31...");
    EXPECT_EQ(BlockRows()[2].substr(0, 7), "....23.");
    EXPECT_EQ(m_State.m_bDrag, 0u);
    EXPECT_EQ(m_Ui.nWait, 0) << "the wait cursor is taken back";

    std::vector<cCellPoint> cells;
    WalkLine({0, 0}, {2, 5}, 1, [&](s32 x, s32 y, s32) { cells.push_back({x, y}); });
    const s32 kSteep[][2] = {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}};
    ASSERT_EQ(cells.size(), std::size(kSteep));
    for (size_t i = 0; i < cells.size(); ++i) EXPECT_TRUE(cells[i].nX == kSteep[i][0] && cells[i].nY == kSteep[i][1]);

    Resize(300, 15);
    SetPen<cEdBlock>(1, 1, {Block(4)});
    Mouse(eMouseMsg::LDown, 0, 3);
    m_View.nScrollX = 280;
    Mouse(eMouseMsg::LUp, 299, 3);
    size_t nWritten = 0;
    for (u32 x = 0; x < 300; ++x) nWritten += BlockAt(x, 3) == 4 ? 1 : 0;
    EXPECT_EQ(nWritten, 200u);
    EXPECT_EQ(BlockAt(199, 3), 4);
    EXPECT_EQ(BlockAt(200, 3), 0);
}

TEST_F(StageTools, RectangleTilesThePenFromItsSmallerCorner)
{
    m_State.SetTool(kToolRect);
    SetPen<cEdBlock>(2, 2, {Block(1), Block(2), Block(3), Block(4)});
    DragLeft(5, 5, 2, 3);
    const std::vector<std::string> rows = BlockRows();
    EXPECT_EQ(rows[2].substr(0, 8), "........");
    EXPECT_EQ(rows[3].substr(0, 8), "..1212..");
    EXPECT_EQ(rows[4].substr(0, 8), "..3434..");
    EXPECT_EQ(rows[5].substr(0, 8), "..1212..");
    EXPECT_EQ(rows[6].substr(0, 8), "........");
    EXPECT_EQ(m_State.m_nRectWidth, 4);
    EXPECT_EQ(m_State.m_nRectHeight, 3);
    // Clipped at the right and bottom edges.
    DragLeft(18, 13, 25, 20);
    EXPECT_EQ(BlockRows()[13].substr(18), "12");
    EXPECT_EQ(BlockRows()[14].substr(18), "34");
}

TEST_F(StageTools, FillFloodsTheConnectedRegionWithThePatternAlignedToTheClick)
{
    Resize(20, 15);
    // A wall of 9 splits the stage; the fill stays on its side.
    for (u32 y = 0; y < 15; ++y) m_Stage.m_vBlockGrid[m_Stage.CellOf(8, y)] = Block(9);
    m_State.SetTool(kToolFill);
    SetPen<cEdBlock>(2, 1, {Block(1), Block(2)});
    Click(3, 4);
    for (const std::string& row : BlockRows()) {
        // Column 3 takes pattern column 0: odd columns 1, even ones 2.
        EXPECT_EQ(row.substr(0, 9), "21212121" "9");
        EXPECT_EQ(row.substr(9), "...........");
    }
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 1);
    ExpectQuiet();
}

TEST_F(StageTools, FillReachesEveryCellOfALargeWindingRegion)
{
    // A 300 x 300 stage: the whole layer is one region, and a comb of walls
    // makes a path thousands of cells long.
    Resize(300, 300);
    for (u32 x = 1; x < 300; x += 2)
        for (u32 y = 0; y < 299; ++y) m_Stage.m_vItemGrid[m_Stage.CellOf(x, (x / 2) % 2 ? y + 1 : y)] = Item(9);
    m_State.SetLayer(kLayerItem);
    m_State.SetTool(kToolFill);
    SetPen<cEdItem>(1, 1, {Item(3)});
    m_State.m_Cursor = {0, 0, 0, 0};
    cMouseInput down;
    down.eMsg = eMouseMsg::LDown;
    down.nX = down.nY = 16;
    m_Tools.OnMouse(down, m_View);
    size_t nFilled = 0, nEmpty = 0;
    for (u32 y = 0; y < 300; ++y)
        for (u32 x = 0; x < 300; ++x) {
            nFilled += ItemAt(x, y) == 3 ? 1 : 0;
            nEmpty += ItemAt(x, y) == 0 ? 1 : 0;
        }
    EXPECT_EQ(nEmpty, 0u) << "no part of the region is left unfilled";
    EXPECT_EQ(nFilled, 300u * 300 - 150 * 299);

    // A uniform layer fills whole too.
    m_State.SetLayer(kLayerBlock);
    SetPen<cEdBlock>(1, 1, {Block(2)});
    m_Tools.OnMouse(down, m_View);
    for (u32 y = 0; y < 300; ++y)
        for (u32 x = 0; x < 300; ++x) ASSERT_EQ(BlockAt(x, y), 2) << x << "," << y;
}

TEST_F(StageTools, FillRefusesAPlayerInTheCharaPenAndChangesNothing)
{
    m_State.SetLayer(kLayerChara);
    m_State.SetTool(kToolFill);
    SetPen<cEdChara>(2, 1, {Chara(3), Chara(4, 0)});
    const cStage before = m_Stage;
    Click(2, 2);
    ASSERT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_EQ(FakeHost().m_Messages[0].strText, "プレイヤーキャラは塗りつぶしモードで配置できません！");
    EXPECT_EQ(FakeHost().m_Messages[0].strTitle, "エラー");
    EXPECT_TRUE(SameGrids(before, m_Stage));
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 0) << "a refused fill keeps the redo history";
    EXPECT_EQ(m_Ui.nWait, 0);

    // A chara pen without records fills nothing and says nothing.
    m_State.m_vPenChara.clear();
    Click(2, 2);
    EXPECT_EQ(FakeHost().m_Messages.size(), 1u);
    EXPECT_TRUE(SameGrids(before, m_Stage));

    // Charas are filled in directly: a covered player is not moved away.
    m_Stage.m_vCharaGrid[m_Stage.CellOf(0, 0)] = Chara(7, 0);
    SetPen<cEdChara>(1, 1, {Chara(5)});
    Click(0, 0);
    EXPECT_EQ(CharaAt(0, 0), 5);
    EXPECT_EQ(CharaAt(1, 0), 0);
    EXPECT_FALSE(m_Stage.HasPlayer());
}

TEST_F(StageTools, PenPlacesCharasByThePlayerRule)
{
    m_State.SetLayer(kLayerChara);
    SetPen<cEdChara>(1, 1, {Chara(1, 0)});
    Click(5, 5);
    Click(7, 7);
    EXPECT_EQ(m_Stage.FindPlayer(), (cCellPos{7, 7})) << "the previous player is removed";
    EXPECT_EQ(CharaAt(5, 5), 0);
    SetPen<cEdChara>(1, 1, {Chara(2)});
    Click(7, 7);
    EXPECT_EQ(CharaAt(7, 7), 2);
    EXPECT_EQ(m_Stage.FindPlayer(), (cCellPos{0, 0})) << "the covered player moves to the first empty cell";
}

TEST_F(StageTools, RightClickPicksThePenAndShiftPicksEveryLayer)
{
    m_Stage.m_vBlockGrid[m_Stage.CellOf(2, 2)] = Block(1);
    m_Stage.m_vBlockGrid[m_Stage.CellOf(3, 3)] = Block(2);
    m_Stage.m_vCharaGrid[m_Stage.CellOf(3, 2)] = Chara(3);
    m_Stage.m_vItemGrid[m_Stage.CellOf(2, 3)] = Item(4);
    SetPen<cEdChara>(1, 1, {Chara(9)});
    SetPen<cEdItem>(1, 1, {Item(9)});

    Pick(3, 3, 2, 2);
    EXPECT_EQ(m_State.m_nPenWidth, 2);
    EXPECT_EQ(m_State.m_nPenHeight, 2);
    ASSERT_EQ(m_State.m_vPenBlock.size(), 4u);
    EXPECT_EQ(m_State.m_vPenBlock[0].m_wGraphic, 1);
    EXPECT_EQ(m_State.m_vPenBlock[3].m_wGraphic, 2);
    EXPECT_EQ(m_State.m_vPenChara[0].m_wGraphic, 9) << "without Shift only the current layer's pen changes";
    EXPECT_EQ(m_State.m_nCursorMode, kCursorPen);
    EXPECT_EQ(m_State.m_nSelIndex, -1);

    Pick(2, 2, 3, 3, true);
    ASSERT_EQ(m_State.m_vPenChara.size(), 4u);
    EXPECT_EQ(m_State.m_vPenChara[1].m_wGraphic, 3);
    EXPECT_EQ(m_State.m_vPenItem[2].m_wGraphic, 4);

    // A right click on an empty cell makes a one-cell pen that erases.
    Pick(9, 9, 9, 9);
    ASSERT_EQ(m_State.m_vPenBlock.size(), 1u);
    EXPECT_TRUE(m_State.m_vPenBlock[0].IsEmpty());
    Click(2, 2);
    EXPECT_EQ(BlockAt(2, 2), 0);

    // In right-click mode 1 a finished pick also makes the placed entry the
    // picked one.
    m_State.SetRightClickMode(1);
    Pick(9, 9, 3, 3);
    EXPECT_EQ(m_State.m_abPickValid[kLayerBlock], 1u);
    ASSERT_TRUE(m_State.m_spPickBlock);
    EXPECT_EQ(m_State.m_spPickBlock->m_wGraphic, 2);
    EXPECT_EQ(m_State.m_anPickIndex[kLayerBlock], -1);
    EXPECT_EQ(m_State.m_abPickCut[kLayerBlock], 0u);
}

TEST_F(StageTools, PickKeysCutClearAndFlip)
{
    for (u32 x = 2; x < 5; ++x) {
        m_Stage.m_vBlockGrid[m_Stage.CellOf(x, 2)] = Block(static_cast<u16>(x));
        m_Stage.m_vCharaGrid[m_Stage.CellOf(x, 2)] = Chara(static_cast<u16>(x + 10));
    }
    m_Stage.m_vCharaGrid[m_Stage.CellOf(4, 2)].m_bbInherit.assign(37, 0);
    m_Stage.m_vCharaGrid[m_Stage.CellOf(4, 2)].m_bbInherit[5] = 1;

    // Cut: the rectangle goes into the pen and is emptied; the pick ends.
    Mouse(eMouseMsg::RDown, 2, 2);
    Mouse(eMouseMsg::Move, 3, 2);
    EXPECT_TRUE(m_Tools.OnPickKey('D', false));
    EXPECT_EQ(BlockRows()[2].substr(0, 6), "....4.");
    EXPECT_EQ(CharaAt(2, 2), 12) << "only the current layer";
    ASSERT_EQ(m_State.m_vPenBlock.size(), 2u);
    EXPECT_EQ(m_State.m_vPenBlock[1].m_wGraphic, 3);
    EXPECT_EQ(m_State.m_nCursorMode, kCursorPen);
    Mouse(eMouseMsg::RUp, 3, 2);
    EXPECT_EQ(m_State.m_vPenBlock.size(), 2u) << "the release does nothing more";
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 1);
    EXPECT_FALSE(m_Tools.OnPickKey('Q', false)) << "no pick in progress";

    // Flip turns the facing of the charas whose facing isn't inherited.
    m_State.SetLayer(kLayerChara);
    Mouse(eMouseMsg::RDown, 2, 2);
    Mouse(eMouseMsg::Move, 4, 2);
    EXPECT_TRUE(m_Tools.OnPickKey(0x72, false));
    EXPECT_EQ(m_Stage.m_vCharaGrid[m_Stage.CellOf(2, 2)].m_cFaceRight, 1);
    EXPECT_EQ(m_Stage.m_vCharaGrid[m_Stage.CellOf(3, 2)].m_cFaceRight, 1);
    EXPECT_EQ(m_Stage.m_vCharaGrid[m_Stage.CellOf(4, 2)].m_cFaceRight, 0);
    // Delete with Shift empties every layer; the pick goes on and its
    // release copies the emptied rectangle into the pens.
    EXPECT_TRUE(m_Tools.OnPickKey('Q', true));
    EXPECT_EQ(CharaAt(3, 2), 0);
    EXPECT_EQ(BlockAt(4, 2), 0);
    Mouse(eMouseMsg::RUp, 4, 2, true);
    ASSERT_EQ(m_State.m_vPenChara.size(), 3u);
    EXPECT_TRUE(m_State.m_vPenChara[2].IsEmpty());
    EXPECT_EQ(m_State.m_Undo.GetUndoCount(), 3);
    EXPECT_EQ(m_State.m_bStageModified, 1u);
}

TEST_F(StageTools, CursorFollowsTheMouseInsideTheViewAndClampsOutside)
{
    Resize(40, 30);
    m_View = {10, 5, 640, 480};
    const struct {
        s32 x, y;
        bool bDrag;
        cEditCursor expected;
    } rows[] = {
        {0, 0, false, {10, 5, 0, 0}},
        {639, 479, false, {29, 19, 608, 448}},
        {100, 70, false, {13, 7, 96, 64}},
        {-50, 200, true, {10, 11, 0, 192}},     // left of the view during a drag
        {900, 900, true, {29, 19, 608, 448}},   // beyond it
        {-5, -5, false, {10, 5, 0, 0}},         // outside without a drag: kept
    };
    for (const auto& r : rows) {
        m_State.m_bDrag = r.bDrag ? 1 : 0;
        if (r.x == -5) m_State.m_Cursor = {10, 5, 0, 0};
        cMouseInput in;
        in.nX = r.x;
        in.nY = r.y;
        m_Tools.OnMouse(in, m_View);
        const cEditCursor& c = m_State.m_Cursor;
        EXPECT_TRUE(c.nX == r.expected.nX && c.nY == r.expected.nY && c.nPixelX == r.expected.nPixelX &&
                    c.nPixelY == r.expected.nPixelY)
            << r.x << "," << r.y << " -> " << c.nX << "," << c.nY << " " << c.nPixelX << "," << c.nPixelY;
    }
    // Cells past a small stage keep the cursor; outside, it is clamped to it.
    Resize(12, 10);
    m_View = {0, 0, 640, 480};
    m_State.m_Cursor = {1, 1, 32, 32};
    m_State.m_bDrag = 0;
    cMouseInput in;
    in.nX = 500;
    in.nY = 20;
    m_Tools.OnMouse(in, m_View);
    EXPECT_EQ(m_State.m_Cursor.nX, 1);
    m_Tools.UpdateCursor(900, 900, m_View);
    EXPECT_EQ(m_State.m_Cursor.nX, 11);
    EXPECT_EQ(m_State.m_Cursor.nY, 9);
}

TEST_F(StageTools, DragsOutsideTheViewExtendEndAndFinish)
{
    Resize(60, 40);
    m_State.SetTool(kToolRect);
    SetPen<cEdBlock>(1, 1, {Block(3)});
    Mouse(eMouseMsg::LDown, 18, 10);
    cFrameMouse m;
    m.nX = 700;  // right of the view
    m.nY = 10 * 32 + 5;
    m.bLeftHeld = true;
    EXPECT_TRUE(m_Tools.OnDragFrame(m, m_View));
    EXPECT_EQ(m_State.m_Cursor.nX, 19);
    EXPECT_EQ(m_State.m_nRectWidth, 2);
    m.bLeftHeld = false;
    m.bLeftReleased = true;
    EXPECT_TRUE(m_Tools.OnDragFrame(m, m_View));
    EXPECT_EQ(BlockAt(18, 10), 3);
    EXPECT_EQ(BlockAt(19, 10), 3);
    EXPECT_EQ(m_State.m_bDrag, 0u);
    EXPECT_FALSE(m_Tools.OnDragFrame(m, m_View)) << "no drag";

    // A new press outside ends the drag without drawing.
    Mouse(eMouseMsg::LDown, 5, 5);
    m = cFrameMouse();
    m.nX = -10;
    m.nY = 5 * 32;
    m.bLeftPressed = m.bLeftHeld = true;
    EXPECT_TRUE(m_Tools.OnDragFrame(m, m_View));
    EXPECT_EQ(m_State.m_bDrag, 0u);
    EXPECT_EQ(BlockAt(0, 5), 0);

    // A pick: a held button extends it, its release finishes it.
    m_Stage.m_vBlockGrid[m_Stage.CellOf(19, 3)] = Block(7);
    Mouse(eMouseMsg::RDown, 17, 3);
    m = cFrameMouse();
    m.nX = 800;
    m.nY = 3 * 32;
    m.bRightHeld = true;
    m_Tools.OnDragFrame(m, m_View);
    EXPECT_EQ(m_State.m_nPenWidth, 3);
    m.bRightHeld = false;
    m.bRightReleased = true;
    m_Tools.OnDragFrame(m, m_View);
    EXPECT_EQ(m_State.m_nCursorMode, kCursorRect);
    ASSERT_EQ(m_State.m_vPenBlock.size(), 3u);
    EXPECT_EQ(m_State.m_vPenBlock[2].m_wGraphic, 7);
}

TEST_F(StageTools, ParameterToolAndRightDoubleClickOpenTheEntryUnderTheCursor)
{
    m_State.SetTool(kToolParam);
    EXPECT_EQ(m_State.m_nCursorMode, kCursorCell);
    Click(3, 3);
    EXPECT_EQ(m_Ui.nOpenEntry, 1);
    Mouse(eMouseMsg::RDblClk, 3, 3);
    EXPECT_EQ(m_Ui.nOpenEntry, 2);

    // Which layer's entry: the current one first, then the others in turn.
    const struct {
        s32 nLayer;
        bool bBlock, bChara, bItem;
        s32 nExpected;
    } rows[] = {
        {kLayerBlock, true, true, true, kLayerBlock},   {kLayerBlock, false, true, true, kLayerChara},
        {kLayerBlock, false, false, true, kLayerItem},  {kLayerChara, true, false, true, kLayerItem},
        {kLayerChara, true, false, false, kLayerBlock}, {kLayerItem, true, true, false, kLayerChara},
        {kLayerItem, true, false, false, kLayerBlock},  {kLayerItem, false, false, false, -1},
    };
    for (const auto& r : rows) {
        const u32 c = m_Stage.CellOf(6, 6);
        m_Stage.m_vBlockGrid[c] = Block(r.bBlock ? 1 : 0);
        m_Stage.m_vCharaGrid[c] = Chara(r.bChara ? 1 : 0);
        m_Stage.m_vItemGrid[c] = Item(r.bItem ? 1 : 0);
        m_State.m_nLayer = r.nLayer;
        m_State.m_Cursor = {6, 6, 0, 0};
        EXPECT_EQ(m_Tools.EntryLayerAtCursor(), r.nExpected);
    }
}

TEST_F(StageTools, LayersKeepTheirPenSizeAndSelectionAndToolsTheirCursor)
{
    m_State.m_nPenWidth = 3;
    m_State.m_nPenHeight = 2;
    m_State.m_nSelIndex = 5;
    m_State.m_spPickBlock = std::make_shared<cEdBlock>();
    m_State.SwitchLayer(kLayerChara);
    EXPECT_EQ(m_State.m_nPrevLayer, kLayerBlock);
    EXPECT_EQ(m_State.m_nPenWidth, 1);
    EXPECT_EQ(m_State.m_nSelIndex, -1);
    EXPECT_FALSE(m_State.m_spPickBlock) << "a layer switch releases the picked entries";
    EXPECT_EQ(m_Ui.nLayer, 1);
    m_State.SetLayer(kLayerItem);
    EXPECT_EQ(m_State.m_nPrevLayer, kLayerBlock) << "SetLayer doesn't remember";
    m_State.SetLayer(kLayerBlock);
    EXPECT_EQ(m_State.m_nPenWidth, 3);
    EXPECT_EQ(m_State.m_nPenHeight, 2);
    EXPECT_EQ(m_State.m_nSelIndex, 5);

    const s32 kModes[kTools] = {kCursorPen, kCursorLine, kCursorRect, kCursorCell, kCursorCell};
    for (s32 t = 0; t < kTools; ++t) {
        m_State.SetTool(t);
        EXPECT_EQ(m_State.m_nCursorMode, kModes[t]);
    }

    // A rebuild of the stage window keeps the stage and its unsaved state.
    m_State.m_strStagePath = "data\\stg4\\a.stg4_950";
    m_State.m_bHasPath = m_State.m_bStageModified = m_State.m_bCommonModified = 1;
    m_State.InitKeepingStage();
    EXPECT_EQ(m_State.m_strStagePath, "data\\stg4\\a.stg4_950");
    EXPECT_EQ(m_State.m_bStageModified, 1u);
    EXPECT_EQ(m_State.m_bCommonModified, 1u);
    EXPECT_EQ(m_State.m_nTool, kToolPen);
    EXPECT_EQ(m_State.m_nPenWidth, 1);
    ASSERT_EQ(m_State.m_vPenChara.size(), 1u);
    EXPECT_TRUE(m_State.m_vPenChara[0].IsEmpty());
    m_State.Init();
    EXPECT_EQ(m_State.m_strStagePath, "");
    EXPECT_EQ(m_State.m_bHasPath | m_State.m_bStageModified | m_State.m_bCommonModified, 0u);
}

TEST_F(StageTools, ClearingLayersEmptiesWholeGrids)
{
    SetPen<cEdBlock>(1, 1, {Block(1)});
    SetPen<cEdChara>(1, 1, {Chara(2)});
    SetPen<cEdItem>(1, 1, {Item(3)});
    Click(1, 1, true);
    Click(19, 14, true);
    m_Tools.ClearLayers(kMaskChara);
    EXPECT_EQ(CharaAt(1, 1), 0);
    EXPECT_EQ(BlockAt(1, 1), 1);
    m_Tools.ClearLayers(kMaskAll);
    EXPECT_EQ(BlockAt(19, 14), 0);
    EXPECT_EQ(ItemAt(19, 14), 0);
    EXPECT_TRUE(SameGrid(m_Stage.m_vItemGrid, std::vector<cEdItem>(m_Stage.CellCount(), EmptyCell<cEdItem>())));
    // Undo brings them back one clear at a time.
    m_State.Undo(m_Stage);
    EXPECT_EQ(BlockAt(19, 14), 1);
    EXPECT_EQ(CharaAt(1, 1), 0);
    m_State.Undo(m_Stage);
    EXPECT_EQ(CharaAt(1, 1), 2);
}

}  // namespace
