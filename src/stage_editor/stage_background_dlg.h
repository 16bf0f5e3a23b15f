#pragma once
// "背景" (dialog 136): one background layer of the stage, an image from
// bmp\back\ or a colour of the game palette, its scroll speeds and its
// automatic scrolling. OK writes the record; Cancel leaves it as it was.
#include <vector>

#include "controls/ctrl_check.h"
#include "controls/ctrl_edit_val.h"
#include "controls/ctrl_text.h"
#include "data/stage_records.h"
#include "framework/dlg_base.h"

constexpr u16 kIddStageBackground = 136;

class cStageBackgroundDlg : public cApplyDlg {
public:
    cStageBackgroundDlg(cStageBackground* lpRecord, cWndBase* lpParent, cWndList* lpRegistry);
    ~cStageBackgroundDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // The colour preview: the game palette's colour at the colour number.
    void OnDraw() override;
    // The colour number as the edit reads it, within 16..207.
    s32 PreviewIndex();

private:
    void Apply() override;
    void OnOtherCommand(WPARAM wParam) override;
    void ApplyEnableRules();
    void Browse();

    cStageBackground* m_lpRecord;
    std::vector<cCtrlDesc<cCtrlCheck>> m_Checks;
    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlEditDouble>> m_Doubles;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
};
