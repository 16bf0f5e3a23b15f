#pragma once
// A list page of the tests' own that stands in for the flow page, the item
// effect page and the pages with condition lists: a command list (a list
// control over the page's commands) that inserts and edits through the
// command palette of its set as those pages do, and a condition list (a
// list control too) whose rows are the condition row texts.
#include <windows.h>

#include "command_editor/edit_ctx.h"
#include "controls/ctrl.h"
#include "controls/ctrl_list.h"
#include "flow/ed_flow.h"
#include "framework/dlg_base.h"
#include "support/win32/host_page_ids.h"

class cTestHostPage : public cDlgBase, public cEditHost {
public:
    // nSet 0: as a chara's flow page (an insert places the palette at the
    // list's corner); 1: as an item's effect page (always centred).
    explicit cTestHostPage(u32 nSet, u32 nEntryEditMode = 0);
    ~cTestHostPage() override;

    // Opens the page (modeless, visible).
    HWND Open();

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    cWndBase* HostWnd() override { return this; }
    void RedrawLists() override;
    u32 EntryEditMode() const override { return m_nEntryEditMode; }
    bool ItemGetNoteShown() const override { return m_bItemGetNote; }

    // As the user does it: select a row, then a button (posted; the palette
    // runs when the messages are pumped).
    void Select(int nRow);
    void PressInsert();
    void PressEdit();
    void DoubleClick(int nRow);
    // The list control the dialogs are placed on.
    cCtrl* CommandList() { return &m_Lists[0]; }
    int RedrawCount() const { return m_nRedraws; }
    int LastResult() const { return m_nLastResult; }
    std::vector<std::string> CommandRows() const;
    std::vector<std::string> ConditionRows() const;

    cCommands m_Commands;
    cCondItems m_Conds;
    bool m_bItemGetNote = false;  // what the page tells the item get dialog

private:
    size_t SelectedRow() const;

    u32 m_nSet;
    u32 m_nEntryEditMode;
    std::vector<cCtrlDesc<cCtrlList<cCommand>>> m_Lists;
    std::vector<cCtrlDesc<cCtrlList<cCondItem>>> m_CondLists;
    int m_nRedraws = 0;
    int m_nLastResult = -1;
};
