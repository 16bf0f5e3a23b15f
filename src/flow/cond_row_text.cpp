#include "flow/cond_row_text.h"

#include "app/str_util.h"
#include "flow/option_names.h"
#include "flow/summary_refs.h"
#include "flow/status_tables.h"
#include "flow/var_names.h"

namespace {

enum : u8 {
    kCommonVarCond = 1,
    kStageVarCond,
    kCharaVarCond,
    kStatusCond,
    kStatusCond2,
    kStatusCond3,
    kDistanceCond,
};

constexpr u8 kSystemSubject = 5;
constexpr u8 kStatusCharaVar = 0;

// One side of a condition as the status condition stores it. The condition
// kinds reuse the record's fields under other meanings; this is the one
// place that names them.
struct cSide {
    u8 nSubject;     // target 0..4, 5 the system
    u8 nStatus;
    u8 nScope;       // 0 common, 1 stage
    u16 wVar;        // variable number
    u8 nCoordKind;   // sub-name of a coordinate status
};

cSide LeftSide(const cCondItem& c)
{
    return {c.m_nLeftSubject, c.m_nLeftStatus, c.m_nLeftScope, c.m_wLeftCharaVar, c.m_nLeftCoordKind};
}

cSide RightSide(const cCondItem& c)
{
    return {c.m_nRightSubject, c.m_nRightStatus, c.m_nRightScope, c.m_wRightCharaVar, c.m_nRightCoordKind};
}

std::string VarNumber(u32 nNumber)
{
    std::string str;
    IntToStrZeroPad(str, static_cast<s32>(nNumber), 3);
    return str;
}

const char* ScopedVarName(u8 nScope, u32 nNumber)
{
    if (nScope > 1) return "";
    return SummaryRefs().VarName(nScope == 0 ? eVarScope::Common : eVarScope::Stage, nNumber);
}

const char* Compare(const cCondItem& c) { return g_CompareNames.At(c.m_nCompare); }
s32 Value(u32 n) { return static_cast<s32>(n); }

// A target's status: " %s の %s が" and its variants; the system's: " %s".
void AppendStatus(std::string& out, const cSide& side, bool bLeft)
{
    if (side.nSubject == kSystemSubject) {
        StrAppendFormat(out, bLeft ? " %s が" : " %s", g_SystemStatuses.At(side.nStatus).m_lpName);
        return;
    }
    const char* lpTarget = g_SubjectPlayerNames.At(side.nSubject);
    if (side.nStatus == kStatusCharaVar)
        StrAppendFormat(out, " %s の 「%s」 が", lpTarget, CharaVarName(side.wVar));
    else if (side.nStatus == 6 || side.nStatus == 7)
        StrAppendFormat(out, " %s の %s (%s) が", lpTarget, g_CharaStatuses.At(side.nStatus).m_lpName,
                        g_CoordKindNames.At(side.nCoordKind));
    else
        StrAppendFormat(out, " %s の %s が", lpTarget, g_CharaStatuses.At(side.nStatus).m_lpName);
}

void AppendVariable(std::string& out, const cSide& side, const char* lpFormat)
{
    StrAppendFormat(out, lpFormat, VarNumber(side.wVar).c_str(), ScopedVarName(side.nScope, side.wVar));
}

void AppendStatusCond(std::string& out, const cCondItem& c)
{
    out += " ：";
    const cSide left = LeftSide(c);
    if (c.m_nLeftSource == 0) AppendStatus(out, left, true);
    else if (c.m_nLeftSource == 1) AppendVariable(out, left, " 「%s %s」が");
    switch (c.m_nRightSource) {
    case 0: StrAppendFormat(out, " %d", Value(c.m_nValue1)); break;
    case 1: StrAppendFormat(out, " %d～%d", Value(c.m_nValue2), Value(c.m_nValue3)); break;
    case 2: AppendStatus(out, RightSide(c), false); break;
    case 3: AppendVariable(out, RightSide(c), " 「%s %s」"); break;
    default: break;
    }
    if (c.m_bPercent) out += "%";
    StrAppendFormat(out, " %s", Compare(c));
}

// A state's value name: the chara states' "巨大化" counts its values from 1.
void AppendStateCond(std::string& out, const cCondItem& c)
{
    out += " ：";
    const u32 nVar = c.m_wLeftCharaVar;
    if (c.m_nLeftSubject == kSystemSubject) {
        const cStateDesc& state = g_SystemStates.At(c.m_nLeftStatus);
        StrAppendFormat(out, " %s が %s", state.m_lpName, state.Options().At(nVar));
    } else {
        const cStateDesc& state = g_CharaStates.At(c.m_nLeftStatus);
        const long long nOption = c.m_nLeftStatus == 5 ? static_cast<long long>(nVar) - 1 : nVar;
        StrAppendFormat(out, " %s の %s が %s", g_SubjectPlayerNames.At(c.m_nLeftSubject), state.m_lpName,
                        state.Options().At(nOption));
    }
    StrAppendFormat(out, " %s", Compare(c));
}

}  // namespace

void ConditionRowText(std::string& out, int, const cCondItem& c)
{
    out = g_CondKindNames.At(c.m_nKind);
    const u32 nVar = c.m_wLeftCharaVar;
    switch (c.m_nKind) {
    case kCommonVarCond:
    case kStageVarCond:
        StrAppendFormat(out, " ： 「%s %s」 が %d %s", VarNumber(nVar).c_str(),
                        ScopedVarName(c.m_nKind == kCommonVarCond ? 0 : 1, nVar), Value(c.m_nValue1),
                        Compare(c));
        break;
    case kCharaVarCond:
        StrAppendFormat(out, " ： キャラ変数 「%s」が %d %s", CharaVarName(nVar), Value(c.m_nValue1), Compare(c));
        break;
    case kStatusCond: AppendStatusCond(out, c); break;
    case kStatusCond2: AppendStateCond(out, c); break;
    case kStatusCond3:
        StrAppendFormat(out, " ： %s が %s %s", g_SubjectPlayerNames.At(c.m_nLeftSubject),
                        g_CharaCondStateNames.At(c.m_nLeftStatus), g_CondSenseNames.At(c.m_nCompare));
        break;
    case kDistanceCond:
        StrAppendFormat(out, " ： %s が %s %d %s", g_SubjectPlayerNames.At(c.m_nLeftSubject),
                        g_DistanceShapeNames.At(c.m_bCond20), Value(c.m_nValue1),
                        g_DistanceSideNames.At(c.m_nCompare));
        break;
    default: break;
    }
}
