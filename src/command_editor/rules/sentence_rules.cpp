#include "command_editor/rules/sentence_rules.h"

#include <algorithm>

#include "flow/status_tables.h"
#include "flow/var_names.h"

namespace {

// Message (239).
enum : u16 {
    kMsgText = 1002,
    kMsgPosition = 1232,
    kMsgX = 1206,
    kMsgY = 1210,
    kMsgOffsetX = 1040,
    kMsgOffsetY = 1048,
    kMsgFit = 1234,
    kMsgDuration = 1233,
    kMsgTime = 1113,
    kMsgPause = 1231,
    kMsgShowVars = 1235,
    kMsgFollow = 1456,
    kMsgAutoRefresh = 1236,
    kMsgHasId = 1457,
    kMsgId = 1458,
    kMsgWindow = 1238,
    kMsgErase = 1237,
    kMsgInterval = 1115,
    kMsgMomentary = 1239,
    kMsgUnit = 1499,
};

// Warp (264).
enum : u16 {
    kWarpMode = 1127,
    kWarpDirection = 1128,
    kWarpUseX = 1397,
    kWarpUseY = 1149,
    kWarpX = 1135,
    kWarpY = 1388,
    kWarpDotX = 1137,
    kWarpDotY = 1390,
    kWarpCoord = 1129,
    kWarpUnit = 1151,
    kWarpOrigin = 1130,
    kWarpFlipX = 1144,
    kWarpFlipY = 1145,
    kWarpDistance = 1122,
    kWarpDistanceClone = 11240,
};

// Target (265).
enum : u16 {
    kTgtWho = 1390,
    kTgtForce = 1261,
    kTgtAllForces = 1397,
    kTgtRange = 1391,
    kTgtNotSelf = 1392,
    kTgtNotInvincible = 1393,
    kTgtNotPassThrough = 1396,
    kTgtNotBlockChara = 1394,
    kTgtByCharaId = 1395,
    kTgtCharaId = 1263,
    kTgtByVar = 1398,
    kTgtVar = 1429,
    kTgtVarValue = 1477,
    kTgtCompare = 1479,
};

// Status operation (215).
enum : u16 {
    kOpLeftKind = 11175,
    kOpLeftScope = 11176,
    kOpLeftVar = 1402,
    kOpLeftOwner = 1400,
    kOpLeftStatus = 1401,
    kOpRightKind = 11177,
    kOpConstant = 1403,
    kOpRandomFrom = 1048,
    kOpRandomTo = 1054,
    kOpRightScope = 11179,
    kOpRightVar = 1051,
    kOpRightOwner = 11178,
    kOpRightStatus = 1176,
    kOpPercent = 1175,
    kOpPercentMode = 11180,
    kOpBar = 1398,
    kOpIgnoreInvincible = 1399,
    kOpLeftCoord = 1498,
    kOpRightCoord = 1499,
    kOpLeftOrigin = 1500,
    kOpRightOrigin = 1501,
    kOpLeftRename = 1405,
    kOpRightRename = 1052,
};

constexpr s64 kSystemOwner = 5;
constexpr s32 kWidest = 999999;

bool IsCharaOwner(s64 nOwner) { return nOwner >= 0 && nOwner < kSystemOwner; }

// The target coordinates of a warp, one axis.
struct cWarpAxis {
    u16 wUse;
    u16 wBlocks;
    u16 wDots;
    u16 wFlip;
};

void WarpAxis(const cWarpAxis& axis, const cCtrlValues& in, bool bRelative, cRefreshOut& out)
{
    const bool bUsed = in.Get(axis.wUse) != 0;
    out.Enable({axis.wBlocks, axis.wDots}, bUsed);
    const bool bFlip = bUsed && bRelative;
    out.Enable(axis.wFlip, bFlip);
    if (!bFlip) out.Check(axis.wFlip, 0);
}

// One side of a status operation: the side is a status of an owner, or a
// variable of a scope; a chara's status 0 is one of its variables.
struct cOpSide {
    bool bStatus;
    u16 wOwner;
    u16 wStatus;
    u16 wScope;
    u16 wVar;
    u16 wRename;
    u16 wCoord;
    u16 wOrigin;
};

const cOpSide kLeftSide{true, kOpLeftOwner, kOpLeftStatus, kOpLeftScope, kOpLeftVar, kOpLeftRename,
                        kOpLeftCoord, kOpLeftOrigin};
const cOpSide kRightSide{false, kOpRightOwner, kOpRightStatus, kOpRightScope, kOpRightVar, kOpRightRename,
                         kOpRightCoord, kOpRightOrigin};

// The statuses listed by the owner; a chara's coordinates have a
// coordinate kind, and a Y coordinate in absolute or screen coordinates the
// reference point of a giant chara.
void StatusSide(const cOpSide& side, bool bIsStatus, const cCtrlValues& in, cRefreshOut& out)
{
    const s64 nOwner = in.Get(side.wOwner);
    out.Items(side.wStatus, StatusRows(nOwner == kSystemOwner));
    const s64 nStatus = in.Get(side.wStatus, -1);
    const bool bCharaStatus = bIsStatus && IsCharaOwner(nOwner);
    out.Enable(side.wCoord, bCharaStatus && (nStatus == 6 || nStatus == 7));
    const s64 nCoord = in.Get(side.wCoord);
    out.Enable(side.wOrigin, bCharaStatus && nStatus == 7 && (nCoord == 1 || nCoord == 2));
}

// The variable combo: a chara's variables for its status 0, the common or
// stage variables by the scope otherwise (listed even while unused, so that
// a stored number keeps its row); renamed only while the side is a variable.
void VariableSide(const cOpSide& side, bool bIsStatus, bool bIsVariable, const cCtrlValues& in, cRefreshOut& out)
{
    const bool bCharaVar = bIsStatus && IsCharaOwner(in.Get(side.wOwner)) && in.Get(side.wStatus, -1) == 0;
    if (bCharaVar) out.Items(side.wVar, Names(g_CharaVarNames));
    else out.Items(side.wVar, Rows(in.Get(side.wScope) == 1 ? eRows::StageVars : eRows::CommonVars));
    out.Enable(side.wVar, bCharaVar || bIsVariable);
    out.Enable(side.wRename, bIsVariable);
}

// The operand's limits: the left status's operand range (a system status
// takes the chara status of the same row), the widest for a variable.
void OperandRange(const cCtrlValues& in, s32& nMin, s32& nMax)
{
    nMin = -kWidest;
    nMax = kWidest;
    const s64 nRow = StatusOpLeftRow(in);
    if (!g_CharaStatuses.Has(nRow)) return;
    nMin = g_CharaStatuses.At(nRow).m_nOperandMin;
    nMax = g_CharaStatuses.At(nRow).m_nOperandMax;
}

void LeftSide(const cCtrlValues& in, cRefreshOut& out)
{
    const bool bStatus = in.Get(kOpLeftKind) == 0;
    out.Enable({kOpLeftOwner, kOpLeftStatus}, bStatus);
    out.Enable(kOpLeftScope, !bStatus);
    StatusSide(kLeftSide, bStatus, in, out);
    VariableSide(kLeftSide, bStatus, !bStatus, in, out);
    const s64 nOwner = in.Get(kOpLeftOwner);
    const s64 nStatus = in.Get(kOpLeftStatus, -1);
    out.Enable(kOpIgnoreInvincible, bStatus && IsCharaOwner(nOwner));
    // A chara's HP and SP are calculated in percent by a mode of their own.
    if (!bStatus) {
        out.Enable(kOpPercent, true).Enable({kOpPercentMode, kOpBar}, false);
    } else if (IsCharaOwner(nOwner) && (nStatus == 1 || nStatus == 2)) {
        out.Enable(kOpPercent, false).Enable({kOpPercentMode, kOpBar}, true);
    } else {
        out.Enable(kOpPercent, g_CharaStatuses.At(nStatus).m_adwFlags[2] == 1);
        out.Enable({kOpPercentMode, kOpBar}, false);
    }
    s32 nMin = 0, nMax = 0;
    OperandRange(in, nMin, nMax);
    for (u16 wEdit : {kOpConstant, kOpRandomFrom, kOpRandomTo}) out.Range(wEdit, nMin, nMax);
}

void RightSide(const cCtrlValues& in, cRefreshOut& out)
{
    const s64 nKind = in.Get(kOpRightKind);
    out.Enable(kOpConstant, nKind == 0);
    out.Enable({kOpRandomFrom, kOpRandomTo}, nKind == 1);
    out.Enable({kOpRightOwner, kOpRightStatus}, nKind == 2);
    out.Enable(kOpRightScope, nKind == 3);
    StatusSide(kRightSide, nKind == 2, in, out);
    VariableSide(kRightSide, nKind == 2, nKind == 3, in, out);
}

}  // namespace

void MessageRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    out.Enable(kMsgId, in.Get(kMsgHasId) != 0);
    if (in.Get(kMsgErase) != 0) {
        out.Enable({kMsgText, kMsgShowVars, kMsgWindow, kMsgPosition, kMsgOffsetX, kMsgOffsetY, kMsgFit,
                    kMsgDuration, kMsgAutoRefresh, kMsgInterval, kMsgUnit, kMsgX, kMsgY, kMsgFollow, kMsgTime,
                    kMsgMomentary, kMsgPause},
                   false);
        return;
    }
    out.Enable({kMsgText, kMsgShowVars, kMsgWindow, kMsgPosition, kMsgOffsetX, kMsgOffsetY, kMsgFit, kMsgDuration},
               true);
    const bool bShowVars = in.Get(kMsgShowVars) != 0;
    out.Enable(kMsgAutoRefresh, bShowVars);
    out.Enable(kMsgInterval, bShowVars && in.Get(kMsgAutoRefresh) != 0);
    const s64 nPosition = in.Get(kMsgPosition);
    out.Enable({kMsgUnit, kMsgX, kMsgY}, nPosition >= 7 && nPosition <= 10);
    switch (in.Get(kMsgDuration)) {
    case 0:  // until the key: the game waits
        out.Enable({kMsgFollow, kMsgTime, kMsgMomentary, kMsgPause}, false).Check(kMsgPause, 1);
        break;
    case 1:  // until the stage ends
        out.Enable(kMsgFollow, true).Enable({kMsgTime, kMsgMomentary, kMsgPause}, false).Check(kMsgPause, 0);
        break;
    default:
        out.Enable({kMsgFollow, kMsgMomentary, kMsgPause}, true);
        if (in.Get(kMsgMomentary) != 0) out.Value(kMsgTime, 1).Enable(kMsgTime, false);
        else out.Enable(kMsgTime, true);
        break;
    }
}

void WarpRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const bool bToTarget = in.Get(kWarpMode) == 5;
    out.Enable({kWarpDirection, kWarpDistance, kWarpDistanceClone}, !bToTarget);
    out.Enable({kWarpUseX, kWarpUseY, kWarpCoord, kWarpUnit}, bToTarget);
    if (!bToTarget) {
        out.Enable({kWarpX, kWarpDotX, kWarpFlipX, kWarpY, kWarpDotY, kWarpFlipY, kWarpOrigin}, false);
        return;
    }
    const bool bRelative = in.Get(kWarpCoord) == 0;
    WarpAxis({kWarpUseX, kWarpX, kWarpDotX, kWarpFlipX}, in, bRelative, out);
    WarpAxis({kWarpUseY, kWarpY, kWarpDotY, kWarpFlipY}, in, bRelative, out);
    // Absolute and screen coordinates of Y place a giant chara by its reference point.
    out.Enable(kWarpOrigin, in.Get(kWarpUseY) != 0 && !bRelative);
}

void TargetRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    const s64 nWho = in.Get(kTgtWho);
    const bool bFiltered = nWho == 2 || nWho == 3 || nWho == 6;
    out.Enable({kTgtAllForces, kTgtByCharaId, kTgtByVar, kTgtNotSelf, kTgtNotInvincible, kTgtNotBlockChara,
                kTgtNotPassThrough},
               bFiltered);
    out.Enable(kTgtRange, nWho == 2);
    out.Enable(kTgtForce, bFiltered && in.Get(kTgtAllForces) == 0);
    out.Enable(kTgtCharaId, bFiltered && in.Get(kTgtByCharaId) != 0);
    out.Enable({kTgtVar, kTgtVarValue, kTgtCompare}, bFiltered && in.Get(kTgtByVar) != 0);
}

void StatusOpRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    LeftSide(in, out);
    RightSide(in, out);
}

s64 StatusOpLeftRow(const cCtrlValues& in)
{
    if (in.Get(kOpLeftKind) != 0) return -1;
    return in.Get(kOpLeftStatus, -1);
}

void StatusOpReclamp(const cCtrlValues& in, s64 nRemembered, cRefreshOut& out)
{
    if (nRemembered == -1 || nRemembered == StatusOpLeftRow(in)) return;
    s32 nMin = 0, nMax = 0;
    OperandRange(in, nMin, nMax);
    for (u16 wEdit : {kOpConstant, kOpRandomFrom, kOpRandomTo})
        if (in.Has(wEdit)) out.Value(wEdit, static_cast<s32>(std::clamp<s64>(in.Get(wEdit), nMin, nMax)));
}
