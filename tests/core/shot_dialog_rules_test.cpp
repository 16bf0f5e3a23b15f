// The rules of the shot, sword, summon, message, warp, target and status
// operation dialogs without a window: formation and move-type changes, the
// preview's cell, the sword's time, and each dialog's refresh.
#include <gtest/gtest.h>

#include "command_editor/rules/sentence_rules.h"
#include "command_editor/rules/shot_rules.h"
#include "data/project_data.h"
#include "flow/option_names.h"
#include "flow/var_names.h"
#include "flow_test_util.h"
#include "support/test_env.h"

namespace {

std::pair<s32, s32> RangeOf(const cRefreshOut& out, u16 wId)
{
    std::pair<s32, s32> range{-1, -1};
    EXPECT_TRUE(out.RangeOf(wId, range.first, range.second)) << "no range for " << wId;
    return range;
}

// The value a rule shows, or -1 when it shows none.
s32 ShownValue(const cRefreshOut& out, u16 wId)
{
    s32 nValue = -1;
    return out.ValueOf(wId, nValue) ? nValue : -1;
}

std::string LabelOf(const cRefreshOut& out, u16 wId)
{
    const cCtrlDecision* d = out.Find(wId);
    return d && d->bLabel ? d->strLabel : "(none)";
}

using tRange = std::pair<s32, s32>;

TEST(ShotRules, FormationKeepsStoredValuesOnOpeningAndRestoresDefaultsOnAChange)
{
    // Opening a "落雷" shot: its three stored values stay.
    cRefreshOut open;
    ShotFormationChange({{12641, 3}, {1136, 0}, {1063, 0}}, kNoPreviousChoice, open);
    for (u16 wEdit : {1041, 1042, 1043}) {
        EXPECT_EQ(open.Enabled(wEdit), 1) << wEdit;
        EXPECT_EQ(ShownValue(open, wEdit), -1) << "a stored value stays: " << wEdit;
    }
    EXPECT_EQ(LabelOf(open, 1151), "間隔(hbl)");
    EXPECT_EQ(LabelOf(open, 1152), "列の数");
    EXPECT_EQ(LabelOf(open, 1153), "列の間隔(hbl)");
    EXPECT_EQ(RangeOf(open, 1041), tRange(0, 40));
    EXPECT_EQ(RangeOf(open, 1042), tRange(1, 50));
    EXPECT_EQ(RangeOf(open, 1043), tRange(0, 40));
    EXPECT_EQ(open.Enabled(1063), 0);
    EXPECT_EQ(open.Checked(1063), 1) << "around the subject the angle is always aimed";
    EXPECT_EQ(open.Enabled(1136), 1);
    EXPECT_EQ(open.Enabled(1484), 1) << "the subject is the target";
    EXPECT_EQ(open.Enabled(1062), 0);

    // To "拡散": 30 and the other two unused.
    cRefreshOut spread;
    ShotFormationChange({{12641, 2}, {1136, 0}, {1063, 0}}, 3, spread);
    EXPECT_EQ(ShownValue(spread, 1041), 30);
    EXPECT_EQ(LabelOf(spread, 1151), "角度");
    EXPECT_EQ(RangeOf(spread, 1041), tRange(0, 180));
    EXPECT_EQ(spread.Enabled(1042), 0);
    EXPECT_EQ(spread.Enabled(1043), 0);
    EXPECT_EQ(LabelOf(spread, 1152), "");
    EXPECT_EQ(spread.Enabled(1063), 1);
    EXPECT_EQ(spread.Checked(1063), -1) << "the user's choice stays";
    EXPECT_EQ(spread.Enabled(1484), 0) << "the angle isn't aimed at the target";
    EXPECT_EQ(spread.Enabled(1062), 1);
    EXPECT_EQ(spread.Enabled(1136), 0);

    // Back to "落雷": its defaults.
    cRefreshOut back;
    ShotFormationChange({{12641, 3}, {1136, 1}}, 2, back);
    EXPECT_EQ(ShownValue(back, 1041), 0);
    EXPECT_EQ(ShownValue(back, 1042), 1);
    EXPECT_EQ(ShownValue(back, 1043), 0);
    EXPECT_EQ(back.Enabled(1484), 0) << "the subject is the hero";

    // "爆発": no aim at all.
    cRefreshOut blast;
    ShotFormationChange({{12641, 4}, {1063, 1}, {1136, 0}}, 3, blast);
    EXPECT_EQ(blast.Checked(1063), 0);
    EXPECT_EQ(blast.Enabled(1063), 0);
    EXPECT_EQ(blast.Enabled(1484), 0);
    EXPECT_EQ(blast.Enabled(1136), 0);
    for (u16 wEdit : {1041, 1042, 1043}) EXPECT_EQ(blast.Enabled(wEdit), 0) << wEdit;

    // "直進A" aiming at the target offers the target slot; "包囲" keeps 6 away.
    cRefreshOut aimed;
    ShotFormationChange({{12641, 0}, {1063, 1}}, kNoPreviousChoice, aimed);
    EXPECT_EQ(aimed.Enabled(1484), 1);
    cRefreshOut around;
    ShotFormationChange({{12641, 5}, {1136, 2}}, 0, around);
    EXPECT_EQ(ShownValue(around, 1041), 6);
    EXPECT_EQ(around.Checked(1063), 1);
    EXPECT_EQ(around.Enabled(1484), 0);

    // A formation no list has (from a file) leaves every slot unused.
    cRefreshOut unknown;
    ShotFormationChange({}, kNoPreviousChoice, unknown);
    for (u16 wEdit : {1041, 1042, 1043}) EXPECT_EQ(unknown.Enabled(wEdit), 0) << wEdit;
}

TEST(ShotRules, MoveTypeSlotsAndTargetAndTheSummonsAimRules)
{
    cRefreshOut homing;
    ShotMoveTypeChange({{1265, 5}}, 0, homing);
    EXPECT_EQ(LabelOf(homing, 1154), "誘導開始(hbl)");
    EXPECT_EQ(LabelOf(homing, 1155), "誘導終了(hbl)");
    EXPECT_EQ(LabelOf(homing, 1156), "対象勢力");
    EXPECT_EQ(ShownValue(homing, 1044), 0);
    EXPECT_EQ(ShownValue(homing, 1058), 999);
    EXPECT_EQ(ShownValue(homing, 1060), 0);
    EXPECT_EQ(RangeOf(homing, 1058), tRange(0, 999));
    EXPECT_EQ(homing.Enabled(1483), 0);
    for (s64 nType : {3, 6}) {
        cRefreshOut out;
        ShotMoveTypeChange({{1265, nType}}, kNoPreviousChoice, out);
        EXPECT_EQ(out.Enabled(1483), 1) << nType;
        EXPECT_EQ(ShownValue(out, 1044), -1) << "opening keeps the stored values";
    }
    cRefreshOut wave;
    ShotMoveTypeChange({{1265, 8}}, 1, wave);
    EXPECT_EQ(ShownValue(wave, 1044), 4);
    EXPECT_EQ(ShownValue(wave, 1058), 4);
    EXPECT_EQ(RangeOf(wave, 1060), tRange(0, 359));
    cRefreshOut straight;
    ShotMoveTypeChange({{1265, 0}}, 8, straight);
    for (u16 wEdit : {1044, 1058, 1060}) EXPECT_EQ(straight.Enabled(wEdit), 0) << wEdit;

    // Block and item summons: subject and target around the subject only.
    const struct {
        s64 nFormation, nSubject;
        int nSubjectOn, nTargetOn, nCharaTargetOn;
    } cases[] = {
        {0, 0, 0, 0, 0}, {3, 0, 1, 1, 1}, {3, 1, 1, 1, 0}, {4, 0, 0, 0, 0}, {5, 0, 1, 1, 1}, {5, 2, 1, 1, 0},
    };
    for (const auto& c : cases) {
        const cCtrlValues in{{12641, c.nFormation}, {1136, c.nSubject}};
        cRefreshOut summon, chara;
        SummonFormationChange(in, kNoPreviousChoice, summon);
        CharaSummonFormationChange(in, kNoPreviousChoice, chara);
        EXPECT_EQ(summon.Enabled(1136), c.nSubjectOn) << c.nFormation;
        EXPECT_EQ(summon.Enabled(1484), c.nTargetOn) << c.nFormation;
        EXPECT_EQ(chara.Enabled(1136), c.nSubjectOn) << c.nFormation;
        EXPECT_EQ(chara.Enabled(1484), c.nCharaTargetOn) << c.nFormation << "/" << c.nSubject;
        EXPECT_EQ(summon.Enabled(1041), c.nFormation == 4 ? 0 : 1);
        cRefreshOut refresh;
        CharaSummonRefresh(in, cRefreshFacts(), refresh);
        EXPECT_EQ(refresh.Enabled(1484), c.nCharaTargetOn) << "the chara summon's refresh too";
    }
}

TEST(ShotRules, PreviewCellsRunDownColumnsOfThirtyAndClipToTheSheet)
{
    const struct {
        s64 nGraphic;
        s32 nWidth, nHeight;
        bool bShown;
        s32 nX, nY, nPartWidth, nPartHeight;
    } cases[] = {
        {30, 128, 480, true, 32, 0, 16, 16},     {1, 128, 480, true, 0, 16, 16, 16},
        {119, 128, 480, true, 96, 464, 16, 16},  {120, 128, 480, false, 0, 0, 0, 0},
        {0, 128, 480, true, 0, 0, 16, 16},       {29, 128, 470, true, 0, 464, 16, 6},
        {90, 100, 480, true, 96, 0, 4, 16},      {1, 0, 0, false, 0, 0, 0, 0},
        {-1, 128, 480, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        cSheetPart part;
        EXPECT_EQ(ShotGraphicPart(c.nGraphic, c.nWidth, c.nHeight, part), c.bShown) << c.nGraphic;
        if (!c.bShown) continue;
        EXPECT_EQ(part.nSrcX, c.nX) << c.nGraphic;
        EXPECT_EQ(part.nSrcY, c.nY) << c.nGraphic;
        EXPECT_EQ(part.nWidth, c.nPartWidth) << c.nGraphic;
        EXPECT_EQ(part.nHeight, c.nPartHeight) << c.nGraphic;
        EXPECT_EQ(part.nCellX, 0);
        EXPECT_EQ(part.nCellY, 0);
    }
}

TEST(ShotRules, SwordTimeIsItsTypesTotalCappedAndZeroForAnUnknownType)
{
    cFakeFlowRefs refs;
    refs.m_SwordTimes = {{3, 4}, {5000, 6000}, {}};
    SetFlowRefs(&refs);
    const struct {
        s64 nType;
        s32 nTime;
    } cases[] = {{0, 7}, {1, 9999}, {2, 0}, {3, 0}, {-1, 0}};
    for (const auto& c : cases) {
        cRefreshOut out;
        SwordTypeChange({{1221, c.nType}}, kNoPreviousChoice, out);
        EXPECT_EQ(ShownValue(out, 1113), c.nTime) << c.nType;
    }
    cRefreshOut none;
    SwordTypeChange({}, kNoPreviousChoice, none);
    EXPECT_EQ(ShownValue(none, 1113), 0) << "no type chosen";
    u32 nTime = 1;
    EXPECT_FALSE(SwordTypeTime(7, nTime));
    EXPECT_EQ(nTime, 0u);
    SetFlowRefs(nullptr);
    EXPECT_FALSE(SwordTypeTime(0, nTime)) << "no database known";
}

class ShotRefreshes : public cCoreTest {
protected:
    void TearDown() override
    {
        ResetProjectData();
        cCoreTest::TearDown();
    }
};

TEST_F(ShotRefreshes, ShotChecksDropAndThePalettesOfTheEntryEditMode)
{
    cRefreshOut off;
    ShotRefresh({{12641, 0}, {1063, 0}, {1270, 0}}, cRefreshFacts(), off);
    for (u16 wId : {1126, 1129, 1122, 11240, 1157, 1394, 11241, 1124, 1231, 12640, 1484}) {
        EXPECT_EQ(off.Enabled(wId), 0) << wId;
    }
    EXPECT_EQ(off.Enabled(1261), 1) << "a faction of its own";
    const cCtrlValues on{{12641, 1}, {1063, 1}, {1177, 1}, {1176, 1}, {1393, 1},
                         {1146, 1},  {1160, 1}, {1148, 1}, {1270, 2}};
    cRefreshOut out;
    ShotRefresh(on, cRefreshFacts(), out);
    for (u16 wId : {1126, 1129, 1122, 11240, 1157, 1394, 11241, 1124, 1231, 12640, 1484}) {
        EXPECT_EQ(out.Enabled(wId), 1) << wId;
    }
    EXPECT_EQ(out.Enabled(1261), 0) << "the user's faction";
    ASSERT_TRUE(out.ItemsOf(1270));
    EXPECT_EQ(*out.ItemsOf(1270), Names(g_DropPaletteNames));
    EXPECT_EQ(*out.ItemsOf(12640), PaletteRows(ePaletteList::StageItem));
    EXPECT_EQ(ShownValue(out, 1270), -1);

    // Inside a common palette entry: no stage palette; a stored stage source
    // the list doesn't offer shows "なし".
    cRefreshFacts common;
    common.nEntryEditMode = 2;
    cRefreshOut commonOut;
    ShotRefresh({{12641, 0}, {1270, 1}}, common, commonOut);
    EXPECT_EQ(*commonOut.ItemsOf(1270), Names(g_DropPaletteCommonNames));
    EXPECT_EQ(*commonOut.ItemsOf(12640), PaletteRows(ePaletteList::CommonItem));
    cRefreshOut notOffered;
    ShotRefresh({{12641, 0}}, common, notOffered);
    EXPECT_EQ(ShownValue(notOffered, 1270), 0);
    EXPECT_EQ(notOffered.Enabled(12640), 0);
    EXPECT_EQ(*notOffered.ItemsOf(12640), cItemSource());

    // The sword: the faction, the flow filter and the drop alike.
    cRefreshOut sword;
    SwordRefresh(on, cRefreshFacts(), sword);
    EXPECT_EQ(sword.Enabled(1261), 0);
    EXPECT_EQ(sword.Enabled(1231), 1);
    EXPECT_EQ(sword.Enabled(12640), 1);
    EXPECT_EQ(sword.Find(1126), nullptr) << "no acceleration";
}

TEST_F(ShotRefreshes, SummonsPaletteEntriesAndTheirOwnRules)
{
    g_CommonPalette.m_Lists.m_vBlock.resize(3);
    g_CommonPalette.m_Lists.m_vBlock[1].m_strName = "岩";
    g_CommonPalette.m_Lists.m_vBlock[2].m_strName = "氷";
    g_Stage.m_Palette.m_vChara.resize(2);
    g_Stage.m_Palette.m_vChara[1].m_strName = "スライム";
    std::vector<std::string> rows;
    BuildItems(PaletteRows(ePaletteList::CommonBlock), rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"001 岩", "002 氷"}));
    BuildItems(PaletteRows(ePaletteList::StageChara), rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"001 スライム"}));
    BuildItems(PaletteRows(ePaletteList::StageItem), rows);
    EXPECT_TRUE(rows.empty());
    BuildItems(StatusRows(true), rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"時間", "横スクロール速度", "縦スクロール速度", "スコア", "残り人数"}));
    BuildItems(StatusRows(false), rows);
    EXPECT_EQ(rows.size(), 17u);

    // "ブロックを消す" needs neither a palette nor a place check.
    for (s64 nMode : {0, 1, 2}) {
        cRefreshOut out;
        BlockSummonRefresh({{1129, nMode}, {1379, 0}}, cRefreshFacts(), out);
        for (u16 wId : {1379, 1385, 1054, 1057}) EXPECT_EQ(out.Enabled(wId), nMode == 1 ? 0 : 1) << nMode << " " << wId;
        EXPECT_EQ(*out.ItemsOf(1385), PaletteRows(ePaletteList::CommonBlock));
        EXPECT_EQ(*out.ItemsOf(1379), Names(g_PaletteNames));
    }
    cRefreshFacts common;
    common.nEntryEditMode = 2;
    cRefreshOut commonOut;
    ItemSummonRefresh({{1379, 1}}, common, commonOut);
    EXPECT_EQ(*commonOut.ItemsOf(1379), Names(g_PaletteCommonNames));
    cRefreshOut stageItems;
    ItemSummonRefresh({{1379, 1}, {1393, 0}}, cRefreshFacts(), stageItems);
    EXPECT_EQ(*stageItems.ItemsOf(1385), PaletteRows(ePaletteList::StageItem));
    EXPECT_EQ(stageItems.Enabled(1394), 0);

    // The chara summon: a faction number only for "番号で指定".
    for (s64 nMode : {0, 1, 2}) {
        cRefreshOut out;
        CharaSummonRefresh({{1129, nMode}, {1379, 1}, {1393, 1}, {1160, 0}}, cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(1261), nMode == 2 ? 1 : 0);
        EXPECT_EQ(out.Enabled(1394), 1);
        EXPECT_EQ(out.Enabled(1231), 0);
        EXPECT_EQ(*out.ItemsOf(1385), PaletteRows(ePaletteList::StageChara));
    }
}

