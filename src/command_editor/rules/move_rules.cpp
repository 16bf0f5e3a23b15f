#include "command_editor/rules/move_rules.h"

#include <cstdio>

namespace {

// The direction group of the straight move.
enum : u16 {
    kDirType = 1127,
    kDirection = 1128,
    kReverseOnTurn = 1398,
    kTargetCoord = 1129,
    kTargetUnit = 1151,
    kUseX = 1397,
    kTargetX = 1135,
    kTargetDotX = 1137,
    kMirrorX = 1144,
    kUseY = 1149,
    kTargetY = 1388,
    kTargetDotY = 1390,
    kMirrorY = 1145,
    kUntilTarget = 1146,
    kNoShake = 1147,
    kMirrorRotate = 1150,
};

constexpr s64 kInputDirection = 12;
constexpr s64 kSetTimeSpeed = 0;
constexpr s64 kSetTimeDistance = 1;
constexpr s64 kSetSpeedDistance = 2;

constexpr double kMinSpeedRatio = 0.1;
constexpr double kMaxTimeRatio = 600.0;

double ShownRatio(const cCtrlValues& in, u16 wDivisor)
{
    return CalcMoveRatio(static_cast<s16>(in.Get(kMvDistance)), static_cast<s16>(in.Get(wDivisor)),
                         static_cast<u8>(in.Get(kMvDistanceUnit)));
}

std::string Format(const char* lpFormat, double dValue)
{
    char sz[128];
    std::snprintf(sz, sizeof sz, lpFormat, dValue);
    return sz;
}

// One axis of a target: its edits count while the axis is given, and its
// mirror only then.
void TargetAxis(u16 wUse, u16 wBlocks, u16 wDots, u16 wMirror, const cCtrlValues& in, cRefreshOut& out)
{
    const bool bUsed = in.Get(wUse) != 0;
    out.Enable({wBlocks, wDots}, bUsed);
    if (!bUsed) out.Enable(wMirror, false);
}

void DirectionRule(const cCtrlValues& in, cRefreshOut& out)
{
    if (!in.Has(kDirType)) return;
    if (in.Get(kDirType) == 0) {
        out.Enable({kDirection, kReverseOnTurn}, true);
        out.Enable({kTargetCoord, kTargetUnit, kUseX, kTargetX, kTargetDotX, kMirrorX, kUseY, kTargetY, kTargetDotY,
                    kMirrorY, kUntilTarget, kNoShake},
                   false);
        out.Enable(kMirrorRotate, !in.Is(kDirection, kInputDirection));
        return;
    }
    out.Enable({kDirection, kReverseOnTurn}, false);
    out.Enable({kTargetCoord, kTargetUnit, kUseX, kUseY, kUntilTarget, kNoShake}, true);
    // Absolute and screen targets are the same whichever way the chara faces.
    const s64 nCoord = in.Get(kTargetCoord);
    if (nCoord == 0 || nCoord == 1) {
        out.Enable({kMirrorX, kMirrorY}, true);
    } else {
        out.Enable({kMirrorX, kMirrorY}, false);
        out.Check(kMirrorX, 0).Check(kMirrorY, 0);
    }
    TargetAxis(kUseX, kTargetX, kTargetDotX, kMirrorX, in, out);
    TargetAxis(kUseY, kTargetY, kTargetDotY, kMirrorY, in, out);
    out.Enable(kMirrorRotate, true);
}

}  // namespace

const char* const kMoveSpeedError = "「距離÷速度」を0.10以上、または-0.10以下にして下さい！";
const char* const kMoveTimeQuestion =
    "なるべく「距離÷時間」を-600～600にして下さい！\n"
    "そうしないと速度制限がかかって、移動距離も指定した「距離」より短くなります。\n"
    "それでもこの設定でよろしいですか？";
const char* const kMoveTimeCaption = "警告";

double CalcMoveRatio(s16 nDistance, s16 nDivisor, u8 nUnit)
{
    if (nDivisor == 0) return 0.0;
    if (nUnit == 1) return static_cast<double>(nDistance) / nDivisor;
    return nDistance * 16.0 / nDivisor;
}

eMoveOk CheckMoveOk(const cCtrlValues& in)
{
    switch (in.Get(kMvSetType, kSetTimeSpeed)) {
    case kSetSpeedDistance: {
        const double dRatio = ShownRatio(in, kMvSpeed);
        return dRatio < kMinSpeedRatio && dRatio > -kMinSpeedRatio ? eMoveOk::SpeedError : eMoveOk::Store;
    }
    case kSetTimeDistance: {
        const double dRatio = ShownRatio(in, kMvTime);
        return dRatio < -kMaxTimeRatio || dRatio > kMaxTimeRatio ? eMoveOk::TimeQuestion : eMoveOk::Store;
    }
    default: return eMoveOk::Store;
    }
}

void MoveTimingRule(const cCtrlValues& in, cRefreshOut& out)
{
    if (!in.Has(kMvSetType)) return;
    switch (in.Get(kMvSetType)) {
    case kSetTimeSpeed:
        out.Enable({kMvTime, kMvTimeClone, kMvSpeed, kMvSpeedClone}, true);
        out.Enable({kMvDistance, kMvDistanceClone, kMvDistanceUnit}, false);
        out.Show(kMvRatioHint, false).Show(kMvRuleHint, false);
        break;
    case kSetTimeDistance:
        out.Enable({kMvTime, kMvTimeClone, kMvDistance, kMvDistanceClone, kMvDistanceUnit}, true);
        out.Enable({kMvSpeed, kMvSpeedClone}, false);
        out.Show(kMvRatioHint, true).Show(kMvRuleHint, true);
        out.Label(kMvRatioHint, Format("距離(dot)÷時間　＝　%0.1lf (※分身は無視)", ShownRatio(in, kMvTime)));
        out.Label(kMvRuleHint, "※距離(dot)÷時間を-600～600にすること");
        break;
    case kSetSpeedDistance:
        out.Enable({kMvTime, kMvTimeClone}, false);
        out.Enable({kMvSpeed, kMvSpeedClone, kMvDistance, kMvDistanceClone, kMvDistanceUnit}, true);
        out.Show(kMvRatioHint, true).Show(kMvRuleHint, true);
        out.Label(kMvRatioHint, Format("距離(dot)÷速度　＝　%0.2lf (※分身は無視)", ShownRatio(in, kMvSpeed)));
        out.Label(kMvRuleHint, "※距離(dot)÷速度を0.10以上(-0.10以下)にすること");
        break;
    default: break;
    }
}

void InertiaRule(const cCtrlValues& in, cRefreshOut& out)
{
    out.Enable({kMvMaxSpeed, kMvTurnRate}, in.Get(kMvInertia) != 0);
}

void AnimeKindRule(u16 wKindCombo, const cCtrlValues& in, cRefreshOut& out)
{
    out.Enable(kMvAnime, in.Is(wKindCombo, 2));
}

void LineMoveRefresh(const cCtrlValues& in, const cRefreshFacts& facts, cRefreshOut& out)
{
    DirectionRule(in, out);
    TimedMoveRefresh(in, facts, out);
}

void TimedMoveRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    MoveTimingRule(in, out);
    InertiaRule(in, out);
    AnimeKindRule(kMvAnimeKind, in, out);
}

void CircleMoveRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    if (in.Has(kMvSetType)) {
        const bool bTime = in.Get(kMvSetType) == 0;
        out.Enable({kMvTime, kMvTimeClone}, bTime);
        out.Enable({kMvSpeed, kMvSpeedClone}, !bTime);
    }
    AnimeKindRule(kMvCircleAnimeKind, in, out);
}
