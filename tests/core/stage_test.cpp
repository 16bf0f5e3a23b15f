#include <gtest/gtest.h>

#include <cmath>

#include "stage_test_util.h"

using namespace stagebytes;

namespace {

class StageFile : public cStageTest {};

// The palette entry 1 that a list too short gets from default project
// options: the default entry, source kind 0 with index 1.
template <class D>
D DefaultEntryOne()
{
    D entry;
    entry.m_wGraphic = 1;
    entry.m_wInheritIndex = 1;
    return entry;
}

std::vector<std::vector<u8>> ParamSetBodies(u32 v, const cStage& s)
{
    std::vector<std::vector<u8>> bodies;
    for (const cStageParamSet& p : s.m_Removal) bodies.push_back(ParamSetBody(v, p));
    return bodies;
}

std::vector<std::vector<u8>> RecordBodies(const std::vector<cStageRecord>& records)
{
    std::vector<std::vector<u8>> bodies;
    for (const cStageRecord& r : records) bodies.push_back(RecordBody(r.m_strName));
    return bodies;
}

// A 3 x 2 stage (stride 4) with distinct settings, three palette entries
// per list and entries in all three layers:
//   blocks at (0,0) and (2,1); a computer chara holding the item of its
//   cell at (1,0) and the player at (2,1); items at (1,0) and (0,1).
cStage SampleStage()
{
    cStage s;
    s.m_strName = "はじまりの森";
    EXPECT_TRUE(s.SetSize(3, 2, 0, 0));
    for (u32 e = 0; e < kScrollEdges; ++e) s.m_adwScrollLimitOn[e] = e % 2;
    s.m_anScrollLimit[kScrollLeft] = -30;
    s.m_anScrollLimit[kScrollRight] = 1;
    s.m_anScrollLimit[kScrollTop] = -20;
    s.m_anScrollLimit[kScrollBottom] = 0;
    s.m_dwFrameRate = 120;
    s.m_dwTimeLimitOn = 1;
    s.m_dwTimeLimit = 999;
    s.m_dwWarningTime = 30;
    s.m_dwScrollTypeX = 1;
    s.m_dwScrollTypeY = 0;
    s.m_nAutoScrollX = -480;
    s.m_nAutoScrollY = 17;
    s.m_dGravity = 0.5;
    s.m_dwShotPrecision = 4;
    s.m_dwBgm = 7;
    s.m_dwBgmLoop = 1;
    s.m_dwKeepBgm = 1;
    s.m_dwUseZ = 0;
    s.m_dwStockTake = 1;
    s.m_dwStockStore = 1;
    s.m_dwNoWaitAfterClear = 1;
    s.m_dwStatusWindow = 0;
    s.m_adwCaption[kCaptionStage] = 1;
    s.m_adwCaption[kCaptionReady] = 0;
    for (u32 i = 0; i < kHitRanges; ++i) s.m_adwHitRange[i] = 100 + i;
    s.m_dwUndoDepth = 9;
    s.m_dwNoDamageOffScreen = 0;
    s.m_dwPlayerSameImmunity = 1;
    s.m_dwPlayerImmunity = 2;
    s.m_dwEnemySameImmunity = 3;
    s.m_dwEnemyImmunity = 9999;
    s.SetLevel(15);
    s.m_vRanking = {1, 0, 1, 0, 1};
    for (u32 i = 0; i < kRemovalSets; ++i) {
        cStageParamSet& p = s.m_Removal[i];
        p.m_dwLeftOn = 1;
        p.m_dwRightOn = i % 2;
        p.m_dwTopOn = 0;
        p.m_dwBottomOn = 1;
        p.m_dwLeftMargin = i;
        p.m_dwRightMargin = 10 + i;
        p.m_dwTopMargin = 20 + i;
        p.m_dwBottomMargin = 99;
    }
    s.m_Palette.m_vBlock.resize(3);
    s.m_Palette.m_vBlock[1].m_wGraphic = 5;
    s.m_Palette.m_vBlock[1].m_strName = "土";
    s.m_Palette.m_vBlock[2].m_wGraphic = 6;
    s.m_Palette.m_vChara.resize(3);
    s.m_Palette.m_vChara[1].m_wGraphic = 2;
    s.m_Palette.m_vChara[1].m_cControl = 0;
    s.m_Palette.m_vChara[2].m_wGraphic = 3;
    s.m_Palette.m_vItem.resize(3);
    s.m_Palette.m_vItem[1].m_wGraphic = 4;
    s.m_Palette.m_vItem[2].m_wGraphic = 8;

    cEdBlock& b0 = s.m_vBlockGrid[s.CellOf(0, 0)];
    b0 = s.m_Palette.m_vBlock[1];
    cEdBlock& b1 = s.m_vBlockGrid[s.CellOf(2, 1)];
    b1 = s.m_Palette.m_vBlock[2];
    b1.m_cBlockType = 2;
    cEdChara& enemy = s.m_vCharaGrid[s.CellOf(1, 0)];
    enemy = s.m_Palette.m_vChara[2];
    enemy.m_cHoldItem = 1;
    enemy.m_vFlow.resize(1);
    enemy.m_vFlow[0].m_Note = "歩く";
    enemy.m_vFlow[0].m_Commands.push_back(cCommand());
    cEdChara& player = s.m_vCharaGrid[s.CellOf(2, 1)];
    player = s.m_Palette.m_vChara[1];
    s.m_vItemGrid[s.CellOf(1, 0)] = s.m_Palette.m_vItem[1];
    s.m_vItemGrid[s.CellOf(0, 1)] = s.m_Palette.m_vItem[2];

    cStageBackground layer;
    layer.m_dwFillColor = 1;
    layer.m_dwColor = 200;
    layer.m_dwAutoScrollX = 1;
    layer.m_dAutoSpeedX = -2.5;
    layer.m_strImage = "bmp\\back\\空.bmp";
    layer.m_adExtra[0] = 1.25;
    layer.m_adExtra[1] = -3.0;
    s.m_vBackground = {cStageBackground(), layer};
    s.m_vRecord = {cStageRecord(""), cStageRecord("宝箱"), cStageRecord("扉")};
    return s;
}

// The file of the sample stage, built from the layout: placed entries in row
// order with their cells, the computer chara's held item 0 (the first item
// written), the player's -1.
std::vector<u8> SampleStageFile()
{
    cStage s = SampleStage();
    cStageTail t;
    t.ranking = s.m_vRanking;
    t.paramSets = ParamSetBodies(950, s);
    for (const cEdBlock& b : s.m_Palette.m_vBlock) t.blocks.push_back(BlockBody(Checked(b)));
    for (const cEdChara& c : s.m_Palette.m_vChara) t.charas.push_back(CharaBody(950, c));
    for (const cEdItem& i : s.m_Palette.m_vItem) t.items.push_back(ItemBody(i));

    cEdBlock b0 = s.m_vBlockGrid[0];
    cEdBlock b1 = s.m_vBlockGrid[6];
    b1.m_wCellX = 2;
    b1.m_wCellY = 1;
    t.placedBlocks = {{0, BlockBody(b0)}, {6, BlockBody(b1)}};
    cEdChara enemy = s.m_vCharaGrid[1];
    enemy.m_wCellX = 1;
    enemy.m_nHeldItemNo = 0;
    cEdChara player = s.m_vCharaGrid[6];
    player.m_wCellX = 2;
    player.m_wCellY = 1;
    player.m_nHeldItemNo = -1;
    t.placedCharas = {{1, CharaBody(950, enemy)}, {6, CharaBody(950, player)}};
    cEdItem i0 = s.m_vItemGrid[1];
    i0.m_wCellX = 1;
    cEdItem i1 = s.m_vItemGrid[4];
    i1.m_wCellY = 1;
    t.placedItems = {{1, ItemBody(i0)}, {4, ItemBody(i1)}};
    for (const cStageBackground& g : s.m_vBackground) t.backgrounds.push_back(BackgroundBody(950, g));
    t.records = RecordBodies(s.m_vRecord);
    return stagebytes::StageFile(950, s, t);
}

TEST_F(StageFile, ANewStageHasTheDefaultsOfTheParts)
{
    const cStage s;
    EXPECT_EQ(s.m_strName, "");
    EXPECT_EQ(s.m_dwWidth, 20u);
    EXPECT_EQ(s.m_dwHeight, 15u);
    EXPECT_EQ(s.m_dwStride, 32u);
    EXPECT_EQ(s.m_dwShift, 5u);
    EXPECT_EQ(s.m_dwPixelWidth, 640u);
    EXPECT_EQ(s.m_dwPixelHeight, 480u);
    EXPECT_EQ(s.m_vBlockGrid.size(), 480u);
    EXPECT_EQ(s.m_vCharaGrid.size(), 480u);
    EXPECT_EQ(s.m_vItemGrid.size(), 480u);
    EXPECT_EQ(s.CellOf(3, 2), 67u);
    EXPECT_EQ(s.m_dwFrameRate, 60u);
    EXPECT_EQ(s.m_dwTimeLimitOn, 0u);
    EXPECT_EQ(s.m_dwTimeLimit, 200u);
    EXPECT_EQ(s.m_dwWarningTime, 20u);
    EXPECT_EQ(s.m_dGravity, 0.4);
    EXPECT_EQ(s.m_nLevel, 10);
    EXPECT_EQ(s.m_dwShotPrecision, 0u);
    EXPECT_EQ(s.m_dwUseZ, 1u);
    EXPECT_EQ(s.m_dwNoDamageOffScreen, 1u);
    EXPECT_EQ(s.m_dwStatusWindow, 1u);
    EXPECT_EQ(s.m_dwNoWaitAfterClear, 0u);
    EXPECT_EQ(std::vector<u32>(s.m_adwCaption, s.m_adwCaption + kCaptions), (std::vector<u32>{0, 1, 1, 1}));
    EXPECT_EQ(s.m_dwPlayerImmunity, 0u);
    EXPECT_EQ(s.m_dwPlayerSameImmunity, 30u);
    EXPECT_EQ(s.m_dwEnemyImmunity, 0u);
    EXPECT_EQ(s.m_dwEnemySameImmunity, 30u);
    EXPECT_EQ(s.m_dwUndoDepth, 1u);
    EXPECT_EQ(s.m_dwBgm, 0u);
    EXPECT_EQ(s.m_dwScrollTypeX, 0u);
    EXPECT_EQ(s.m_dwMouseWheel, 0u);
    // The collision ranges of the table's new-stage column.
    const std::vector<u32> ranges(s.m_adwHitRange, s.m_adwHitRange + kHitRanges);
    EXPECT_EQ(ranges, (std::vector<u32>{16, 24, 16, 16, 16, 24, 16, 16, 12, 8, 16, 16, 1, 0, 1, 0,
                                        0,  0,  0,  0,  0,  0,  0,  0,  16, 24, 16, 16, 12, 24, 12, 16,
                                        30, 30, 1,  0,  1,  0,  28, 28, 16, 16, 16, 16, 16, 16, 16, 16}));
    // Automatic removal: both shot sets on at every edge, margins 0 and 10.
    for (u32 i = 0; i < kRemovalSets; ++i) {
        SCOPED_TRACE(i);
        const cStageParamSet& p = s.m_Removal[i];
        const u32 dwOn = i >= kRemovePlayerShot ? 1 : 0, dwMargin = i == kRemoveEnemyShot ? 10 : 0;
        EXPECT_TRUE(p.m_dwLeftOn == dwOn && p.m_dwRightOn == dwOn && p.m_dwTopOn == dwOn && p.m_dwBottomOn == dwOn);
        EXPECT_TRUE(p.m_dwLeftMargin == dwMargin && p.m_dwRightMargin == dwMargin && p.m_dwTopMargin == dwMargin &&
                    p.m_dwBottomMargin == dwMargin);
    }
    // Level 10: step 10, speed limit 600.
    EXPECT_EQ(s.m_dwLevelStep, 10u);
    EXPECT_EQ(s.m_dLevelStep2, 100.0);
    EXPECT_EQ(s.m_dSpeedLimit10, 60.0);
    EXPECT_EQ(s.m_dSpeedPerStep, 6.0);
    EXPECT_EQ(s.m_dGravityPerLevel2, 0.4 / 100);
    EXPECT_EQ(s.m_dwLevelStep8, 80u);
    EXPECT_EQ(s.m_vRanking, std::vector<u32>(5, 1));
    ASSERT_EQ(s.m_vBackground.size(), 1u);
    cStageBackground layer;
    layer.m_dwFillColor = 1;
    EXPECT_TRUE(s.m_vBackground[0] == layer);
    EXPECT_EQ(s.m_vBackground[0].m_dwShowFromStart, 1u);
    EXPECT_EQ(s.m_vBackground[0].m_dwColor, 16u);
    EXPECT_EQ(s.m_vBackground[0].m_dScrollSpeedX, 0.1);
    EXPECT_EQ(s.m_vRecord, std::vector<cStageRecord>(1000));
    EXPECT_EQ(s.m_Palette.m_vBlock, std::vector<cEdBlock>(1));
    EXPECT_EQ(s.m_Palette.m_vChara, std::vector<cEdChara>(1));
    EXPECT_EQ(s.m_Palette.m_vItem, std::vector<cEdItem>(1));
    EXPECT_FALSE(s.HasPlayer());
    EXPECT_EQ(cStage::FieldTable().Count(950, false), 98u);
    EXPECT_EQ(cStageBackground::FieldTable().Count(950, false), 11u);

    // Saved: the palette lists raised to their minimum, nothing placed.
    cStageTail t;
    t.ranking = s.m_vRanking;
    t.paramSets = ParamSetBodies(950, s);
    t.blocks = {BlockBody(cEdBlock()), BlockBody(DefaultEntryOne<cEdBlock>())};
    t.charas = {CharaBody(950, cEdChara()), CharaBody(950, DefaultEntryOne<cEdChara>())};
    t.items = {ItemBody(cEdItem()), ItemBody(DefaultEntryOne<cEdItem>())};
    t.backgrounds = {BackgroundBody(950, layer)};
    t.records = RecordBodies(s.m_vRecord);
    t.blocks[0] = BlockBody(Checked(cEdBlock()));  // the first check makes an empty block passable
    EXPECT_FILE_BYTES(stagebytes::StageFile(950, s, t), SavedBytes(s));
    ExpectQuiet();
}

TEST_F(StageFile, AStageWithEntriesInAllLayersIsSavedAsLaidOutAndReadBackEqual)
{
    const cStage s = SampleStage();
    const std::vector<u8> file = SampleStageFile();
    EXPECT_FILE_BYTES(file, SavedBytes(s));

    cStage back;
    ASSERT_EQ(back.LoadDataFile("rec.dat"), eLoadResult::Refused);
    ASSERT_TRUE(LoadFromBytes(back, file));
    cStage expected = SampleStage();
    expected.Normalize();
    ExpectSameStage(back, expected);
    EXPECT_TRUE(back.m_vCharaGrid[1].m_nHeldItemNo == 0);
    EXPECT_FILE_BYTES(file, SavedBytes(back));
    ExpectQuiet();
}

}  // namespace
