#pragma once
// The please-wait panel and the sheet rate. Property-sheet pages come out in
// different pixel sizes on different machines (fonts, system metrics); the
// sheet rate scales every page template so that sheets look the same
// everywhere. It is measured once on a machine by showing a small sheet of
// one page, "実行環境の情報を取得中...", and comparing its client area with
// the size it has where the pages were laid out; the sheet-size file keeps
// the rate for later starts.
#include "data/sheet_size.h"
#include "framework/dlg_base.h"
#include "framework/wnd_group.h"

// The client size of the panel's sheet at the reference rate of 1.0.
constexpr int kSheetRefWidth = 393;
constexpr int kSheetRefHeight = 235;

// The panel's one page (dialog 285).
class cEnvInfoWaitDlg : public cDlgBase {
public:
    cEnvInfoWaitDlg(cWndBase* lpOwner, cWndList* lpRegistry);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
};

class cEnvInfoWaitSheet : public cWndGroup {
public:
    // Listed with the registry, which deletes the panel through the owner's
    // field once its sheet has been closed.
    cEnvInfoWaitSheet(u32 dwMode, cWndBase* lpOwner, cWndList* lpRegistry, cWndGroup** lpOwnerField);
    ~cEnvInfoWaitSheet() override;

    // Shows the panel unscaled and sets g_SheetRate from its client size;
    // false (the rate 1.0, 1.0) when the panel couldn't be shown.
    bool Measure();

private:
    cEnvInfoWaitDlg* m_lpPage = nullptr;
};

// The sheet rate as start-up settles it: the rate stored in the sheet-size
// file when it was measured on this machine as it is now ("Sheet Rate : OK"
// in the report log), else a new measurement on the please-wait panel, kept
// in the object and saved to the file. The panel is held in the owner's
// field (a previous one is deleted first) and is closed at once; the
// registry deletes it. True when the stored rate was reused.
bool SettleSheetRate(cWndBase* lpOwner, cWndGroup** lpWaitField, cWndList* lpRegistry, cSheetSize& size);
