// The stage editor window's commands (menu 128, accelerator table 105 and
// the toolbar), its save questions and the return points of the windows it
// opens.
#include <new>

#include "app/fatal.h"
#include "app/log.h"
#include "app/str_util.h"
#include "app/win32/file_dialogs.h"
#include "data/project_data.h"
#include "data/project_paths.h"
#include "framework/wnd_list.h"
#include "stage_editor/chara_group_wnd.h"
#include "stage_editor/engine/save_questions.h"
#include "stage_editor/engine/view_rules.h"
#include "stage_editor/palette_wnd.h"
#include "stage_editor/stage_edit_wnd.h"
#include "stage_editor/stage_option_dlg.h"
#include "stage_editor/stage_setting_wnd.h"
#include "stage_editor/standin_dlg.h"

const cStageEditWnd::cCommand cStageEditWnd::s_aCommands[] = {
    {kCmdNewStage, false, &cStageEditWnd::CmdNewStage},
    {kKeyNewStage, false, &cStageEditWnd::CmdNewStage},
    {kCmdOpenStage, false, &cStageEditWnd::CmdOpenStage},
    {kKeyOpenStage, false, &cStageEditWnd::CmdOpenStage},
    {kCmdCloseStage, false, &cStageEditWnd::CmdCloseStage},
    {kCmdSave, true, &cStageEditWnd::CmdSave},
    {kKeySave, true, &cStageEditWnd::CmdSave},
    {kCmdSaveAs, false, &cStageEditWnd::CmdSaveAs},
    {kCmdSaveCommon, false, &cStageEditWnd::CmdSaveCommon},
    {kCmdUndo, true, &cStageEditWnd::CmdUndo},
    {kKeyUndo, true, &cStageEditWnd::CmdUndo},
    {kCmdRedo, true, &cStageEditWnd::CmdRedo},
    {kKeyRedo, true, &cStageEditWnd::CmdRedo},
    {kCmdLayerBlock, true, &cStageEditWnd::CmdLayerBlock},
    {kToolLayerBlock, true, &cStageEditWnd::CmdLayerBlock},
    {kCmdLayerChara, true, &cStageEditWnd::CmdLayerChara},
    {kToolLayerChara, true, &cStageEditWnd::CmdLayerChara},
    {kCmdLayerItem, true, &cStageEditWnd::CmdLayerItem},
    {kToolLayerItem, true, &cStageEditWnd::CmdLayerItem},
    {kCmdClearAll, false, &cStageEditWnd::CmdClearAll},
    {kCmdClearBlocks, false, &cStageEditWnd::CmdClearBlocks},
    {kCmdClearCharas, false, &cStageEditWnd::CmdClearCharas},
    {kCmdClearItems, false, &cStageEditWnd::CmdClearItems},
    {kCmdShowCommon, true, &cStageEditWnd::CmdShowCommon},
    {kCmdShowStage, true, &cStageEditWnd::CmdShowStage},
    {kCmdShowGroups, true, &cStageEditWnd::CmdShowGroups},
    {kCmdStageSettings, false, &cStageEditWnd::CmdStageSettings},
    {kCmdLoadPalette, false, &cStageEditWnd::CmdLoadPalette},
    {kCmdSavePalette, false, &cStageEditWnd::CmdSavePalette},
    {kCmdStageOptions, false, &cStageEditWnd::CmdStageOptions},
    {kCmdDatabase, false, &cStageEditWnd::CmdDatabase},
    {kCmdWorldMap, false, &cStageEditWnd::CmdWorldMap},
    {kCmdSystem, false, &cStageEditWnd::CmdSystem},
    {kCmdProjectOptions, false, &cStageEditWnd::CmdProjectOptions},
    {kCmdTestPlay, true, &cStageEditWnd::CmdTestPlay},
    {kKeyTestPlayF5, true, &cStageEditWnd::CmdTestPlay},
    {kKeyTestPlay, true, &cStageEditWnd::CmdTestPlay},
    {kToolTestPlay, true, &cStageEditWnd::CmdTestPlay},
    {kCmdTestPlayGame, false, &cStageEditWnd::CmdTestPlayGame},
    {kKeyTestPlayGame, false, &cStageEditWnd::CmdTestPlayGame},
    {kToolTestPlayGame, false, &cStageEditWnd::CmdTestPlayGame},
    {kCmdBitmapTool, false, &cStageEditWnd::CmdBitmapTool},
};

void cStageEditWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    for (const cCommand& c : s_aCommands) {
        if (c.wId != wId) continue;
        if (c.bNeedsStage && !g_EditState.m_bHasPath) return;
        (this->*c.lpHandler)();
        return;
    }
}

void cStageEditWnd::RequestRebuild()
{
    cWndBase* lpTop = GetParentObject();
    if (lpTop && lpTop->GetHwnd()) PostMessageA(lpTop->GetHwnd(), WM_USER, 1, 0);
}

void cStageEditWnd::RunStandIn(const char* lpTitle, bool bHideOthers, const std::function<void()>& onClosed)
{
    cStandInDlg dlg(lpTitle, this, GetRegistry());
    dlg.DoModal(bHideOthers ? kDlgDisableOthers | kDlgHideOthers : u32(kDlgDisableOthers));
    if (onClosed) onClosed();
}

bool cStageEditWnd::SaveCommonPalette()
{
    const char* lpPath = g_strPath[kPathCommonPalette];
    if (!g_CommonPalette.SaveFile(lpPath)) {
        if (!IsFatalError()) ErrorBox(Format("%s の保存に失敗しました！", lpPath));
        return false;
    }
    g_EditState.m_bCommonModified = 0;
    return true;
}

bool cStageEditWnd::AskSaveOnClose()
{
    return ::AskSaveOnClose(
        m_hWnd, g_EditState,
        [this] {
            const bool bSaved = IsSaved(SaveStage(true));
            UpdateTitle();
            return bSaved;
        },
        [this] { return SaveCommonPalette(); });
}

void cStageEditWnd::CmdOpenStage()
{
    // A modified stage is not dropped unasked.
    if (!AskSaveStage(m_hWnd, g_EditState, [this] { return IsSaved(SaveStage(true)); })) return;
    if (OpenStage()) AfterStageReplaced();
}

void cStageEditWnd::CmdCloseStage()
{
    if (!AskSaveStage(m_hWnd, g_EditState, [this] { return IsSaved(SaveStage(true)); })) return;
    ::SetWaitCursor();
    g_EditState.m_bHasPath = 0;
    g_EditState.m_strStagePath.clear();
    g_Stage.New();
    g_Stage.Normalize();
    g_EditState.ResizeUndo(g_Stage, static_cast<s64>(GetFreePhysMemory()));
    RequestRebuild();
    g_EditState.m_bStageModified = 0;
    SetArrowCursor();
}

// The common palette, then the stage; each flag is cleared by its own
// save only.
void cStageEditWnd::SaveBoth(bool bOverwrite)
{
    g_WndList.EnableAll(false);
    {
        const cSaveGroup group;
        SaveCommonPalette();
        SaveStage(bOverwrite);
    }
    g_WndList.EnableAll(true);
    UpdateTitle();
    if (m_hWnd) SetActiveWindow(m_hWnd);
}

void cStageEditWnd::CmdSave() { SaveBoth(true); }

void cStageEditWnd::CmdSaveAs() { SaveBoth(false); }

void cStageEditWnd::CmdSaveCommon() { SaveCommonPalette(); }

void cStageEditWnd::CmdUndo() { g_EditState.Undo(g_Stage); }

void cStageEditWnd::CmdRedo() { g_EditState.Redo(g_Stage); }

