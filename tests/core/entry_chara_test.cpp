#include <gtest/gtest.h>

#include "data/ed_chara.h"
#include "entry_test_util.h"
#include "flow_record_util.h"
#include "flow_test_util.h"

namespace {

class EntryChara : public cFlowTest {};

// Distinct values in every field, a condition and two flows: one that
// summons a chara, one that waits.
cEdChara SampleChara()
{
    cEdChara c;
    c.m_wCellX = 7;
    c.m_wCellY = 9;
    c.m_nHeldItemNo = -1;
    c.m_cInheritKind = 1;
    c.m_wInheritIndex = 2;
    c.m_bbInherit.assign(37, 0);
    c.m_bbInherit[0] = 1;
    c.m_bbInherit[36] = 1;
    c.m_strName = "スライム";
    c.m_vCond.resize(1);
    c.m_vCond[0].m_nKind = 3;
    c.m_cCondJudge = 1;
    c.m_cCondLatch = 1;
    c.m_cFaceRight = 1;
    c.m_cCloneCount = 32;
    c.m_sOffsetX = -640;
    c.m_sCloneOffsetX = 640;
    c.m_sOffsetY = -3;
    c.m_sCloneOffsetY = 4;
    c.m_cFlipOffsetX = 1;
    c.m_cFlipOffsetY = 1;
    c.m_wGraphic = 999;
    c.m_cGraphicKind = 4;
    c.m_sGraphicOffset = -999;
    c.m_wAnimeSet = 5;
    c.m_cZ = 7;
    c.m_cTransparent = 1;
    c.m_wStartEffect = 6;
    c.m_cStartEffectRun = 2;
    c.m_cStartEffectLoop = 0;
    c.m_wDeathEffect = 8;
    c.m_cDeathEffectRun = 1;
    c.m_cIconShow = 2;
    c.m_wIcon = 119;
    c.m_cControl = 1;
    c.m_cPlayerNo = 0;
    c.m_cForce = 7;
    c.m_cCharaId = 99;
    c.m_cFly = 3;
    c.m_cFixDir = 0;
    c.m_cInvincible = 2;
    c.m_cInvincibleEffect = 9;
    c.m_cBlock = 1;
    c.m_cGiant = 10;
    c.m_cScrollSync = 1;
    c.m_cSight = 4;
    c.m_cSightRange = 40;
    c.m_nHP = 999999;
    c.m_nSP = 12345;
    c.m_wStopEase = 200;
    c.m_cBodyHitRange = 3;
    c.m_nBodyPower = -999999;
    c.m_cBodyImpact = -20;
    c.m_wBodyEffect = 4;
    c.m_nDefence = 77;
    c.m_cImpactResist = 20;
    c.m_nScore = -5;
    c.m_cHoldItem = 0;
    c.m_cHasGroup = 1;
    c.m_wGroupNo = 59;
    c.m_cActRange = 3;
    c.m_cActJudge = 2;
    c.m_vFlow.resize(2);
    c.m_vFlow[0].m_Note = "召喚";
    cCommand summon = MakeCommand(0, 14);
    CreateEdShot(summon.m_pShot);
    summon.m_pShot->m_nSummonSource = 1;
    summon.m_pShot->m_wSummonIndex = 6;
    c.m_vFlow[0].m_Commands.push_back(summon);
    c.m_vFlow[1].m_nTrigger = 5;
    c.m_vFlow[1].m_Commands.push_back(MakeCommand(0, 1));
    return c;
}

TEST_F(EntryChara, DefaultsAndTheirLayout)
{
    const cEdChara c;
    EXPECT_TRUE(c.IsEmpty());
    EXPECT_EQ(c.m_cControl, 1);
    EXPECT_EQ(c.m_cForce, 1);
    EXPECT_EQ(c.m_nHP, 10u);
    EXPECT_EQ(c.m_cZ, 3);
    EXPECT_EQ(c.m_cGraphicKind, 1);
    EXPECT_EQ(c.m_cGiant, 1);
    EXPECT_EQ(c.m_wStopEase, 10);
    EXPECT_EQ(c.m_cFixDir, 1);
    EXPECT_EQ(c.m_cHoldItem, 1);
    EXPECT_EQ(c.m_cStartEffectLoop, 1);
    EXPECT_EQ(c.m_nHeldItemNo, 0);
    EXPECT_EQ(c.m_bbInherit, std::vector<u8>(37, 0));
    EXPECT_TRUE(c.m_vFlow.empty());
    EXPECT_EQ(cEdChara::FieldTable().Count(950, false), 53u);
    size_t nBytes = 0;
    for (const cFieldDesc* d : cEdChara::FieldTable().Registered(950, false)) nBytes += d->Bytes();
    EXPECT_EQ(nBytes, 82u);
    EXPECT_BYTES(DataFile(950, CharaBody(950, c)), SavedBytes(c));
}

TEST_F(EntryChara, LayoutRoundTripAndComparison)
{
    const cEdChara c = SampleChara();
    const std::vector<u8> file = DataFile(950, CharaBody(950, c));
    EXPECT_BYTES(file, SavedBytes(c));

    cEdChara back;
    ASSERT_TRUE(LoadFromBytes(back, file));
    EXPECT_TRUE(back == c);
    EXPECT_EQ(back.m_nHeldItemNo, -1);
    EXPECT_BYTES(file, SavedBytes(back));

    const struct {
        const char* lpWhat;
        void (*pfnChange)(cEdChara&);
        bool bEqual;
    } changes[] = {
        {"name", [](cEdChara& x) { x.m_strName = "ドラゴン"; }, false},
        {"score", [](cEdChara& x) { x.m_nScore = 5; }, false},
        {"flag", [](cEdChara& x) { x.m_bbInherit[1] = 1; }, false},
        {"condition", [](cEdChara& x) { x.m_vCond[0].m_nKind = 1; }, false},
        {"flow command", [](cEdChara& x) { x.m_vFlow[1].m_Commands[0].m_wTime = 3; }, false},
        {"flow count", [](cEdChara& x) { x.m_vFlow.pop_back(); }, false},
        {"cell and held item", [](cEdChara& x) { x.m_wCellY = 0; x.m_nHeldItemNo = 4; }, true},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.lpWhat);
        cEdChara other = c;
        change.pfnChange(other);
        EXPECT_EQ(cEdChara::IsEqual(other, c), change.bEqual);
        EXPECT_EQ(cEdChara::IsNotEqual(other, c), !change.bEqual);
    }
    cEdChara emptyA = SampleChara();
    emptyA.m_wGraphic = 0;
    EXPECT_TRUE(emptyA == cEdChara());
    ExpectQuiet();
}

