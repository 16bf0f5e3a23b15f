// The dialogs of the wait, the seven moves and the move disable: the
// command's time and its move record, in the groups that several moves
// share.
#include "app/fatal.h"
#include "app/host.h"
#include "command_editor/behaviours.h"
#include "command_editor/cmd_dlg_base.h"
#include "command_editor/common_rows.h"
#include "command_editor/rules/move_rules.h"
#include "flow/ed_move.h"
#include "flow/option_names.h"

namespace {

template <auto P> constexpr cFieldRef Mv() { return MoveField<P>(); }

// Group T: two of time, speed and distance ("時間・速度・距離").
constexpr cBindRow kTimingGroup[] = {
    kParallelRow,
    Combo(kMvSetType, Mv<&cEdMove::m_nTimingMode>(), Names(g_TimingModeNames)),
    kTimeRow,
    kTimeCloneRow,
    Edit(kMvSpeed, Mv<&cEdMove::m_wSpeed>(), -200, 200, 1119),
    Edit(kMvSpeedClone, Mv<&cEdMove::m_wSpeedClone>(), -200, 200, 1121),
    Edit(kMvDistance, Mv<&cEdMove::m_wDistance>(), 1, 64, 1123),
    Edit(kMvDistanceClone, Mv<&cEdMove::m_wDistanceClone>(), -40, 40, 11270),
    Combo(kMvDistanceUnit, Mv<&cEdMove::m_bDotUnit>(), Names(g_UnitHblNames)),
};
// Group I: inertia.
constexpr cBindRow kInertiaGroup[] = {
    Check(kMvInertia, Mv<&cEdMove::m_bInertia>()),
    Edit(kMvMaxSpeed, Mv<&cEdMove::m_wMaxSpeed>(), 0, 200, 1140),
    Edit(kMvTurnRate, Mv<&cEdMove::m_dRate>(), 0.0, 9.9, 1142, 0.1),
};
// Group A: the anime during the move, over a kind combo of the dialog's.
constexpr cBindRow AnimeKindRow(u16 wId) { return Combo(wId, Mv<&cEdMove::m_nAnimeMode>(), Names(g_MoveAnimeNames)); }
constexpr cBindRow kAnimeGroup[] = {AnimeKindRow(kMvAnimeKind), kAnimeRow};
constexpr cBindRow kCircleAnimeGroup[] = {AnimeKindRow(kMvCircleAnimeKind), kAnimeRow};

// The angle of the straight and the charge move.
constexpr cBindRow kAngleRows[] = {
    Edit(1130, Mv<&cEdMove::m_wDirExtra>(), -7200, 7200, 1132),
    Edit(1133, Mv<&cEdMove::m_wMove4>(), -7200, 7200, 1134),
    Check(1150, Mv<&cEdMove::m_bMove5>()),
};
// The charge and the homing move: the target slot and the offsets from it.
constexpr cBindRow kTargetOffsetRows[] = {
    Combo(1483, Mv<&cEdMove::m_bMove35>(), Names(g_TargetNoNames)),
    Edit(1135, Mv<&cEdMove::m_wTargetX>(), -640, 640, 1136),
    Edit(1137, Mv<&cEdMove::m_wTargetDotX>(), -640, 640, 1138),
    Check(1144, Mv<&cEdMove::m_bFlipX>()),
    Edit(1388, Mv<&cEdMove::m_wTargetY>(), -640, 640, 1389),
    Edit(1390, Mv<&cEdMove::m_wTargetDotY>(), -640, 640, 1391),
    Check(1145, Mv<&cEdMove::m_bFlipY>()),
};
// The charge, homing and circle moves: movement disabled by axis, facing kept.
constexpr cBindRow kNoMoveRows[] = {
    Check(1146, Mv<&cEdMove::m_bNoMoveX>()),
    Check(1148, Mv<&cEdMove::m_bNoMoveY>()),
    Check(1399, Mv<&cEdMove::m_bKeepFacing>()),
};
constexpr cBindRow kKeepFacingRow = Check(1399, Mv<&cEdMove::m_bKeepFacing>());
constexpr cBindRow kDirectionRow = Combo(1128, Mv<&cEdMove::m_nDirection>(), Names(g_DirectionNames));

// OK of a move that gives two of time, speed and distance: a speed ratio too
// near 0 is refused; a time ratio beyond the limits is the user's to confirm.
class cMoveRatioCheck : public cBehaviour {
public:
    bool CheckOk(cBoundDlg& dlg) const override
    {
        switch (CheckMoveOk(dlg.ReadCtrls())) {
        case eMoveOk::Store: return true;
        case eMoveOk::SpeedError: ErrorBox(kMoveSpeedError); return false;
        case eMoveOk::TimeQuestion:
            return ShowMessageBox(dlg.GetHwnd(), kMoveTimeQuestion, kMoveTimeCaption, kMbYesNo) == kIdYes;
        }
        return false;
    }
};
const cMoveRatioCheck kMoveRatioCheck;
const cBehaviour* const kTimedMoveBehaviours[] = {&kMoveRatioCheck};

// A new command runs a tenth of a second.
void NewTimedCommand(cCommand& cmd) { cmd.m_wTime = 1; }

// The moves that show the inertia make it up to speed 200.
void NewInertiaMove(cSubRecords& records)
{
    if (records.m_pMove) records.m_pMove->m_wMaxSpeed = 200;
}

// A timed move: groups T, I and A with its own rows; OK checks the ratio.
cCmdDlgDesc TimedMoveDlg(u8 nKind, u16 wDlgId, const cBindRow* lpRows, u32 nRows)
{
    return CmdDlg(0, nKind, wDlgId, lpRows, nRows)
        .Refresh(TimedMoveRefresh)
        .With(kTimedMoveBehaviours)
        .Needs(kNeedMove, NewInertiaMove)
        .NewCommand(NewTimedCommand);
}
template <size_t N>
cCmdDlgDesc TimedMoveDlg(u8 nKind, u16 wDlgId, const std::array<cBindRow, N>& rows)
{
    return TimedMoveDlg(nKind, wDlgId, rows.data(), static_cast<u32>(N));
}

// 207 "ウエイト".
const cCmdDlgDesc kWaitDlg = CmdDlg(0, 1, 207, kTimeRows).NewCommand(NewTimedCommand);

// 208 "直線移動": the direction group "移動方向".
constexpr cBindRow kLineMoveOwnRows[] = {
    Combo(1127, Mv<&cEdMove::m_nMode>(), Names(g_MoveModeNames)),
    kDirectionRow,
    Check(1398, Mv<&cEdMove::m_bReverseOnTurn>()),
    Combo(1129, Mv<&cEdMove::m_nCoordKind>(), Names(g_CoordKindStartNames)),
    Combo(1151, Mv<&cEdMove::m_nTargetUnit>(), Names(g_UnitBlNames)),
    Check(1397, Mv<&cEdMove::m_bUseX>()),
    Edit(1135, Mv<&cEdMove::m_wTargetX>(), -16383, 16383, 1136),
    Edit(1137, Mv<&cEdMove::m_wTargetDotX>(), -640, 640, 1138),
    Check(1144, Mv<&cEdMove::m_bFlipX>()),
    Check(1149, Mv<&cEdMove::m_bUseY>()),
    Edit(1388, Mv<&cEdMove::m_wTargetY>(), -16383, 16383, 1389),
    Edit(1390, Mv<&cEdMove::m_wTargetDotY>(), -640, 640, 1391),
    Check(1145, Mv<&cEdMove::m_bFlipY>()),
    Check(1146, Mv<&cEdMove::m_bUntilTarget>()),
    Check(1147, Mv<&cEdMove::m_bNoJitter>()),
    Check(1396, Mv<&cEdMove::m_bNoMoveX>()),
    Check(1148, Mv<&cEdMove::m_bNoMoveY>()),
    kKeepFacingRow,
};
constexpr auto kLineMoveRows = JoinRows(kTimingGroup, kInertiaGroup, kAnimeGroup, kLineMoveOwnRows, kAngleRows);
const cCmdDlgDesc kLineMoveDlg = TimedMoveDlg(2, 208, kLineMoveRows).Refresh(LineMoveRefresh);

// 259 "地上折り返し移動": the groups alone.
constexpr auto kGroundTurnMoveRows = JoinRows(kTimingGroup, kInertiaGroup, kAnimeGroup);
const cCmdDlgDesc kGroundTurnMoveDlg = TimedMoveDlg(3, 259, kGroundTurnMoveRows);

// 261 "突撃移動".
constexpr auto kChargeMoveRows =
    JoinRows(kTimingGroup, kInertiaGroup, kAnimeGroup, kTargetOffsetRows, kAngleRows, kNoMoveRows);
const cCmdDlgDesc kChargeMoveDlg = TimedMoveDlg(5, 261, kChargeMoveRows);

// 214 "誘導移動": the inaccuracy of the homing.
constexpr cBindRow kHomingOwnRows[] = {
    Edit(1169, Mv<&cEdMove::m_wMove29>(), 0, 10, 1170),
    Edit(1171, Mv<&cEdMove::m_wMove30>(), 0, 10, 1172),
    Check(1147, Mv<&cEdMove::m_bNoJitter>()),
};
constexpr auto kHomingMoveRows =
    JoinRows(kTimingGroup, kInertiaGroup, kAnimeGroup, kTargetOffsetRows, kHomingOwnRows, kNoMoveRows);
const cCmdDlgDesc kHomingMoveDlg = TimedMoveDlg(6, 214, kHomingMoveRows);

// 262 "画面外回避移動".
constexpr cBindRow kAvoidOwnRows[] = {kDirectionRow, kKeepFacingRow};
constexpr auto kAvoidMoveRows = JoinRows(kTimingGroup, kInertiaGroup, kAnimeGroup, kAvoidOwnRows);
const cCmdDlgDesc kAvoidMoveDlg = TimedMoveDlg(7, 262, kAvoidMoveRows);

// 260 "円移動": time or speed, the angles and the radius.
constexpr cBindRow kCircleMoveOwnRows[] = {
    Combo(kMvSetType, Mv<&cEdMove::m_nTimingMode>(), Names(g_CircleTimingModeNames)),
    Combo(1264, Mv<&cEdMove::m_nDirection>(), Names(g_RotationNames)),
    Check(1144, Mv<&cEdMove::m_bFlipX>()),
    Check(1145, Mv<&cEdMove::m_bFlipY>()),
    Edit(kMvSpeed, Mv<&cEdMove::m_wSpeed>(), -180, 180, 1119),
    Edit(kMvSpeedClone, Mv<&cEdMove::m_wSpeedClone>(), -180, 180, 1121),
    Edit(1382, Mv<&cEdMove::m_wDirExtra>(), -7200, 7200, 1383),
    Edit(1384, Mv<&cEdMove::m_wMove4>(), -7200, 7200, 1385),
    Edit(1124, Mv<&cEdMove::m_wDistance>(), -7200, 7200, 1125),
    Edit(11241, Mv<&cEdMove::m_wDistanceClone>(), -7200, 7200, 11271),
    Edit(1183, Mv<&cEdMove::m_wMove29>(), 0, 20, 1184),
    Edit(1386, Mv<&cEdMove::m_wMove30>(), -20, 20, 1387),
};
constexpr auto kCircleMoveRows = JoinRows(kTimeRows, kCircleMoveOwnRows, kNoMoveRows, kCircleAnimeGroup);

void NewCircleMove(cSubRecords& records)
{
    if (!records.m_pMove) return;
    cEdMove& move = *records.m_pMove;
    move.m_nTimingMode = 1;
    move.m_wSpeed = 20;
    move.m_wDirExtra = 0;
    move.m_wDistance = 360;
    move.m_wMove29 = 6;
}

const cCmdDlgDesc kCircleMoveDlg = CmdDlg(0, 4, 260, kCircleMoveRows)
                                       .Refresh(CircleMoveRefresh)
                                       .Needs(kNeedMove, NewCircleMove)
                                       .NewCommand(NewTimedCommand);

// 273 "移動の無効化": the time only. The command carries a move record made
// as for the off-screen avoiding move, of which nothing is shown.
const cCmdDlgDesc kMoveDisableDlg =
    CmdDlg(0, 8, 273, kTimeRows).Needs(kNeedMove, NewInertiaMove).NewCommand(NewTimedCommand);

const cCmdDlgDesc* const kMoveDialogs[] = {
    &kWaitDlg,       &kLineMoveDlg,   &kGroundTurnMoveDlg, &kCircleMoveDlg,
    &kChargeMoveDlg, &kHomingMoveDlg, &kAvoidMoveDlg,      &kMoveDisableDlg,
};

}  // namespace

const cCmdDlgGroup g_MoveCmdDialogs{kMoveDialogs, sizeof kMoveDialogs / sizeof kMoveDialogs[0]};