void cStageEditWnd::SwitchToLayer(s32 nLayer)
{
    g_EditState.SetLayer(nLayer);
    if (m_hWnd) SetFocus(m_hWnd);
    FocusView();
}

void cStageEditWnd::ClearData(u32 dwMask, const char* lpQuestion)
{
    g_WndList.EnableAll(false);
    const int nAnswer = ShowMessageBox(m_hWnd, lpQuestion, "データクリアの確認", kMbYesNo);
    g_WndList.EnableAll(true);
    if (nAnswer != kIdYes) return;
    m_lpTools->ClearLayers(dwMask);
}

void cStageEditWnd::CmdClearAll()
{
    ClearData(kMaskAll, "全ての配置データ（ブロック・キャラ・アイテム）をクリアしますか？");
}
void cStageEditWnd::CmdClearBlocks() { ClearData(kMaskBlock, "全てのブロックをクリアしますか？"); }
void cStageEditWnd::CmdClearCharas() { ClearData(kMaskChara, "全てのキャラをクリアしますか？"); }
void cStageEditWnd::CmdClearItems() { ClearData(kMaskItem, "全てのアイテムをクリアしますか？"); }

// Each palette window of the side flips its own flag; the current layer's
// window follows its flag.
void cStageEditWnd::TogglePaletteWindows(u32 dwSide)
{
    for (s32 nLayer = 0; nLayer < kLayers; ++nLayer) {
        cWndPos& place = Placement(kPlacePalette + PaletteOf(dwSide, nLayer));
        place.m_dwVisible = place.m_dwVisible ? 0 : 1;
    }
    SaveSettings();
    UpdateMenus();
    cPaletteWnd* lpCurrent = m_lpPalette[PaletteOf(dwSide, g_EditState.m_nLayer)];
    if (lpCurrent) lpCurrent->Show(lpCurrent->Placement().m_dwVisible != 0);
}

void cStageEditWnd::CmdShowGroups()
{
    cWndPos& place = Placement(kPlaceGroup);
    place.m_dwVisible = place.m_dwVisible ? 0 : 1;
    SaveSettings();
    UpdateMenus();
    if (m_lpGroupWnd && g_EditState.m_nLayer == kLayerChara) {
        m_lpGroupWnd->Refresh();
        m_lpGroupWnd->Show(place.m_dwVisible != 0);
    }
}

void cStageEditWnd::CmdStageSettings()
{
    delete static_cast<cStageSettingWnd*>(m_lpSettingWnd);
    m_lpSettingWnd = nullptr;
    auto* lpSettings = new (std::nothrow) cStageSettingWnd(this, GetRegistry(), &m_lpSettingWnd);
    if (!lpSettings) {
        ReportOutOfMemory();
        return;
    }
    m_lpSettingWnd = lpSettings;
    g_WndList.EnableAll(false);
    HideAll();
    if (!lpSettings->CreatePages()) OnStageSettingsClosed();
}


void cStageEditWnd::CmdStageOptions()
{
    cStageOptionDlg dlg(this, GetRegistry());
    dlg.DoModal(kDlgDisableOthers);
}

void cStageEditWnd::CmdDatabase() { RunStandIn("データベース", true, [this] { OnDatabaseClosed(); }); }

void cStageEditWnd::CmdWorldMap() { RunStandIn("ワールドマップ", true, [this] { OnWorldMapClosed(); }); }

void cStageEditWnd::CmdSystem() { RunStandIn("システム", true, [this] { RefreshAfterSettings(); }); }

void cStageEditWnd::CmdProjectOptions()
{
    RunStandIn("プロジェクトオプション", true, [this] { OnProjectOptionsClosed(); });
}

void cStageEditWnd::CmdTestPlay() { StartTestPlay(false); }

void cStageEditWnd::CmdTestPlayGame() { StartTestPlay(true); }

void cStageEditWnd::CmdBitmapTool() { RunStandIn("ビットマップ変換ツール", false, nullptr); }

