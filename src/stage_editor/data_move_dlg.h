#pragma once
// "データの移動" (dialog 138): moves, copies before a destination or deletes
// a range of entry numbers of one palette list (blocks, charas or items of
// the common palette or of the stage palette), then re-applies inheritance
// on the stage, keeps the selected entry index inside the list, releases
// the picked entries and marks the palette modified. The palette windows
// run it modally and delete it; its result tells them whether to refresh.
#include <string>
#include <vector>

#include "controls/ctrl_combo.h"
#include "controls/ctrl_edit_val.h"
#include "data/data_move.h"
#include "data/ed_block.h"
#include "data/ed_chara.h"
#include "data/ed_item.h"
#include "framework/dlg_base.h"

class cDataMoveDlg : public cApplyDlg {
public:
    // bStage: 1 a stage palette list, 0 the common palette's; (x, y) the
    // palette window's position.
    cDataMoveDlg(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, std::vector<cEdBlock>* lpList,
                 u32 bStage, s32 x, s32 y);
    cDataMoveDlg(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, std::vector<cEdChara>* lpList,
                 u32 bStage, s32 x, s32 y);
    cDataMoveDlg(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, std::vector<cEdItem>* lpList,
                 u32 bStage, s32 x, s32 y);
    ~cDataMoveDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnDraw() override {}
    // The destination counts for a move and a copy, not for a delete.
    void UpdateDestEnable();

private:
    void Build(u32 bStage, u32 dwKind, size_t nCount, s32 x, s32 y);
    // OK: the move on the list, the stage and the edit state after it.
    void Apply() override;
    void OnOtherCommand(WPARAM wParam) override;
    bool RunOnList(s32& nSelIndex);

    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlCombo>> m_Combos;
    std::vector<cEdBlock>* m_lpBlocks = nullptr;
    std::vector<cEdChara>* m_lpCharas = nullptr;
    std::vector<cEdItem>* m_lpItems = nullptr;
    u32 m_bStage = 0;
    u32 m_dwKind = 0;  // 0 blocks, 1 charas, 2 items
    u32 m_nCount = 0;  // the list's size when the dialog was built
    s32 m_nFrom = 1;
    s32 m_nTo = 1;
    s32 m_nDest = 1;
    s8 m_cMode = kRangeMove;
    std::vector<std::string> m_ModeNames;
};
