// The dialogs of the flow operation, the stage clear and the game wait.
#include <algorithm>
#include <new>

#include "app/host.h"
#include "command_editor/behaviours.h"
#include "command_editor/cmd_dlg_base.h"
#include "command_editor/cond_dlg.h"
#include "command_editor/rules/cond_rules.h"
#include "controls/ctrl_list.h"
#include "flow/cond_item.h"
#include "flow/cond_row_text.h"
#include "flow/ed_flow.h"
#include "flow/option_names.h"

namespace {

// 225 "フローの操作": whose flows, which, the operation, and the conditions
// that guard it.
constexpr cBindRow kFlowOpRows[] = {
    ParamCombo(kFopAction, 0),
    ParamCombo(kFopWhich, 1),
    ParamCombo(kFopGroup, 2),
    ParamCombo(kFopWhose, 3),
    Check(kFopHasConds, CondListField<&cCondList::m_nMode>()),
    Combo(kFopCondMode, CondListField<&cCondList::m_bList2>(), Names(g_CondModeNames)),
    Button(kFopInsert),
    Button(kFopEdit),
    Button(kFopDelete),
};

// The list's accelerator table and popup menu.
constexpr u16 kCondAccel = 108;
constexpr u16 kCondMenu = 115;
constexpr u32 kSubList = 1;
constexpr u32 kCondListSet = 1;

// The condition list edits a copy of the command's conditions, which only
// OK stores.
class cFlowOpDlg : public cCmdDlgBase {
public:
    cFlowOpDlg(const cCmdDlgDesc& desc, cWndBase* lpParent, const cCmdEditCtx& ctx)
        : cCmdDlgBase(desc, lpParent, ctx), m_List(1)
    {
        m_List[0].Set(
            kFopCondList, nullptr, &m_Work, nullptr, 0,
            [](std::string& out, int nRow, const cCondItem* lpCond) {
                if (lpCond) ConditionRowText(out, nRow, *lpCond);
            },
            1, 0, static_cast<s32>(kMaxConditions), 0, 1, 0);
    }
    ~cFlowOpDlg() override
    {
        if (m_hWnd && IsWindow(m_hWnd) && m_dwState == 1) DestroyWindow(m_hWnd);
    }

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override
    {
        cCmdDlgBase::OnInitDialog(wParam, lParam);
        if (const cCondList* lpConds = BoundCondList()) m_Work = lpConds->m_Items;
        CreateCtrls(m_List);
        List().SetAccelMenu(kCondAccel, kCondMenu, kSubList, kCondListSet);
        List().FillRows();
    }

    void OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (OnListCommand(LOWORD(wParam), HIWORD(wParam))) {
            m_List[0].FillRows();
            Refresh();
            return;
        }
        cCmdDlgBase::OnCommand(wParam, lParam);
    }

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (uMsg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == m_List[0].GetHwnd()) {
            POINT pt{static_cast<s16>(LOWORD(lParam)), static_cast<s16>(HIWORD(lParam))};
            m_List[0].OnListRightClick(pt);
            return 1;
        }
        return cCmdDlgBase::WndProc(hWnd, uMsg, wParam, lParam);
    }

protected:
    void StoreResult() override
    {
        cCmdDlgBase::StoreResult();
        if (cCondList* lpConds = BoundCondList()) lpConds->m_Items = m_Work;
    }