TEST(SentenceRules, MessageByEraseDurationPositionAndVariableDisplay)
{
    const std::initializer_list<u16> shown = {1002, 1235, 1238, 1232, 1040, 1048, 1234, 1233};
    cRefreshOut erase;
    MessageRefresh({{1237, 1}, {1457, 1}, {1233, 2}, {1235, 1}, {1236, 1}, {1232, 8}}, cRefreshFacts(), erase);
    for (u16 wId : {1002, 1235, 1238, 1232, 1040, 1048, 1234, 1233, 1236, 1115, 1499, 1206, 1210, 1456, 1113, 1239,
                    1231}) {
        EXPECT_EQ(erase.Enabled(wId), 0) << wId;
    }
    EXPECT_EQ(erase.Enabled(1458), 1) << "the ID of the message to erase";

    const struct {
        s64 nDuration, nMomentary;
        int nFollow, nTime, nMomentaryOn, nPause, nPauseCheck;
        s32 nShownTime;
    } durations[] = {
        {0, 0, 0, 0, 0, 0, 1, -1}, {1, 0, 1, 0, 0, 0, 0, -1}, {2, 0, 1, 1, 1, 1, -1, -1}, {2, 1, 1, 0, 1, 1, -1, 1},
    };
    for (const auto& c : durations) {
        cRefreshOut out;
        MessageRefresh({{1233, c.nDuration}, {1239, c.nMomentary}, {1457, 0}}, cRefreshFacts(), out);
        for (u16 wId : shown) EXPECT_EQ(out.Enabled(wId), 1) << wId;
        EXPECT_EQ(out.Enabled(1456), c.nFollow) << c.nDuration;
        EXPECT_EQ(out.Enabled(1113), c.nTime) << c.nDuration << "/" << c.nMomentary;
        EXPECT_EQ(out.Enabled(1239), c.nMomentaryOn) << c.nDuration;
        EXPECT_EQ(out.Enabled(1231), c.nPause) << c.nDuration;
        EXPECT_EQ(out.Checked(1231), c.nPauseCheck) << c.nDuration;
        EXPECT_EQ(ShownValue(out, 1113), c.nShownTime) << "a momentary display lasts 1";
        EXPECT_EQ(out.Enabled(1458), 0);
    }
    for (s64 nPosition : {0, 6, 7, 10}) {
        cRefreshOut out;
        MessageRefresh({{1232, nPosition}}, cRefreshFacts(), out);
        const int nAt = nPosition >= 7 ? 1 : 0;
        for (u16 wId : {1499, 1206, 1210}) EXPECT_EQ(out.Enabled(wId), nAt) << nPosition;
    }
    const struct {
        s64 nVars, nAuto;
        int nAutoOn, nInterval;
    } vars[] = {{0, 1, 0, 0}, {1, 0, 1, 0}, {1, 1, 1, 1}};
    for (const auto& c : vars) {
        cRefreshOut out;
        MessageRefresh({{1235, c.nVars}, {1236, c.nAuto}}, cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(1236), c.nAutoOn);
        EXPECT_EQ(out.Enabled(1115), c.nInterval);
    }
}

