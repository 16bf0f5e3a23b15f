#pragma once
// "基本設定" (dialog 144), the first page of the stage settings: the name,
// the size with the directions in which it grows or shrinks, the scroll
// limits with the widths they hide, the scrolling, the time limit, the
// gravity, the damage-immunity times, the BGM with its preview, the
// switches of the stage's start and end, the ranking and the background
// list. The size goes through copies: committing a new size resizes the
// stage. Destroying the page (the sheet closes) stops the preview and
// returns to the stage editor window.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/ctrl_check.h"
#include "controls/ctrl_combo.h"
#include "controls/ctrl_edit_val.h"
#include "controls/ctrl_list.h"
#include "controls/ctrl_text.h"
#include "data/stage_records.h"
#include "stage_editor/engine/stage_settings_rules.h"
#include "stage_editor/stage_page.h"

constexpr u16 kIddStageBasic = 144;

class cStageBackgroundDlg;

class cStageBasicPage : public cStagePage {
public:
    cStageBasicPage(cWndBase* lpParent, cWndList* lpRegistry);
    ~cStageBasicPage() override;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // A right click on the background list: its popup menu.
    void OnFrame() override;
    // The editor settings saved, the controls written back, then the size
    // change.
    void Commit() override;

    // The resize of the size change (tests put in a failing one); null:
    // the stage's own.
    static void SetResize(tStageResize resize);

    cCtrlList<cStageBackground>& BackgroundList() { return m_Lists[0]; }
    // The background dialog while it runs, or null.
    cStageBackgroundDlg* BackgroundDlg() const { return m_lpBgDlg.get(); }

protected:
    void OnPageCommand(WPARAM wParam) override;

private:
    void BindControls();
    void ShowMemory();
    void ShowHiddenWidths();
    void PlayBgm();
    // The background dialog on the edit record: the row inserted before the
    // current one (removed again on Cancel), or the current row.
    void InsertBackground();
    void EditInsertedBackground();
    void EditBackground();
    int RunBackgroundDlg();
    void OnListCommand(WPARAM wParam);
    // The width and height that the edits read as.
    s32 EditValue(size_t nEntry);

    s32 m_nWidth;
    s32 m_nHeight;
    cStageBackground m_BgEdit;
    std::vector<cStageBackground> m_vBgWork;
    std::vector<std::string> m_vBgmNames;
    std::unique_ptr<cStageBackgroundDlg> m_lpBgDlg;

    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
    std::vector<cCtrlDesc<cCtrlEditDouble>> m_Doubles;
    std::vector<cCtrlDesc<cCtrlCheck>> m_Checks;
    std::vector<cCtrlDesc<cCtrlCombo32>> m_Combos;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
    std::vector<cCtrlDesc<cCtrlList<cStageBackground>>> m_Lists;

    static tStageResize s_Resize;
};

// A row of the background list: "○" or "‐" for shown from the start, then
// " 色番号%d" or " %s" with the image's file name.
void BackgroundRowText(std::string& str, int nRow, const cStageBackground* lpRec);