private:
    cCtrlList<cCondItem>& List() { return m_List[0]; }

    cCondEditCtx CondCtx()
    {
        cCondEditCtx ctx;
        ctx.m_bDistanceOk = 2;
        ctx.m_bSelfSubject = 1;  // the flows of a chara, or of an item's effect on a chara
        ctx.m_lpAnchor = &List();
        return ctx;
    }

    // The list's buttons, its notifications and the operations of its keys
    // and menu; true when the command was the list's.
    bool OnListCommand(u16 wId, u16 wCode)
    {
        const cListCommandIds& accel = List().GetAccelIds();
        const cListCommandIds& popup = List().GetPopupIds();
        const bool bInsertCommand = wId != 0 && (wId == accel.aw[kListInsert] || wId == popup.aw[kListInsert]);
        if ((wId == kFopInsert && wCode == BN_CLICKED) || (bInsertCommand && wCode == 0)) {
            InsertCondition();
            return true;
        }
        if ((wId == kFopEdit && wCode == BN_CLICKED) || (wId == kFopCondList && wCode == LBN_DBLCLK)) {
            const int nRow = List().GetCurIndex();
            if (nRow >= 0) EditCondInList(m_Work, static_cast<size_t>(nRow), this, CondCtx());
            return true;
        }
        if (wId == kFopDelete && wCode == BN_CLICKED) {
            List().Delete(-1, 0);
            return true;
        }
        if (wId == kFopCondList && wCode == LBN_SELCHANGE) {
            List().OnSelChange();
            return true;
        }
        if (wCode != 0) return false;
        return List().OnAccelCommand(wId) || List().OnMenuCommand(wId);
    }

    // A default condition before the cursor row, through the chooser; the
    // new row selected, or removed again when the chooser gave 0.
    void InsertCondition()
    {
        if (m_Work.size() >= kMaxConditions) {
            Host().Beep();
            return;
        }
        int nRow = List().GetCurIndex();
        if (nRow < 0) nRow = 0;
        const int nAt = std::min(nRow, static_cast<int>(m_Work.size()));
        if (InsertCondInList(m_Work, static_cast<size_t>(nAt), this, CondCtx())) {
            List().FillRows();
            List().SetCurSel(nAt, 0);
        }
    }

    std::vector<cCtrlDesc<cCtrlList<cCondItem>>> m_List;
    cCondItems m_Work;
};

cCmdDlgBase* CreateFlowOpDlg(const cCmdDlgDesc& desc, cWndBase* lpParent, const cCmdEditCtx& ctx)
{
    return new (std::nothrow) cFlowOpDlg(desc, lpParent, ctx);
}

const cCmdDlgDesc kFlowOpDlg =
    CmdDlg(0, 16, 225, kFlowOpRows).Refresh(FlowOpRefresh).Needs(kNeedCondList).Create(CreateFlowOpDlg);

// 245 "ステージクリア": the next stage by number or by a path relative to
// the project folder.
constexpr cBindRow kStageClearRows[] = {
    ParamCombo(kClrDest, 0),
    ParamEdit(kClrNumber, 1, 1315),
    Check(kClrMoveOnMap, ParamField(2)),
    ParamEdit(kClrMapX, 3, 1317),
    ParamEdit(kClrMapY, 4, 1319),
    Check(kClrForceStart, ParamField(5)),
    ParamEdit(kClrStartX, 6, 1321),
    ParamEdit(kClrStartY, 7, 1323),
    ParamCombo(kClrFacing, 8),
    Check(1439, ParamField(9)),
    Check(1440, ParamField(10)),
    Text(kClrPath, CmdField<&cCommand::m_Text>(), 260, 1),
    Button(kClrBrowse),
};
const cFileBrowse kStageBrowse(kClrBrowse, kClrPath, "data\\stg4", "ステージファイルの選択",
                               "StageFile ( *.stg4_* )\0*.stg4_*\0");
const cBehaviour* const kStageClearBehaviours[] = {&kStageBrowse};
const cCmdDlgDesc kStageClearDlg =
    CmdDlg(0, 17, 245, kStageClearRows).Refresh(StageClearRefresh).With(kStageClearBehaviours);

// 244 "ゲームウエイト".
constexpr cBindRow kGameWaitRows[] = {
    ParamEdit(1113, 0, 1114),
};
const cCmdDlgDesc kGameWaitDlg = CmdDlg(0, 18, 244, kGameWaitRows);

const cCmdDlgDesc* const kFlowOpDialogs[] = {&kFlowOpDlg, &kStageClearDlg, &kGameWaitDlg};

}  // namespace

const cCmdDlgGroup g_FlowOpCmdDialogs{kFlowOpDialogs, sizeof kFlowOpDialogs / sizeof kFlowOpDialogs[0]};
