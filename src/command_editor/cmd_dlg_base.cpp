#include "command_editor/cmd_dlg_base.h"

#include <new>

#include "app/fatal.h"
#include "app/host.h"
#include "flow/cmd_kinds.h"
#include "flow/cmd_params.h"
#include "flow/ed_flow.h"
#include "flow/var_names.h"
#include "framework/wnd_list.h"

namespace {

template <class R>
void MakeRecord(std::shared_ptr<R>& holder, bool bWanted)
{
    if (bWanted) holder = std::make_shared<R>();
}

// The (set, kind) a descriptor is listed under: item-effect kinds from 2 are
// flow kinds 15 higher.
bool ListedKind(u32 nSet, u32 nKind, u8& nListSet, u8& nListKind)
{
    if (nKind == 0 || nKind > GetCmdKindTable(nSet).Count() - 1) return false;
    nListSet = 0;
    nListKind = static_cast<u8>(nKind);
    if (nSet != 0) {
        if (nKind == 1) nListSet = 1;
        else nListKind = static_cast<u8>(nKind + kItemKindOffset);
    }
    return true;
}

}  // namespace

cCmdDlgBase::cCmdDlgBase(const cCmdDlgDesc& desc, cWndBase* lpParent, const cCmdEditCtx& ctx)
    : cBoundDlg(desc.m_Bound, lpParent, ctx.m_lpAnchor, 1, &g_WndList), m_CmdDesc(desc), m_Ctx(ctx)
{
    cCommand& cmd = *m_Ctx.m_pCmd;
    PrepareCommandParams(cmd, m_Ctx.m_bNew != 0);
    PrepareRecords();
    if (m_Ctx.m_bNew && desc.m_pfnNewCommand) desc.m_pfnNewCommand(cmd);

    m_Rows.assign(desc.m_Bound.m_lpRows, desc.m_Bound.m_lpRows + desc.m_Bound.m_nRows);
    for (cBindRow& row : m_Rows) {
        if (row.m_Field.m_eHome != eFieldHome::Param) continue;
        s32 nMin = 0, nMax = 0;
        GetParamRange(cmd, row.m_Field.m_nIndex, nMin, nMax);
        if (!row.m_bOwnRange && (row.m_eKind == eBind::Edit || row.m_eKind == eBind::Slider)) {
            row.m_dMin = nMin;
            row.m_dMax = nMax;
        }
        if (!row.m_bOwnBase && row.m_eKind == eBind::Combo) row.m_nBase = nMin;
    }
    SetRows(m_Rows.data(), static_cast<u32>(m_Rows.size()));

    cBindTargets targets;
    targets.Set(eFieldHome::Command, &cmd);
    targets.m_lpParams = &cmd.m_Params;
    targets.Set(eFieldHome::Move, cmd.m_pMove ? cmd.m_pMove.get() : m_Held.m_pMove.get());
    targets.Set(eFieldHome::Shot, cmd.m_pShot ? cmd.m_pShot.get() : m_Held.m_pShot.get());
    targets.Set(eFieldHome::CondList, cmd.m_pCondList ? cmd.m_pCondList.get() : m_Held.m_pCondList.get());
    targets.m_lpLocals = &Local(0);
    Bind(targets);
}

void cCmdDlgBase::PrepareRecords()
{
    cCommand& cmd = *m_Ctx.m_pCmd;
    const u32 dwNeeds = m_CmdDesc.m_dwNeeds;
    if (!dwNeeds) return;
    // A new command gets fresh records; an existing one that lacks a record
    // gets a default held here, stored only on OK.
    cSubRecords made;
    const bool bNew = m_Ctx.m_bNew != 0;
    MakeRecord(made.m_pMove, (dwNeeds & kNeedMove) && (bNew || !cmd.m_pMove));
    MakeRecord(made.m_pShot, (dwNeeds & kNeedShot) && (bNew || !cmd.m_pShot));
    MakeRecord(made.m_pCondList, (dwNeeds & kNeedCondList) && (bNew || !cmd.m_pCondList));
    if (m_CmdDesc.m_pfnNewRecords) m_CmdDesc.m_pfnNewRecords(made);
    if (bNew) {
        if (made.m_pMove) cmd.m_pMove = made.m_pMove;
        if (made.m_pShot) cmd.m_pShot = made.m_pShot;
        if (made.m_pCondList) cmd.m_pCondList = made.m_pCondList;
    } else {
        m_Held = made;
    }
}