TEST(SentenceRules, WarpByModeAndTargetCoordinates)
{
    cRefreshOut direction;
    WarpRefresh({{1127, 2}, {1397, 1}, {1149, 1}}, cRefreshFacts(), direction);
    for (u16 wId : {1128, 1122, 11240}) EXPECT_EQ(direction.Enabled(wId), 1) << wId;
    for (u16 wId : {1397, 1149, 1135, 1137, 1144, 1388, 1390, 1145, 1129, 1151, 1130}) {
        EXPECT_EQ(direction.Enabled(wId), 0) << wId;
        EXPECT_EQ(direction.Checked(wId), -1) << "disabled, not unchecked: " << wId;
    }

    // "目標座標で指定": X and Y each by its check and the coordinate kind.
    const struct {
        s64 nUseX, nUseY, nCoord;
        int nX, nFlipX, nFlipXCheck, nY, nFlipY, nFlipYCheck, nOrigin;
    } rows[] = {
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},   {1, 0, 0, 1, 1, -1, 0, 0, 0, 0},  {1, 1, 0, 1, 1, -1, 1, 1, -1, 0},
        {1, 1, 1, 1, 0, 0, 1, 0, 0, 1},   {0, 1, 2, 0, 0, 0, 1, 0, 0, 1},   {1, 0, 2, 1, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message() << c.nUseX << c.nUseY << c.nCoord);
        cRefreshOut out;
        WarpRefresh({{1127, 5}, {1397, c.nUseX}, {1149, c.nUseY}, {1129, c.nCoord}}, cRefreshFacts(), out);
        for (u16 wId : {1128, 1122, 11240}) EXPECT_EQ(out.Enabled(wId), 0) << wId;
        for (u16 wId : {1397, 1149, 1129, 1151}) EXPECT_EQ(out.Enabled(wId), 1) << wId;
        EXPECT_EQ(out.Enabled(1135), c.nX);
        EXPECT_EQ(out.Enabled(1137), c.nX);
        EXPECT_EQ(out.Enabled(1144), c.nFlipX);
        EXPECT_EQ(out.Checked(1144), c.nFlipXCheck);
        EXPECT_EQ(out.Enabled(1388), c.nY);
        EXPECT_EQ(out.Enabled(1390), c.nY);
        EXPECT_EQ(out.Enabled(1145), c.nFlipY);
        EXPECT_EQ(out.Checked(1145), c.nFlipYCheck);
        EXPECT_EQ(out.Enabled(1130), c.nOrigin);
    }
}

