// Rules of the stage window without a window: the wheel, the start-up view
// origin, the menu and toolbar states, the chara groups in use, the undo
// depth of the stage options, the save questions, and the entry icon
// painter's rectangles.
#include <gtest/gtest.h>

#include <algorithm>

#include "stage_edit_test_util.h"
#include "stage_editor/engine/icon_rects.h"
#include "stage_editor/engine/save_questions.h"
#include "stage_editor/engine/view_rules.h"

namespace {

class StageViewRules : public cStageTest {};

TEST_F(StageViewRules, WheelScrollsByItsNotchesAlongTheModesAxis)
{
    const struct {
        u16 wDelta;
        u32 dwMode;
        bool bCtrl;
        s32 nDx, nDy;
    } rows[] = {
        {120, 0, false, -1, 0},
        {360, 0, false, -3, 0},
        {1080, 1, false, 0, -9},
        {static_cast<u16>(-120), 0, false, 1, 0},   // a backward turn: one cell whatever its size
        {static_cast<u16>(-1200), 1, false, 0, 1},
        {1200, 0, false, 1, 0},                       // 10 notches count as backward
        {120, 0, true, 0, -1},                        // Ctrl turns the axis
        {120, 1, true, -1, 0},
        {120, 2, false, 0, 0},                        // other modes don't scroll
        {60, 0, false, 0, 0},
    };
    for (const auto& r : rows) {
        const cScrollStep s = WheelScroll(r.wDelta, r.dwMode, r.bCtrl);
        EXPECT_EQ(s.nDx, r.nDx) << r.wDelta << " mode " << r.dwMode << " ctrl " << r.bCtrl;
        EXPECT_EQ(s.nDy, r.nDy) << r.wDelta << " mode " << r.dwMode << " ctrl " << r.bCtrl;
    }
}

TEST_F(StageViewRules, StartOriginCentresThePlayerInsideTheStage)
{
    const struct {
        u32 px, py, w, h;
        s32 x, y;
    } rows[] = {
        {3, 2, 20, 15, 0, 0},
        {100, 50, 200, 60, 90, 43},
        {199, 59, 200, 60, 180, 45},
        {5, 5, 10, 8, 0, 0},    // a stage smaller than the view starts at 0
        {30, 3, 40, 12, 20, 0},
    };
    for (const auto& r : rows) {
        const cCellPoint p = StartOrigin({r.px, r.py}, r.w, r.h);
        EXPECT_EQ(p.nX, r.x) << r.px << "," << r.py << " on " << r.w << "x" << r.h;
        EXPECT_EQ(p.nY, r.y) << r.px << "," << r.py << " on " << r.w << "x" << r.h;
    }
}

const cCommandState* Find(const std::vector<cCommandState>& states, u16 wId)
{
    auto it = std::find_if(states.begin(), states.end(), [wId](const cCommandState& s) { return s.wId == wId; });
    return it == states.end() ? nullptr : &*it;
}

TEST_F(StageViewRules, MenuAndToolbarFollowTheStageTheLayerAndTheCounts)
{
    cEditorState none;
    none.nUndo = 2;  // a history without a stage still enables nothing
    std::vector<cCommandState> menu = MenuStates(none);
    for (u16 wId : {kCmdNewStage, kCmdOpenStage, kCmdSaveCommon, kCmdDatabase, kCmdWorldMap, kCmdSystem,
                    kCmdProjectOptions, kCmdTestPlayGame, kCmdBitmapTool, kCmdClearAll, kCmdShowCommon, kCmdShowStage,
                    kCmdShowGroups}) {
        ASSERT_TRUE(Find(menu, wId)) << wId;
        EXPECT_TRUE(Find(menu, wId)->bEnabled) << wId;
    }
    for (u16 wId : {kCmdCloseStage, kCmdSaveAs, kCmdSave, kCmdUndo, kCmdRedo, kCmdLayerBlock, kCmdLayerChara,
                    kCmdLayerItem, kCmdClearBlocks, kCmdClearCharas, kCmdClearItems, kCmdStageSettings,
                    kCmdLoadPalette, kCmdSavePalette, kCmdStageOptions, kCmdTestPlay}) {
        ASSERT_TRUE(Find(menu, wId)) << wId;
        EXPECT_FALSE(Find(menu, wId)->bEnabled) << wId;
    }
    std::vector<cCommandState> bar = ToolbarStates(none);
    ASSERT_EQ(bar.size(), 10u);
    for (const cCommandState& s : bar) {
        const bool bAlways = s.wId == kCmdNewStage || s.wId == kCmdOpenStage || s.wId == kToolTestPlayGame;
        EXPECT_EQ(s.bEnabled, bAlways) << s.wId;
        EXPECT_FALSE(s.bChecked) << s.wId;
    }

    cEditorState open;
    open.bStageOpen = true;
    open.nLayer = kLayerChara;
    open.nUndo = 1;
    open.bStageShown = true;
    menu = MenuStates(open);
    EXPECT_TRUE(Find(menu, kCmdUndo)->bEnabled);
    EXPECT_FALSE(Find(menu, kCmdRedo)->bEnabled);
    EXPECT_TRUE(Find(menu, kCmdLayerChara)->bChecked);
    EXPECT_FALSE(Find(menu, kCmdLayerBlock)->bChecked);
    EXPECT_TRUE(Find(menu, kCmdShowStage)->bChecked);
    EXPECT_FALSE(Find(menu, kCmdShowCommon)->bChecked);
    EXPECT_TRUE(Find(menu, kCmdStageOptions)->bEnabled);
    bar = ToolbarStates(open);
    EXPECT_EQ(*Find(bar, kToolLayerChara), (cCommandState{kToolLayerChara, true, true}));
    EXPECT_EQ(*Find(bar, kToolLayerItem), (cCommandState{kToolLayerItem, true, false}));
    EXPECT_EQ(*Find(bar, kCmdUndo), (cCommandState{kCmdUndo, true, false}));
    EXPECT_EQ(*Find(bar, kCmdRedo), (cCommandState{kCmdRedo, false, false}));
    EXPECT_TRUE(Find(bar, kToolTestPlay)->bEnabled);
}

TEST_F(StageViewRules, GroupMarksCountInUseCharasOfGroupsInRange)
{
    cStage s;
    EXPECT_EQ(UsedCharaGroups(s), (std::array<bool, kCharaGroups>{}));
    auto put = [&s](u32 x, u32 y, u16 wGraphic, u8 cHas, u16 wGroup) {
        cEdChara c = Chara(wGraphic);
        c.m_cHasGroup = cHas;
        c.m_wGroupNo = wGroup;
        s.m_vCharaGrid[s.CellOf(x, y)] = c;
    };
    put(1, 1, 3, 1, 12);
    put(2, 1, 3, 1, 59);
    put(3, 1, 3, 1, 60);       // outside 0..59
    put(4, 1, 3, 1, 0xFFFF);   // -1 as stored
    put(5, 1, 0, 1, 7);        // an empty cell's leftovers
    put(6, 1, 3, 0, 8);        // no group
    std::array<bool, kCharaGroups> expected = {};
    expected[12] = expected[59] = true;
    EXPECT_EQ(UsedCharaGroups(s), expected);

    EXPECT_EQ(GroupCheckId(0), 1453);
    EXPECT_EQ(GroupCheckId(1), 1413);
    EXPECT_EQ(GroupCheckId(12), 1424);
    EXPECT_EQ(GroupCheckId(40), 1452);
    EXPECT_EQ(GroupCheckId(41), 1454);
    EXPECT_EQ(GroupCheckId(59), 1472);
}

TEST_F(StageViewRules, StageOptionsDepthChangeNeedsMemoryOnlyToGrow)
{
    const s64 s = cUndo::SnapshotSize(32, 15);
    const struct {
        s32 nOld, nNew;
        s64 nFree;
        cDepthChange expected;
    } rows[] = {
        {1, 9, s64(1) << 40, {9, true, false}},
        {5, 2, 0, {2, true, false}},
        {3, 3, 0, {3, false, false}},
        {1, 9, s * 16 - 1, {1, false, true}},
        {1, 9, s * 16, {9, true, false}},
        {0, 9, 1024 * s64(1000000000), {9, true, false}},
    };
    for (const auto& r : rows) {
        const cDepthChange d = DecideDepthChange(r.nOld, r.nNew, s, r.nFree);
        EXPECT_EQ(d.nDepth, r.expected.nDepth) << r.nOld << "->" << r.nNew;
        EXPECT_EQ(d.bResize, r.expected.bResize) << r.nOld << "->" << r.nNew;
        EXPECT_EQ(d.bRefused, r.expected.bRefused) << r.nOld << "->" << r.nNew;
    }
}

TEST_F(StageViewRules, SaveQuestionsKeepTheEditorOpenUnlessTheWorkIsSafe)
{
    const char* const kStageQ = "ステージが変更された可能性があります。\n保存しますか？";
    const char* const kCommonQ = "コモンパレットが変更された可能性があります。\n保存しますか？";
    const struct {
        const char* lpWhat;
        u32 bStage, bCommon;
        std::vector<int> answers;
        bool bStageSaves, bCommonSaves;
        bool bResult;
        std::vector<const char*> questions;
        u32 bStageAfter, bCommonAfter;
        int nStageSaves, nCommonSaves;
    } rows[] = {
        {"nothing modified", 0, 0, {}, true, true, true, {}, 0, 0, 0, 0},
        {"cancel the stage", 1, 1, {kIdCancel}, true, true, false, {kStageQ}, 1, 1, 0, 0},
        {"no, then cancel the palette", 1, 1, {kIdNo, kIdCancel}, true, true, false, {kStageQ, kCommonQ}, 1, 1, 0, 0},
        {"yes to both", 1, 1, {kIdYes, kIdYes}, true, true, true, {kStageQ, kCommonQ}, 0, 0, 1, 1},
        {"a failed stage save", 1, 1, {kIdYes}, false, true, false, {kStageQ}, 1, 1, 1, 0},
        {"a failed palette save", 0, 1, {kIdYes}, true, false, false, {kCommonQ}, 0, 1, 0, 1},
        {"no to both", 1, 1, {kIdNo, kIdNo}, true, true, true, {kStageQ, kCommonQ}, 1, 1, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        FakeHost().Reset();
        FakeHost().m_Answers.assign(r.answers.begin(), r.answers.end());
        cEditState state;
        state.m_bHasPath = 1;
        state.m_bStageModified = r.bStage;
        state.m_bCommonModified = r.bCommon;
        int nStage = 0, nCommon = 0;
        const bool bResult = AskSaveOnClose(
            nullptr, state, [&] { ++nStage; return r.bStageSaves; }, [&] { ++nCommon; return r.bCommonSaves; });
        EXPECT_EQ(bResult, r.bResult);
        ASSERT_EQ(FakeHost().m_Messages.size(), r.questions.size());
        for (size_t i = 0; i < r.questions.size(); ++i) {
            EXPECT_EQ(FakeHost().m_Messages[i].strText, r.questions[i]);
            EXPECT_EQ(FakeHost().m_Messages[i].strTitle, "保存確認");
            EXPECT_EQ(FakeHost().m_Messages[i].uType, static_cast<u32>(kMbYesNoCancel));
        }
        EXPECT_EQ(state.m_bStageModified, r.bStageAfter);
        EXPECT_EQ(state.m_bCommonModified, r.bCommonAfter);
        EXPECT_EQ(nStage, r.nStageSaves);
        EXPECT_EQ(nCommon, r.nCommonSaves);
    }
    // Without an open stage its flag asks nothing.
    FakeHost().Reset();
    cEditState closed;
    closed.m_bStageModified = 1;
    EXPECT_TRUE(AskSaveStage(nullptr, closed, [] { return false; }));
    EXPECT_TRUE(FakeHost().m_Messages.empty());
}

class IconRects : public cStageTest {
protected:
    IconRects()
    {
        m_AnimeSets.resize(2);
        m_AnimeSets[1].m_dwInvincibleOffset = 4;
        m_AnimeSets[1].m_dwBlockOffset = 8;
        m_AnimeSets[1].m_dwFlyOffset = 16;
        m_Src.lpAnimeSets = &m_AnimeSets;
        m_Src.dwSpecialBitmaps = 3;
        m_Src.vSpecialWidth = {0, 0, 128, 128, 0, 64};
    }
    static cIconBlit Copy(eIconSource e, s32 nSheet, s32 sx, s32 sy, s32 sw, s32 sh, s32 dx, s32 dy, s32 dw, s32 dh)
    {
        cIconBlit b;
        b.eSource = e;
        b.nSheet = nSheet;
        b.nSrcX = sx, b.nSrcY = sy, b.nSrcW = sw, b.nSrcH = sh;
        b.nDstX = dx, b.nDstY = dy, b.nDstW = dw, b.nDstH = dh;
        return b;
    }
    static std::vector<cIconBlit> List(const cIconBlits& b) { return std::vector<cIconBlit>(b.begin(), b.end()); }

    std::vector<cEdAnimeSet> m_AnimeSets;
    cIconSources m_Src;
};

TEST_F(IconRects, EachGraphicKindTakesItsCellOfItsSheet)
{
    const eIconSource S = eIconSource::Slot;
    cEdBlock block = Block(17);
    EXPECT_EQ(List(BlockIconBlits(block, 64, 96, false, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 1, 32, 64, 32, 32, 64, 96, 32, 32)}));
    // At half size a corner marker, 16 x 16 at (x + 16, y).
    EXPECT_EQ(List(BlockIconBlits(block, 0, 0, true, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 1, 32, 64, 32, 32, 16, 0, 16, 16)}));