// The entry under the cursor in its data window: the current layer's, or
// the first other layer's that holds one.
void cStageEditWnd::OpenEntryAtCursor()
{
    const s32 nLayer = m_lpTools->EntryLayerAtCursor();
    if (nLayer < 0) return;
    if (nLayer != g_EditState.m_nLayer) g_EditState.SwitchLayer(nLayer);
    else g_EditState.m_nPrevLayer = nLayer;
    const cEditCursor& cursor = g_EditState.m_Cursor;
    const u32 dwCell = g_Stage.CellOf(static_cast<u32>(cursor.nX), static_cast<u32>(cursor.nY));
    g_EditState.m_nEntryEditMode = kEditPlaced;
    g_EditState.m_lpEditBlock = nLayer == kLayerBlock ? &g_Stage.m_vBlockGrid[dwCell] : nullptr;
    g_EditState.m_lpEditChara = nLayer == kLayerChara ? &g_Stage.m_vCharaGrid[dwCell] : nullptr;
    g_EditState.m_lpEditItem = nLayer == kLayerItem ? &g_Stage.m_vItemGrid[dwCell] : nullptr;
    RunEntryEditor(nLayer);
}

void cStageEditWnd::RunEntryEditor(s32 nLayer)
{
    static const char* const kTitles[kLayers] = {"ブロックデータ", "キャラデータ", "アイテムデータ"};
    if (nLayer < 0 || nLayer >= kLayers) return;
    RunStandIn(kTitles[nLayer], false, [this, nLayer] {
        if (nLayer == kLayerBlock) OnBlockEditorClosed();
        else if (nLayer == kLayerChara) OnCharaEditorClosed();
        else OnItemEditorClosed();
    });
}

void cStageEditWnd::OnEntryEditorClosed()
{
    const s32 nMode = g_EditState.m_nEntryEditMode;
    auto backToRemembered = [] {
        if (g_EditState.m_nPrevLayer != g_EditState.m_nLayer) g_EditState.SetLayer(g_EditState.m_nPrevLayer);
    };
    backToRemembered();
    g_WndList.EnableAll(true);
    if (nMode != kEditKeepWindows) {
        ShowLayerWindows();
        RedrawPanes();
    }
    if (nMode == kEditPlaced) {
        if (m_hWnd) SetActiveWindow(m_hWnd);
    } else if (nMode == kEditStagePalette || nMode == kEditCommonPalette) {
        const u32 dwSide = nMode == kEditStagePalette ? 1 : 0;
        if (cPaletteWnd* lpPalette = m_lpPalette[PaletteOf(dwSide, g_EditState.m_nLayer)]) lpPalette->PickEdited();
    }
    if (nMode != kEditKeepWindows) backToRemembered();
}

void cStageEditWnd::OnStageSettingsClosed()
{
    g_Stage.Normalize();
    OnSize();
    RedrawPanes();
    g_EditState.ResizeUndo(g_Stage, static_cast<s64>(GetFreePhysMemory()));
    UpdateUndoButtons();
    ShowLayerWindows();
    g_WndList.EnableAll(true);
    // The sheet is going: the user goes on in the stage window.
    if (m_hWnd) SetForegroundWindow(m_hWnd);
}

void cStageEditWnd::OnWorldMapClosed()
{
    ShowLayerWindows();
    g_WndList.EnableAll(true);
}

void cStageEditWnd::OnDatabaseClosed()
{
    g_CommonPalette.EnsureMinimum();
    g_Stage.Normalize();
    ShowLayerWindows();
    RedrawPanes();
    g_WndList.EnableAll(true);
}

void cStageEditWnd::RefreshAfterSettings() { OnDatabaseClosed(); }

void cStageEditWnd::OnProjectOptionsClosed()
{
    g_Stage.Normalize();
    ShowLayerWindows();
    RedrawPanes();
    g_WndList.EnableAll(true);
}
