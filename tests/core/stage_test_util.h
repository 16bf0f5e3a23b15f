#pragma once
// Stage files built by hand, field by field, as a file of a given data
// version stores them; the palette entries inside are given as their own
// bodies.
#include <functional>
#include <string>
#include <vector>

#include "data/common_palette.h"
#include "data/prj_option.h"
#include "data/stage.h"
#include "entry_test_util.h"
#include "flow_test_util.h"


// An entry as a palette file holds it: checked as it is written.
template <class D>
D Checked(D entry)
{
    entry.Validate();
    return entry;
}

namespace stagebytes {

// The first version that stores each collision-range value, in file order.
constexpr u32 kHitRangeFrom[kHitRanges] = {
    200, 200, 200, 200, 0, 0, 155, 155, 0, 0, 0, 0, 200, 200, 155, 155,  // player ranges and positions
    200, 0, 0, 0, 200, 0, 0, 0,                                          // player displays and colours
    200, 200, 200, 200, 0, 0, 155, 155, 0, 0, 200, 200, 155, 155,        // enemy ranges and positions
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                                        // item, player's and enemy's shots
};

// The registered fields of a stage (one value each), then its name.
inline std::vector<u8> StageHead(u32 v, const cStage& s)
{
    cVersionBody b(v);
    b.U32(s.m_dwWidth).U32(s.m_dwStride).U32(s.m_dwShift).U32(s.m_dwHeight);
    for (u32 on : s.m_adwScrollLimitOn) b.U32(on);
    for (s32 limit : s.m_anScrollLimit) b.U32(static_cast<u32>(limit));
    b.U32(s.m_dwFrameRate).U32(s.m_dwTimeLimitOn).U32(s.m_dwTimeLimit).U32(s.m_dwWarningTime);
    b.U32(s.m_dwScrollTypeX).U32(s.m_dwScrollTypeY);
    b.U32(static_cast<u32>(s.m_nAutoScrollX)).U32(static_cast<u32>(s.m_nAutoScrollY));
    b.Double(s.m_dGravity);
    b.U32(static_cast<u32>(s.m_nLevel)).U32(s.m_dwShotPrecision).U32(s.m_dwBgm);
    b.U32(s.m_dwBgmLoop, 166).U32(s.m_dwKeepBgm, 199);
    b.U32(s.m_dwUseZ).U32(s.m_dwStockTake).U32(s.m_dwStockStore);
    b.U32(s.m_dwStatusWindow, 183).U32(s.m_dwNoWaitAfterClear, 184);
    b.U32(s.m_adwCaption[0]).U32(s.m_adwCaption[1], 225).U32(s.m_adwCaption[2]).U32(s.m_adwCaption[3]);
    for (u32 i = 0; i < kHitRanges; ++i) b.U32(s.m_adwHitRange[i], kHitRangeFrom[i]);
    b.U32(s.m_dwUndoDepth);
    b.U32(s.m_dwPixelWidth).U32(s.m_dwPixelHeight).U32(s.m_dwLevelStep);
    b.Double(s.m_dLevelStep).Double(s.m_dLevelStep2).Double(s.m_dSpeedLimit10);
    b.Double(s.m_dGravityPerLevel2).Double(s.m_dSpeedPerStep);
    b.U32(s.m_dwLevelStep8).U32(s.m_dwNoDamageOffScreen);
    b.U32(s.m_dwPlayerSameImmunity).U32(s.m_dwPlayerImmunity).U32(s.m_dwEnemySameImmunity).U32(s.m_dwEnemyImmunity);
    b.Str(s.m_strName);
    return b.Get();
}

inline std::vector<u8> ParamSetBody(u32 v, const cStageParamSet& p)
{
    return cVersionBody(v)
        .U32(p.m_dwLeftOn).U32(p.m_dwRightOn, 125).U32(p.m_dwTopOn, 125).U32(p.m_dwBottomOn, 125)
        .U32(p.m_dwLeftMargin).U32(p.m_dwRightMargin).U32(p.m_dwTopMargin).U32(p.m_dwBottomMargin)
        .Get();
}

// A layer as the version stores it: each retired pair and the two kept
// f64 values are one field of two values.
inline std::vector<u8> BackgroundBody(u32 v, const cStageBackground& g, u32 dwRetired1 = 0, u32 dwRetired2 = 0)
{
    return cVersionBody(v)
        .U32(g.m_dwShowFromStart, 62).U32(g.m_dwFillColor).U32(g.m_dwColor).U32(g.m_dwFront)
        .Entry(cBytes().U32(dwRetired1).U32(dwRetired2), 0, 61)
        .Double(g.m_dScrollSpeedX, 61).Double(g.m_dScrollSpeedY, 61)
        .U32(g.m_dwAutoScrollX, 61).U32(g.m_dwAutoScrollY, 61)
        .Double(g.m_dAutoSpeedX, 876).Double(g.m_dAutoSpeedY, 876)
        .Entry(cBytes().U32(dwRetired1).U32(dwRetired2), 61, 62)
        .Entry(cBytes().Double(g.m_adExtra[0]).Double(g.m_adExtra[1]), 62)
        .Str(g.m_strImage)
        .Get();
}

inline std::vector<u8> RecordBody(const std::string& strName) { return cBytes().U32(0).U32(1).Str(strName); }

// A placed entry: its cell, then its body.
struct cPlaced {
    u32 dwCell;
    std::vector<u8> body;
};

// Everything of a stage file after its registered fields.
struct cStageTail {
    std::vector<u32> ranking;
    std::vector<std::vector<u8>> paramSets;  // five bodies
    std::vector<std::vector<u8>> blocks, charas, items;  // the palette lists' bodies
    std::vector<cPlaced> placedBlocks, placedCharas, placedItems;
    std::vector<std::vector<u8>> backgrounds;
    std::vector<std::vector<u8>> records;
};

inline cBytes& Bodies(cBytes& b, const std::vector<std::vector<u8>>& bodies)
{
    b.U32(static_cast<u32>(bodies.size()));
    for (const std::vector<u8>& body : bodies) b.Raw(body);
    return b;
}

inline cBytes& Placed(cBytes& b, const std::vector<cPlaced>& placed)
{
    b.U32(static_cast<u32>(placed.size()));
    for (const cPlaced& p : placed) b.U32(p.dwCell).Raw(p.body);
    return b;
}

// The whole file: version, registered fields, the tail and (from 173) the
// end marker.
inline std::vector<u8> StageFile(u32 v, const cStage& s, const cStageTail& t)
{
    cBytes b;
    b.U32(v).Raw(StageHead(v, s));
    b.U32(static_cast<u32>(t.ranking.size()));
    for (u32 r : t.ranking) b.U32(r);
    for (const std::vector<u8>& p : t.paramSets) b.Raw(p);
    Bodies(b, t.blocks);
    Bodies(b, t.charas);
    Bodies(b, t.items);
    Placed(b, t.placedBlocks);
    Placed(b, t.placedCharas);
    Placed(b, t.placedItems);
    Bodies(b, t.backgrounds);
    Bodies(b, t.records);
    if (v >= 173) b.U32(kStageEndMarker);
    return b;
}

}  // namespace stagebytes

class cStageTest : public cFlowTest {
protected:
    void TearDown() override
    {
        SetProjectOptions(nullptr);
        cFlowTest::TearDown();
    }
};

// Two stages hold the same: settings, palette, placed entries, layers and
// records.
inline void ExpectSameStage(const cStage& a, const cStage& b)
{
    EXPECT_TRUE(cEdData::IsEqual(a, b));
    EXPECT_TRUE(a.m_Palette == b.m_Palette);
    EXPECT_TRUE(a.m_vBlockGrid == b.m_vBlockGrid);
    EXPECT_TRUE(a.m_vCharaGrid == b.m_vCharaGrid);
    EXPECT_TRUE(a.m_vItemGrid == b.m_vItemGrid);
    EXPECT_TRUE(a.m_vBackground == b.m_vBackground);
    EXPECT_TRUE(a.m_vRecord == b.m_vRecord);
    EXPECT_EQ(a.m_vRanking, b.m_vRanking);
    for (u32 i = 0; i < kRemovalSets; ++i) EXPECT_TRUE(a.m_Removal[i] == b.m_Removal[i]) << "removal set " << i;
}