TEST(SentenceRules, TargetFiltersByWho)
{
    const std::initializer_list<u16> filters = {1397, 1395, 1398, 1392, 1393, 1394, 1396};
    for (s64 nWho : {0, 1, 4, 5, 7, 10}) {
        cRefreshOut out;
        TargetRefresh({{1390, nWho}, {1395, 1}, {1398, 1}}, cRefreshFacts(), out);
        for (u16 wId : {1391, 1261, 1397, 1395, 1263, 1398, 1429, 1477, 1479, 1392, 1393, 1394, 1396})
            EXPECT_EQ(out.Enabled(wId), 0) << nWho << " " << wId;
    }
    for (s64 nWho : {2, 3, 6}) {
        cRefreshOut out;
        TargetRefresh({{1390, nWho}, {1397, 1}, {1395, 0}, {1398, 1}}, cRefreshFacts(), out);
        for (u16 wId : filters) EXPECT_EQ(out.Enabled(wId), 1) << nWho << " " << wId;
        EXPECT_EQ(out.Enabled(1391), nWho == 2 ? 1 : 0);
        EXPECT_EQ(out.Enabled(1261), 0) << "every force";
        EXPECT_EQ(out.Enabled(1263), 0);
        for (u16 wId : {1429, 1477, 1479}) EXPECT_EQ(out.Enabled(wId), 1) << wId;
        cRefreshOut byForce;
        TargetRefresh({{1390, nWho}, {1397, 0}, {1395, 1}, {1398, 0}}, cRefreshFacts(), byForce);
        EXPECT_EQ(byForce.Enabled(1261), 1);
        EXPECT_EQ(byForce.Enabled(1263), 1);
        EXPECT_EQ(byForce.Enabled(1429), 0);
    }
}

