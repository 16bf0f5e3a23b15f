#include "command_editor/sub_flow_page.h"

#include <new>

#include "app/fatal.h"
#include "command_editor/cmd_list_edit.h"
#include "flow/option_names.h"
#include "framework/wnd_list.h"

cSubFlowPage::cSubFlowPage(cWndBase* lpParent, cFlows& flows, u32 nOperation, u32 nFlowId)
    : cDlgBase(kDlgId, lpParent, kModeModal, &g_WndList),
      m_Target(flows),
      m_Work(flows),
      m_nOperation(nOperation),
      m_nFlowId(nFlowId),
      m_Combos(1),
      m_Plains(1)
{
    if (m_Work.empty()) m_Work.emplace_back();
    // The flow a change applies to carries the chosen ID.
    if (m_nOperation == kOperationChange) m_Work[0].m_nGroup = static_cast<u8>(m_nFlowId);
    m_Combos[0].Set(kIdFlowId, &m_Work[0].m_nGroup, g_GroupLetterNames.Data(), 0);
    m_Plains[0].SetId(kIdCommands);
}

cSubFlowPage::~cSubFlowPage() = default;

void cSubFlowPage::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, "フローデータ");
    CreateCtrls(m_Combos);
    CreateCtrls(m_Plains);
    if (m_nOperation == kOperationChange) m_Combos[0].Enable(FALSE);
    DataToCtrls();
    RedrawLists();
    m_bInitialized = 1;
}

void cSubFlowPage::RedrawLists()
{
    HWND hList = m_Plains[0].GetHwnd();
    if (!hList) return;
    const LRESULT nSel = SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SendMessageA(hList, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    const cCommands& commands = m_Work[0].m_Commands;
    std::string strRow;
    for (size_t i = 0; i < commands.size(); ++i) {
        CommandRowText(strRow, static_cast<int>(i), commands[i], 0);
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strRow.c_str()));
    }
    // The row after the last, where an insert appends.
    SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    SendMessageA(hList, LB_SETCURSEL, nSel < 0 ? 0 : static_cast<WPARAM>(nSel), 0);
    SendMessageA(hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hList, nullptr, TRUE);
}

size_t cSubFlowPage::SelectedRow() const
{
    const LRESULT nSel = SendMessageA(m_Plains[0].GetHwnd(), LB_GETCURSEL, 0, 0);
    return nSel < 0 ? m_Work[0].m_Commands.size() : static_cast<size_t>(nSel);
}

void cSubFlowPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    cCommands& commands = m_Work[0].m_Commands;
    cCtrl* lpList = &m_Plains[0];
    switch (LOWORD(wParam)) {
    case kIdOk:
        CtrlsToData();
        m_Target = m_Work;
        Close(1);
        break;
    case kIdCancel:
        Close(0);
        break;
    case kIdInsert: {
        const size_t nRow = SelectedRow();
        if (InsertCommandInList(commands, nRow, 0, *this, lpList, 0))
            SendMessageA(lpList->GetHwnd(), LB_SETCURSEL, nRow + 1, 0);
        break;
    }
    case kIdEdit:
        EditCommandInList(commands, SelectedRow(), 0, *this, lpList);
        break;
    case kIdCommands:
        if (HIWORD(wParam) == LBN_DBLCLK) EditCommandInList(commands, SelectedRow(), 0, *this, lpList);
        break;
    case kIdDelete: {
        const size_t nRow = SelectedRow();
        if (nRow < commands.size()) {
            commands.erase(commands.begin() + static_cast<std::ptrdiff_t>(nRow));
            RedrawLists();
        }
        break;
    }
    default:
        break;
    }
}

LRESULT cSubFlowPage::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    return lResult ? 1 : 0;
}

int RunSubFlowPage(cWndBase* lpParent, cFlows& flows, u32 nOperation, u32 nFlowId)
{
    return RunModalDlg<cSubFlowPage>(lpParent, flows, nOperation, nFlowId);
}
