#pragma once
// "ステージの新規作成" (dialog 247): a new stage, empty or copied from the
// newest version of a template stage, with its palette kept, empty, copied
// from the common palette or read from a stage palette file. Its fields
// live in the editor settings, saved when a stage is made. The stage is
// built whole before it replaces the open one; a failure names the file
// and leaves the open stage as it was.
#include <vector>

#include "controls/ctrl_combo.h"
#include "controls/ctrl_text.h"
#include "framework/dlg_base.h"

class cNewStageDlg : public cApplyDlg {
public:
    cNewStageDlg(cWndBase* lpParent, cWndList* lpRegistry);
    ~cNewStageDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    void Apply() override;
    void OnOtherCommand(WPARAM wParam) override;
    // The palette file's edit and button only for the palette file choice.
    void EnableFileCtrls();
    // A file chosen in a dialog, relative to the project folder, into an edit.
    void Browse(u16 wEditId, std::string& strField, const char* lpFolder, const char* lpTitle, const char* lpFilterText,
                const char* lpPattern);

    std::string m_strTemplate;
    s32 m_nPalette = 0;
    std::string m_strPaletteFile;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
    std::vector<cCtrlDesc<cCtrlCombo32>> m_Combos;
};
