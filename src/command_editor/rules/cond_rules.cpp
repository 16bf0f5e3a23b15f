#include "command_editor/rules/cond_rules.h"

#include <algorithm>

#include "flow/project_vars.h"
#include "flow/status_tables.h"
#include "flow/var_names.h"

namespace {

// The state names from the state tables: the chara states from "透明" (the
// first, "消滅", is no condition), every system state.
const char* const kCharaStateNames[] = {
    g_CharaStates.At(1).m_lpName, g_CharaStates.At(2).m_lpName, g_CharaStates.At(3).m_lpName,
    g_CharaStates.At(4).m_lpName, g_CharaStates.At(5).m_lpName, g_CharaStates.At(6).m_lpName, "",
};
const char* const kSystemStateNames[] = {g_SystemStates.At(0).m_lpName, g_SystemStates.At(1).m_lpName, ""};

constexpr s32 kFirstCharaState = 1;
constexpr s32 kFirstSystemState = 0;
constexpr s64 kStatusCharaVar = 0;
constexpr s64 kStatusX = 6;
constexpr s64 kStatusY = 7;

// One side of the status condition.
struct cSideIds {
    u16 wSubject, wStatus, wScope, wVar, wRename, wCoord, wGiant;
};
constexpr cSideIds kLeft{kStLeftSubject, kStLeftStatus, kStLeftScope, kStLeftVar, kStLeftRename, kStLeftCoord,
                         kStLeftGiant};
constexpr cSideIds kRight{kStRightSubject, kStRightStatus, kStRightScope, kStRightVar, kStRightRename, kStRightCoord,
                          kStRightGiant};

// The coordinate type of a status operand: for "X座標" and "Y座標" of a
// chara; the reference point of a giant chara only for "Y座標" in absolute
// or screen coordinates.
void CoordRule(const cSideIds& side, const cCtrlValues& in, cRefreshOut& out)
{
    const s64 nStatus = in.Get(side.wStatus, -1);
    const bool bChara = in.Get(side.wSubject) != kSystemSubject;
    const bool bCoord = bChara && (nStatus == kStatusX || nStatus == kStatusY);
    const s64 nCoord = in.Get(side.wCoord);
    out.Enable(side.wCoord, bCoord);
    out.Enable(side.wGiant, bChara && nStatus == kStatusY && (nCoord == 1 || nCoord == 2));
}

// The variable combo of a side: the chara variables for a chara's
// "キャラ変数" (nothing to rename), the scope's names for a variable operand
// (and, disabled, for any other); a shown number the new list lacks is
// clamped into it.
void VariableRule(const cSideIds& side, bool bStatus, bool bVariable, const cCtrlValues& in, cRefreshOut& out)
{
    s64 nLast = 0;
    if (bStatus && in.Get(side.wSubject) != kSystemSubject && in.Get(side.wStatus, -1) == kStatusCharaVar) {
        out.Enable(side.wRename, false).Enable(side.wVar, true).Items(side.wVar, Names(g_CharaVarNames));
        nLast = g_CharaVarNames.Count();
    } else if (bVariable) {
        const bool bStage = in.Get(side.wScope) == 1;
        out.Enable({side.wVar, side.wRename}, true).Items(side.wVar, Rows(bStage ? eRows::StageVars : eRows::CommonVars));
        nLast = static_cast<s64>(VarNames().Count(bStage ? eVarScope::Stage : eVarScope::Common)) - 1;
    } else {
        // Unused, the combo still lists the scope's names, so that it keeps
        // showing (and OK keeps storing) the side's number.
        out.Enable({side.wVar, side.wRename}, false);
        out.Items(side.wVar, Rows(in.Get(side.wScope) == 1 ? eRows::StageVars : eRows::CommonVars));
        return;
    }
    if (in.Has(side.wVar) && nLast >= 1) {
        const s64 nVar = in.Get(side.wVar);
        if (nVar < 1 || nVar > nLast) out.Value(side.wVar, static_cast<s32>(std::clamp<s64>(nVar, 1, nLast)));
    }
}

void StatusList(const cSideIds& side, const cCtrlValues& in, cRefreshOut& out)
{
    out.Items(side.wStatus, StatusRows(in.Get(side.wSubject) == kSystemSubject));
}

// The state a status condition 2 shows: its descriptor by the subject's group.
const cStateDesc& ShownState(const cCtrlValues& in)
{
    const s64 nState = in.Get(kSt2State, -1);
    return in.Get(kSt2Subject) == kSystemSubject ? g_SystemStates.At(nState) : g_CharaStates.At(nState);
}

}  // namespace