void cCmdDlgBase::StoreResult()
{
    cCommand& cmd = *m_Ctx.m_pCmd;
    if (m_Held.m_pMove) cmd.m_pMove = m_Held.m_pMove;
    if (m_Held.m_pShot) cmd.m_pShot = m_Held.m_pShot;
    if (m_Held.m_pCondList) cmd.m_pCondList = m_Held.m_pCondList;
    m_Held = cSubRecords();
}

cItemSource cCmdDlgBase::DefaultItems(const cBindRow& row) const
{
    if (row.m_Field.m_eHome != eFieldHome::Param) return cItemSource();
    const cCommand& cmd = *m_Ctx.m_pCmd;
    const cParamDesc* lpDesc = GetParamDesc(cmd.m_nSet, cmd.m_nKind, row.m_Field.m_nIndex);
    if (!lpDesc) return cItemSource();
    switch (lpDesc->m_eValue) {
    case eParamValue::Choice: return lpDesc->m_lpNames ? Names(*lpDesc->m_lpNames) : cItemSource();
    case eParamValue::CmdKind: return Rows(eRows::FlowKinds);
    default: return cItemSource();
    }
}

cRefreshFacts cCmdDlgBase::Facts() const
{
    cRefreshFacts facts;
    facts.nSet = m_Ctx.m_pCmd->m_nSet;
    facts.nKind = m_Ctx.m_pCmd->m_nKind;
    facts.nEntryEditMode = m_Ctx.m_lpHost ? m_Ctx.m_lpHost->EntryEditMode() : 0;
    return facts;
}

void cCmdDlgBase::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    if (m_CmdDesc.m_bKindTitle && m_hWnd) {
        const cCommand& cmd = *m_Ctx.m_pCmd;
        SetWindowTextA(m_hWnd, GetCmdKind(cmd.m_nSet, cmd.m_nKind).m_lpName);
    }
    cBoundDlg::OnInitDialog(wParam, lParam);
}

const cCmdDlgDesc* FindCmdDialog(u32 nSet, u32 nKind)
{
    u8 nListSet = 0, nListKind = 0;
    if (!ListedKind(nSet, nKind, nListSet, nListKind)) return nullptr;
    for (const cCmdDlgGroup* lpGroup :
         {&g_FrameCmdDialogs, &g_MoveCmdDialogs, &g_VisualCmdDialogs, &g_ShotCmdDialogs, &g_FlowOpCmdDialogs})
        for (u32 i = 0; i < lpGroup->m_nCount; ++i) {
            const cCmdDlgDesc* lpDesc = lpGroup->m_lpDescs[i];
            if (lpDesc->m_nSet == nListSet && lpDesc->m_nKind == nListKind) return lpDesc;
        }
    return nullptr;
}

int RunCommandDialog(cWndBase* lpParent, const cCmdEditCtx& ctx, cCmdDlgBase** lpSlot)
{
    const cCmdDlgDesc* lpDesc = ctx.m_pCmd ? FindCmdDialog(ctx.m_pCmd->m_nSet, ctx.m_pCmd->m_nKind) : nullptr;
    if (!lpDesc) {
        Host().Beep();
        return 0;
    }
    cCmdDlgBase* lpDlg = lpDesc->m_pfnCreate ? lpDesc->m_pfnCreate(*lpDesc, lpParent, ctx)
                                             : new (std::nothrow) cCmdDlgBase(*lpDesc, lpParent, ctx);
    if (!lpDlg) {
        ReportOutOfMemory();
        return 0;
    }
    if (lpSlot) *lpSlot = lpDlg;
    const int nResult = lpDlg->DoModal(0);
    delete lpDlg;
    if (lpSlot) *lpSlot = nullptr;
    return nResult;
}
