#include "command_editor/rules/frame_refresh.h"

#include "flow/var_names.h"

void JumpRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    enum : u16 { kType = 1178, kFastSpeed = 1309, kSlowSpeed = 1311, kLowHeight = 1307 };
    if (!in.Has(kType)) return;
    out.Enable({kFastSpeed, kSlowSpeed, kLowHeight}, in.Get(kType) == 2);
}

void ArrangeRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    enum : u16 { kTarget = 1473, kParam = 1470, kOperator = 1174, kVarKind = 1471, kVar = 1472, kRename = 1050 };
    const s64 nKind = in.Get(kTarget, 0);
    const s32 nListKind = nKind >= 0 && nKind <= 0xFFFF ? static_cast<s32>(nKind) : 0;
    out.Items(kParam, Rows(eRows::ArrangeParams, nListKind));
    const bool bHasParams = !ArrangeParamLabels(static_cast<u32>(nListKind)).empty();
    out.Enable({kVarKind, kVar, kOperator}, bHasParams);
    if (!bHasParams) {
        out.Enable(kRename, false);
        return;
    }
    switch (in.Get(kVarKind, 0)) {
    case 0:
        out.Enable(kRename, true).Items(kVar, Rows(eRows::CommonVars));
        break;
    case 1:
        out.Enable(kRename, true).Items(kVar, Rows(eRows::StageVars));
        break;
    default:
        out.Enable(kRename, false).Items(kVar, Names(g_CharaVarNames));
        break;
    }
}

void FlowChangeRefresh(const cCtrlValues& in, const cRefreshFacts&, cRefreshOut& out)
{
    enum : u16 { kOperation = 1178, kFlowId = 1096, kFlows = 1179 };
    if (!in.Has(kOperation)) return;
    const s64 nOperation = in.Get(kOperation);
    out.Enable(kFlowId, nOperation != 0);
    out.Enable(kFlows, nOperation != 2);
}
