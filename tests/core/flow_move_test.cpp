#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "flow/ed_move.h"
#include "flow/option_names.h"
#include "flow_bodies.h"
#include "flow_test_util.h"

namespace {

class FlowMove : public cFlowTest {};

// Distinct values in every field.
cEdMove SampleMove()
{
    cEdMove m;
    m.m_nMode = 1;
    m.m_nDirection = 12;
    m.m_wDirExtra = static_cast<u16>(-7200);
    m.m_wMove4 = 45;
    m.m_bMove5 = 0;
    m.m_bUseX = 0;
    m.m_bUseY = 1;
    m.m_wTargetX = static_cast<u16>(-16383);
    m.m_wTargetY = 16383;
    m.m_wTargetDotX = static_cast<u16>(-640);
    m.m_wTargetDotY = 640;
    m.m_nCoordKind = 3;
    m.m_nTargetUnit = 1;
    m.m_nOrigin = 2;
    m.m_bUntilTarget = 0;
    m.m_bNoMoveX = 1;
    m.m_bNoMoveY = 1;
    m.m_bFlipX = 0;
    m.m_bFlipY = 1;
    m.m_bReverseOnTurn = 0;
    m.m_bNoJitter = 1;
    m.m_bKeepFacing = 1;
    m.m_nTimingMode = 2;
    m.m_wSpeed = static_cast<u16>(-200);
    m.m_wSpeedClone = 7;
    m.m_wDistance = 64;
    m.m_wDistanceClone = static_cast<u16>(-40);
    m.m_bDotUnit = 1;
    m.m_wMove29 = 20;
    m.m_wMove30 = static_cast<u16>(-20);
    m.m_bInertia = 1;
    m.m_wMaxSpeed = 200;
    m.m_dRate = 2.5;
    m.m_nAnimeMode = 2;
    m.m_bMove35 = 3;
    return m;
}

// The move's 35 fields in file order, by hand.
std::vector<u8> SampleMoveBody()
{
    return cBytes()
        .U32(35)
        .U8(1).U8(12).U16(0xE3E0).U16(45)  // mode, direction, angle -7200, its clone increment
        .U8(0)                             // reverse rotation when facing right
        .U8(0).U8(1)                       // target X, Y given
        .U16(0xC001).U16(16383)            // target -16383, 16383
        .U16(0xFD80).U16(640)              // dots -640, 640
        .U8(3).U8(1).U8(2)                 // coordinate kind, unit, origin
        .U8(0).U8(1).U8(1).U8(0).U8(1).U8(0).U8(1)  // until target .. no jitter
        .U8(1)                             // keep facing
        .U8(2)                             // timing mode
        .U16(0xFF38).U16(7)                // speed -200, its clone increment
        .U16(64).U16(0xFFD8)               // distance 64, its clone increment -40
        .U8(1)                             // dot unit
        .U16(20).U16(0xFFEC)               // field 29, field 30 -20
        .U8(1).U16(200).Double(2.5)        // inertia, max speed, rate
        .U8(2).U8(3)                       // anime mode, target
        .U32(0);
}

TEST_F(FlowMove, DefaultsAndTheirLayout)
{
    cEdMove m;
    EXPECT_EQ(m.m_wSpeed, 10);
    EXPECT_EQ(m.m_bUseX, 1);
    EXPECT_EQ(m.m_bUseY, 1);
    EXPECT_EQ(m.m_dRate, 1.0);
    EXPECT_EQ(cEdMove::FieldTable().Count(950, false), 35u);
    EXPECT_EQ(cEdMove::FieldTable().Count(950, true), 0u);
    // Fields 5, 6, 7, 15, 18 and 20 are 1.
    const std::vector<u8> body = cBytes()
                                     .U32(35)
                                     .U8(0).U8(0).U16(0).U16(0).U8(1).U8(1).U8(1)
                                     .U16(0).U16(0).U16(0).U16(0).U8(0).U8(0).U8(0)
                                     .U8(1).U8(0).U8(0).U8(1).U8(0).U8(1).U8(0).U8(0).U8(0)
                                     .U16(10).U16(0).U16(0).U16(0).U8(0).U16(0).U16(0)
                                     .U8(0).U16(0).Double(1.0).U8(0).U8(0)
                                     .U32(0);
    EXPECT_BYTES(DataFile(950, body), SavedBytes(m));

    std::shared_ptr<cEdMove> holder;
    EXPECT_EQ(CreateEdMove(holder), 1u);
    ASSERT_TRUE(holder);
    EXPECT_TRUE(*holder == m);
}

TEST_F(FlowMove, LayoutRoundTripCopyAndComparison)
{
    const cEdMove m = SampleMove();
    EXPECT_BYTES(DataFile(950, SampleMoveBody()), SavedBytes(m));

    cEdMove back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleMoveBody())));
    EXPECT_TRUE(back == m);
    EXPECT_BYTES(DataFile(950, SampleMoveBody()), SavedBytes(back));

    cEdMove copy;
    copy = m;
    EXPECT_TRUE(copy == m);
    cEdMove constructed(m);
    EXPECT_TRUE(constructed == m);

    // Each kind of field takes part in the comparison.
    copy.m_dRate = 2.6;
    EXPECT_TRUE(copy != m);
    copy = m;
    copy.m_bMove35 = 0;
    EXPECT_TRUE(copy != m);
    copy = m;
    copy.m_wDirExtra = 0;
    EXPECT_TRUE(copy != m);
    ExpectQuiet();
}

