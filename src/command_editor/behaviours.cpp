#include "command_editor/behaviours.h"

#include "app/fatal.h"
#include "app/path.h"
#include "app/win32/file_dialogs.h"
#include "app/win32/sound.h"
#include "command_editor/bound_dlg.h"
#include "controls/ctrl_picture.h"
#include "controls/ctrl_text.h"
#include "data/project_data.h"
#include "entry_editors/graphic_picker.h"
#include "flow/ed_flow.h"
#include "flow/formula.h"
#include "framework/input_dlg.h"
#include "framework/wnd_list.h"

namespace {

constexpr u32 kVarNameLimit = 12;

bool IsClick(u16 wCode) { return wCode == BN_CLICKED; }

// A table row that a preview may play: 1 to the last row.
template <class T>
const T* PlayableRow(const std::vector<T>& table, s64 nRow)
{
    if (nRow < 1 || static_cast<u64>(nRow) >= table.size()) return nullptr;
    return &table[static_cast<size_t>(nRow)];
}

void ReportPlayFailure() { MesBox("読み込み失敗！"); }

}  // namespace

int PlaySoundPreview(cBoundDlg& dlg, s64 nRow)
{
    const cEdSound* lpSound = PlayableRow(g_Database.m_vSound, nRow);
    if (!lpSound) return 0;
    std::string strPath = lpSound->m_strPath;
    if (Mci().PlayFile(dlg.GetHwnd(), 0, strPath, 0)) return 1;
    ReportPlayFailure();
    return 0;
}

bool cSoundPreview::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wCombo || wCode != CBN_SELCHANGE) return false;
    s64 nRow = 0;
    if (dlg.ReadCtrl(m_wCombo, nRow)) PlaySoundPreview(dlg, nRow);
    return false;  // the combo's change still refreshes the dialog
}

bool cBgmPreview::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wButton || !IsClick(wCode)) return false;
    s64 nRow = 0;
    if (dlg.ReadCtrl(m_wCombo, nRow)) PlayBgmPreview(nRow);
    return true;
}

int PlayBgmPreview(s64 nRow)
{
    const cEdBgm* lpBgm = PlayableRow(g_Database.m_vBgm, nRow);
    if (!lpBgm) return 0;
    cSoundMgr& mgr = SoundMgr();
    if (mgr.SetSlot(0, lpBgm->m_strPath, static_cast<s32>(lpBgm->m_dwVolume)) && mgr.Play(0, 0, 1, 0, 1)) return 1;
    ReportPlayFailure();
    return 0;
}

void cStopMusic::OnEnding(cBoundDlg&, int) const { SoundMgr().Stop(); }

bool cVarRename::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wButton || !IsClick(wCode)) return false;
    eVarScope eScope = m_eScope;
    if (m_wScopeCombo) {
        s64 nKind = -1;
        dlg.ReadCtrl(m_wScopeCombo, nKind);
        if (nKind != 0 && nKind != 1) {
            Host().Beep();
            return true;
        }
        eScope = nKind == 0 ? eVarScope::Common : eVarScope::Stage;
    }
    s64 nNumber = 0;
    cVarNames& names = VarNames();
    if (!dlg.ReadCtrl(m_wCombo, nNumber) || nNumber < 1 || nNumber >= names.Count(eScope)) {
        Host().Beep();
        return true;
    }
    const u32 nVar = static_cast<u32>(nNumber);
    std::string strName = names.Name(eScope, nVar);
    cBinding* lpButton = dlg.FindBindingQuiet(m_wButton);
    if (!InputString(&dlg, &g_WndList, &strName, kVarNameLimit, 1, "変数名の入力", lpButton ? &lpButton->Ctrl() : nullptr,
                     1))
        return true;
    names.SetName(eScope, nVar, strName);
    if (cBinding* lpCombo = dlg.FindBinding(m_wCombo)) {
        lpCombo->m_bHasItems = false;  // the same source, new names: rebuild
        cRefreshOut out;
        out.Items(m_wCombo, lpCombo->m_ItemSource);
        dlg.Apply(out);
    }
    // A save refused after a fatal error has already been told by the file layer.
    if (m_bSaveCommon && eScope == eVarScope::Common && !names.SaveCommon() && !IsFatalError())
        MesBox("%s の保存に失敗しました！", "data\\GValInfo.dat");
    return true;
}