// The controls of a status operation: left status (kind 0) of an owner, or a
// left variable (kind 1); a constant operand by default.
cCtrlValues StatusOp(s64 nLeftKind, s64 nOwner, s64 nStatus, s64 nRightKind = 0)
{
    return {{11175, nLeftKind}, {11176, 0},  {1400, nOwner}, {1401, nStatus}, {11177, nRightKind},
            {11179, 1},         {11178, 0}, {1176, 0},       {1403, 100},     {1048, -50},
            {1054, 500},        {1498, 0},  {1499, 0}};
}

TEST(StatusOpRules, ListsPercentAndCoordinatesByTheLeftStatus)
{
    // "HP" of "自分": percent by the calculation mode, with the bar.
    cRefreshOut hp;
    StatusOpRefresh(StatusOp(0, 0, 1), cRefreshFacts(), hp);
    EXPECT_EQ(hp.Enabled(1175), 0);
    EXPECT_EQ(hp.Enabled(11180), 1);
    EXPECT_EQ(hp.Enabled(1398), 1);
    EXPECT_EQ(hp.Enabled(1399), 1);
    EXPECT_EQ(*hp.ItemsOf(1401), StatusRows(false));
    EXPECT_EQ(hp.Enabled(1402), 0);
    EXPECT_EQ(hp.Enabled(1405), 0);
    EXPECT_EQ(*hp.ItemsOf(1402), Rows(eRows::CommonVars)) << "the stored number keeps a row";
    EXPECT_EQ(RangeOf(hp, 1403), tRange(-999999, 999999));
    for (u16 wId : {1498, 1500}) EXPECT_EQ(hp.Enabled(wId), 0) << wId;

    // "X座標": the coordinate kind; "Y座標" in screen coordinates also the
    // reference point; "キャラID" no percent.
    const struct {
        s64 nStatus, nCoord;
        int nCoordOn, nOriginOn, nPercent;
        tRange range;
    } rows[] = {
        {6, 0, 1, 0, 0, {-16384, 16384}}, {6, 2, 1, 0, 0, {-16384, 16384}}, {7, 0, 1, 0, 0, {-16384, 16384}},
        {7, 1, 1, 1, 0, {-16384, 16384}}, {7, 2, 1, 1, 0, {-16384, 16384}}, {5, 2, 0, 0, 0, {-99, 99}},
        {8, 0, 0, 0, 0, {-8, 8}},         {10, 0, 0, 0, 1, {-40, 40}},
    };
    for (const auto& c : rows) {
        cCtrlValues in = StatusOp(0, 2, c.nStatus);
        in.Set(1498, c.nCoord);
        cRefreshOut out;
        StatusOpRefresh(in, cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(1498), c.nCoordOn) << c.nStatus;
        EXPECT_EQ(out.Enabled(1500), c.nOriginOn) << c.nStatus << "/" << c.nCoord;
        EXPECT_EQ(out.Enabled(1175), c.nPercent) << c.nStatus;
        EXPECT_EQ(out.Enabled(11180), 0);
        for (u16 wId : {1403, 1048, 1054}) EXPECT_EQ(RangeOf(out, wId), c.range) << c.nStatus << " " << wId;
    }

    // A chara's variables for its status 0.
    cRefreshOut charaVar;
    StatusOpRefresh(StatusOp(0, 1, 0), cRefreshFacts(), charaVar);
    EXPECT_EQ(*charaVar.ItemsOf(1402), Names(g_CharaVarNames));
    EXPECT_EQ(charaVar.Enabled(1402), 1);
    EXPECT_EQ(charaVar.Enabled(1405), 0);

    // The system: its own statuses, no coordinates, no invincibility; the
    // operand takes the chara status of the same row.
    cRefreshOut system;
    StatusOpRefresh(StatusOp(0, 5, 0), cRefreshFacts(), system);
    EXPECT_EQ(*system.ItemsOf(1401), StatusRows(true));
    EXPECT_EQ(system.Enabled(1399), 0);
    EXPECT_EQ(system.Enabled(1402), 0);
    EXPECT_EQ(RangeOf(system, 1403), tRange(-999999, 999999));
    cRefreshOut systemRow;
    StatusOpRefresh(StatusOp(0, 5, 4), cRefreshFacts(), systemRow);
    EXPECT_EQ(systemRow.Enabled(1498), 0);
    EXPECT_EQ(systemRow.Enabled(1175), 1);
}