const cNameTable g_CondCharaStateNames(kCharaStateNames);
const cNameTable g_CondSystemStateNames(kSystemStateNames);

void StatusCondRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const s64 nLeftKind = in.Get(kStLeftKind);
    if (nLeftKind == 0) {
        out.Enable({kStLeftSubject, kStLeftStatus}, true).Enable({kStLeftScope, kStLeftVar, kStLeftRename}, false);
        CoordRule(kLeft, in, out);
    } else if (nLeftKind == 1) {
        out.Enable({kStLeftSubject, kStLeftStatus}, false).Enable({kStLeftScope, kStLeftVar, kStLeftRename}, true);
        out.Enable({kStLeftCoord, kStLeftGiant}, false);
    }
    VariableRule(kLeft, nLeftKind == 0, nLeftKind == 1, in, out);
    StatusList(kLeft, in, out);
    StatusList(kRight, in, out);

    const s64 nRightKind = in.Get(kStRightKind);
    out.Enable(kStConstant, nRightKind == 0);
    out.Enable({kStRandomFrom, kStRandomTo}, nRightKind == 1);
    out.Enable({kStRightSubject, kStRightStatus}, nRightKind == 2);
    out.Enable(kStRightScope, nRightKind == 3);
    if (nRightKind == 2) CoordRule(kRight, in, out);
    else out.Enable({kStRightCoord, kStRightGiant}, false);
    VariableRule(kRight, nRightKind == 2, nRightKind == 3, in, out);
}

void StatusCond2Refresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const bool bSystem = in.Get(kSt2Subject) == kSystemSubject;
    out.Base(kSt2State, bSystem ? kFirstSystemState : kFirstCharaState);
    out.Items(kSt2State, Names(bSystem ? g_CondSystemStateNames : g_CondCharaStateNames));
    const cStateDesc& state = ShownState(in);
    out.Base(kSt2Value, state.m_nMin).Items(kSt2Value, Names(state.Options()));
}

void StatusCond2SubjectChange(const cCtrlValues& in, s64 nPrevious, cRefreshOut& out)
{
    cCtrlValues now = in;
    const bool bSystem = in.Get(kSt2Subject) == kSystemSubject;
    if (nPrevious != kNoPreviousChoice && (nPrevious == kSystemSubject) != bSystem) {
        const s32 nFirst = bSystem ? kFirstSystemState : kFirstCharaState;
        now.Set(kSt2State, nFirst);
        out.Base(kSt2State, nFirst).Value(kSt2State, nFirst);
        now.Set(kSt2Value, ShownState(now).m_nMin);
        out.Base(kSt2Value, ShownState(now).m_nMin).Value(kSt2Value, ShownState(now).m_nMin);
    }
    StatusCond2Refresh(now, cRefreshFacts(), out);
}

void DistanceCondRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    out.Enable({kDistColour, kDistUnappeared, kDistTransparent}, in.Get(kDistDisplay) != 0);
}

void KeyCondRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const s32 nMin = static_cast<s32>(std::clamp<s64>(in.Get(kKeyPressMin, 1), 1, kKeyPressLimit));
    out.Range(kKeyPressMax, nMin, kKeyPressLimit);
    if (in.Has(kKeyPressMax) && in.Get(kKeyPressMax) < nMin) out.Value(kKeyPressMax, nMin);
    out.Enable({kKeyPressMin, kKeyPressMax}, in.Get(kKeyInfinite) == 0);
}

void FlowOpRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    out.Enable({kFopCondList, kFopCondMode, kFopInsert, kFopEdit, kFopDelete}, in.Get(kFopHasConds) != 0);
    const s64 nWhose = in.Get(kFopWhose);
    if (nWhose >= 1 && nWhose <= 4) {
        out.Value(kFopWhich, 2).Enable(kFopWhich, false).Enable(kFopGroup, true);
        return;
    }
    out.Enable(kFopWhich, true).Enable(kFopGroup, in.Get(kFopWhich) == 2);
}

void StageClearRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const s64 nDest = in.Get(kClrDest);
    out.Enable(kClrNumber, nDest == 1).Enable({kClrPath, kClrBrowse}, nDest == 2);
    out.Enable({kClrStartX, kClrStartY, kClrFacing}, in.Get(kClrForceStart) != 0);
    out.Enable({kClrMapX, kClrMapY}, in.Get(kClrMoveOnMap) != 0);
}
