#include "stage_editor/stage_option_dlg.h"

#include "app/fatal.h"
#include "app/log.h"
#include "data/project_data.h"
#include "resources/resource.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/view_rules.h"

namespace {

const char* const kWheelModes[] = {"水平方向", "垂直方向", ""};
constexpr s32 kMaxDepth = 9;

}  // namespace

cStageOptionDlg::cStageOptionDlg(cWndBase* lpParent, cWndList* lpRegistry)
    : cApplyDlg(IDD_STAGE_OPTION, lpParent, kModeModal, lpRegistry, lpParent, 1)
{
    m_nDepth = static_cast<s32>(g_Stage.m_dwUndoDepth);
    m_nWheel = static_cast<s32>(g_Stage.m_dwMouseWheel);
    m_EditVals.resize(1);
    m_EditVals[0].Set(IDC_UNDO_DEPTH, &m_nDepth, 0, kMaxDepth, IDC_UNDO_DEPTH_SPIN, 1);
    m_Combos.resize(1);
    m_Combos[0].Set(IDC_WHEEL_MODE, &m_nWheel, kWheelModes, 0);
}

cStageOptionDlg::~cStageOptionDlg()
{
    // The edit is subclassed: the window goes while its wrapper exists.
    if (m_hWnd && m_dwState == 1) Close(0);
}

void cStageOptionDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    HidePicture();
    CreateCtrls(m_EditVals);
    CreateCtrls(m_Combos);
    DataToCtrls();
    m_bInitialized = 1;
}

void cStageOptionDlg::Apply()
{
    const s32 nOld = static_cast<s32>(g_Stage.m_dwUndoDepth);
    CtrlsToData();
    g_Stage.m_dwMouseWheel = static_cast<u32>(m_nWheel);
    g_EditState.m_bStageModified = 1;
    const s64 nFree = static_cast<s64>(GetFreePhysMemory());
    const cDepthChange change =
        DecideDepthChange(nOld, m_nDepth, cUndo::SnapshotSize(g_Stage.m_dwStride, g_Stage.m_dwHeight), nFree);
    g_Stage.m_dwUndoDepth = static_cast<u32>(change.nDepth);
    if (change.bRefused) ErrorBox("メモリ不足により、「元に戻せる回数」が変更できませんでした！");
    else if (change.bResize) g_EditState.ResizeUndo(g_Stage, nFree);
    Close(1);
}