TEST(StatusOpRules, AVariableLeftSideKeepsTheWidestLimitsWhateverStatusItHides)
{
    // A variable over a hidden "Z座標" (-8..8): the constant keeps 100.
    const cCtrlValues in = StatusOp(1, 0, 8);
    cRefreshOut out;
    StatusOpRefresh(in, cRefreshFacts(), out);
    for (u16 wId : {1403, 1048, 1054}) EXPECT_EQ(RangeOf(out, wId), tRange(-999999, 999999)) << wId;
    EXPECT_EQ(out.Enabled(1400), 0);
    EXPECT_EQ(out.Enabled(1401), 0);
    EXPECT_EQ(out.Enabled(11176), 1);
    EXPECT_EQ(out.Enabled(1175), 1);
    for (u16 wId : {11180, 1398, 1498, 1500, 1399}) EXPECT_EQ(out.Enabled(wId), 0) << wId;
    EXPECT_EQ(out.Enabled(1402), 1);
    EXPECT_EQ(out.Enabled(1405), 1);
    EXPECT_EQ(*out.ItemsOf(1402), Rows(eRows::CommonVars));
    EXPECT_EQ(StatusOpLeftRow(in), -1);
    cCtrlValues stage = in;
    stage.Set(11176, 1);
    cRefreshOut stageOut;
    StatusOpRefresh(stage, cRefreshFacts(), stageOut);
    EXPECT_EQ(*stageOut.ItemsOf(1402), Rows(eRows::StageVars));

    // The re-clamp after a new left status: only when one was remembered.
    cRefreshOut first;
    StatusOpReclamp(StatusOp(0, 0, 8), -1, first);
    EXPECT_EQ(ShownValue(first, 1403), -1);
    cRefreshOut same;
    StatusOpReclamp(StatusOp(0, 0, 8), 8, same);
    EXPECT_EQ(ShownValue(same, 1403), -1);
    cRefreshOut changed;
    StatusOpReclamp(StatusOp(0, 0, 8), 1, changed);
    EXPECT_EQ(ShownValue(changed, 1403), 8) << "\"HP\" to \"Z座標\" with 100";
    EXPECT_EQ(ShownValue(changed, 1048), -8);
    EXPECT_EQ(ShownValue(changed, 1054), 8);
}

