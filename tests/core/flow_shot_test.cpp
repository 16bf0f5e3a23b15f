#include <gtest/gtest.h>

#include <cstring>

#include "flow/ed_shot.h"
#include "flow/option_names.h"
#include "flow/shot_tables.h"
#include "flow_bodies.h"
#include "flow_test_util.h"

namespace {

class FlowShot : public cFlowTest {};

// Distinct values in every field.
cEdShot SampleShot()
{
    cEdShot s;
    s.m_bShot1 = 127;
    s.m_nPattern = 3;
    s.m_wPatternValue[0] = 40;
    s.m_wPatternValue[1] = 50;
    s.m_wPatternValue[2] = 0x0102;
    s.m_nAimSubject = 2;
    s.m_nDirection = 12;
    s.m_bAimAngle = 1;
    s.m_nTargetNo = 3;
    s.m_wDirExtra = static_cast<u16>(-7200);
    s.m_wDirExtraClone = 7200;
    s.m_bMirror = 0;
    s.m_wSpread = 180;
    s.m_bShiftByAngle = 1;
    s.m_bShot13 = 20;
    s.m_wOffsetX = static_cast<u16>(-640);
    s.m_wOffsetXClone = 1;
    s.m_wOffsetY = 640;
    s.m_wOffsetYClone = static_cast<u16>(-1);
    s.m_bFlipX = 0;
    s.m_bFlipY = 1;
    s.m_wGraphic = 120;
    s.m_nZ = 7;
    s.m_bTransparent = 1;
    s.m_bSameAsUser = 0;
    s.m_nForce = 5;
    s.m_bShot25 = 0xA5;
    s.m_nSize = 10;
    s.m_bShot27 = 0x5A;
    s.m_nAim = 8;
    s.m_wAimValue[0] = 100;
    s.m_wAimValue[1] = 99;
    s.m_wAimValue[2] = 359;
    s.m_nTargetNo2 = 2;
    s.m_bScrollSync = 1;
    s.m_wShot32 = static_cast<u16>(-200);
    s.m_wSpeedClone = 3;
    s.m_bAccel = 1;
    s.m_wAccelValue = static_cast<u16>(-5);
    s.m_wAccelClone = 6;
    s.m_bRange = 1;
    s.m_wRange = 64;
    s.m_wRangeClone = static_cast<u16>(-40);
    s.m_bKeepAtEnd = 1;
    s.m_bLifetime = 1;
    s.m_wLifetime = 999;
    s.m_wLifetimeClone = static_cast<u16>(-99);
    s.m_bPierceBlock = 1;
    s.m_bPierceChara = 0;
    s.m_bPierceBlockChara = 1;
    s.m_bDieByShot = 1;
    s.m_nVanishValue = 9;
    s.m_nPower = static_cast<u32>(-999999);
    s.m_wShot50 = 0xBEEF;
    s.m_nImpact = static_cast<u8>(-20);
    s.m_wEffect = 4;
    s.m_nDropSource = 2;
    s.m_wDropItem = 300;
    s.m_nBlockMode = 2;
    s.m_bFailOnPlayer = 1;
    s.m_bFailOnEnemy = 0;
    s.m_nSummonSource = 1;
    s.m_wSummonIndex = 0x1234;
    s.m_nForceMode = 2;
    s.m_bZeroScore = 1;
    s.m_bFaceOpposite = 1;
    s.m_bAttack = 1;
    s.m_nFlowGroup = 26;
    return s;
}

// The shot's 64 entries in file order, by hand: the range before its flag,
// the block summon's failure flags before the summon fields.
std::vector<u8> SampleShotBody()
{
    return cBytes()
        .U32(64)
        .U8(127).U8(3).U16(40).U16(50).U16(0x0102)  // count, pattern, its values
        .U8(2).U8(12).U8(1).U8(3)                   // aim subject, direction, aim angle, target
        .U16(0xE3E0).U16(7200)                      // angle -7200, its clone increment
        .U8(0)                                      // mirror
        .U16(180).U8(1).U8(20)                      // spread, shift by angle, clones
        .U16(0xFD80).U16(1).U16(640).U16(0xFFFF)    // offsets and their increments
        .U8(0).U8(1)                                // flips
        .U16(120).U8(7).U8(1).U8(0).U8(5)           // graphic, Z, transparent, same as user, faction
        .U8(0xA5).U8(10).U8(0x5A)                   // field 25, size, field 27
        .U8(8).U16(100).U16(99).U16(359)            // aim, its values
        .U8(2).U8(1)                                // second target, scroll sync
        .U16(0xFF38).U16(3)                         // speed -200, its clone increment
        .U8(1).U16(0xFFFB).U16(6)                   // acceleration
        .U16(64).U8(1).U16(0xFFD8)                  // range, range flag, range clone increment
        .U8(1).U8(1).U16(999).U16(0xFF9D)           // keep at end, lifetime flag, lifetime, its increment
        .U8(1).U8(0).U8(1).U8(1).U8(9)              // pierce block, chara, block chara, die by shot, vanish
        .U32(0xFFF0BDC1).U16(0xBEEF).U8(0xEC)       // power -999999, field 50, impact -20
        .U16(4).U8(2).U16(300)                      // effect, drop source, drop item
        .U8(2).U8(1).U8(0)                          // block mode, fail on player, fail on enemy
        .U8(1).U16(0x1234).U8(2)                    // summon source, summon index, faction mode
        .U8(1).U8(1).U8(1).U8(26)                   // zero score, face opposite, attack, flow group
        .U32(0);
}

TEST_F(FlowShot, DefaultsAndTheirLayout)
{
    cEdShot s;
    EXPECT_EQ(cEdShot::FieldTable().Count(950, false), 64u);
    // m_bMirror, m_bFlipX, m_bSameAsUser and m_nSize are 1.
    const std::vector<u8> body = cBytes()
                                     .U32(64)
                                     .U8(0).U8(0).U16(0).U16(0).U16(0).U8(0).U8(0).U8(0).U8(0)
                                     .U16(0).U16(0).U8(1).U16(0).U8(0).U8(0)
                                     .U16(0).U16(0).U16(0).U16(0).U8(1).U8(0)
                                     .U16(0).U8(0).U8(0).U8(1).U8(0).U8(0).U8(1).U8(0)
                                     .U8(0).U16(0).U16(0).U16(0).U8(0).U8(0).U16(0).U16(0)
                                     .U8(0).U16(0).U16(0).U16(0).U8(0).U16(0)
                                     .U8(0).U8(0).U16(0).U16(0)
                                     .U8(0).U8(0).U8(0).U8(0).U8(0).U32(0).U16(0).U8(0)
                                     .U16(0).U8(0).U16(0).U8(0).U8(0).U8(0)
                                     .U8(0).U16(0).U8(0).U8(0).U8(0).U8(0).U8(0)
                                     .U32(0);
    EXPECT_BYTES(DataFile(950, body), SavedBytes(s));

    std::shared_ptr<cEdShot> holder;
    EXPECT_EQ(CreateEdShot(holder), 1u);
    ASSERT_TRUE(holder);
    EXPECT_TRUE(*holder == s);
}

TEST_F(FlowShot, LayoutRoundTripCopyAndComparison)
{
    const cEdShot s = SampleShot();
    EXPECT_BYTES(DataFile(950, SampleShotBody()), SavedBytes(s));

    cEdShot back;
    ASSERT_TRUE(LoadFromBytes(back, DataFile(950, SampleShotBody())));
    EXPECT_TRUE(back == s);
    EXPECT_BYTES(DataFile(950, SampleShotBody()), SavedBytes(back));

    cEdShot copy;
    copy = s;
    EXPECT_TRUE(copy == s);
    EXPECT_TRUE(cEdShot(s) == s);
    // Fields no dialog shows are compared too, and every slot of an array.
    copy.m_wShot50 = 0;
    EXPECT_TRUE(copy != s);
    copy = s;
    copy.m_wAimValue[2] = 358;
    EXPECT_TRUE(copy != s);
    copy = s;
    copy.m_nFlowGroup = 25;
    EXPECT_TRUE(copy != s);
    ExpectQuiet();
}

TEST_F(FlowShot, NormalisationOnLoadAndSave)
{
    cFakeFlowRefs refs;
    refs.Set(eFlowRefTable::Effect, 5);
    SetFlowRefs(&refs);

    // Effect 4 of 5 stays; effect 5 names a removed effect and saves as 0;
    // the record itself keeps its value until it is normalised.
    cEdShot s = SampleShot();
    EXPECT_BYTES(DataFile(950, SampleShotBody()), SavedBytes(s));
    s.m_wEffect = 5;
    s.m_nSize = 0;
    cEdShot normal = SampleShot();
    normal.m_wEffect = 0;
    normal.m_nSize = 1;
    EXPECT_BYTES(SavedBytes(normal), SavedBytes(s));
    EXPECT_EQ(s.m_wEffect, 5);
    EXPECT_EQ(s.m_nSize, 0);
    s.Normalize();
    EXPECT_EQ(s.m_wEffect, 0);
    EXPECT_EQ(s.m_nSize, 1);

    // On load: a size of 0 reads as 1, an effect out of the table as 0.
    cEdShot stored = SampleShot();
    stored.m_nSize = 0;
    stored.m_wEffect = 0xFFFF;
    SetFlowRefs(nullptr);
    const std::vector<u8> file = SavedBytes(stored);  // nothing known: kept as they are
    SetFlowRefs(&refs);
    cEdShot rec;
    ASSERT_TRUE(LoadFromBytes(rec, file));
    EXPECT_EQ(rec.m_nSize, 1);
    EXPECT_EQ(rec.m_wEffect, 0);

    // Without a database every effect is kept; the size is still raised.
    SetFlowRefs(nullptr);
    ASSERT_TRUE(LoadFromBytes(rec, file));
    EXPECT_EQ(rec.m_nSize, 1);
    EXPECT_EQ(rec.m_wEffect, 0xFFFF);
}

TEST_F(FlowShot, OlderVersionsMigrate)
{
    const cMigrationRow<cEdShot> rows[] = {
        // Below 158 there is no mirror flag: 0 (its default is 1).
        {157, [](cEdShot& s) { s.m_nDirection = 2; }, nullptr, [](cEdShot& s) { s.m_bMirror = 0; }},
        {158, [](cEdShot& s) { s.m_bMirror = 1; }, nullptr, nullptr},
        // Below 197 the enemy flag copies the player flag.
        {196, [](cEdShot& s) { s.m_bFailOnPlayer = 1; }, nullptr, [](cEdShot& s) { s.m_bFailOnEnemy = 1; }},
        {196, [](cEdShot& s) { s.m_bFailOnPlayer = 0; }, [](cEdShot& s) { s.m_bFailOnEnemy = 1; },
         [](cEdShot& s) { s.m_bFailOnEnemy = 0; }},
        {197, [](cEdShot& s) { s.m_bFailOnPlayer = 1; }, nullptr, nullptr},
        // Below 212 the homing aims (4 to 7) follow the scrolling.
        {211, [](cEdShot& s) { s.m_nAim = 5; }, nullptr, [](cEdShot& s) { s.m_bScrollSync = 1; }},
        {211,
         [](cEdShot& s) {
             s.m_nAim = 3;
             s.m_bScrollSync = 1;
         },
         nullptr, [](cEdShot& s) { s.m_bScrollSync = 0; }},
        {210, [](cEdShot& s) { s.m_nAim = 7; }, nullptr, [](cEdShot& s) { s.m_bScrollSync = 1; }},
        {210, [](cEdShot& s) { s.m_nAim = 8; }, [](cEdShot& s) { s.m_bScrollSync = 1; },
         [](cEdShot& s) { s.m_bScrollSync = 0; }},
        {212, [](cEdShot& s) { s.m_nAim = 4; }, nullptr, nullptr},
        // Below 213 there is no acceleration.
        {212, [](cEdShot& s) { s.m_wShot32 = 8; },
         [](cEdShot& s) {
             s.m_bAccel = 1;
             s.m_wAccelValue = 2;
             s.m_wAccelClone = 3;
         },
         [](cEdShot& s) {
             s.m_bAccel = 0;
             s.m_wAccelValue = 0;
             s.m_wAccelClone = 0;
         }},
        {213,
         [](cEdShot& s) {
             s.m_bAccel = 1;
             s.m_wAccelValue = 2;
         },
         nullptr, nullptr},
        // Below 636 block charas are pierced like charas.
        {635, [](cEdShot& s) { s.m_bPierceChara = 1; }, nullptr, [](cEdShot& s) { s.m_bPierceBlockChara = 1; }},
        {636, [](cEdShot& s) { s.m_bPierceChara = 1; }, nullptr, nullptr},
        // Below 671 the aim is at the target.
        {670, [](cEdShot& s) { s.m_nAim = 1; }, [](cEdShot& s) { s.m_nAimSubject = 2; },
         [](cEdShot& s) { s.m_nAimSubject = 0; }},
        {671, [](cEdShot& s) { s.m_nAimSubject = 2; }, nullptr, nullptr},
        // Fields a version didn't store keep the record's values.
        {761, [](cEdShot& s) { s.m_wDropItem = 3; },
         [](cEdShot& s) {
             s.m_bAttack = 1;
             s.m_nFlowGroup = 4;
         },
         nullptr},
        {766, [](cEdShot& s) { s.m_bAttack = 1; }, [](cEdShot& s) { s.m_nTargetNo2 = 3; }, nullptr},
        {767,
         [](cEdShot& s) {
             s.m_nTargetNo = 1;
             s.m_nTargetNo2 = 2;
         },
         nullptr, nullptr},
        // Every version is normalised.
        {100, [](cEdShot& s) { s.m_nSize = 0; }, nullptr,
         [](cEdShot& s) {
             s.m_nSize = 1;
             s.m_bMirror = 0;
         }},
    };
    ExpectMigrations(rows, ShotBody);
}

TEST_F(FlowShot, DamagedBodies)
{
    ExpectEveryTruncationFails(DataFile(950, SampleShotBody()), SampleShot());

    std::vector<u8> inflated = SampleShotBody();
    inflated[0] = 65;
    cEdShot rec = SampleShot();
    EXPECT_FALSE(LoadFromBytes(rec, DataFile(950, inflated)));
    EXPECT_TRUE(rec == SampleShot());
    // A version-157 body has 58 entries.
    EXPECT_FALSE(LoadFromBytes(rec, DataFile(157, cBytes().U32(59).Raw(ShotBody(157, cEdShot())))));

    // Option values out of their tables load as stored; names and value
    // slots are empty.
    cEdShot odd = SampleShot();
    odd.m_nPattern = 6;
    odd.m_nAim = 255;
    odd.m_nAimSubject = 3;
    odd.m_nForceMode = 200;
    odd.m_nBlockMode = 3;
    odd.m_nFlowGroup = 27;
    ASSERT_TRUE(LoadFromBytes(rec, SavedBytes(odd)));
    EXPECT_TRUE(rec == odd);
    EXPECT_STREQ(g_ShotPatternNames.At(rec.m_nPattern), "");
    EXPECT_STREQ(g_ShotAimNames.At(rec.m_nAim), "");
    EXPECT_STREQ(g_AimSubjectNames.At(rec.m_nAimSubject), "");
    EXPECT_STREQ(g_SummonForceNames.At(rec.m_nForceMode), "");
    EXPECT_STREQ(g_BlockSummonModeNames.At(rec.m_nBlockMode), "");
    EXPECT_STREQ(g_GroupLetterAllNames.At(rec.m_nFlowGroup), "");
    EXPECT_STREQ(g_GiantSizeNames.At(rec.m_nSize - 1), "×100");
    for (u32 nSlot = 0; nSlot < kShotValueSlots; ++nSlot) {
        EXPECT_STREQ(PatternValueDesc(rec.m_nPattern, nSlot).m_lpLabel, "");
        EXPECT_STREQ(AimValueDesc(rec.m_nAim, nSlot).m_lpLabel, "");
    }
    ExpectQuiet();
}

}  // namespace