TEST_F(FlowMove, OlderVersionsMigrate)
{
    const cMigrationRow<cEdMove> rows[] = {
        // Below 158 there is no rotation flag: it becomes 0 (its default is 1).
        {157, [](cEdMove& m) { m.m_nDirection = 3; }, nullptr, [](cEdMove& m) { m.m_bMove5 = 0; }},
        {158, [](cEdMove& m) { m.m_bMove5 = 1; }, nullptr, nullptr},
        // Below 159 the distance is in half blocks.
        {158, [](cEdMove& m) { m.m_wDistance = 5; }, [](cEdMove& m) { m.m_bDotUnit = 1; },
         [](cEdMove& m) { m.m_bDotUnit = 0; }},
        {159, [](cEdMove& m) { m.m_bDotUnit = 1; }, nullptr, nullptr},
        // Below 162 the chara turns and plays the move animation.
        {161, [](cEdMove& m) { m.m_bNoJitter = 1; },
         [](cEdMove& m) {
             m.m_bKeepFacing = 1;
             m.m_nAnimeMode = 2;
         },
         [](cEdMove& m) {
             m.m_bKeepFacing = 0;
             m.m_nAnimeMode = 0;
         }},
        {162, [](cEdMove& m) { m.m_bKeepFacing = 1; }, nullptr, nullptr},
        // Below 830 animation 1 was what is now 2.
        {829, [](cEdMove& m) { m.m_nAnimeMode = 1; }, nullptr, [](cEdMove& m) { m.m_nAnimeMode = 2; }},
        {829, [](cEdMove& m) { m.m_nAnimeMode = 0; }, nullptr, nullptr},
        {829, [](cEdMove& m) { m.m_nAnimeMode = 3; }, nullptr, nullptr},
        {830, [](cEdMove& m) { m.m_nAnimeMode = 1; }, nullptr, nullptr},
        // Fields a version didn't store keep the record's values.
        {766, [](cEdMove& m) { m.m_wMaxSpeed = 200; }, [](cEdMove& m) { m.m_bMove35 = 2; }, nullptr},
        {890, [](cEdMove& m) { m.m_bMove35 = 3; }, nullptr, nullptr},
        {891, [](cEdMove& m) { m.m_nTargetUnit = 1; }, nullptr, nullptr},
        {892, [](cEdMove& m) { m.m_nOrigin = 2; }, nullptr, nullptr},
    };
    ExpectMigrations(rows, MoveBody);
}

TEST_F(FlowMove, DamagedBodies)
{
    ExpectEveryTruncationFails(DataFile(950, SampleMoveBody()), SampleMove());

    // More fields than the version stored.
    std::vector<u8> inflated = SampleMoveBody();
    inflated[0] = 36;
    cEdMove rec = SampleMove();
    EXPECT_FALSE(LoadFromBytes(rec, DataFile(950, inflated)));
    EXPECT_TRUE(rec == SampleMove());
    cEdMove old;
    EXPECT_FALSE(LoadFromBytes(old, DataFile(157, cBytes().U32(33).Raw(MoveBody(157, cEdMove())))));

    // Option values out of their tables load as stored; their names are empty.
    cEdMove odd = SampleMove();
    odd.m_nMode = 200;
    odd.m_nDirection = 13;
    odd.m_nCoordKind = 255;
    odd.m_nAnimeMode = 9;
    ASSERT_TRUE(LoadFromBytes(rec, SavedBytes(odd)));
    EXPECT_TRUE(rec == odd);
    EXPECT_STREQ(g_DirectionNames.At(rec.m_nDirection), "");
    EXPECT_STREQ(g_WarpModeNames.At(rec.m_nMode), "");
    EXPECT_STREQ(g_CoordKindStartNames.At(rec.m_nCoordKind), "");
    EXPECT_STREQ(g_MoveAnimeNames.At(rec.m_nAnimeMode), "");

    // A rate that is not a number reads as the default.
    std::vector<u8> nan = SampleMoveBody();
    const size_t nRate = nan.size() - 4 - 2 - 8;
    cBytes nanBytes;
    nanBytes.Double(std::numeric_limits<double>::quiet_NaN());
    std::copy(nanBytes.Get().begin(), nanBytes.Get().end(), nan.begin() + nRate);
    ASSERT_TRUE(LoadFromBytes(rec, DataFile(950, nan)));
    EXPECT_EQ(rec.m_dRate, 1.0);
    cEdMove expected = SampleMove();
    expected.m_dRate = 1.0;
    EXPECT_TRUE(rec == expected);
    ExpectQuiet();
}

}  // namespace