// A chara body of an older version, without conditions and flows (they
// have their own layouts per version).
std::vector<u8> OldCharaBody(u32 v, const cEdChara& c) { return CharaBody(v, c); }

TEST_F(EntryChara, OlderVersionsMigrate)
{
    cEdChara base;
    base.m_wGraphic = 1;  // not empty, so that comparisons see every field

    const cMigrationRow<cEdChara> rows[] = {
        // 34 flags: groups 27 (defence, 168), 24 (SP, 201) and 21 (scroll
        // sync, 210) opened, the stored flags keeping their groups; the
        // fields of those versions take their old meanings.
        {167, [](cEdChara& c) { c.m_bbInherit = TracedFlags(34); },
         [](cEdChara& c) {
             c.m_nDefence = 50;
             c.m_cBodyHitRange = 2;
             c.m_cScrollSync = 1;
             c.m_cStartEffectRun = 2;
             c.m_cDeathEffectRun = 2;
             c.m_cInvincibleEffect = 5;
         },
         [](cEdChara& c) {
             c.m_bbInherit = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                              21, 22, 1,  23, 24, 25, 1,  26, 27, 28, 1,  29, 30, 31, 32, 33, 34, 35};
             c.m_nDefence = 0;
             c.m_cBodyHitRange = 0;
             c.m_cScrollSync = 0;
             c.m_cStartEffectRun = 0;
             c.m_cDeathEffectRun = 0;
             c.m_cInvincibleEffect = 1;
         }},
        // 32 flags: the groups of 88 (14) and 105 (3) open first, as the
        // project options open theirs.
        {87, [](cEdChara& c) { c.m_bbInherit = TracedFlags(32); }, nullptr,
         [](cEdChara& c) {
             c.m_bbInherit = {2,  3,  4,  1,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 1,  16, 17, 18,
                              19, 20, 1,  21, 22, 23, 1,  24, 25, 26, 1,  27, 28, 29, 30, 31, 32, 33};
             c.m_cInvincibleEffect = 1;
         }},
        {104, [](cEdChara& c) { c.m_bbInherit = TracedFlags(33); }, nullptr,
         [](cEdChara& c) {
             c.m_bbInherit = {2,  3,  4,  1,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                              20, 21, 1,  22, 23, 24, 1,  25, 26, 27, 1,  28, 29, 30, 31, 32, 33, 34};
             c.m_cInvincibleEffect = 1;
         }},
        // Body-hit range 2 inserted at 206.
        {205, [](cEdChara& c) { c.m_cBodyHitRange = 2; }, nullptr,
         [](cEdChara& c) {
             c.m_cBodyHitRange = 3;
             c.m_bbInherit = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
             c.m_cInvincibleEffect = 1;
         }},
        {205, [](cEdChara& c) { c.m_cBodyHitRange = 1; }, nullptr,
         [](cEdChara& c) {
             c.m_bbInherit[21] = 1;
             c.m_cInvincibleEffect = 1;
         }},
        {206, [](cEdChara& c) { c.m_cBodyHitRange = 2; }, nullptr,
         [](cEdChara& c) {
             c.m_bbInherit[21] = 1;
             c.m_cInvincibleEffect = 1;
         }},
        // Shot graphics renumbered at 219.
        {218, [](cEdChara& c) { c.m_cGraphicKind = 3; c.m_wGraphic = 5; }, nullptr,
         [](cEdChara& c) {
             c.m_wGraphic = 6;
             c.m_cInvincibleEffect = 1;
         }},
        {218, [](cEdChara& c) { c.m_cGraphicKind = 3; c.m_wGraphic = 119; }, nullptr,
         [](cEdChara& c) { c.m_cInvincibleEffect = 1; }},
        {219, [](cEdChara& c) { c.m_cGraphicKind = 3; c.m_wGraphic = 5; }, nullptr,
         [](cEdChara& c) { c.m_cInvincibleEffect = 1; }},
        // The invincibility effect came at 285, white for older charas.
        {284, [](cEdChara& c) { c.m_cInvincible = 1; }, nullptr, [](cEdChara& c) { c.m_cInvincibleEffect = 1; }},
        {285, [](cEdChara& c) { c.m_cInvincibleEffect = 0; }, nullptr, nullptr},
        // More flags than groups: the surplus is dropped.
        {950, [](cEdChara& c) { c.m_bbInherit = TracedFlags(40); }, nullptr,
         [](cEdChara& c) { c.m_bbInherit = TracedFlags(37); }},
    };
    ExpectMigrations(rows, OldCharaBody, base);
    ExpectQuiet();
}

