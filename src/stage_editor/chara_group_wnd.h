#pragma once
// "キャラのグループ情報" (dialog 271): which of the 60 chara groups the
// charas placed on the stage belong to, one check box per group. It edits
// nothing; clicking a box changes only its look until the next refresh.
#include <vector>

#include "controls/ctrl_check.h"
#include "framework/dlg_base.h"
#include "stage_editor/engine/view_rules.h"

class cStageEditWnd;

class cCharaGroupWnd : public cDlgBase {
public:
    cCharaGroupWnd(cStageEditWnd* lpStage, cWndList* lpRegistry);
    ~cCharaGroupWnd() override;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The boxes of the groups in use checked, the others cleared.
    void Refresh() override;

private:
    cStageEditWnd* m_lpStage;
    int m_anUsed[kCharaGroups] = {};
    std::vector<cCtrlDesc<cCtrlCheck>> m_Checks;
};
