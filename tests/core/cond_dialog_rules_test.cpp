// The rules of the condition dialogs, the key condition dialog and the flow
// operation and stage clear dialogs without a window.
#include <gtest/gtest.h>

#include "command_editor/rules/cond_rules.h"
#include "flow/option_names.h"
#include "flow/project_vars.h"
#include "flow/var_names.h"

namespace {

// The value a rule shows, or -1 when it shows none.
s32 ShownValue(const cRefreshOut& out, u16 wId)
{
    s32 nValue = -1;
    return out.ValueOf(wId, nValue) ? nValue : -1;
}

s32 BaseOf(const cRefreshOut& out, u16 wId)
{
    const cCtrlDecision* d = out.Find(wId);
    return d && d->bBase ? d->nBase : -1;
}

// The rows a rule gives a combo, or {"(none)"} when it gives none.
std::vector<std::string> RowsOf(const cRefreshOut& out, u16 wId)
{
    const cItemSource* lpItems = out.ItemsOf(wId);
    if (!lpItems) return {"(none)"};
    std::vector<std::string> rows;
    BuildItems(*lpItems, rows);
    return rows;
}

cRefreshOut Rule(fnRefresh pfnRule, const cCtrlValues& in)
{
    cRefreshOut out;
    pfnRule(in, cRefreshFacts(), out);
    return out;
}

// A status condition's controls: the left a chara's status, the right a constant.
cCtrlValues StatusCond(std::initializer_list<std::pair<u16, s64>> changes)
{
    cCtrlValues in{{kStLeftKind, 0},  {kStLeftSubject, 0}, {kStLeftStatus, 1},  {kStLeftScope, 0},
                   {kStLeftVar, 1},   {kStLeftCoord, 0},   {kStRightKind, 0},   {kStRightSubject, 0},
                   {kStRightStatus, 1}, {kStRightScope, 0}, {kStRightVar, 1},  {kStRightCoord, 0}};
    for (const auto& change : changes) in.Set(change.first, change.second);
    return in;
}

TEST(CondRules, StatusConditionLeftOperandListsAndRename)
{
    // "キャラ変数" of a chara: the eight chara variables, nothing to rename.
    const cRefreshOut charaVar = Rule(StatusCondRefresh, StatusCond({{kStLeftStatus, 0}}));
    EXPECT_EQ(RowsOf(charaVar, kStLeftVar), g_CharaVarNames.List());
    EXPECT_EQ(charaVar.Enabled(kStLeftVar), 1);
    EXPECT_EQ(charaVar.Enabled(kStLeftRename), 0);
    EXPECT_EQ(charaVar.Enabled(kStLeftScope), 0);
    EXPECT_EQ(RowsOf(charaVar, kStLeftStatus).size(), 17u);
    EXPECT_EQ(RowsOf(charaVar, kStLeftStatus)[0], "キャラ変数");

    // "システム": the five system values; status 0 is "時間", no variable.
    const cRefreshOut system = Rule(StatusCondRefresh, StatusCond({{kStLeftSubject, 5}, {kStLeftStatus, 0}}));
    EXPECT_EQ(RowsOf(system, kStLeftStatus),
              (std::vector<std::string>{"時間", "横スクロール速度", "縦スクロール速度", "スコア", "残り人数"}));
    EXPECT_EQ(system.Enabled(kStLeftVar), 0);
    EXPECT_EQ(system.Enabled(kStLeftRename), 0);
    EXPECT_EQ(RowsOf(system, kStLeftVar).size(), cMemoryVarNames::kRows - 1)
        << "an unused variable combo keeps its scope's names, and so its number";

    // A variable operand: the common or stage names, renamable; subject and
    // status disabled, and neither coordinate control.
    cMemoryVarNames names;
    names.SetName(eVarScope::Stage, 2, "扉");
    cVarNames* lpPrevious = SetVarNames(&names);
    const cRefreshOut stage = Rule(StatusCondRefresh, StatusCond({{kStLeftKind, 1}, {kStLeftScope, 1}, {kStLeftVar, 2}}));
    const std::vector<std::string> stageRows = RowsOf(stage, kStLeftVar);
    ASSERT_EQ(stageRows.size(), cMemoryVarNames::kRows - 1);
    EXPECT_EQ(stageRows[1], "002 扉");
    EXPECT_EQ(stage.Enabled(kStLeftRename), 1);
    EXPECT_EQ(stage.Enabled(kStLeftScope), 1);
    EXPECT_EQ(stage.Enabled(kStLeftSubject), 0);
    EXPECT_EQ(stage.Enabled(kStLeftCoord), 0);
    EXPECT_EQ(stage.Enabled(kStLeftGiant), 0);
    EXPECT_EQ(ShownValue(stage, kStLeftVar), -1) << "a number the list has stays";
    EXPECT_EQ(RowsOf(Rule(StatusCondRefresh, StatusCond({{kStLeftKind, 1}})), kStLeftVar)[0], "001 ");
    SetVarNames(lpPrevious);

    // A variable 500 turned into the chara variables is clamped to 8.
    const cRefreshOut clamped = Rule(StatusCondRefresh, StatusCond({{kStLeftStatus, 0}, {kStLeftVar, 500}}));
    EXPECT_EQ(ShownValue(clamped, kStLeftVar), 8);
}

TEST(CondRules, StatusConditionCoordinateRuleOnBothSides)
{
    struct cCase {
        s64 nSubject, nStatus, nCoord;
        int nCoordEnabled, nGiantEnabled;
    };
    const cCase cases[] = {
        {0, 7, 0, 1, 0},  // "Y座標", "相対座標": the type only
        {0, 7, 1, 1, 1},  // "絶対座標": the reference point too
        {2, 7, 2, 1, 1},  // "画面座標"
        {0, 6, 1, 1, 0},  // "X座標" never has the reference point
        {0, 6, 2, 1, 0},
        {0, 8, 1, 0, 0},  // "Z座標"
        {5, 7, 1, 0, 0},  // the system has no coordinates
    };
    for (const cCase& c : cases) {
        const cRefreshOut left = Rule(
            StatusCondRefresh, StatusCond({{kStLeftSubject, c.nSubject}, {kStLeftStatus, c.nStatus}, {kStLeftCoord, c.nCoord}}));
        EXPECT_EQ(left.Enabled(kStLeftCoord), c.nCoordEnabled) << c.nSubject << "/" << c.nStatus << "/" << c.nCoord;
        EXPECT_EQ(left.Enabled(kStLeftGiant), c.nGiantEnabled) << c.nSubject << "/" << c.nStatus << "/" << c.nCoord;
        const cRefreshOut right = Rule(StatusCondRefresh, StatusCond({{kStRightKind, 2},
                                                                     {kStRightSubject, c.nSubject},
                                                                     {kStRightStatus, c.nStatus},
                                                                     {kStRightCoord, c.nCoord}}));
        EXPECT_EQ(right.Enabled(kStRightCoord), c.nCoordEnabled) << "right " << c.nStatus << "/" << c.nCoord;
        EXPECT_EQ(right.Enabled(kStRightGiant), c.nGiantEnabled) << "right " << c.nStatus << "/" << c.nCoord;
    }
    // The right side's coordinates count only for a status operand.
    const cRefreshOut constant =
        Rule(StatusCondRefresh, StatusCond({{kStRightKind, 0}, {kStRightStatus, 7}, {kStRightCoord, 1}}));
    EXPECT_EQ(constant.Enabled(kStRightCoord), 0);
    EXPECT_EQ(constant.Enabled(kStRightGiant), 0);
}

TEST(CondRules, StatusConditionRightOperandByItsKind)
{
    const u16 all[] = {kStConstant, kStRandomFrom, kStRandomTo, kStRightSubject, kStRightStatus, kStRightScope,
                       kStRightVar, kStRightRename};
    struct cCase {
        s64 nKind;
        std::vector<u16> enabled;
    };
    const cCase cases[] = {
        {0, {kStConstant}},
        {1, {kStRandomFrom, kStRandomTo}},
        {2, {kStRightSubject, kStRightStatus}},  // status 1 "HP": no variable
        {3, {kStRightScope, kStRightVar, kStRightRename}},
    };
    for (const cCase& c : cases) {
        const cRefreshOut out = Rule(StatusCondRefresh, StatusCond({{kStRightKind, c.nKind}}));
        for (u16 wId : all) {
            const bool bOn = std::find(c.enabled.begin(), c.enabled.end(), wId) != c.enabled.end();
            EXPECT_EQ(out.Enabled(wId), bOn ? 1 : 0) << "kind " << c.nKind << ", control " << wId;
        }
    }
    // The right "キャラ変数" of a target lists the chara variables; the right
    // status list follows the right subject.
    const cRefreshOut charaVar =
        Rule(StatusCondRefresh, StatusCond({{kStRightKind, 2}, {kStRightSubject, 3}, {kStRightStatus, 0}}));
    EXPECT_EQ(RowsOf(charaVar, kStRightVar), g_CharaVarNames.List());
    EXPECT_EQ(charaVar.Enabled(kStRightRename), 0);
    EXPECT_EQ(RowsOf(Rule(StatusCondRefresh, StatusCond({{kStRightSubject, 5}})), kStRightStatus).size(), 5u);
}

TEST(CondRules, StatusCondition2StatesAndValuesFollowTheSubjectAndState)
{
    // A chara's "巨大化": states from 1, values from the state's first value 1.
    const cRefreshOut giant = Rule(StatusCond2Refresh, {{kSt2Subject, 0}, {kSt2State, 5}, {kSt2Value, 1}});
    EXPECT_EQ(BaseOf(giant, kSt2State), 1);
    EXPECT_EQ(RowsOf(giant, kSt2State), (std::vector<std::string>{"透明", "向き固定", "飛行", "無敵", "巨大化",
                                                                  "オートスクロールとシンクロ"}));
    EXPECT_EQ(BaseOf(giant, kSt2Value), 1);
    EXPECT_EQ(RowsOf(giant, kSt2Value), g_GiantSizeNames.List());
    // "透明": OFF and ON from 0.
    const cRefreshOut clear = Rule(StatusCond2Refresh, {{kSt2Subject, 4}, {kSt2State, 1}});
    EXPECT_EQ(BaseOf(clear, kSt2Value), 0);
    EXPECT_EQ(RowsOf(clear, kSt2Value), g_OffOnNames.List());
    // The system: its two states from 0.
    const cRefreshOut system = Rule(StatusCond2Refresh, {{kSt2Subject, 5}, {kSt2State, 1}});
    EXPECT_EQ(BaseOf(system, kSt2State), 0);
    EXPECT_EQ(RowsOf(system, kSt2State), (std::vector<std::string>{"横スクロール", "縦スクロール"}));
    EXPECT_EQ(RowsOf(system, kSt2Value), g_ScrollModeNames.List());

    // A subject of the other group selects the group's first state and its
    // first value; one of the same group, or the opening, keeps both.
    cRefreshOut toSystem;
    StatusCond2SubjectChange({{kSt2Subject, 5}, {kSt2State, 5}, {kSt2Value, 3}}, 2, toSystem);
    EXPECT_EQ(ShownValue(toSystem, kSt2State), 0);
    EXPECT_EQ(ShownValue(toSystem, kSt2Value), 0);
    EXPECT_EQ(RowsOf(toSystem, kSt2Value), g_ScrollModeNames.List());
    cRefreshOut toChara;
    StatusCond2SubjectChange({{kSt2Subject, 1}, {kSt2State, 1}, {kSt2Value, 1}}, 5, toChara);
    EXPECT_EQ(ShownValue(toChara, kSt2State), 1);
    EXPECT_EQ(BaseOf(toChara, kSt2State), 1);
    EXPECT_EQ(RowsOf(toChara, kSt2Value), g_OffOnNames.List());
    for (s64 nPrevious : {static_cast<s64>(0), kNoPreviousChoice}) {
        cRefreshOut same;
        StatusCond2SubjectChange({{kSt2Subject, 3}, {kSt2State, 5}, {kSt2Value, 4}}, nPrevious, same);
        EXPECT_EQ(ShownValue(same, kSt2State), -1) << nPrevious;
        EXPECT_EQ(ShownValue(same, kSt2Value), -1) << nPrevious;
        EXPECT_EQ(BaseOf(same, kSt2Value), 1) << nPrevious;
    }
}

TEST(CondRules, DistanceConditionDisplayControls)
{
    for (s64 nDisplay : {0, 1, 2}) {
        const cRefreshOut out = Rule(DistanceCondRefresh, {{kDistDisplay, nDisplay}});
        for (u16 wId : {kDistColour, kDistUnappeared, kDistTransparent})
            EXPECT_EQ(out.Enabled(wId), nDisplay != 0 ? 1 : 0) << nDisplay << "/" << wId;
    }
}

TEST(CondRules, KeyConditionPressTimes)
{
    // The maximum's range starts at the minimum; one below it is raised.
    const cRefreshOut raised = Rule(KeyCondRefresh, {{kKeyPressMin, 30}, {kKeyPressMax, 10}, {kKeyInfinite, 0}});
    s32 nMin = 0, nMax = 0;
    ASSERT_TRUE(raised.RangeOf(kKeyPressMax, nMin, nMax));
    EXPECT_EQ(nMin, 30);
    EXPECT_EQ(nMax, 999);
    EXPECT_EQ(ShownValue(raised, kKeyPressMax), 30);
    EXPECT_EQ(raised.Enabled(kKeyPressMin), 1);
    EXPECT_EQ(raised.Enabled(kKeyPressMax), 1);
    // A maximum above the minimum stays.
    EXPECT_EQ(ShownValue(Rule(KeyCondRefresh, {{kKeyPressMin, 30}, {kKeyPressMax, 31}}), kKeyPressMax), -1);
    // "1～∞" disables both and changes neither.
    const cRefreshOut infinite = Rule(KeyCondRefresh, {{kKeyPressMin, 5}, {kKeyPressMax, 9}, {kKeyInfinite, 1}});
    EXPECT_EQ(infinite.Enabled(kKeyPressMin), 0);
    EXPECT_EQ(infinite.Enabled(kKeyPressMax), 0);
    EXPECT_EQ(ShownValue(infinite, kKeyPressMax), -1);
    EXPECT_EQ(ShownValue(infinite, kKeyPressMin), -1);
}

TEST(CondRules, FlowOperationOwnerAndConditions)
{
    // A target's flows are picked by ID.
    for (s64 nWhose : {1, 2, 3, 4}) {
        const cRefreshOut out = Rule(FlowOpRefresh, {{kFopWhose, nWhose}, {kFopWhich, 0}, {kFopHasConds, 0}});
        EXPECT_EQ(ShownValue(out, kFopWhich), 2) << nWhose;
        EXPECT_EQ(out.Enabled(kFopWhich), 0) << nWhose;
        EXPECT_EQ(out.Enabled(kFopGroup), 1) << nWhose;
    }
    // One's own: the choice is free, the ID only for "指定IDのフロー".
    for (s64 nWhich : {0, 1, 2}) {
        const cRefreshOut out = Rule(FlowOpRefresh, {{kFopWhose, 0}, {kFopWhich, nWhich}});
        EXPECT_EQ(ShownValue(out, kFopWhich), -1);
        EXPECT_EQ(out.Enabled(kFopWhich), 1);
        EXPECT_EQ(out.Enabled(kFopGroup), nWhich == 2 ? 1 : 0) << nWhich;
    }
    for (s64 nHas : {0, 1})
        for (u16 wId : {kFopCondList, kFopCondMode, kFopInsert, kFopEdit, kFopDelete})
            EXPECT_EQ(Rule(FlowOpRefresh, {{kFopHasConds, nHas}}).Enabled(wId), nHas) << wId;
}

TEST(CondRules, StageClearByTransition)
{
    struct cCase {
        s64 nDest;
        int nNumber, nPath;
    };
    for (const cCase& c : {cCase{0, 0, 0}, cCase{1, 1, 0}, cCase{2, 0, 1}, cCase{3, 0, 0}}) {
        const cRefreshOut out = Rule(StageClearRefresh, {{kClrDest, c.nDest}});
        EXPECT_EQ(out.Enabled(kClrNumber), c.nNumber) << c.nDest;
        EXPECT_EQ(out.Enabled(kClrPath), c.nPath) << c.nDest;
        EXPECT_EQ(out.Enabled(kClrBrowse), c.nPath) << c.nDest;
    }
    for (s64 nOn : {0, 1}) {
        const cRefreshOut out = Rule(StageClearRefresh, {{kClrForceStart, nOn}, {kClrMoveOnMap, 1 - nOn}});
        for (u16 wId : {kClrStartX, kClrStartY, kClrFacing}) EXPECT_EQ(out.Enabled(wId), nOn) << wId;
        for (u16 wId : {kClrMapX, kClrMapY}) EXPECT_EQ(out.Enabled(wId), 1 - nOn) << wId;
    }
}

}  // namespace
