#include "stage_editor/new_stage_dlg.h"

#include "app/fatal.h"
#include "app/host.h"
#include "app/path.h"
#include "app/win32/file_dialogs.h"
#include "data/project_data.h"
#include "data/settings_load.h"
#include "resources/resource.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/new_stage.h"

cNewStageDlg::cNewStageDlg(cWndBase* lpParent, cWndList* lpRegistry)
    : cApplyDlg(IDD_NEW_STAGE, lpParent, kModeModal, lpRegistry, lpParent, 1)
{
    m_strTemplate = g_EditConfig.m_strNewStageTemplate;
    m_nPalette = static_cast<s32>(g_EditConfig.m_dwNewStagePalette < kNewPaletteChoices ? g_EditConfig.m_dwNewStagePalette : 0);
    m_strPaletteFile = g_EditConfig.m_strNewStagePaletteFile;
    m_Texts.resize(2);
    m_Texts[0].Set(IDC_NEW_TEMPLATE, &m_strTemplate, kMaxPath - 1, 1);
    m_Texts[1].Set(IDC_NEW_PALETTE_FILE, &m_strPaletteFile, kMaxPath - 1, 1);
    m_Combos.resize(1);
    m_Combos[0].Set(IDC_NEW_PALETTE, &m_nPalette, g_lpNewStagePaletteChoices, 0);
}

cNewStageDlg::~cNewStageDlg()
{
    if (m_hWnd && m_dwState == 1) Close(0);
}

void cNewStageDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Texts);
    CreateCtrls(m_Combos);
    DataToCtrls();
    EnableFileCtrls();
    m_bInitialized = 1;
}

void cNewStageDlg::EnableFileCtrls()
{
    if (!m_hWnd) return;
    const s32 nChoice = static_cast<s32>(SendDlgItemMessageA(m_hWnd, IDC_NEW_PALETTE, CB_GETCURSEL, 0, 0));
    const BOOL bFile = nChoice == static_cast<s32>(kNewPaletteFile);
    EnableWindow(GetDlgItem(m_hWnd, IDC_NEW_PALETTE_FILE), bFile);
    EnableWindow(GetDlgItem(m_hWnd, IDC_NEW_PALETTE_BROWSE), bFile);
}

void cNewStageDlg::Browse(u16 wEditId, std::string& strField, const char* lpFolder, const char* lpTitle,
                          const char* lpFilterText, const char* lpPattern)
{
    char szFile[kMaxPath] = {};
    const std::string strFilter = FileFilter(lpFilterText, lpPattern);
    if (!SelectOpenFile(m_hWnd, szFile, kMaxPath, lpFolder, lpTitle, strFilter.c_str(), nullptr, nullptr)) return;
    std::string strPath = szFile;
    if (!MakeRelativePath(strPath, 1)) return;
    strField = strPath;
    SetDlgItemTextA(m_hWnd, wEditId, strPath.c_str());
}

void cNewStageDlg::OnOtherCommand(WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDC_NEW_TEMPLATE_BROWSE:
        Browse(IDC_NEW_TEMPLATE, m_strTemplate, "data\\stg4\\", "ステージの選択", "StageFile ( *.stg4_* )", "*.stg4_*");
        break;
    case IDC_NEW_PALETTE_BROWSE:
        Browse(IDC_NEW_PALETTE_FILE, m_strPaletteFile, "data\\plt4\\", "ステージパレットの選択", "PaletteFile ( *.plt4 )",
               "*.plt4");
        break;
    default:
        break;
    }
    EnableFileCtrls();
}

void cNewStageDlg::Apply()
{
    if (g_EditState.m_bHasPath &&
        ShowMessageBox(m_hWnd, "現在のステージは破棄されます。\n新規作成しますか？\n", "新規作成の確認", kMbYesNo) != kIdYes) {
        Close(0);
        return;
    }
    CtrlsToData();
    g_EditConfig.m_strNewStageTemplate = m_strTemplate;
    g_EditConfig.m_dwNewStagePalette = static_cast<u32>(m_nPalette);
    g_EditConfig.m_strNewStagePaletteFile = m_strPaletteFile;
    cNewStageChoice choice;
    choice.strTemplate = m_strTemplate;
    choice.dwPalette = static_cast<u32>(m_nPalette);
    choice.strPaletteFile = m_strPaletteFile;

    Host().ShowWaitMessage(m_hWnd, "ステージを作成しています...", "ステージの新規作成");
    // The stage is built whole before it replaces the open one.
    cStage scratch;
    const eNewStage eResult = BuildNewStage(scratch, choice, g_CommonPalette, g_PrjOption);
    if (eResult != eNewStage::Created) {
        Host().CloseWaitMessage();
        ErrorBox(NewStageFailureText(eResult, choice));
        Close(0);
        return;
    }
    g_EditState.ClearUndo();
    g_Stage.TakeFrom(scratch);
    g_EditState.m_bHasPath = 1;
    g_EditState.m_strStagePath.clear();
    g_EditState.m_bStageModified = 0;
    SaveEditorSettings(g_EditConfig, g_SettingsLoad);
    Host().CloseWaitMessage();
    Close(1);
}
