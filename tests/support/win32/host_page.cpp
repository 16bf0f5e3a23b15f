#include "support/win32/host_page.h"

#include "command_editor/cmd_list_edit.h"
#include "flow/cmd_summary.h"
#include "flow/cond_row_text.h"
#include "framework/wnd_list.h"

namespace {

std::vector<std::string> ListRows(HWND hList)
{
    std::vector<std::string> rows;
    const int nCount = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        char buf[1024] = "";
        SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buf));
        rows.push_back(buf);
    }
    return rows;
}

}  // namespace

cTestHostPage::cTestHostPage(u32 nSet, u32 nEntryEditMode)
    : cDlgBase(IDD_TEST_HOST_PAGE, nullptr, kModeWindow, &g_WndList),
      m_nSet(nSet),
      m_nEntryEditMode(nEntryEditMode),
      m_Lists(1),
      m_CondLists(1)
{
    // Both lists edit the page's vectors themselves, numbered, with the row
    // after the last where an insert appends.
    m_Lists[0].Set(
        IDC_HOST_COMMANDS, nullptr, &m_Commands, nullptr, 0,
        [nSet](std::string& out, int, const cCommand* lpCmd) {
            if (lpCmd) AppendCommandSummary(out, *lpCmd, nSet);
        },
        1, 0, static_cast<s32>(kMaxCommands), 0, 1, 0);
    m_CondLists[0].Set(
        IDC_HOST_CONDITIONS, nullptr, &m_Conds, nullptr, 0,
        [](std::string& out, int nRow, const cCondItem* lpCond) {
            if (lpCond) ConditionRowText(out, nRow, *lpCond);
        },
        1, 0, 99, 0, 1, 0);
}

cTestHostPage::~cTestHostPage()
{
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

HWND cTestHostPage::Open()
{
    Create(0, true);
    return m_hWnd;
}

void cTestHostPage::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Lists);
    CreateCtrls(m_CondLists);
    RedrawLists();
    m_bInitialized = 1;
}

void cTestHostPage::RedrawLists()
{
    ++m_nRedraws;
    if (!m_Lists[0].GetHwnd()) return;
    m_Lists[0].FillRows();
    m_CondLists[0].FillRows();
}

size_t cTestHostPage::SelectedRow() const
{
    const int nRow = const_cast<cCtrlDesc<cCtrlList<cCommand>>&>(m_Lists[0]).GetCurSel();
    return nRow < 0 ? m_Commands.size() : static_cast<size_t>(nRow);
}

void cTestHostPage::Select(int nRow) { m_Lists[0].SetCurSel(nRow, 0); }

void cTestHostPage::PressInsert() { PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_INSERT, BN_CLICKED), 0); }
void cTestHostPage::PressEdit() { PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_EDIT, BN_CLICKED), 0); }

void cTestHostPage::DoubleClick(int nRow)
{
    Select(nRow);
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_COMMANDS, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(m_Lists[0].GetHwnd()));
}

void cTestHostPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_HOST_INSERT: {
        // The list inserts a default command before the current row (at its
        // maximum it only beeps), then the palette edits it.
        const size_t nRow = SelectedRow();
        m_nLastResult = 0;
        if (!m_Lists[0].InsertNew()) break;
        m_nLastResult = EditInsertedCommand(m_Commands, nRow, m_nSet, *this, CommandList(), m_nSet == 0 ? 0 : 1);
        if (m_nLastResult) Select(static_cast<int>(nRow) + 1);
        break;
    }
    case IDC_HOST_EDIT:
        m_nLastResult = EditCommandInList(m_Commands, SelectedRow(), m_nSet, *this, CommandList());
        break;
    case IDC_HOST_COMMANDS:
        if (HIWORD(wParam) == LBN_DBLCLK)
            m_nLastResult = EditCommandInList(m_Commands, SelectedRow(), m_nSet, *this, CommandList());
        else m_Lists[0].OnListCommand(wParam);
        break;
    case IDC_HOST_DELETE:
        m_Lists[0].Delete(static_cast<int>(SelectedRow()), 1);
        RedrawLists();
        break;
    default:
        break;
    }
}

LRESULT cTestHostPage::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(hWnd, uMsg, wParam, lParam);
}

std::vector<std::string> cTestHostPage::CommandRows() const { return ListRows(m_Lists[0].GetHwnd()); }
std::vector<std::string> cTestHostPage::ConditionRows() const { return ListRows(m_CondLists[0].GetHwnd()); }