    // A block of chara graphics, frame 23 and number 16: the right-facing
    // sheet of the second group, column 3.
    block = Block(16);
    block.m_cGraphicKind = 1;
    block.m_wFrame = 23;
    EXPECT_EQ(List(BlockIconBlits(block, 0, 0, false, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 5, 96, 32, 32, 32, 0, 0, 32, 32)}));

    // A chara: its facing picks the sheet, its anime set's offsets move the
    // column.
    cEdChara chara = Chara(31);
    chara.m_cGraphicKind = 1;
    chara.m_sGraphicOffset = 2;
    chara.m_wAnimeSet = 1;
    chara.m_cFaceRight = 1;
    chara.m_cInvincible = chara.m_cFly = 1;
    EXPECT_EQ(List(CharaIconBlits(chara, 0, 0, false, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 2 + 1 + 4, (2 + 4 + 16) * 32, 32, 32, 32, 0, 0, 32, 32)}));

    cEdItem item = Item(20);
    item.m_cGraphicKind = 2;
    EXPECT_EQ(List(ItemIconBlits(item, 0, 0, false, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 18, 64, 160, 32, 32, 0, 0, 32, 32)}));
    EXPECT_EQ(List(ItemIconBlits(item, 0, 0, true, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 19, 32, 80, 16, 16, 16, 0, 16, 16)}));

    // Small icons: 30 to a column, 16 x 16 in the middle of the cell.
    item.m_cGraphicKind = 3;
    item.m_wGraphic = 31;
    EXPECT_EQ(List(ItemIconBlits(item, 0, 0, false, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 20, 32, 16, 16, 16, 8, 8, 16, 16)}));
    EXPECT_EQ(List(ItemIconBlits(item, 0, 0, true, m_Src)),
              (std::vector<cIconBlit>{Copy(S, 20, 32, 16, 16, 16, 20, 4, 8, 8)}));
    chara.m_cGraphicKind = 3;
    EXPECT_EQ(List(CharaIconBlits(chara, 0, 0, false, m_Src))[0].nSheet, 21);

    // Special bitmaps: 2 x number + facing, frames laid out by the sheet's
    // width.
    chara.m_cGraphicKind = 4;
    chara.m_wGraphic = 1;
    chara.m_cFaceRight = 1;
    chara.m_cInvincible = chara.m_cFly = 0;
    chara.m_sGraphicOffset = 5;
    EXPECT_EQ(List(CharaIconBlits(chara, 0, 0, false, m_Src)),
              (std::vector<cIconBlit>{Copy(eIconSource::Special, 3, 32, 32, 32, 32, 0, 0, 32, 32)}));
}

