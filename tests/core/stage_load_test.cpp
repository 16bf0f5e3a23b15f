#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "stage_test_util.h"

using namespace stagebytes;

namespace {

class StageLoad : public cStageTest {};

// A stage with values that differ from a new stage's wherever a migration
// step or a missing member could show, with empty palette lists and grids.
cStage StoredStage()
{
    cStage s;
    s.m_strName = "古いステージ";
    s.m_dwBgmLoop = 0;
    s.m_dwKeepBgm = 1;
    s.m_dwStatusWindow = 0;
    s.m_dwNoWaitAfterClear = 1;
    s.m_adwCaption[kCaptionReady] = 1;
    for (u32 i = 0; i < kHitRanges; ++i) s.m_adwHitRange[i] = 200 + i;
    s.m_vRanking = {1, 1, 1, 1, 1};
    for (cStageParamSet& p : s.m_Removal) {
        p.m_dwLeftOn = p.m_dwRightOn = p.m_dwTopOn = p.m_dwBottomOn = 1;
        p.m_dwLeftMargin = 5;
    }
    s.m_vRecord = {cStageRecord("a"), cStageRecord("b")};
    cStageBackground layer;
    layer.m_dwAutoScrollX = 1;
    layer.m_dScrollSpeedX = 0.5;
    layer.m_dScrollSpeedY = 0.25;
    s.m_vBackground = {layer};
    s.SetLevel(12);
    return s;
}

// The file a version stores of a stage: its fields, an empty palette,
// nothing placed, and its layers and records.
std::vector<u8> OldFile(u32 v, const cStage& s)
{
    cStageTail t;
    t.ranking = s.m_vRanking;
    for (const cStageParamSet& p : s.m_Removal) t.paramSets.push_back(ParamSetBody(v, p));
    for (const cStageBackground& g : s.m_vBackground) t.backgrounds.push_back(BackgroundBody(v, g));
    for (const cStageRecord& r : s.m_vRecord) t.records.push_back(RecordBody(r.m_strName));
    return stagebytes::StageFile(v, s, t);
}

// A stage loaded from a file of the row's version, into a stage whose
// every member differs from a new stage's, against the stored stage with
// the members the version lacks taken from a new stage, then the step's
// changes.
struct cStep {
    u32 dwVersion;
    void (*pfnExpected)(cStage&);
};

// A file of version v takes the steps of every row from its own on.
void ExpectSteps(const std::vector<cStep>& steps, size_t nRow)
{
    const cStep& r = steps[nRow];
    SCOPED_TRACE(r.dwVersion);
    const cStage stored = StoredStage();
    cStage loaded = StoredStage();
    loaded.m_dwMouseWheel = 1;
    for (cStageParamSet& p : loaded.m_Removal) p.m_dwTopOn = 7;
    ASSERT_TRUE(LoadFromBytes(loaded, OldFile(r.dwVersion, stored)));

    cStage expected = stored;
    const cStage fresh;
    for (const cFieldDesc& d : cStage::FieldTable().All()) {
        if (d.IsStoredIn(r.dwVersion) || !d.IsStoredIn(kDataVersion)) continue;
        memcpy(d.Address(expected), d.Address(fresh), d.Bytes());
    }
    for (u32 i = 0; i < kRemovalSets; ++i)
        for (const cFieldDesc& d : cStageParamSet::FieldTable().All())
            if (!d.IsStoredIn(r.dwVersion)) memcpy(d.Address(expected.m_Removal[i]), d.Address(fresh.m_Removal[i]), d.Bytes());
    expected.m_dwMouseWheel = 1;
    for (size_t k = nRow; k < steps.size(); ++k)
        if (steps[k].pfnExpected) steps[k].pfnExpected(expected);
    expected.Normalize();
    ExpectSameStage(loaded, expected);
    EXPECT_EQ(loaded.m_dwMouseWheel, expected.m_dwMouseWheel);
}

TEST_F(StageLoad, EveryMigrationStepOfOlderFiles)
{
    const std::vector<cStep> steps = {
        // The right, top and bottom removal switches came at 125: they take
        // a new stage's, never the stage's that was open.
        {124, nullptr},
        {154,
         [](cStage& s) {
             u32* r = s.m_adwHitRange;
             r[kPlayerFlyCharaW] = r[kPlayerWalkCharaW];
             r[kPlayerFlyCharaH] = r[kPlayerWalkCharaH];
             r[kEnemyFlyCharaW] = r[kEnemyWalkCharaW];
             r[kEnemyFlyCharaH] = r[kEnemyWalkCharaH];
             r[kPlayerWalkCharaPos] = r[kPlayerFlyCharaPos] = r[kEnemyWalkCharaPos] = r[kEnemyFlyCharaPos] = 0;
         }},
        {165, [](cStage& s) { s.m_dwBgmLoop = 1; }},
        {180, [](cStage& s) { s.m_vRanking = {1, 1, 1, 0, 0}; }},
        {182, [](cStage& s) { s.m_dwStatusWindow = 1; }},
        {183, [](cStage& s) { s.m_dwNoWaitAfterClear = 0; }},
        {198, [](cStage& s) { s.m_dwKeepBgm = 0; }},
        {199,
         [](cStage& s) {
             const u32 kOld[][2] = {{kPlayerWalkBlockW, 16}, {kPlayerWalkBlockH, 24}, {kPlayerFlyBlockW, 16},
                                    {kPlayerFlyBlockH, 16},  {kPlayerWalkBlockPos, 1}, {kPlayerFlyBlockPos, 0},
                                    {kPlayerBlockShow, 0},   {kPlayerBlockColor, 5},   {kEnemyWalkBlockW, 16},
                                    {kEnemyWalkBlockH, 30},  {kEnemyFlyBlockW, 16},    {kEnemyFlyBlockH, 30},
                                    {kEnemyWalkBlockPos, 1}, {kEnemyFlyBlockPos, 1}};
             for (const auto& kv : kOld) s.m_adwHitRange[kv[0]] = kv[1];
         }},
        {207, [](cStage& s) { s.m_dwMouseWheel = 0; }},
        {208, nullptr},
        {224, [](cStage& s) { s.m_adwCaption[kCaptionReady] = 0; }},
        {753, [](cStage& s) { s.m_vRecord.resize(1000); }},
        {875,
         [](cStage& s) {
             s.m_vBackground[0].m_dAutoSpeedX = 0.5;
             s.m_vBackground[0].m_dScrollSpeedX = 1.0;
         }},
        {876, nullptr},
        {950, nullptr},
    };
    for (size_t i = 0; i < steps.size(); ++i) ExpectSteps(steps, i);
    ExpectQuiet();
}

TEST_F(StageLoad, TheEndMarkerIsReadFrom173)
{
    const cStage s = StoredStage();
    for (u32 v : {172u, 173u}) {
        SCOPED_TRACE(v);
        const std::vector<u8> file = OldFile(v, s);
        EXPECT_EQ(file.size() >= 4 && memcmp(file.data() + file.size() - 4, "\x15\xCD\x5B\x07", 4) == 0, v == 173);
        cStage loaded;
        EXPECT_TRUE(LoadFromBytes(loaded, file));
        EXPECT_EQ(loaded.m_strName, s.m_strName);
    }
}

// A layer of each older layout reads its fields and skips the retired
// pairs; what the version lacks keeps the layer's defaults.
TEST_F(StageLoad, BackgroundLayersOfEveryLayout)
{
    cStageBackground stored;
    stored.m_dwShowFromStart = 0;
    stored.m_dwFillColor = 1;
    stored.m_dwColor = 33;
    stored.m_dwFront = 1;
    stored.m_dScrollSpeedX = 2.5;
    stored.m_dScrollSpeedY = -1.5;
    stored.m_dwAutoScrollX = 1;
    stored.m_dwAutoScrollY = 1;
    stored.m_dAutoSpeedX = 3.0;
    stored.m_dAutoSpeedY = 4.0;
    stored.m_strImage = "bmp\\back\\山.bmp";
    stored.m_adExtra[0] = 7.0;
    stored.m_adExtra[1] = 8.0;
    for (u32 v : {60u, 61u, 62u, 875u, 876u, 950u}) {
        SCOPED_TRACE(v);
        cStageBackground layer;
        ASSERT_TRUE(LoadFromBytes(layer, DataFile(v, BackgroundBody(v, stored, 0xAAAA, 0xBBBB))));
        const cStageBackground fresh;
        EXPECT_EQ(layer.m_dwShowFromStart, v >= 62 ? 0u : fresh.m_dwShowFromStart);
        EXPECT_EQ(layer.m_dwColor, 33u);
        EXPECT_EQ(layer.m_dwFront, 1u);
        EXPECT_EQ(layer.m_dScrollSpeedY, v >= 61 ? -1.5 : fresh.m_dScrollSpeedY);
        EXPECT_EQ(layer.m_dwAutoScrollY, v >= 61 ? 1u : 0u);
        EXPECT_EQ(layer.m_dAutoSpeedY, v >= 876 ? 4.0 : 0.0);
        EXPECT_EQ(layer.m_strImage, stored.m_strImage);
        EXPECT_EQ(layer.m_adExtra[1], v >= 62 ? 8.0 : 0.0);
    }
}

// A level that no editor writes is kept within 1..19: no value derived from
// it is infinite or not a number.
TEST_F(StageLoad, LevelsAreKeptWhereTheirValuesExist)
{
    const struct {
        s32 nStored;
        s32 nLevel;
        u32 dwStep;
        double dLimit10;
        double dPerStep;
    } rows[] = {
        {15, 15, 5, 60.0, 12.0}, {5, 5, 5, 30.0, 6.0}, {1, 1, 1, 6.0, 6.0},   {10, 10, 10, 60.0, 6.0},
        {11, 11, 1, 60.0, 60.0}, {19, 19, 9, 60.0, 60.0 / 9}, {0, 1, 1, 6.0, 6.0}, {-3, 1, 1, 6.0, 6.0},
        {20, 19, 9, 60.0, 60.0 / 9},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.nStored);
        cStage stored;
        stored.m_nLevel = r.nStored;
        // Written as a file would hold the level, without the save's checks.
        std::vector<u8> file = OldFile(950, stored);
        cStage s;
        ASSERT_TRUE(LoadFromBytes(s, file));
        EXPECT_EQ(s.m_nLevel, r.nLevel);
        EXPECT_EQ(s.m_dwLevelStep, r.dwStep);
        EXPECT_EQ(s.m_dSpeedLimit10, r.dLimit10);
        EXPECT_DOUBLE_EQ(s.m_dSpeedPerStep, r.dPerStep);
        EXPECT_DOUBLE_EQ(s.m_dGravityPerLevel2, 0.4 / (r.dwStep * r.dwStep));
        EXPECT_EQ(s.m_dwLevelStep8, r.dwStep * 8);
        EXPECT_TRUE(std::isfinite(s.m_dGravityPerLevel2) && std::isfinite(s.m_dSpeedPerStep));
    }
}

