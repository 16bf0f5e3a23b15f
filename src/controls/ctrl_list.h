#pragma once
// The list control: a list box bound to a vector of records. It shows one
// row per record as a line of text the owner supplies, keeps the selection
// (single or extended), copies the current record into an edit record that
// the owner's other controls are bound to and back, and runs the editing
// operations cut, copy, paste, add, insert, clear, delete and edit from
// keys, from an accelerator table and from a popup menu. The list box is
// subclassed under the window property "CTRL_LIST_CLASS".
//
// cCtrlList<T> is one template over the record type; a dialog binds one
// with its entry's Set (cListBinding<T>: control ID, stored vector, working
// vector, edit record, multi-select flag, row text callback, numbering flag,
// minimum, maximum, first data index, separator flag, allow-no-selection
// flag), attaches it with CreateList and gives it its accelerators and
// popup menu with SetAccelMenu (or SetAccelIds and SetPopupMenu).
//
// What the owner does (OnListCommand and OnListRightClick do it):
// - on WM_COMMAND: LBN_SELCHANGE of the list calls OnSelChange, any ID goes
//   to OnAccelCommand and OnMenuCommand; when the list acted, every other
//   control is refreshed from the data (RefreshExcept with the list);
// - after its value controls changed the edit record: StoreCur;
// - after every command: the dialog base's Refresh (RedrawList of every
//   list);
// - on a completed right click (UpdateActive): SelectAtPoint at the click
//   and, when a row was hit, the popup menu.
// A list's data-to-control pass copies its stored vector into its working
// vector again: on a page where a refresh of the other controls reaches a
// list that has stored data, the page runs its controls-to-data pass first
// (or binds that list without stored data), or the list's unsaved edits go.
#include <functional>

#include "app/list_edit.h"
#include "controls/ctrl.h"

class cWndList;

// What EditEntry hands to the chooser it creates.
struct cEntryDlgArgs {
    u16 wDlgId = 0;
    cDlgBase* lpOwner = nullptr;    // the list's owner page
    void* lpRecord = nullptr;       // what the owner passes: the chooser edits it
    cWndList* lpRegistry = nullptr;
    cCtrl* lpAnchor = nullptr;      // the chooser is placed at it, or null
    u32 bAnchorFlag = 0;
};
// Creates the condition chooser that EditEntry runs; null when it can't.
using tCondEntryFactory = std::function<cDlgBase*(const cEntryDlgArgs&)>;
// The condition dialogs install their chooser here (tests their own); null
// puts back the default, which creates nothing.
void SetCondEntryFactory(tCondEntryFactory factory);

class cCtrlListBase : public cCtrl, protected cListBoxPort {
public:
    cCtrlListBase() { m_dwKind = kCtrlList; }
    cCtrlListBase(const cCtrlListBase&) = default;
    cCtrlListBase& operator=(const cCtrlListBase&) = default;
    ~cCtrlListBase() override;

    void RedrawList() override { Sel().RedrawList(); }
    void OnKillFocus() override;
    // The dialog stopped the list's drawing for the command.
    void AfterCommand() override { m_bDrawingOff = 1; }
    // While the list has the focus, sends the owner the accelerator command
    // of every operation whose key this is (the owner's OnAccelCommand then
    // runs it).
    void OnKey(WPARAM wParam, LPARAM lParam, int bCtrlDown) override;

    // Selection (rows are list box rows; data index = row + first index).
    int SetCurSel(int nRow, int bRefresh) { return Sel().SetCurSel(nRow, bRefresh); }
    int SetSingleSel(int nRow, int bRefresh) { return Sel().SetSingleSel(nRow, bRefresh); }
    int SelectNext(int bRefresh) { return Sel().SelectNext(bRefresh); }
    // Selects the row under a screen point, gives the list the focus and
    // reports LBN_SELCHANGE to the owner; 1 when a row was hit.
    int SelectAtPoint(POINT ptScreen);
    int GetCurSel() { return Sel().GetCurSel(); }
    int GetCurIndex() { return Sel().GetCurIndex(); }
    bool IsExtraRow(int nRow) { return Sel().IsExtraRow(nRow); }
    int GetCount();
    int CountSelected() { return Sel().CountSelected(); }
    int OnSelChange() { return Sel().OnSelChange(); }
    void LoadCur() { Sel().LoadCur(); }
    void FillRows() { Sel().FillRows(); }
    u32 GetLastOp() { return Sel().GetLastOp(); }

