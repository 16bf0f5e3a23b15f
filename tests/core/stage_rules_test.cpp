#include <gtest/gtest.h>

#include "app/str_util.h"
#include "data/inheritance.h"
#include "stage_test_util.h"

namespace {

class StageRules : public cStageTest {};

cEdChara Chara(u16 wGraphic, u8 nControl)
{
    cEdChara c;
    c.m_wGraphic = wGraphic;
    c.m_cControl = nControl;
    return c;
}
const cEdChara kPlayer = Chara(1, 0);
const cEdChara kEnemy = Chara(2, 1);

std::vector<cCellPos> Players(const cStage& s)
{
    std::vector<cCellPos> found;
    for (u32 y = 0; y < s.m_dwHeight; ++y)
        for (u32 x = 0; x < s.m_dwWidth; ++x) {
            const cEdChara& c = s.m_vCharaGrid[s.CellOf(x, y)];
            if (!c.IsEmpty() && c.m_cControl == 0) found.push_back({x, y});
        }
    return found;
}

TEST_F(StageRules, OnlyTheLastPlayerInRowOrderStays)
{
    const struct {
        std::vector<cCellPos> players;
        cCellPos kept;
    } rows[] = {
        {{{5, 0}, {2, 1}}, {2, 1}},
        {{{2, 1}, {5, 1}}, {5, 1}},
        {{{7, 3}}, {7, 3}},
        {{{0, 0}, {19, 14}, {3, 3}}, {19, 14}},
    };
    for (const auto& r : rows) {
        cStage s;
        for (const cCellPos& p : r.players) s.m_vCharaGrid[s.CellOf(p.dwX, p.dwY)] = kPlayer;
        s.m_vCharaGrid[s.CellOf(1, 1)] = kEnemy;
        s.KeepSinglePlayer();
        EXPECT_EQ(Players(s), std::vector<cCellPos>{r.kept});
        EXPECT_TRUE(s.FindPlayer() == r.kept);
        EXPECT_TRUE(s.m_vCharaGrid[s.CellOf(1, 1)] == kEnemy);
    }
    cStage none;
    none.m_vCharaGrid[3] = kEnemy;
    EXPECT_FALSE(none.HasPlayer());
    EXPECT_EQ(none.FindPlayer().dwX, 0xFFFFFFFFu);
    EXPECT_EQ(none.FindPlayer().dwY, 0xFFFFFFFFu);
}

TEST_F(StageRules, PlacingCharasKeepsOnePlayer)
{
    // Placing a player empties the cell of the one the stage had.
    cStage s;
    s.m_Palette.m_vChara[0].m_strName = "空";
    s.m_vCharaGrid[10] = kPlayer;
    cEdChara pen = Chara(3, 0);
    pen.m_bbInherit.assign(37, 1);
    s.PlaceChara(4, 2, pen);
    EXPECT_TRUE(s.m_vCharaGrid[10].IsEmpty());
    EXPECT_EQ(s.m_vCharaGrid[10].m_strName, "空");
    EXPECT_EQ(s.m_vCharaGrid[s.CellOf(4, 2)].m_wGraphic, 3);
    // Its inherit flag 1 (control) is cleared; the others stay.
    EXPECT_EQ(s.m_vCharaGrid[s.CellOf(4, 2)].m_bbInherit[1], 0);
    EXPECT_EQ(s.m_vCharaGrid[s.CellOf(4, 2)].m_bbInherit[0], 1);

    // A player over the player replaces it.
    s.PlaceChara(s.CellOf(4, 2), Chara(4, 0));
    EXPECT_EQ(Players(s), (std::vector<cCellPos>{{4, 2}}));
    EXPECT_EQ(s.m_vCharaGrid[s.CellOf(4, 2)].m_wGraphic, 4);

    // Covering the player moves it to the first free cell.
    s.m_vCharaGrid[0] = kEnemy;
    s.PlaceChara(s.CellOf(4, 2), kEnemy);
    EXPECT_EQ(Players(s), (std::vector<cCellPos>{{1, 0}}));
    EXPECT_EQ(s.m_vCharaGrid[s.CellOf(4, 2)].m_wGraphic, 2);

    // On a full stage it goes to cell 0.
    cStage full;
    ASSERT_TRUE(full.SetSize(3, 2, 0, 0));
    for (u32 c = 0; c < full.CellCount(); ++c)
        if (full.IsStageCell(c)) full.m_vCharaGrid[c] = kEnemy;
    full.m_vCharaGrid[full.CellOf(2, 1)] = kPlayer;
    full.PlaceChara(2, 1, Chara(9, 1));
    EXPECT_EQ(Players(full), (std::vector<cCellPos>{{0, 0}}));
    EXPECT_EQ(full.m_vCharaGrid[full.CellOf(2, 1)].m_wGraphic, 9);
}

TEST_F(StageRules, NormalizeRaisesThePaletteAndKeepsValuesInRange)
{
    cPrjOption options;
    options.m_DefBlock.m_strName = "既定のブロック";
    options.m_adwDefInheritKind[0][0] = 1;
    options.m_vDefInheritCheck[0][0].assign(11, 1);
    SetProjectOptions(&options);
    cFakeFlowRefs refs;
    refs.Set(eFlowRefTable::Bgm, 12);
    SetFlowRefs(&refs);

    cStage s;
    s.m_Palette.m_vChara.resize(5);
    s.m_Palette.m_vChara[3].m_strName = "そのまま";
    s.m_dwBgm = 12;
    s.m_anScrollLimit[kScrollLeft] = 5;
    s.m_anScrollLimit[kScrollRight] = 30;
    s.m_anScrollLimit[kScrollTop] = -1;
    s.m_anScrollLimit[kScrollBottom] = 14;
    s.m_nLevel = 0;
    s.Normalize();
    // Entry 1 from the project options, with their first inherit setting;
    // source index 1 of the common palette, which is not known here.
    ASSERT_EQ(s.m_Palette.m_vBlock.size(), 2u);
    EXPECT_EQ(s.m_Palette.m_vBlock[1].m_strName, "既定のブロック");
    EXPECT_EQ(s.m_Palette.m_vBlock[1].m_cInheritKind, 1);
    EXPECT_EQ(s.m_Palette.m_vBlock[1].m_wInheritIndex, 1);
    EXPECT_EQ(s.m_Palette.m_vBlock[1].m_bbInherit, std::vector<u8>(11, 1));
    EXPECT_EQ(s.m_Palette.m_vItem.size(), 2u);
    EXPECT_EQ(s.m_Palette.m_vItem[1].m_wGraphic, 1);
    EXPECT_EQ(s.m_Palette.m_vChara.size(), 5u);
    EXPECT_EQ(s.m_Palette.m_vChara[3].m_strName, "そのまま");
    EXPECT_EQ(s.m_dwBgm, 0u);
    EXPECT_EQ(s.m_anScrollLimit[kScrollLeft], 0);
    EXPECT_EQ(s.m_anScrollLimit[kScrollRight], 19);
    EXPECT_EQ(s.m_anScrollLimit[kScrollTop], -1);
    EXPECT_EQ(s.m_anScrollLimit[kScrollBottom], 14);
    EXPECT_EQ(s.m_nLevel, 1);
    s.m_dwBgm = 11;
    s.Normalize();
    EXPECT_EQ(s.m_dwBgm, 11u);
    ExpectQuiet();
}

// Entries placed at distinct cells, each named after its column and row.
void Mark(cStage& s, u32 x, u32 y)
{
    const u32 c = s.CellOf(x, y);
    const std::string strName = Format("%u,%u", x, y);
    s.m_vBlockGrid[c].m_wGraphic = 1;
    s.m_vBlockGrid[c].m_strName = strName;
    s.m_vCharaGrid[c] = kEnemy;
    s.m_vCharaGrid[c].m_strName = strName;
    s.m_vItemGrid[c].m_wGraphic = 1;
    s.m_vItemGrid[c].m_strName = strName;
}

std::string NameAt(const cStage& s, u32 x, u32 y)
{
    const u32 c = s.CellOf(x, y);
    const std::string& n = s.m_vBlockGrid[c].m_strName;
    // All three layers moved together.
    EXPECT_EQ(s.m_vCharaGrid[c].m_strName, n);
    EXPECT_EQ(s.m_vItemGrid[c].m_strName, n);
    return n;
}

TEST_F(StageRules, ResizingKeepsEntriesWhereTheAnchorsSay)
{
    cStage s;
    Mark(s, 0, 0);
    Mark(s, 19, 14);
    Mark(s, 5, 7);
    ASSERT_TRUE(s.SetSize(40, 15, 1, 0));
    EXPECT_EQ(s.m_dwStride, 64u);
    EXPECT_EQ(s.m_dwShift, 6u);
    EXPECT_EQ(s.m_vBlockGrid.size(), 64u * 15);
    EXPECT_EQ(NameAt(s, 20, 0), "0,0");
    EXPECT_EQ(NameAt(s, 39, 14), "19,14");
    EXPECT_EQ(NameAt(s, 25, 7), "5,7");
    EXPECT_EQ(NameAt(s, 0, 0), "");
    // Narrowing back with the anchor drops the left 20 columns.
    ASSERT_TRUE(s.SetSize(20, 15, 1, 0));
    EXPECT_EQ(NameAt(s, 0, 0), "0,0");
    EXPECT_EQ(NameAt(s, 5, 7), "5,7");
    // Growing at the top moves rows down; cutting at the bottom drops them.
    ASSERT_TRUE(s.SetSize(20, 20, 0, 1));
    EXPECT_EQ(NameAt(s, 0, 5), "0,0");
    EXPECT_EQ(NameAt(s, 19, 19), "19,14");
    ASSERT_TRUE(s.SetSize(20, 10, 0, 0));
    EXPECT_EQ(NameAt(s, 0, 5), "0,0");
    size_t nPlaced = 0;
    for (const cEdBlock& b : s.m_vBlockGrid) nPlaced += b.IsEmpty() ? 0 : 1;
    EXPECT_EQ(nPlaced, 1u);
    EXPECT_EQ(s.m_dwPixelWidth, 640u);
    EXPECT_EQ(s.m_dwPixelHeight, 320u);

    EXPECT_FALSE(s.SetSize(0, 10, 0, 0));
    EXPECT_FALSE(s.SetSize(10, 513, 0, 0));
    EXPECT_EQ(s.m_dwHeight, 10u);
    ASSERT_TRUE(s.SetSize(512, 512, 0, 0));
    EXPECT_EQ(s.m_vItemGrid.size(), 512u * 512);
}

// The player stays on the stage whatever the anchors: inside the kept band
// it moves with the entries, outside it goes to cell 0.
TEST_F(StageRules, AnchoredResizingKeepsThePlayer)
{
    const struct {
        const char* lpWhat;
        cCellPos player;
        u32 dwWidth, dwHeight, dwRight, dwBottom;
        cCellPos after;
    } rows[] = {
        {"kept, moved right", {3, 4}, 30, 15, 1, 0, {13, 4}},
        {"kept, moved down", {3, 4}, 20, 25, 0, 1, {3, 14}},
        {"in the left band cut off", {3, 4}, 10, 15, 1, 0, {0, 0}},
        {"in the right band cut off", {15, 4}, 10, 15, 0, 0, {0, 0}},
        {"kept, left band cut off", {15, 4}, 10, 15, 1, 0, {5, 4}},
        {"in the top band cut off", {3, 2}, 20, 10, 0, 1, {0, 0}},
        {"kept, top band cut off", {3, 12}, 20, 10, 0, 1, {3, 7}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        cStage s;
        s.m_vCharaGrid[s.CellOf(r.player.dwX, r.player.dwY)] = kPlayer;
        ASSERT_TRUE(s.SetSize(r.dwWidth, r.dwHeight, r.dwRight, r.dwBottom));
        EXPECT_EQ(Players(s), std::vector<cCellPos>{r.after});
    }
}

TEST_F(StageRules, RefreshesPassNewValuesDownTheSources)
{
    cCommonPalette common;
    common.m_Lists.m_vBlock.resize(3);
    common.m_Lists.m_vBlock[2].m_wGraphic = 7;
    common.m_Lists.m_vBlock[2].m_strName = "石";
    cStage s;
    InstallPalettes(common, s);
    // Stage entry 1 takes its name from common entry 2; a placed block
    // takes its name from stage entry 1, another straight from common 2.
    std::vector<u8> nameOnly(11, 0);
    nameOnly[0] = 1;
    s.m_Palette.m_vBlock.resize(2);
    s.m_Palette.m_vBlock[1].m_wGraphic = 3;
    SetBlockInheritSource(s.m_Palette.m_vBlock[1], 1, 2, nameOnly);
    cEdBlock& fromStage = s.m_vBlockGrid[s.CellOf(1, 0)];
    fromStage.m_wGraphic = 4;
    SetBlockInheritSource(fromStage, 2, 1, nameOnly);
    cEdBlock& fromCommon = s.m_vBlockGrid[s.CellOf(2, 0)];
    fromCommon.m_wGraphic = 5;
    SetBlockInheritSource(fromCommon, 1, 2, nameOnly);
    EXPECT_EQ(fromStage.m_strName, "石");

    common.m_Lists.m_vBlock[2].m_strName = "岩";
    s.RefreshStageInheritBlocks();
    EXPECT_EQ(fromStage.m_strName, "石");
    EXPECT_EQ(fromCommon.m_strName, "石");
    s.RefreshCommonInheritBlocks();
    EXPECT_EQ(s.m_Palette.m_vBlock[1].m_strName, "岩");
    EXPECT_EQ(fromStage.m_strName, "岩");
    EXPECT_EQ(fromCommon.m_strName, "岩");
    // Only the flagged group came; the graphics stay the entries' own.
    EXPECT_EQ(fromStage.m_wGraphic, 4);

    s.m_Palette.m_vBlock[1].m_strName = "砂";
    s.RefreshStageInheritBlocks();
    EXPECT_EQ(fromStage.m_strName, "砂");
    RemovePalettes();
}

// A save counts what it writes: an entry left in a padding column or made
// empty by its inheritance is neither counted nor written.
TEST_F(StageRules, ASaveCountsExactlyTheEntriesItWrites)
{
    cStage s;
    ASSERT_TRUE(s.SetSize(3, 2, 0, 0));
    s.m_Palette.m_vBlock.resize(3);
    s.m_Palette.m_vBlock[1].m_wGraphic = 2;  // entry 2 stays empty
    s.m_vBlockGrid[0].m_wGraphic = 5;
    s.m_vBlockGrid[3].m_wGraphic = 5;  // column 3 of a stride-4 grid
    cEdBlock& gone = s.m_vBlockGrid[s.CellOf(1, 1)];
    gone.m_wGraphic = 6;
    std::vector<u8> graphic(11, 0);
    graphic[2] = 1;
    gone.m_cInheritKind = 2;
    gone.m_wInheritIndex = 2;
    gone.m_bbInherit = graphic;
    s.m_vItemGrid[2].m_wGraphic = 4;
    s.m_vItemGrid[7].m_wGraphic = 4;  // padding
    s.m_vCharaGrid[2] = kEnemy;       // holds the item of its cell: the first written
    s.m_vCharaGrid[2].m_cHoldItem = 1;

    const std::vector<u8> file = SavedBytes(s);
    cStage back;
    ASSERT_TRUE(LoadFromBytes(back, file));
    EXPECT_EQ(back.m_vBlockGrid[0].m_wGraphic, 5);
    EXPECT_TRUE(back.m_vBlockGrid[3].IsEmpty());
    EXPECT_TRUE(back.m_vBlockGrid[s.CellOf(1, 1)].IsEmpty());
    EXPECT_TRUE(back.m_vItemGrid[7].IsEmpty());
    EXPECT_EQ(s.m_vCharaGrid[2].m_nHeldItemNo, 0);
    EXPECT_FILE_BYTES(file, SavedBytes(back));
}

TEST_F(StageRules, StagePaletteFiles)
{
    cStage s;
    s.m_Palette.m_vBlock.resize(3);
    s.m_Palette.m_vBlock[2].m_strName = "草";
    s.m_Palette.m_vBlock[2].m_wGraphic = 8;
    s.m_Palette.m_vChara.resize(2);
    s.m_Palette.m_vChara[1] = kEnemy;
    ASSERT_TRUE(s.SavePalette("a.plt4"));
    cBytes expected;
    expected.U32(950).U32(3);
    for (const cEdBlock& b : s.m_Palette.m_vBlock) expected.Raw(BlockBody(Checked(b)));
    expected.U32(2);
    for (const cEdChara& c : s.m_Palette.m_vChara) expected.Raw(CharaBody(950, Checked(c)));
    expected.U32(1).Raw(ItemBody(Checked(cEdItem())));
    EXPECT_FILE_BYTES(expected, ReadFileBytes("a.plt4"));

    // A placed block that inherits its name from stage entry 2 sees the
    // loaded palette's.
    cStage other;
    other.m_Palette.m_vBlock.resize(3);
    cEdBlock& placed = other.m_vBlockGrid[5];
    placed.m_wGraphic = 1;
    placed.m_cInheritKind = 2;
    placed.m_wInheritIndex = 2;
    placed.m_bbInherit = {1};
    EXPECT_EQ(other.LoadPalette("a.plt4"), eLoadResult::Loaded);
    EXPECT_TRUE(other.m_Palette == s.m_Palette);
    EXPECT_EQ(placed.m_strName, "草");

    std::vector<u8> bytes = ReadFileBytes("a.plt4");
    ASSERT_TRUE(WriteFileBytes("short.plt4", std::vector<u8>(bytes.begin(), bytes.end() - 1)));
    bytes[0] = 0xB7;  // 951
    ASSERT_TRUE(WriteFileBytes("newer.plt4", bytes));
    cStage before = other;
    EXPECT_EQ(other.LoadPalette("newer.plt4"), eLoadResult::Refused);
    EXPECT_EQ(other.LoadPalette("missing.plt4"), eLoadResult::Refused);
    EXPECT_EQ(other.LoadPalette("short.plt4"), eLoadResult::Damaged);
    EXPECT_TRUE(other.m_Palette == before.m_Palette);
    SetFatalError();
    EXPECT_FALSE(s.SavePalette("a.plt4"));
}

}  // namespace