// The placed entries of a small stage (3 x 2, stride 4) at given cells.
std::vector<u8> FileWithBlocksAt(const std::vector<u32>& cells, u32 dwWidth = 3, u32 dwHeight = 2)
{
    cStage s;
    s.m_dwWidth = dwWidth;
    s.m_dwHeight = dwHeight;
    cStageTail t;
    t.ranking = s.m_vRanking;
    for (const cStageParamSet& p : s.m_Removal) t.paramSets.push_back(ParamSetBody(950, p));
    cEdBlock block;
    block.m_wGraphic = 3;
    for (u32 c : cells) t.placedBlocks.push_back({c, BlockBody(block)});
    return stagebytes::StageFile(950, s, t);
}

// A damaged or refused file leaves the stage as it was and says which.
TEST_F(StageLoad, AFailedLoadLeavesTheStageAsItWas)
{
    const std::vector<u8> good = FileWithBlocksAt({0});
    const struct {
        const char* lpWhat;
        std::vector<u8> file;
        eLoadResult eResult;
    } rows[] = {
        {"a good file", FileWithBlocksAt({0, 2, 4, 6}), eLoadResult::Loaded},
        {"a block in the padding column", FileWithBlocksAt({3}), eLoadResult::Damaged},
        {"a block past the grid", FileWithBlocksAt({8}), eLoadResult::Damaged},
        {"width 0", FileWithBlocksAt({}, 0, 2), eLoadResult::Damaged},
        {"height 513", FileWithBlocksAt({}, 3, 513), eLoadResult::Damaged},
        {"width 512", FileWithBlocksAt({511}, 512, 1), eLoadResult::Loaded},
        {"cut short", std::vector<u8>(good.begin(), good.end() - 5), eLoadResult::Damaged},
        {"newer", cBytes().U32(951).Raw(std::vector<u8>(good.begin() + 4, good.end())), eLoadResult::Refused},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.lpWhat);
        ASSERT_TRUE(WriteFileBytes("s.stg4_950", r.file));
        cStage s;
        s.m_strName = "開いているステージ";
        ASSERT_TRUE(s.SetSize(40, 30, 0, 0));
        s.m_vCharaGrid[5].m_wGraphic = 9;
        EXPECT_EQ(s.LoadDataFile("s.stg4_950"), r.eResult);
        if (r.eResult == eLoadResult::Loaded) continue;
        EXPECT_EQ(s.m_strName, "開いているステージ");
        EXPECT_EQ(s.m_dwWidth, 40u);
        EXPECT_EQ(s.m_vCharaGrid[5].m_wGraphic, 9);
    }
    cStage s;
    EXPECT_EQ(s.LoadDataFile("missing.stg4_950"), eLoadResult::Refused);
    ExpectQuiet();
}

}  // namespace
