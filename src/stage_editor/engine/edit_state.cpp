#include "stage_editor/engine/edit_state.h"

#include "app/global_order.h"
#include "data/stage.h"

cEditState g_EditState TARVENOL_GLOBAL(kGlobalEditState);

namespace {

template <class D>
void OneEmptyRecord(std::vector<D>& pen)
{
    std::vector<D>(1, EmptyCell<D>()).swap(pen);
}

}  // namespace

cEditState::cEditState() { Init(); }

cEditUi& cEditState::Ui() const
{
    static cEditUi s_Silent;
    return m_lpUi ? *m_lpUi : s_Silent;
}

void cEditState::Init()
{
    m_strStagePath.clear();
    m_bHasPath = 0;
    m_bStageModified = 0;
    m_bCommonModified = 0;
    m_bTestPlay = 0;
    InitKeepingStage();
}

void cEditState::InitKeepingStage()
{
    m_nLayer = m_nPrevLayer = kLayerBlock;
    m_nTool = kToolPen;
    m_nCursorMode = CursorModeOf(kToolPen);
    m_nRightClick = 0;
    m_lpEditBlock = nullptr;
    m_lpEditChara = nullptr;
    m_lpEditItem = nullptr;
    m_nEntryEditMode = kEditPlaced;
    m_nSelSide = 0;
    m_nSelIndex = -1;
    m_PickStart = cCellPoint();
    m_LineStart = cCellPoint();
    m_RectStart = cCellPoint();
    m_nRectWidth = m_nRectHeight = 1;
    m_bDrag = 0;
    m_aLayerSlot = {};
    m_Cursor = cEditCursor();
    ResetPick();
    ResetPen();
}

void cEditState::ResetPen()
{
    m_nPenWidth = m_nPenHeight = 1;
    OneEmptyRecord(m_vPenBlock);
    OneEmptyRecord(m_vPenChara);
    OneEmptyRecord(m_vPenItem);
}

void cEditState::ResetPick()
{
    m_spPickBlock.reset();
    m_spPickChara.reset();
    m_spPickItem.reset();
    m_abPickValid = {};
    m_abPickCut = {};
    m_anPickSide = {};
    m_anPickIndex = {-1, -1, -1};
}

s32 cEditState::CursorModeOf(s32 nTool)
{
    switch (nTool) {
    case kToolPen:
        return kCursorPen;
    case kToolLine:
        return kCursorLine;
    case kToolRect:
        return kCursorRect;
    default:
        return kCursorCell;
    }
}

void cEditState::SetLayer(s32 nLayer)
{
    if (nLayer < 0 || nLayer >= kLayers) return;
    SwitchTo(nLayer);
}

void cEditState::SwitchLayer(s32 nLayer)
{
    if (nLayer < 0 || nLayer >= kLayers) return;
    m_nPrevLayer = m_nLayer;
    SwitchTo(nLayer);
}

void cEditState::SwitchTo(s32 nLayer)
{
    if (nLayer != m_nLayer) {
        m_aLayerSlot[m_nLayer] = {m_nSelIndex, m_nPenWidth, m_nPenHeight};
        const cLayerSlot& slot = m_aLayerSlot[nLayer];
        m_nSelIndex = slot.nSelIndex;
        m_nPenWidth = slot.nPenWidth;
        m_nPenHeight = slot.nPenHeight;
    }
    m_nLayer = nLayer;
    Ui().LayerChanged();
    SetTool(m_nTool);
    ResetPick();
}

void cEditState::SetTool(s32 nTool)
{
    if (nTool < 0 || nTool >= kTools) return;
    m_nTool = nTool;
    m_nCursorMode = CursorModeOf(nTool);
    Ui().ToolChanged();
}

void cEditState::SetRightClickMode(s32 nMode)
{
    m_nRightClick = nMode;
    ResetPick();
}

bool cEditState::Record(u32 dwMask)
{
    const bool bRecorded = m_Undo.Record(dwMask, m_bTestPlay != 0);
    Ui().HistoryChanged();
    return bRecorded;
}

bool cEditState::Undo(cStage& stage)
{
    if (!m_Undo.Undo(stage)) return false;
    Ui().HistoryChanged();
    Ui().RedrawPanes();
    m_bStageModified = 1;
    return true;
}

bool cEditState::Redo(cStage& stage)
{
    if (!m_Undo.Redo(stage)) return false;
    Ui().HistoryChanged();
    Ui().RedrawPanes();
    m_bStageModified = 1;
    return true;
}

void cEditState::ResizeUndo(cStage& stage, s64 nFreeBytes)
{
    const s32 nDepth = static_cast<s32>(stage.m_dwUndoDepth);
    const s32 nInEffect = m_Undo.SetDepth(nDepth, stage.m_dwStride, stage.m_dwHeight, nFreeBytes);
    if (nInEffect < nDepth) stage.m_dwUndoDepth = static_cast<u32>(nInEffect);
    Ui().HistoryChanged();
}

void cEditState::ClearUndo()
{
    m_Undo.Clear();
    Ui().HistoryChanged();
}
