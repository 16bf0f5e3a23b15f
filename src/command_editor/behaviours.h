#pragma once
// Reusable parts of descriptor-driven dialogs, each configured by control
// IDs. A descriptor lists the behaviours its dialog has; the dialog calls
// each at set-up, on every command, on OK (checks, then after the copy), when
// it ends and when it draws. Behaviours keep no state of their own: one
// object serves every dialog that lists it.
#include <string>

#include "app/types.h"
#include "command_editor/rules/refresh.h"
#include "flow/project_vars.h"

class cBoundDlg;
class cCtrlPicture;

class cBehaviour {
public:
    virtual ~cBehaviour() = default;
    // After the controls are attached, before they show the data.
    virtual void OnInit(cBoundDlg& dlg) const { (void)dlg; }
    // After the controls show the data and the first refresh, before the
    // dialog counts as set up.
    virtual void AfterInit(cBoundDlg& dlg) const { (void)dlg; }
    // A WM_COMMAND; true when the behaviour took it.
    virtual bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const { (void)dlg, (void)wId, (void)wCode; return false; }
    // OK: false keeps the dialog open (nothing is written).
    virtual bool CheckOk(cBoundDlg& dlg) const { (void)dlg; return true; }
    // The dialog is about to close: OK (after the checks) with 1, Cancel or
    // the close box with 0.
    virtual void OnEnding(cBoundDlg& dlg, int nResult) const { (void)dlg, (void)nResult; }
    // OK, after every control was copied into its field.
    virtual void AfterStore(cBoundDlg& dlg) const { (void)dlg; }
    virtual void AfterRefresh(cBoundDlg& dlg) const { (void)dlg; }
    virtual void OnDraw(cBoundDlg& dlg) const { (void)dlg; }
};

// A new selection of a combo over the sound-effect table plays that sound.
class cSoundPreview : public cBehaviour {
public:
    explicit cSoundPreview(u16 wCombo) : m_wCombo(wCombo) {}
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    u16 m_wCombo;
};

// A button plays the BGM that a combo over the BGM table shows.
class cBgmPreview : public cBehaviour {
public:
    cBgmPreview(u16 wButton, u16 wCombo) : m_wButton(wButton), m_wCombo(wCombo) {}
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    u16 m_wButton;
    u16 m_wCombo;
};

// OK and Cancel stop the music too (the close box always does).
class cStopMusic : public cBehaviour {
public:
    void OnEnding(cBoundDlg& dlg, int nResult) const override;
};

// A button renames the variable a combo shows (number 0 beeps), through the
// string input "変数名の入力", then rebuilds the combo's rows. The scope is
// fixed or read from a combo of variable kinds (0 common, 1 stage, others
// beep). With bSaveCommon a renamed common variable is saved at once, and a
// save that fails says so.
class cVarRename : public cBehaviour {
public:
    cVarRename(u16 wButton, u16 wCombo, eVarScope eScope, bool bSaveCommon)
        : m_wButton(wButton), m_wCombo(wCombo), m_eScope(eScope), m_bSaveCommon(bSaveCommon)
    {
    }
    cVarRename(u16 wButton, u16 wCombo, u16 wScopeCombo, bool bSaveCommon)
        : m_wButton(wButton), m_wCombo(wCombo), m_wScopeCombo(wScopeCombo), m_bSaveCommon(bSaveCommon)
    {
    }
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    u16 m_wButton;
    u16 m_wCombo;
    u16 m_wScopeCombo = 0;
    eVarScope m_eScope = eVarScope::Common;
    bool m_bSaveCommon;
};

// OK only when the text of an edit parses as code.
class cFormulaCheck : public cBehaviour {
public:
    explicit cFormulaCheck(u16 wText) : m_wText(wText) {}
    bool CheckOk(cBoundDlg& dlg) const override;

private:
    u16 m_wText;
};