void InstallTables(cFakeFlowRefs& refs)
{
    refs.Set(eFlowRefTable::AnimeSet, 3)
        .Set(eFlowRefTable::CharaExcBmp, 5)
        .Set(eFlowRefTable::Effect, 6)
        .Set(eFlowRefTable::CharaEffect, 7);
    SetFlowRefs(&refs);
}

TEST_F(EntryChara, ChecksRepairReferences)
{
    cFakeFlowRefs refs;
    InstallTables(refs);
    cFakePalettes palettes;
    InstallPalettes(palettes);
    const struct {
        const char* lpWhat;
        void (*pfnSet)(cEdChara&);
        void (*pfnExpected)(cEdChara&);
    } cases[] = {
        {"common source past the list", [](cEdChara& c) { c.m_cInheritKind = 1; c.m_wInheritIndex = 4; },
         [](cEdChara& c) { c.m_cInheritKind = 0; c.m_wInheritIndex = 0; }},
        {"stage source past the list", [](cEdChara& c) { c.m_cInheritKind = 2; c.m_wInheritIndex = 7; },
         [](cEdChara& c) { c.m_cInheritKind = 0; c.m_wInheritIndex = 0; }},
        {"stage source", [](cEdChara& c) { c.m_cInheritKind = 2; c.m_wInheritIndex = 6; }, nullptr},
        {"special bitmap past the table", [](cEdChara& c) { c.m_cGraphicKind = 4; c.m_wGraphic = 5; },
         [](cEdChara& c) { c.m_wGraphic = 1; }},
        {"special bitmap", [](cEdChara& c) { c.m_cGraphicKind = 4; c.m_wGraphic = 4; }, nullptr},
        {"chara graphic", [](cEdChara& c) { c.m_cGraphicKind = 1; c.m_wGraphic = 500; }, nullptr},
        {"no enlargement", [](cEdChara& c) { c.m_cGiant = 0; }, [](cEdChara& c) { c.m_cGiant = 1; }},
        {"anime set", [](cEdChara& c) { c.m_wAnimeSet = 3; }, [](cEdChara& c) { c.m_wAnimeSet = 0; }},
        {"start effect", [](cEdChara& c) { c.m_wStartEffect = 7; }, [](cEdChara& c) { c.m_wStartEffect = 0; }},
        {"death effect", [](cEdChara& c) { c.m_wDeathEffect = 9; }, [](cEdChara& c) { c.m_wDeathEffect = 0; }},
        {"body effect", [](cEdChara& c) { c.m_wBodyEffect = 6; }, [](cEdChara& c) { c.m_wBodyEffect = 0; }},
        {"player", [](cEdChara& c) { c.m_cControl = 0; c.m_cCloneCount = 5; c.m_cBlock = 1; },
         [](cEdChara& c) { c.m_cCloneCount = 0; c.m_cBlock = 0; }},
        {"empty flows", [](cEdChara& c) {
             c.m_vFlow.insert(c.m_vFlow.begin(), cEdFlow());
             c.m_vFlow.resize(4);
             c.m_vFlow[3].m_bTestOnly = 1;
         },
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cEdChara before = SampleChara();
        before.m_wAnimeSet = 2;
        before.m_wStartEffect = 6;
        before.m_wDeathEffect = 6;
        before.m_wBodyEffect = 5;
        before.m_cGraphicKind = 1;
        c.pfnSet(before);
        cEdChara expected = before;
        if (c.pfnExpected) c.pfnExpected(expected);
        expected.m_vFlow = SampleChara().m_vFlow;
        cEdChara checked = before;
        checked.Validate();
        EXPECT_TRUE(checked == expected);
        EXPECT_EQ(checked.m_vFlow.size(), 2u);
        // Saving writes the checked entry; loading checks too.
        EXPECT_BYTES(DataFile(950, CharaBody(950, expected)), SavedBytes(before));
        cEdChara loaded;
        ASSERT_TRUE(LoadFromBytes(loaded, DataFile(950, CharaBody(950, before))));
        EXPECT_TRUE(loaded == expected);
    }

    // A flow list of one empty flow loads as no flows.
    cEdChara lone = SampleChara();
    lone.m_vFlow.assign(1, cEdFlow());
    cEdChara loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, DataFile(950, CharaBody(950, lone))));
    EXPECT_TRUE(loaded.m_vFlow.empty());

    // The palette references of the flows' commands.
    cEdChara refsChara = SampleChara();
    refsChara.ValidateRefs();
    EXPECT_EQ(refsChara.m_vFlow[0].m_Commands[0].m_pShot->m_wSummonIndex, 6);
    palettes.Set(ePaletteList::StageChara, 6);
    refsChara.ValidateRefs();
    EXPECT_EQ(refsChara.m_vFlow[0].m_Commands[0].m_pShot->m_wSummonIndex, 1);
    ExpectQuiet();
}

TEST_F(EntryChara, DamagedBodies)
{
    const std::vector<u8> file = DataFile(950, CharaBody(950, SampleChara()));
    ExpectEveryTruncationFails(file, SampleChara());

    // A flow count beyond the rest of the file.
    cEdChara flowless = SampleChara();
    flowless.m_vFlow.clear();
    std::vector<u8> inflated = DataFile(950, CharaBody(950, flowless));
    inflated[inflated.size() - 2] = 0x01;
    cEdChara rec = SampleChara();
    EXPECT_FALSE(LoadFromBytes(rec, inflated));
    EXPECT_TRUE(rec == SampleChara());
    ExpectQuiet();
}

}  // namespace