    // Keys, accelerators and the popup menu. kind 0 a main list, 1 a
    // sub-list; set 1 to 4.
    int SetAccelMenu(u16 wAccelId, u16 wMenuId, u32 dwKind, u32 dwSet);
    int LoadAccelSet(u16 wAccelId, u32 dwKind, u32 dwSet);
    int LoadPopupSet(u16 wMenuId, u32 dwKind, u32 dwSet);
    void SetAccelIds(u16 wAccelId, u16 wCut, u16 wCopy, u16 wPaste, u16 wAdd, u16 wInsert, u16 wClear, u16 wDelete);
    void SetPopupMenu(u16 wMenuId, u16 wCut, u16 wCopy, u16 wPaste, u16 wAdd, u16 wInsert, u16 wClear,
                      u16 wDelete);
    int OnAccelCommand(u16 wId) { return Sel().OnAccelCommand(wId); }
    int OnMenuCommand(u16 wId) { return Sel().OnMenuCommand(wId); }
    HMENU GetPopupMenu() const { return m_hPopupMenu; }
    const cListCommandIds& GetAccelIds() { return Sel().GetAccelIds(); }
    const cListCommandIds& GetPopupIds() { return Sel().GetPopupIds(); }

    // The editing operations (1 done, 0 refused with a beep).
    int Copy() { return Sel().Copy(); }
    int Cut() { return Sel().Cut(); }
    int Paste() { return Sel().Paste(); }
    int AddNew() { return Sel().AddNew(); }
    int InsertNew() { return Sel().InsertNew(); }
    int ClearSel() { return Sel().ClearSel(); }
    int Delete(int nRow, int bOnlyCursor) { return Sel().Delete(nRow, bOnlyCursor); }
    int SetDataCount(int n) { return Sel().SetDataCount(n); }

    // The owner's share of a WM_COMMAND (see above); 1 when the list acted.
    int OnListCommand(WPARAM wParam);
    // The owner's share of a completed right click at a screen point: the
    // row there selected and the popup menu shown; 1 when it was shown.
    int OnListRightClick(POINT ptScreen);

protected:
    virtual cListSel& Sel() = 0;
    // Binds the list box: the sorting style off, the subclass, the port.
    void AttachBox(cDlgBase* lpOwner, u16 wId);
    // Runs the condition chooser modally on the record (see EditEntry).
    int RunEntryDlg(cDlgBase** lplpDlg, u16 wDlgId, void* lpRecord, cWndList* lpRegistry, int nHideMode,
                    int nAnchorFlag, cCtrl* lpAnchor);

    int LbGetCount() override;
    void LbResetContent() override;
    void LbAddString(const std::string& str) override;
    int LbGetCurSel() override;
    int LbSetCurSel(int nRow) override;
    bool LbGetSel(int nRow) override;
    int LbSetSel(bool bSelect, int nRow) override;
    int LbGetCaretIndex() override;
    void LbSetCaretIndex(int nRow) override;
    int LbGetAnchorIndex() override;
    void LbSetAnchorIndex(int nRow) override;
    int LbGetTopIndex() override;
    void LbSetTopIndex(int nRow) override;
    void LbRedraw() override;
    bool LbHasFocus() override;
    void LbBeginFill() override;
    void LbEndFill() override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    LRESULT Send(UINT uMsg, WPARAM wParam, LPARAM lParam) const;
    // The row under a point of the list box's client area (the item height
    // as the list box reports it), or -1.
    int RowAtClientY(int y);
    void LoadMenuResource(u16 wMenuId);
    void ReleaseMenu();

    HMENU m_hMenuResource = nullptr;  // the loaded menu; the popup is its first submenu
    u32 m_bDrawingOff = 0;            // WM_SETREDRAW FALSE sent, TRUE not yet
    u32 m_bFillStopped = 0;           // this refill stopped the drawing itself
};

template <class T>
class cCtrlList : public cCtrlListBase {
public:
    using cSetup = cListBinding<T>;

    void Attach(cDlgBase* lpOwner, const cSetup& setup)
    {
        AttachBox(lpOwner, setup.wSetupId);
        m_List.Attach(setup);
    }
    // The stored data copied again into the rows.
    void DataToCtrl() override { m_List.LoadBound(); }
    // The working vector into the stored data.
    void CtrlToData() override
    {
        if (OwnerUpdating()) return;
        m_List.StoreBound();
    }

    int StoreCur() { return m_List.StoreCur(); }
    // Runs the condition chooser on the record (the owner passes the record
    // at the cursor, or the one it has just inserted) with the registry's
    // windows hidden (hideMode 1) or disabled (2). The chooser is placed at
    // the anchor with the flag, or at this list with the flag, or nowhere
    // without a flag. 0 when no data row is current; else the chooser's
    // result, the rows refilled when it is not 0.
    int EditEntry(cDlgBase** lplpDlg, u16 wDlgId, void* lpRecord, cWndList* lpRegistry, int nHideMode,
                  int nAnchorFlag, cCtrl* lpAnchor)
    {
        return RunEntryDlg(lplpDlg, wDlgId, lpRecord, lpRegistry, nHideMode, nAnchorFlag, lpAnchor);
    }

    // Each list has its own clipboard; owners may keep it elsewhere
    // between uses and put it back.
    const std::vector<T>& GetClipboard() const { return m_List.GetClipboard(); }
    void SetClipboard(const std::vector<T>& clip) { m_List.SetClipboard(clip); }

    cListEdit<T>& List() { return m_List; }

protected:
    cListSel& Sel() override { return m_List; }

private:
    cListEdit<T> m_List;
};
