#pragma once
// The advanced pages of the stage settings: "高度な設定" (dialog 241) with
// the frame rate, the hit-check level and precision, two speed switches and
// the automatic removal beyond the screen; "高度な設定2" (dialog 242) with
// the collision ranges and how the player's are shown.
#include <vector>

#include "controls/ctrl_check.h"
#include "controls/ctrl_combo.h"
#include "controls/ctrl_edit_val.h"
#include "stage_editor/stage_page.h"

constexpr u16 kIddStageAdv = 241;
constexpr u16 kIddStageAdv2 = 242;

class cStageAdvPage : public cStagePage {
public:
    cStageAdvPage(cWndBase* lpParent, cWndList* lpRegistry);
    ~cStageAdvPage() override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

protected:
    // A level outside the list shows and stores a level of it.
    void FillCtrls() override;

private:
    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlCheck>> m_Checks;
    std::vector<cCtrlDesc<cCtrlCombo32>> m_Combos;
};

class cStageAdv2Page : public cStagePage {
public:
    cStageAdv2Page(cWndBase* lpParent, cWndList* lpRegistry);
    ~cStageAdv2Page() override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    // Each row's label gets the defaults of its row.
    void AppendLabelDefaults();

    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlCombo32>> m_Combos;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Labels;
};
