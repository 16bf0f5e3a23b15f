#pragma once
// A palette window of the stage editor (dialog 103): one per palette side
// (common, stage) and entry kind (block, chara, item). It shows its palette
// list as 32 x 32 icons, eight to a row, under a toolbar of the drawing
// tools and the right-click modes (shared with the stage window and kept in
// step with the companion window of the same kind on the other side). A
// left click picks the pen; a right click opens the entry's data window or
// the popup menu of entry commands; the menu bar changes the data count and
// moves entries. The user never closes it; it keeps its place in the
// editor settings.
#include <memory>

#include "framework/dlg_base.h"
#include "stage_editor/engine/palette_edit.h"

class cDataMoveDlg;
class cWndGroup;
class cWndPos;
class cStageEditWnd;

class cPaletteWnd : public cDlgBase {
public:
    // dwSide 0 common, 1 stage; dwKind 0 block, 1 chara, 2 item.
    cPaletteWnd(cStageEditWnd* lpStage, cWndList* lpRegistry, u32 dwSide, u32 dwKind, cWndPos* lpPlace);
    ~cPaletteWnd() override;

    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    void OnRButtonDown(WPARAM wParam, LPARAM lParam) override;

    // The icons, the selection and the picked entry's frames, the status.
    void Paint();
    void RedrawPane() { Paint(); }
    // The height that shows the whole list (within the work area), the
    // stored place, the scroll range and page.
    void Relayout();
    // The toolbar shows the edit state's tool and right-click mode.
    void ShowTool();
    // After the entry's data window closed: the edited entry is the pen.
    void PickEdited();
    // The data count ("データ数") asked of the user.
    void ChangeCount();
    // The data move dialog run on this window's list.
    void MoveData();

    u32 GetSide() const { return m_dwSide; }
    u32 GetKind() const { return m_dwKind; }
    s32 ScrollRow() const { return m_nScrollRow; }
    cWndPos& Placement() const { return *m_lpPlace; }

    // The palette's open data window (the data windows are still to come).
    cWndGroup* m_lpDataWnd = nullptr;

private:
    size_t Count() const;
    // The entry index under a point of the client area; -1 outside the view.
    s32 IndexAt(LPARAM lParam) const;
    void SelectAt(LPARAM lParam);
    void ShowPopup(LPARAM lParam);
    void OpenEntryEditor(s32 nIndex);
    void RunEntryCommand(u16 wId);
    // The companion window: the same kind on the other side.
    cPaletteWnd* Companion() const;
    void SyncToolButtons();
    void AfterListChange();
    void FitHeight();
    void ScrollBy(s32 nRows);
    void OnSize();
    void SavePlacement();
    cPaletteEdit Edit() const;

    cStageEditWnd* m_lpStage;
    u32 m_dwSide;
    u32 m_dwKind;
    cWndPos* m_lpPlace;
    s32 m_nScrollRow = 0;
    s32 m_nInitialHeight = 32;  // the client height the window was made with
    HMENU m_hPopupMenu = nullptr;
    std::unique_ptr<cDataMoveDlg> m_lpMoveDlg;
};