TEST(StatusOpRules, RightSideByItsKind)
{
    const struct {
        s64 nKind;
        int nConstant, nRandom, nStatus, nScope, nVar, nRename;
    } kinds[] = {{0, 1, 0, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0, 0}, {2, 0, 0, 1, 0, 1, 0}, {3, 0, 0, 0, 1, 1, 1}};
    for (const auto& c : kinds) {
        cRefreshOut out;
        StatusOpRefresh(StatusOp(0, 0, 1, c.nKind), cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(1403), c.nConstant) << c.nKind;
        EXPECT_EQ(out.Enabled(1048), c.nRandom) << c.nKind;
        EXPECT_EQ(out.Enabled(1054), c.nRandom) << c.nKind;
        EXPECT_EQ(out.Enabled(11178), c.nStatus) << c.nKind;
        EXPECT_EQ(out.Enabled(1176), c.nStatus) << c.nKind;
        EXPECT_EQ(out.Enabled(11179), c.nScope) << c.nKind;
        EXPECT_EQ(out.Enabled(1051), c.nVar) << "a chara's status 0 is its variable: " << c.nKind;
        EXPECT_EQ(out.Enabled(1052), c.nRename) << c.nKind;
        EXPECT_EQ(out.Enabled(1499), 0);
        EXPECT_EQ(out.Enabled(1501), 0);
    }
    cCtrlValues y = StatusOp(0, 0, 1, 2);
    y.Set(1176, 7);
    y.Set(1499, 1);
    cRefreshOut out;
    StatusOpRefresh(y, cRefreshFacts(), out);
    EXPECT_EQ(out.Enabled(1499), 1);
    EXPECT_EQ(out.Enabled(1501), 1);
    EXPECT_EQ(*out.ItemsOf(1051), Rows(eRows::StageVars));
    y.Set(11178, 5);
    cRefreshOut system;
    StatusOpRefresh(y, cRefreshFacts(), system);
    EXPECT_EQ(*system.ItemsOf(1176), StatusRows(true));
    EXPECT_EQ(system.Enabled(1499), 0);
}

}  // namespace
