#include "list_page.h"

#include "framework/input_dlg.h"
#include "framework/wnd_list.h"
#include "resources/resource.h"

namespace {

void RowText(std::string& str, int, const cPageRec* lpRec) { str = lpRec->m_strName; }

}  // namespace

std::vector<cPageRec> PageRecs(int n)
{
    std::vector<cPageRec> recs(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) recs[static_cast<size_t>(i)] = {i ? "名前" + std::to_string(i) : "先頭", i};
    return recs;
}

cListPage::cListPage(int nMain, int nSub, u32 dwMode)
    : cDlgBase(IDD_LIST_PAGE, nullptr, dwMode, &g_WndList),
      m_Stored(PageRecs(nMain)),
      m_SubWork(PageRecs(nSub)),
      m_Lists(2),
      m_Texts(2),
      m_Plains(1)
{
    m_Lists[0].Set(IDC_L_MAIN, &m_Stored, &m_MainWork, &m_MainEdit, 1, RowText, 1, 1, 999, 1, 1, 0);
    m_Lists[1].Set(IDC_L_SUB, nullptr, &m_SubWork, &m_SubEdit, 0, RowText, 0, 0, 99, 0, 1, 0);
    m_Texts[0].Set(IDC_L_NAME, &m_MainEdit.m_strName, 40, 1);
    m_Texts[1].Set(IDC_L_SUB_NAME, &m_SubEdit.m_strName, 40, 1);
    m_Plains[0].SetId(IDC_L_COUNT);
}

cListPage::~cListPage()
{
    // The lists and edits are subclassed: the window goes while they exist.
    if (m_hWnd && m_dwState == 1) Close(0);
}

LRESULT cListPage::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_INITMENUPOPUP) m_hShownMenu = reinterpret_cast<HMENU>(wParam);
    if (uMsg == WM_CLOSE) Close(0);
    return lResult;
}

void cListPage::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Plains);
    for (auto& list : m_Lists) CreateList(list);
    CreateCtrls(m_Texts);
    m_nSetResult = Main().SetAccelMenu(IDR_ACCEL_MAIN1, IDR_MENU_LIST_MAIN1, 0, 1) &
                   Sub().SetAccelMenu(IDR_ACCEL_SUB1, IDR_MENU_LIST_SUB1, 1, 1);
    DataToCtrls();
    m_bInitialized = 1;
}

void cListPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    if (lParam == 0) m_Commands.push_back(wId);
    if (m_bInitialized && (wId == IDC_L_NAME || wId == IDC_L_SUB_NAME) && GetChangedCtrl(wParam)) {
        cCtrlDesc<cCtrlText>& text = m_Texts[wId == IDC_L_NAME ? 0 : 1];
        text.CtrlToData();
        (wId == IDC_L_NAME ? Main() : Sub()).StoreCur();
    } else if (wId == IDC_L_COUNT && HIWORD(wParam) == BN_CLICKED) {
        s32 n = Main().List().DataRows();
        if (InputValue(this, &g_WndList, &n, 1, 999, "データ数", &Main(), 0) && Main().SetDataCount(n))
            RefreshExcept(&Main());
    } else {
        for (auto& list : m_Lists)
            if (list.OnListCommand(wParam)) break;
    }
    Refresh();
}

void cListPage::OnFrame()
{
    GetCursorPos(false, kMouseHeld | kMousePressed | kMouseReleased);
    if (!UpdateActive()) return;
    for (auto& list : m_Lists)
        if (list.OnListRightClick(GetPopupPos())) break;
}
