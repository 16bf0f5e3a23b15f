#pragma once
// The stage editor window as the top-level window and the frame tick see
// it: its palette windows, the world-map and database windows it holds, and
// showing, hiding and minimising its windows together. The stage editor
// builds the window itself on this class.
#include "framework/dlg_base.h"

class cDatabaseDlg;
class cWndGroup;
class cWorldMapWnd;

// The stage editor's dialog and its view.
constexpr u16 kIddStageEdit = 104;
constexpr u16 kIdcView = 1006;

// A palette window: its pane is redrawn every frame, and it may hold one
// open data window of its own kind (block, chara or item).
class cPaletteWnd : public cDlgBase {
public:
    using cDlgBase::cDlgBase;
    cWndGroup* m_lpDataWnd = nullptr;
};

class cStageEditWnd : public cDlgBase {
public:
    // The six palette windows.
    enum {
        kStageBlock,
        kStageChara,
        kStageItem,
        kCommonBlock,
        kCommonChara,
        kCommonItem,
        kPaletteCount,
    };

    cStageEditWnd(cWndBase* lpParent, cWndList* lpRegistry);
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    virtual void CreatePaletteWindows() {}
    // The editor window with the windows the current layer calls for.
    virtual void ShowWindows();
    virtual void HideWindows();
    void MinimizeAll();
    cDatabaseDlg* DatabaseWnd() const;

    cPaletteWnd* m_lpPalette[kPaletteCount] = {};
    cWorldMapWnd* m_lpWorldMapWnd = nullptr;
    // The database window (a cDatabaseDlg); the registry clears the field
    // when its sheet has finished.
    cWndGroup* m_lpDatabaseWnd = nullptr;
    cWndGroup* m_lpWaitSheet = nullptr;
    u32 m_bMinimized = 0;
};
