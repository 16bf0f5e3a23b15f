#pragma once
// "ステージオプション" (dialog 195): the stage's undo depth, checked against
// free memory before it grows, and the direction in which the mouse wheel
// scrolls the stage view. OK writes both back to the stage and marks it
// modified; Cancel changes nothing.
#include <vector>

#include "controls/ctrl_combo.h"
#include "controls/ctrl_edit_val.h"
#include "framework/dlg_base.h"

class cStageOptionDlg : public cApplyDlg {
public:
    cStageOptionDlg(cWndBase* lpParent, cWndList* lpRegistry);
    ~cStageOptionDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    void Apply() override;

    s32 m_nDepth = 0;
    s32 m_nWheel = 0;
    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlCombo32>> m_Combos;
};
