#include "support/win32/host_page.h"

#include "command_editor/cmd_list_edit.h"
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
    : cDlgBase(IDD_TEST_HOST_PAGE, nullptr, kModeWindow, &g_WndList), m_nSet(nSet), m_nEntryEditMode(nEntryEditMode)
{
    m_List.SetId(IDC_HOST_COMMANDS);
    m_CondList.SetId(IDC_HOST_CONDITIONS);
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
    m_List.AttachDesc(this);
    m_CondList.AttachDesc(this);
    RedrawLists();
    m_bInitialized = 1;
}

void cTestHostPage::RedrawLists()
{
    ++m_nRedraws;
    if (!m_List.GetHwnd()) return;
    HWND hList = m_List.GetHwnd();
    const LRESULT nSel = SendMessageA(hList, LB_GETCURSEL, 0, 0);
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    std::string strRow;
    for (size_t i = 0; i < m_Commands.size(); ++i) {
        CommandRowText(strRow, static_cast<int>(i), m_Commands[i]);
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strRow.c_str()));
    }
    SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
    SendMessageA(hList, LB_SETCURSEL, nSel < 0 ? 0 : static_cast<WPARAM>(nSel), 0);
    HWND hConds = m_CondList.GetHwnd();
    SendMessageA(hConds, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < m_Conds.size(); ++i) {
        ConditionRowText(strRow, static_cast<int>(i), m_Conds[i]);
        SendMessageA(hConds, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strRow.c_str()));
    }
}

size_t cTestHostPage::SelectedRow() const
{
    const LRESULT nSel = SendMessageA(m_List.GetHwnd(), LB_GETCURSEL, 0, 0);
    return nSel < 0 ? m_Commands.size() : static_cast<size_t>(nSel);
}

void cTestHostPage::Select(int nRow) { SendMessageA(m_List.GetHwnd(), LB_SETCURSEL, static_cast<WPARAM>(nRow), 0); }

void cTestHostPage::PressInsert() { PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_INSERT, BN_CLICKED), 0); }
void cTestHostPage::PressEdit() { PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_EDIT, BN_CLICKED), 0); }

void cTestHostPage::DoubleClick(int nRow)
{
    Select(nRow);
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_COMMANDS, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(m_List.GetHwnd()));
}

void cTestHostPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_HOST_INSERT: {
        const size_t nRow = SelectedRow();
        m_nLastResult = InsertCommandInList(m_Commands, nRow, m_nSet, *this, &m_List, m_nSet == 0 ? 0 : 1);
        if (m_nLastResult) Select(static_cast<int>(nRow) + 1);
        break;
    }
    case IDC_HOST_EDIT:
        m_nLastResult = EditCommandInList(m_Commands, SelectedRow(), m_nSet, *this, &m_List);
        break;
    case IDC_HOST_COMMANDS:
        if (HIWORD(wParam) == LBN_DBLCLK)
            m_nLastResult = EditCommandInList(m_Commands, SelectedRow(), m_nSet, *this, &m_List);
        break;
    case IDC_HOST_DELETE: {
        const size_t nRow = SelectedRow();
        if (nRow < m_Commands.size()) m_Commands.erase(m_Commands.begin() + static_cast<std::ptrdiff_t>(nRow));
        RedrawLists();
        break;
    }
    default:
        break;
    }
}

LRESULT cTestHostPage::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(hWnd, uMsg, wParam, lParam);
}

std::vector<std::string> cTestHostPage::CommandRows() const { return ListRows(m_List.GetHwnd()); }
std::vector<std::string> cTestHostPage::ConditionRows() const { return ListRows(m_CondList.GetHwnd()); }