TEST_F(IconRects, ANumberPastItsSheetsDrawsOnlyTheMarkAndZeroDrawsNothing)
{
    const cIconBlit kMark = Copy(eIconSource::Slot, 22, 32, 64, 32, 32, 0, 0, 32, 32);
    cEdChara chara = Chara(999);
    chara.m_cGraphicKind = 1;
    chara.m_wAnimeSet = 1;
    chara.m_cIconShow = 1;
    chara.m_wIcon = 17;
    EXPECT_EQ(List(CharaIconBlits(chara, 0, 0, false, m_Src)), std::vector<cIconBlit>{kMark});
    cEdBlock block = Block(999);
    block.m_cGraphicKind = 1;
    block.m_cIconShow = 1;
    block.m_wIcon = 17;
    EXPECT_EQ(List(BlockIconBlits(block, 0, 0, false, m_Src)), std::vector<cIconBlit>{kMark});

    const struct {
        const char* lpWhat;
        u8 cKind;
        u16 wGraphic;
        u16 wAnimeSet;
        u8 cFacing;
    } markOnly[] = {
        {"chara sheet 18", 1, 120, 1, 0},
        {"anime set past the table", 1, 3, 2, 0},
        {"a facing of 2", 1, 3, 1, 2},
        {"special bitmap past the table", 4, 3, 1, 0},
        {"special bitmap without a picture", 4, 2, 1, 0},
        {"an unknown kind", 7, 3, 1, 0},
    };
    for (const auto& r : markOnly) {
        chara.m_cGraphicKind = r.cKind;
        chara.m_wGraphic = r.wGraphic;
        chara.m_wAnimeSet = r.wAnimeSet;
        chara.m_cFaceRight = r.cFacing;
        EXPECT_EQ(List(CharaIconBlits(chara, 0, 0, false, m_Src)), std::vector<cIconBlit>{kMark}) << r.lpWhat;
    }

    // Graphic number 0 draws nothing, not even its mark; without the overlay
    // flag no mark is drawn.
    chara.m_cGraphicKind = 1;
    chara.m_wGraphic = 0;
    EXPECT_EQ(CharaIconBlits(chara, 0, 0, false, m_Src).size(), 0u);
    chara.m_wGraphic = 3;
    chara.m_cFaceRight = 0;
    chara.m_cIconShow = 0;
    EXPECT_EQ(CharaIconBlits(chara, 0, 0, false, m_Src).size(), 1u);
    // No record: only the mark (the painter's own rule for charas).
    EXPECT_EQ(IconBlits(1, 1, 3, 0, nullptr, true, 17, 0, 0, false, m_Src).size(), 1u);
}

}  // namespace