bool cFormulaCheck::CheckOk(cBoundDlg& dlg) const
{
    cBinding* lpText = dlg.FindBinding(m_wText);
    if (!lpText) return false;
    std::string strCode;
    static_cast<cCtrlText&>(lpText->Ctrl()).GetText(strCode);
    return cFormula::Check(strCode);
}

void cParallelFromPause::AfterStore(cBoundDlg& dlg) const
{
    cCommand* lpCmd = dlg.EditedCommand();
    s64 nPause = 0;
    if (lpCmd && dlg.ReadCtrl(m_wPauseCheck, nPause)) lpCmd->m_bParallel = nPause ? 0 : 1;
}

bool cPickerButton::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wButton || !IsClick(wCode)) return false;
    cBinding* lpEdit = dlg.FindBinding(m_wEdit);
    if (!lpEdit) return true;
    cBinding* lpButton = dlg.FindBindingQuiet(m_wButton);
    cCtrl* lpAnchor = lpButton ? &lpButton->Ctrl() : nullptr;
    u16 wPicked = 0;
    int nPicked = 0;
    if (m_nSheet == kSheetByKind) {
        s64 nKind = 0;
        dlg.ReadCtrl(m_wKindCombo, nKind);
        nPicked = OpenGraphicPicker(&wPicked, static_cast<s32>(nKind), &dlg, lpAnchor);
    } else {
        nPicked = RunGraphicPicker(&wPicked, m_nSheet, &dlg, lpAnchor);
    }
    if (!nPicked) return true;
    // A picked cell is the user's choice: the dialog refreshes as after typing.
    lpEdit->ShowValue(wPicked);
    dlg.RunRefresh();
    return true;
}

void cPreview::OnDraw(cBoundDlg& dlg) const
{
    cBinding* lpBinding = dlg.FindBindingQuiet(m_wPicture);
    cCtrlPicture* lpPicture = lpBinding ? dynamic_cast<cCtrlPicture*>(&lpBinding->Ctrl()) : nullptr;
    if (lpPicture && lpPicture->GetHwnd() && m_pfnDraw) m_pfnDraw(dlg, *lpPicture);
}

void cChoiceChange::Run(cBoundDlg& dlg, s64 nPrevious) const
{
    const cCtrlValues in = dlg.ReadCtrls();
    cRefreshOut out;
    m_pfnRule(in, nPrevious, out);
    dlg.Apply(out);
    dlg.Local(m_nPreviousLocal) = static_cast<s32>(in.Get(m_wCombo, -1));
}

void cChoiceChange::AfterInit(cBoundDlg& dlg) const { Run(dlg, kNoPreviousChoice); }

bool cChoiceChange::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wCombo || wCode != CBN_SELCHANGE || !dlg.IsInitialized()) return false;
    Run(dlg, dlg.Local(m_nPreviousLocal));
    return true;
}

bool cFileBrowse::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wButton || !IsClick(wCode)) return false;
    cBinding* lpText = dlg.FindBinding(m_wText);
    if (!lpText) return true;
    char szFile[kMaxPath] = "";
    if (!SelectOpenFile(dlg.GetHwnd(), szFile, sizeof szFile, m_lpFolder, m_lpTitle, m_lpFilter, nullptr, nullptr))
        return true;
    std::string strPath = szFile;
    if (!MakeRelativePath(strPath, 0)) return true;
    static_cast<cCtrlText&>(lpText->Ctrl()).SetText(strPath);
    return true;
}

bool cNestedPage::OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const
{
    if (wId != m_wButton || !IsClick(wCode)) return false;
    dlg.Enable(false);
    m_pfnRun(dlg);
    dlg.Enable(true);
    return true;
}
