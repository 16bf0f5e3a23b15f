#include "support/win32/host_page.h"

#include "command_editor/cmd_list_edit.h"
#include "command_editor/cond_dlg.h"
#include "command_editor/key_cond_dlg.h"
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
      m_CondLists(1),
      m_KeyLists(1)
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
    m_KeyLists[0].Set(
        IDC_HOST_KEY_CONDITIONS, nullptr, &m_KeyConds, nullptr, 0,
        [](std::string& out, int, const cEdKeyCond* lpCond) {
            if (lpCond) out = "キー条件";
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
    CreateCtrls(m_KeyLists);
    RedrawLists();
    m_bInitialized = 1;
}

void cTestHostPage::RedrawLists()
{
    ++m_nRedraws;
    if (!m_Lists[0].GetHwnd()) return;
    m_Lists[0].FillRows();
    m_CondLists[0].FillRows();
    m_KeyLists[0].FillRows();
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

size_t cTestHostPage::SelectedCond() const
{
    const int nRow = const_cast<cCtrlDesc<cCtrlList<cCondItem>>&>(m_CondLists[0]).GetCurSel();
    return nRow < 0 ? m_Conds.size() : static_cast<size_t>(nRow);
}

void cTestHostPage::SelectCond(int nRow) { m_CondLists[0].SetCurSel(nRow, 0); }

void cTestHostPage::PressCondInsert()
{
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_COND_INSERT, BN_CLICKED), 0);
}

void cTestHostPage::PressCondEdit()
{
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_COND_EDIT, BN_CLICKED), 0);
}

void cTestHostPage::CondDoubleClick(int nRow)
{
    SelectCond(nRow);
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_CONDITIONS, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(m_CondLists[0].GetHwnd()));
}

void cTestHostPage::PressKeyInsert()
{
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_KEY_INSERT, BN_CLICKED), 0);
}

void cTestHostPage::PressKeyEdit(int nRow)
{
    m_KeyLists[0].SetCurSel(nRow, 0);
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_HOST_KEY_EDIT, BN_CLICKED), 0);
}

// As the pages with condition lists do: a chara's flow page offers the
// distance always and names the chara "自分"; the block page neither.
void cTestHostPage::OnCondCommand(u16 wId, u16 wCode)
{
    cCondEditCtx ctx;
    ctx.m_bDistanceOk = m_eCondPage == eCondPage::CharaFlow ? 1 : 0;
    ctx.m_bSelfSubject = m_eCondPage == eCondPage::CharaFlow ? 1 : 0;
    ctx.m_lpAnchor = ConditionList();
    ctx.m_lpHost = this;
    const size_t nRow = SelectedCond();
    if (wId == IDC_HOST_COND_INSERT) {
        m_nLastResult = InsertCondInList(m_Conds, nRow, this, ctx);
        if (m_nLastResult) SelectCond(static_cast<int>(nRow));
    } else if (wId == IDC_HOST_COND_EDIT || wCode == LBN_DBLCLK) {
        m_nLastResult = EditCondInList(m_Conds, nRow, this, ctx);
        RedrawLists();
    } else {
        m_CondLists[0].OnListCommand(MAKEWPARAM(wId, wCode));
    }
}

// A new key condition is the list's default, edited by the dialog and kept
// only on OK.
void cTestHostPage::OnKeyCommand(u16 wId)
{
    const int nRow = m_KeyLists[0].GetCurSel();
    if (wId == IDC_HOST_KEY_INSERT) {
        const size_t nAt = nRow < 0 ? m_KeyConds.size() : static_cast<size_t>(nRow);
        m_KeyConds.insert(m_KeyConds.begin() + static_cast<std::ptrdiff_t>(nAt), cEdKeyCond());
        m_nLastResult = RunKeyCondDialog(this, m_KeyConds[nAt], &m_KeyLists[0]);
        if (!m_nLastResult) m_KeyConds.erase(m_KeyConds.begin() + static_cast<std::ptrdiff_t>(nAt));
    } else if (nRow >= 0 && static_cast<size_t>(nRow) < m_KeyConds.size()) {
        m_nLastResult = RunKeyCondDialog(this, m_KeyConds[static_cast<size_t>(nRow)], &m_KeyLists[0]);
    }
    RedrawLists();
}

void cTestHostPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_HOST_COND_INSERT:
    case IDC_HOST_COND_EDIT:
    case IDC_HOST_CONDITIONS: OnCondCommand(LOWORD(wParam), HIWORD(wParam)); break;
    case IDC_HOST_KEY_INSERT:
    case IDC_HOST_KEY_EDIT: OnKeyCommand(LOWORD(wParam)); break;
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
