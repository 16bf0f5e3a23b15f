// The rules of the wait and move dialogs without a window: the distance
// ratio and what OK decides from it, and the refresh of the direction, time,
// inertia and anime groups.
#include <gtest/gtest.h>

#include "command_editor/rules/move_rules.h"

namespace {

std::string LabelOf(const cRefreshOut& out, u16 wId)
{
    const cCtrlDecision* d = out.Find(wId);
    return d && d->bLabel ? d->strLabel : "(none)";
}

struct cRatioCase {
    const char* lpWhat;
    s64 nSetType;
    s16 nDistance;
    s16 nDivisor;  // the speed or the time, by the set type
    u8 nUnit;      // 0 half blocks, 1 dots
    double dRatio;
    eMoveOk eOk;
};

TEST(MoveRules, RatioAndOkChecks)
{
    const cRatioCase cases[] = {
        {"speed 0", 2, 10, 0, 0, 0.0, eMoveOk::SpeedError},
        {"2 half blocks at speed 160", 2, 2, 160, 0, 0.2, eMoveOk::Store},
        {"1 dot at speed 20", 2, 1, 20, 1, 0.05, eMoveOk::SpeedError},
        {"1 dot at speed -5", 2, 1, -5, 1, -0.2, eMoveOk::Store},
        {"exactly 0.1", 2, 2, 20, 1, 0.1, eMoveOk::Store},
        {"exactly -0.1", 2, 2, -20, 1, -0.1, eMoveOk::Store},
        {"1 half block at speed 160 is 0.1", 2, 1, 160, 0, 0.1, eMoveOk::Store},
        {"64 half blocks in time 1", 1, 64, 1, 0, 1024.0, eMoveOk::TimeQuestion},
        {"600 dots in time 1", 1, 600, 1, 1, 600.0, eMoveOk::Store},
        {"-600 dots in time 1", 1, -600, 1, 1, -600.0, eMoveOk::Store},
        {"601 dots in time 1", 1, 601, 1, 1, 601.0, eMoveOk::TimeQuestion},
        {"-601 dots in time 1", 1, -601, 1, 1, -601.0, eMoveOk::TimeQuestion},
        {"time and speed: no check", 0, 1, 0, 1, 0.0, eMoveOk::Store},
    };
    for (const cRatioCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        EXPECT_DOUBLE_EQ(CalcMoveRatio(c.nDistance, c.nDivisor, c.nUnit), c.dRatio);
        const u16 wDivisor = c.nSetType == 1 ? kMvTime : kMvSpeed;
        const u16 wOther = c.nSetType == 1 ? kMvSpeed : kMvTime;
        const cCtrlValues in{{kMvSetType, c.nSetType},
                             {kMvDistance, c.nDistance},
                             {wDivisor, c.nDivisor},
                             {wOther, 0},
                             {kMvDistanceUnit, c.nUnit}};
        EXPECT_EQ(CheckMoveOk(in), c.eOk);
    }
    // Any unit but dots counts in half blocks.
    EXPECT_DOUBLE_EQ(CalcMoveRatio(1, 1, 7), 16.0);
    EXPECT_STREQ(kMoveTimeCaption, "警告");
}

TEST(MoveRules, TimingGroupEnablesTwoOfThreeAndShowsTheRatio)
{
    cRefreshOut timeSpeed;
    MoveTimingRule({{kMvSetType, 0}, {kMvDistance, 2}, {kMvTime, 0}}, timeSpeed);
    for (u16 wId : {kMvTime, kMvTimeClone, kMvSpeed, kMvSpeedClone}) EXPECT_EQ(timeSpeed.Enabled(wId), 1) << wId;
    for (u16 wId : {kMvDistance, kMvDistanceClone, kMvDistanceUnit}) EXPECT_EQ(timeSpeed.Enabled(wId), 0) << wId;
    EXPECT_EQ(timeSpeed.Shown(kMvRatioHint), 0);
    EXPECT_EQ(timeSpeed.Shown(kMvRuleHint), 0);

    cRefreshOut timeDistance;
    MoveTimingRule({{kMvSetType, 1}, {kMvDistance, 64}, {kMvTime, 3}, {kMvDistanceUnit, 0}}, timeDistance);
    EXPECT_EQ(timeDistance.Enabled(kMvSpeed), 0);
    EXPECT_EQ(timeDistance.Enabled(kMvDistanceUnit), 1);
    EXPECT_EQ(timeDistance.Shown(kMvRatioHint), 1);
    EXPECT_EQ(LabelOf(timeDistance, kMvRatioHint), "距離(dot)÷時間　＝　341.3 (※分身は無視)");
    EXPECT_EQ(LabelOf(timeDistance, kMvRuleHint), "※距離(dot)÷時間を-600～600にすること");

    cRefreshOut speedDistance;
    MoveTimingRule({{kMvSetType, 2}, {kMvDistance, 1}, {kMvSpeed, -3}, {kMvDistanceUnit, 1}}, speedDistance);
    EXPECT_EQ(speedDistance.Enabled(kMvTime), 0);
    EXPECT_EQ(speedDistance.Enabled(kMvTimeClone), 0);
    EXPECT_EQ(speedDistance.Enabled(kMvSpeed), 1);
    EXPECT_EQ(speedDistance.Enabled(kMvDistance), 1);
    EXPECT_EQ(LabelOf(speedDistance, kMvRatioHint), "距離(dot)÷速度　＝　-0.33 (※分身は無視)");
    EXPECT_EQ(LabelOf(speedDistance, kMvRuleHint), "※距離(dot)÷速度を0.10以上(-0.10以下)にすること");

    cRefreshOut none;
    MoveTimingRule({{kMvDistance, 1}}, none);
    EXPECT_TRUE(none.Decisions().empty()) << "no set type shown, nothing decided";
}

TEST(MoveRules, InertiaAndAnimeGroups)
{
    for (s64 nInertia : {0, 1}) {
        cRefreshOut out;
        TimedMoveRefresh({{kMvInertia, nInertia}, {kMvAnimeKind, 0}}, cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(kMvMaxSpeed), nInertia);
        EXPECT_EQ(out.Enabled(kMvTurnRate), nInertia);
    }
    for (s64 nKind : {0, 1, 2}) {
        cRefreshOut out;
        TimedMoveRefresh({{kMvAnimeKind, nKind}}, cRefreshFacts(), out);
        EXPECT_EQ(out.Enabled(kMvAnime), nKind == 2 ? 1 : 0) << "anime kind " << nKind;
    }
    // The circle: its own kind combo, time or speed, no inertia.
    cRefreshOut circle;
    CircleMoveRefresh({{kMvSetType, 1}, {kMvCircleAnimeKind, 2}, {kMvAnimeKind, 0}, {kMvInertia, 0}}, cRefreshFacts(),
                      circle);
    EXPECT_EQ(circle.Enabled(kMvAnime), 1);
    EXPECT_EQ(circle.Enabled(kMvTime), 0);
    EXPECT_EQ(circle.Enabled(kMvTimeClone), 0);
    EXPECT_EQ(circle.Enabled(kMvSpeed), 1);
    EXPECT_EQ(circle.Enabled(kMvMaxSpeed), -1);
    EXPECT_EQ(circle.Shown(kMvRatioHint), -1);
    cRefreshOut circleTime;
    CircleMoveRefresh({{kMvSetType, 0}, {kMvCircleAnimeKind, 0}}, cRefreshFacts(), circleTime);
    EXPECT_EQ(circleTime.Enabled(kMvTime), 1);
    EXPECT_EQ(circleTime.Enabled(kMvSpeedClone), 0);
    EXPECT_EQ(circleTime.Enabled(kMvAnime), 0);
}

// The straight move's direction group: one row per case, the enabling of
// every control of the group (1 on, 0 off) and the mirror checks cleared.
struct cDirectionCase {
    const char* lpWhat;
    cCtrlValues in;
    std::vector<u16> on;
    std::vector<u16> off;
    bool bClearsMirrors;
};

TEST(MoveRules, StraightMoveDirectionGroup)
{
    const std::vector<u16> kTargetCtrls = {1129, 1151, 1397, 1135, 1137, 1144, 1149, 1388, 1390, 1145, 1146, 1147};
    const cDirectionCase cases[] = {
        {"direction given", {{1127, 0}, {1128, 3}}, {1128, 1398, 1150}, kTargetCtrls, false},
        {"the input direction turns no rotation", {{1127, 0}, {1128, 12}}, {1128, 1398}, {1150}, false},
        {"relative target, both axes",
         {{1127, 1}, {1129, 0}, {1397, 1}, {1149, 1}},
         {1129, 1151, 1397, 1149, 1146, 1147, 1135, 1137, 1144, 1388, 1390, 1145, 1150},
         {1128, 1398},
         false},
        {"start-relative target without X",
         {{1127, 1}, {1129, 1}, {1397, 0}, {1149, 1}},
         {1388, 1390, 1145},
         {1135, 1137, 1144},
         false},
        {"absolute target", {{1127, 1}, {1129, 2}, {1397, 1}, {1149, 1}}, {1135, 1388, 1150}, {1144, 1145}, true},
        {"screen target", {{1127, 1}, {1129, 3}, {1397, 1}, {1149, 0}}, {1135}, {1144, 1145, 1388, 1390}, true},
    };
    for (const cDirectionCase& c : cases) {
        SCOPED_TRACE(c.lpWhat);
        cRefreshOut out;
        LineMoveRefresh(c.in, cRefreshFacts(), out);
        for (u16 wId : c.on) EXPECT_EQ(out.Enabled(wId), 1) << wId;
        for (u16 wId : c.off) EXPECT_EQ(out.Enabled(wId), 0) << wId;
        EXPECT_EQ(out.Checked(1144), c.bClearsMirrors ? 0 : -1);
        EXPECT_EQ(out.Checked(1145), c.bClearsMirrors ? 0 : -1);
    }
}

}  // namespace
