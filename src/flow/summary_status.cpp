// The sentences of the status operations and of the arrange command.
#include "flow/arrange_params.h"
#include "flow/cmd_kinds.h"
#include "flow/option_names.h"
#include "flow/status_tables.h"
#include "flow/summary_line.h"
#include "flow/var_names.h"

namespace summary_detail {
namespace {

// Owners 0 to 4 are the chara itself and its four targets; 5 the system.
constexpr s32 kSystemOwner = 5;
// The chara status that names one of the chara's variables, and the two
// that are positions (shown with their coordinate kind).
constexpr s32 kCharaVarStatus = 0;
constexpr s32 kXStatus = 6;
constexpr s32 kYStatus = 7;

bool IsCharaOwner(s32 nOwner) { return nOwner >= 0 && nOwner < kSystemOwner; }

// A status of an owner: " owner の 「chara variable」", " owner の status"
// (with " (coordinate kind)" for a position) or " system status", each
// followed by the ending; nothing for an owner that is neither.
struct cStatusRef {
    s32 nOwner;
    s32 nStatus;
    s32 nCharaVar;
    s32 nCoordKind;
};

void AddStatus(cSummaryLine& l, const cStatusRef& ref, const char* lpEnding)
{
    if (IsCharaOwner(ref.nOwner)) {
        const char* lpOwner = g_SubjectSelfNames.At(ref.nOwner);
        if (ref.nStatus == kCharaVarStatus) {
            l.Add(" %s の 「%s」%s", lpOwner, CharaVarName(ref.nCharaVar), lpEnding);
            return;
        }
        l.Add(" %s の %s", lpOwner, g_CharaStatuses.At(ref.nStatus).m_lpName);
        if (ref.nStatus == kXStatus || ref.nStatus == kYStatus)
            l.Add(" (%s)", g_CoordKindNames.At(ref.nCoordKind));
    } else if (ref.nOwner == kSystemOwner) {
        l.Add(" %s", g_SystemStatuses.At(ref.nStatus).m_lpName);
    } else {
        return;
    }
    if (*lpEnding) l.Add(" %s", lpEnding);
}

// The left side: a status (0) or a variable (1).
void AddStatusTarget(cSummaryLine& l)
{
    const s32 nSide = l.P(0);
    if (nSide == 0) AddStatus(l, {l.P(3), l.P(4), l.P(2), l.P(18)}, "を");
    else if (nSide == 1 && l.AddVarRef(l.P(1), l.P(2))) l.Add("を");
}

// The operand: a constant, a random value, a status or a variable.
void AddOperand(cSummaryLine& l)
{
    switch (l.P(6)) {
    case 0: l.Add(" %d", l.P(7)); break;
    case 1: l.Add(" %d～%d", l.P(8), l.P(9)); break;
    case 2: AddStatus(l, {l.P(12), l.P(13), l.P(11), l.P(19)}, ""); break;
    case 3: l.AddVarRef(l.P(10), l.P(11)); break;
    default: break;
    }
}

}  // namespace

void StatusOpDetails(cSummaryLine& l)
{
    AddStatusTarget(l);
    l.Add(" %s", g_VarOpNames.At(l.P(5)));
    AddOperand(l);
    if (l.P(14) != 0) l.Add("%%");
}

// A state's value is stored as the state's minimum plus the position of its
// option.
void StateOpDetails(cSummaryLine& l)
{
    const s32 nOwner = l.P(0);
    const s32 nValue = l.P(2);
    if (IsCharaOwner(nOwner)) {
        const cStateDesc& state = g_CharaStates.At(l.P(1));
        l.Add(" %s の %s を", g_SubjectSelfSystemNames.At(nOwner), state.m_lpName);
        l.Add(" %s にする", state.Options().At(static_cast<long long>(nValue) - state.m_nMin));
    } else if (nOwner == kSystemOwner) {
        const cStateDesc& state = g_SystemStates.At(l.P(1));
        l.Add(" %s を %s にする", state.m_lpName, state.Options().At(static_cast<long long>(nValue) - state.m_nMin));
    }
}

// The arrange command changes a parameter of the next command of its target
// kind by a variable's value.
void ArrangeDetails(cSummaryLine& l)
{
    const s32 nKind = l.P(0);
    if (GetArrangeParams(nKind).empty()) {
        l.Add(" ※不正です。設定を見直して下さい。");
        return;
    }
    l.Add(" 次の 「%s」 の %s %s", g_FlowCmdKinds.At(nKind).m_lpName, GetArrangeParam(nKind, l.P(1)).m_strLabel.c_str(),
          g_VarOpNames.At(l.P(2)));
    constexpr s32 kCharaVarSource = 2;
    if (l.P(3) == kCharaVarSource) l.AddEntryRef(l.P(4), CharaVarName(l.P(4)));
    else l.AddVarRef(l.P(3), l.P(4));
}

}  // namespace summary_detail
