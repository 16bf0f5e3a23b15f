#include "stage_editor/data_move_dlg.h"

#include "app/host.h"
#include "resources/resource.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/stage_refresh.h"

cDataMoveDlg::cDataMoveDlg(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry,
                           std::vector<cEdBlock>* lpList, u32 bStage, s32 x, s32 y)
    : cApplyDlg(wDlgId, lpParent, dwMode, lpRegistry), m_lpBlocks(lpList)
{
    Build(bStage, 0, lpList ? lpList->size() : 0, x, y);
}

cDataMoveDlg::cDataMoveDlg(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry,
                           std::vector<cEdChara>* lpList, u32 bStage, s32 x, s32 y)
    : cApplyDlg(wDlgId, lpParent, dwMode, lpRegistry), m_lpCharas(lpList)
{
    Build(bStage, 1, lpList ? lpList->size() : 0, x, y);
}

cDataMoveDlg::cDataMoveDlg(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry,
                           std::vector<cEdItem>* lpList, u32 bStage, s32 x, s32 y)
    : cApplyDlg(wDlgId, lpParent, dwMode, lpRegistry), m_lpItems(lpList)
{
    Build(bStage, 2, lpList ? lpList->size() : 0, x, y);
}

cDataMoveDlg::~cDataMoveDlg()
{
    // The edits are subclassed: the window goes while they still exist.
    if (m_hWnd && m_dwState == 1) Close(0);
}

void cDataMoveDlg::Build(u32 bStage, u32 dwKind, size_t nCount, s32 x, s32 y)
{
    m_bStage = bStage;
    m_dwKind = dwKind;
    m_nCount = static_cast<u32>(nCount);
    SetStoredPos(x, y);
    m_ModeNames = {"移動", "コピー＆挿入", "削除"};
    const s32 nLast = static_cast<s32>(m_nCount) - 1;
    m_EditVals.resize(3);
    m_EditVals[0].Set(IDC_MOVE_FROM, &m_nFrom, 1, nLast, IDC_MOVE_FROM_SPIN, 1);
    m_EditVals[1].Set(IDC_MOVE_TO, &m_nTo, 1, nLast, IDC_MOVE_TO_SPIN, 1);
    m_EditVals[2].Set(IDC_MOVE_DEST, &m_nDest, 1, static_cast<s32>(m_nCount), IDC_MOVE_DEST_SPIN, 1);
    m_Combos.resize(1);
    m_Combos[0].SetList(IDC_MOVE_MODE, &m_cMode, &m_ModeNames, 0);
}

void cDataMoveDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    HidePicture();
    CreateCtrls(m_EditVals);
    CreateCtrls(m_Combos);
    DataToCtrls();
    UpdateDestEnable();
    m_bInitialized = 1;
}

void cDataMoveDlg::OnOtherCommand(WPARAM wParam)
{
    if (m_bInitialized && GetChangedCtrl(wParam)) UpdateDestEnable();
}

void cDataMoveDlg::UpdateDestEnable()
{
    const int nSel = m_Combos[0].GetCurSel();
    if (nSel < 0) return;
    EnableCtrl(m_EditVals, IDC_MOVE_DEST, nSel != kRangeDelete);
}

bool cDataMoveDlg::RunOnList(s32& nSelIndex)
{
    const cDataMove move = {m_nFrom, m_nTo, m_nDest, m_cMode};
    switch (m_dwKind) {
    case 0: return m_lpBlocks && RunDataMove(*m_lpBlocks, move, nSelIndex);
    case 1: return m_lpCharas && RunDataMove(*m_lpCharas, move, nSelIndex);
    default: return m_lpItems && RunDataMove(*m_lpItems, move, nSelIndex);
    }
}

void cDataMoveDlg::Apply()
{
    CtrlsToData();
    if (!RunOnList(g_EditState.m_nSelIndex)) {
        // Numbers that would reach entry 0 or past the list: nothing changed.
        Host().Beep();
        Close(0);
        return;
    }
    RefreshStageInheritance(m_bStage, m_dwKind);
    g_EditState.ResetPick();
    if (m_bStage) g_EditState.m_bStageModified = 1;
    else g_EditState.m_bCommonModified = 1;
    Close(1);
}