// OK stores the command as running in parallel unless the "一時停止" check
// box is ticked.
class cParallelFromPause : public cBehaviour {
public:
    explicit cParallelFromPause(u16 wPauseCheck) : m_wPauseCheck(wPauseCheck) {}
    void AfterStore(cBoundDlg& dlg) const override;

private:
    u16 m_wPauseCheck;
};

// A button opens the graphic picker and puts the picked cell into an edit
// (clamped to the edit's range). The sheet is fixed, or chosen by the
// graphic kind a combo shows.
class cPickerButton : public cBehaviour {
public:
    static constexpr s32 kSheetByKind = -1;
    cPickerButton(u16 wButton, u16 wEdit, s32 nSheet, u16 wKindCombo = 0)
        : m_wButton(wButton), m_wEdit(wEdit), m_nSheet(nSheet), m_wKindCombo(wKindCombo)
    {
    }
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    u16 m_wButton;
    u16 m_wEdit;
    s32 m_nSheet;
    u16 m_wKindCombo;
};

// A picture control that the dialog paints: at every paint and after every
// refresh.
class cPreview : public cBehaviour {
public:
    using fnDraw = void (*)(cBoundDlg& dlg, cCtrlPicture& picture);
    cPreview(u16 wPicture, fnDraw pfnDraw) : m_wPicture(wPicture), m_pfnDraw(pfnDraw) {}
    void AfterRefresh(cBoundDlg& dlg) const override { OnDraw(dlg); }
    void OnDraw(cBoundDlg& dlg) const override;

private:
    u16 m_wPicture;
    fnDraw m_pfnDraw;
};

// A combo whose choice sets other controls beyond the refresh (the value
// slots of a formation, the time of a sword type): its rule runs once when
// the dialog shows its data, with no previous choice, and then at each new
// selection in place of the refresh. The previous choice is kept in one of
// the dialog's own values.
class cChoiceChange : public cBehaviour {
public:
    cChoiceChange(u16 wCombo, u32 nPreviousLocal, fnChoiceRule pfnRule)
        : m_wCombo(wCombo), m_nPreviousLocal(nPreviousLocal), m_pfnRule(pfnRule)
    {
    }
    void AfterInit(cBoundDlg& dlg) const override;
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    void Run(cBoundDlg& dlg, s64 nPrevious) const;

    u16 m_wCombo;
    u32 m_nPreviousLocal;
    fnChoiceRule m_pfnRule;
};

// A button browses for a file and puts its path, relative to the project
// folder, into a text edit; a file that has no relative path (another
// drive) changes nothing.
class cFileBrowse : public cBehaviour {
public:
    cFileBrowse(u16 wButton, u16 wText, const char* lpFolder, const char* lpTitle, const char* lpFilter)
        : m_wButton(wButton), m_wText(wText), m_lpFolder(lpFolder), m_lpTitle(lpTitle), m_lpFilter(lpFilter)
    {
    }
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    u16 m_wButton;
    u16 m_wText;
    const char* m_lpFolder;
    const char* m_lpTitle;
    const char* m_lpFilter;  // pairs of name and pattern, ended by an empty name
};

// A button runs a nested page modally with the dialog disabled meanwhile.
class cNestedPage : public cBehaviour {
public:
    using fnRun = int (*)(cBoundDlg& dlg);
    cNestedPage(u16 wButton, fnRun pfnRun) : m_wButton(wButton), m_pfnRun(pfnRun) {}
    bool OnCommand(cBoundDlg& dlg, u16 wId, u16 wCode) const override;

private:
    u16 m_wButton;
    fnRun m_pfnRun;
};

// Plays row nRow of the sound-effect table through MCI: 0 for a row below 1
// or past the table (nothing plays), 1 when it played (or sound is off);
// "読み込み失敗！" and 0 when it could not be played.
int PlaySoundPreview(cBoundDlg& dlg, s64 nRow);
// Plays row nRow of the BGM table in the sound manager's slot 0 with the
// row's volume, repeated: 0 for a row below 1 or past the table, 1 when it
// plays; "読み込み失敗！" and 0 when it could not be played.
int PlayBgmPreview(s64 nRow);
