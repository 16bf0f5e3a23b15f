#pragma once
// The flow page that the flow-change dialog opens on its command's flows,
// until the flow data page itself comes: the first flow's ID and command
// list, on a working copy that its OK writes back. It is told that it runs
// nested, with the operation and the flow ID of the flow-change dialog: for
// "変更" the ID is that flow ID and can't be changed.
#include <vector>

#include "command_editor/edit_ctx.h"
#include "controls/ctrl.h"
#include "controls/ctrl_combo.h"
#include "flow/ed_flow.h"
#include "framework/dlg_base.h"

class cSubFlowPage : public cDlgBase, public cEditHost {
public:
    enum : u16 {
        kDlgId = 201,
        kIdFlowId = 1096,
        kIdCommands = 1095,
        kIdInsert = 1068,
        kIdEdit = 1070,
        kIdDelete = 1069,
        kIdOk = 1000,
        kIdCancel = 1001,
    };
    static constexpr u32 kOperationChange = 1;

    cSubFlowPage(cWndBase* lpParent, cFlows& flows, u32 nOperation, u32 nFlowId);
    ~cSubFlowPage() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;

    cWndBase* HostWnd() override { return this; }
    void RedrawLists() override;
    // The flows of an item's flow change are being edited.
    bool ItemGetNoteShown() const override { return true; }

    const cFlows& WorkingFlows() const { return m_Work; }

private:
    size_t SelectedRow() const;

    cFlows& m_Target;
    cFlows m_Work;
    u32 m_nOperation;
    u32 m_nFlowId;
    std::vector<cCtrlDesc<cCtrlComboT<u8>>> m_Combos;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
};

// Runs the page modally on the flows (at least one); 1 when its OK wrote them.
int RunSubFlowPage(cWndBase* lpParent, cFlows& flows, u32 nOperation, u32 nFlowId);
