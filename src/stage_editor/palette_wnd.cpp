#include "stage_editor/palette_wnd.h"

#include <algorithm>

#include "app/str_util.h"
#include "data/inheritance.h"
#include "data/project_data.h"
#include "data/settings_load.h"
#include "resources/resource.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/view_rules.h"
#include "stage_editor/stage_edit_wnd.h"

namespace {

const char* const kTitles[2][3] = {
    {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"},
    {"[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット"},
};
const u16 kToolCommands[kTools] = {40044, 40045, 40046, 40047, 40087};
// The inherit defaults of a pen picked from the common or the stage palette.
const size_t kPickedInheritSet[2] = {1, 2};

cPaletteLists& Lists(u32 dwSide) { return dwSide ? g_Stage.m_Palette : g_CommonPalette.m_Lists; }

template <class D>
void PickInto(u32 dwSide, s32 nIndex)
{
    const std::vector<D>& list = Lists(dwSide).List<D>();
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= list.size()) return;
    D pen = list[static_cast<size_t>(nIndex)];
    const cPrjOption& options = ProjectOptions();
    const size_t nSet = kPickedInheritSet[dwSide ? 1 : 0];
    SetInheritSource(pen, options.DefaultInheritKind<D>(nSet), static_cast<u16>(nIndex),
                     options.DefaultInheritFlags<D>(nSet));
    g_EditState.Pen<D>().assign(1, pen);
}

template <class D>
void FillRows(HWND hList, const std::vector<D>& list)
{
    SendMessageA(hList, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string strRow = Format("%03u %s", static_cast<unsigned>(i), list[i].m_strName.c_str());
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strRow.c_str()));
    }
}

}  // namespace

cPaletteWnd::cPaletteWnd(cStageEditWnd* lpStage, cWndList* lpRegistry, u32 dwSide, u32 dwKind, cWndPos* lpPlace)
    : cDlgBase(IDD_PALETTE, lpStage, kModeWindow, lpRegistry),
      m_lpStage(lpStage),
      m_dwSide(dwSide ? 1 : 0),
      m_dwKind(std::min<u32>(dwKind, 2)),
      m_lpPlace(lpPlace)
{
    if (m_lpPlace->m_dwValid) {
        SetStoredPos(m_lpPlace->m_nX, m_lpPlace->m_nY);
        return;
    }
    // Beside the stage window; the stage palette below its common companion.
    RECT rc = {};
    if (lpStage && lpStage->GetHwnd()) GetWindowRect(lpStage->GetHwnd(), &rc);
    s32 y = rc.top + 8;
    if (m_dwSide == 1) {
        cPaletteWnd* lpCommon = lpStage->Palette(cStageEditWnd::PaletteOf(0, static_cast<s32>(m_dwKind)));
        RECT rcCommon = {};
        if (lpCommon && lpCommon->GetHwnd() && GetWindowRect(lpCommon->GetHwnd(), &rcCommon))
            y += rcCommon.bottom - rcCommon.top;
    }
    SetStoredPos(rc.right + 8, y);
}

cPaletteWnd::~cPaletteWnd()
{
    if (m_hWnd && IsWindow(m_hWnd)) Close(0);
}

size_t cPaletteWnd::Count() const
{
    const cPaletteLists& lists = Lists(m_dwSide);
    switch (m_dwKind) {
    case 0: return lists.m_vBlock.size();
    case 1: return lists.m_vChara.size();
    default: return lists.m_vItem.size();
    }
}

void cPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, kTitles[m_dwSide][m_dwKind]);
    AddAccelerator(m_hWnd, IDR_ACCEL_MAIN1);
    RedrawPane();
    ShowTool();
    m_bInitialized = 1;
}

LRESULT cPaletteWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    switch (uMsg) {
    case WM_CLOSE:
        // The stage window's view menu shows and hides the palettes.
        return TRUE;
    case WM_DESTROY: {
        RECT rc = {}, rcClient = {};
        GetWindowRect(hWnd, &rc);
        GetClientRect(hWnd, &rcClient);
        m_lpPlace->m_dwValid = 1;
        m_lpPlace->m_nX = rc.left;
        m_lpPlace->m_nY = rc.top;
        m_lpPlace->m_nWidth = rcClient.right;
        m_lpPlace->m_nHeight = rcClient.bottom;
        SaveEditorSettings(g_EditConfig, g_SettingsLoad);
        return lResult;
    }
    case WM_KEYDOWN:
        // The test-play keys and Space go to the stage window.
        if (wParam == VK_F7 && m_lpStage) PostMessageA(m_lpStage->GetHwnd(), WM_COMMAND, kKeyTestPlayGame, 0);
        if (wParam == VK_F5 && m_lpStage) PostMessageA(m_lpStage->GetHwnd(), WM_COMMAND, kKeyTestPlay, 0);
        return lResult;
    default:
        return lResult;
    }
}

void cPaletteWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    if (IsStageKeyCommand(wId)) {
        if (m_lpStage && m_lpStage->GetHwnd()) SendMessageA(m_lpStage->GetHwnd(), WM_COMMAND, wId, 0);
        return;
    }
    for (s32 nTool = 0; nTool < kTools; ++nTool)
        if (wId == kToolCommands[nTool]) {
            g_EditState.SetTool(nTool);
            return;
        }
    if (wId == IDC_PALETTE_LIST && HIWORD(wParam) == LBN_SELCHANGE) {
        PickPen(static_cast<s32>(SendDlgItemMessageA(m_hWnd, IDC_PALETTE_LIST, LB_GETCURSEL, 0, 0)));
    }
}

void cPaletteWnd::PickPen(s32 nIndex)
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= Count()) return;
    g_EditState.m_nSelSide = static_cast<s32>(m_dwSide);
    g_EditState.m_nSelIndex = nIndex;
    switch (m_dwKind) {
    case 0: PickInto<cEdBlock>(m_dwSide, nIndex); break;
    case 1: PickInto<cEdChara>(m_dwSide, nIndex); break;
    default: PickInto<cEdItem>(m_dwSide, nIndex); break;
    }
    g_EditState.m_nPenWidth = g_EditState.m_nPenHeight = 1;
    if (m_lpStage) m_lpStage->Redraw();
}

void cPaletteWnd::PickEdited()
{
    if (m_hWnd) SetActiveWindow(m_hWnd);
    PickPen(g_EditState.m_nSelIndex);
}

void cPaletteWnd::RedrawPane()
{
    if (!m_hWnd) return;
    HWND hList = GetDlgItem(m_hWnd, IDC_PALETTE_LIST);
    if (!hList) return;
    // The rows follow the list when its length changed (the stand-in shows
    // no pictures, so nothing else of a row changes while it is open).
    if (static_cast<size_t>(SendMessageA(hList, LB_GETCOUNT, 0, 0)) != Count()) {
        const int nTop = static_cast<int>(SendMessageA(hList, LB_GETTOPINDEX, 0, 0));
        const cPaletteLists& lists = Lists(m_dwSide);
        switch (m_dwKind) {
        case 0: FillRows(hList, lists.m_vBlock); break;
        case 1: FillRows(hList, lists.m_vChara); break;
        default: FillRows(hList, lists.m_vItem); break;
        }
        SendMessageA(hList, LB_SETTOPINDEX, static_cast<WPARAM>(std::max(nTop, 0)), 0);
    }
    const bool bSelected = g_EditState.m_nSelSide == static_cast<s32>(m_dwSide) && g_EditState.m_nSelIndex >= 0;
    SendMessageA(hList, LB_SETCURSEL, bSelected ? static_cast<WPARAM>(g_EditState.m_nSelIndex) : static_cast<WPARAM>(-1), 0);
}

void cPaletteWnd::ShowTool()
{
    if (!m_hWnd) return;
    for (s32 nTool = 0; nTool < kTools; ++nTool)
        CheckDlgButton(m_hWnd, kToolCommands[nTool], nTool == g_EditState.m_nTool ? BST_CHECKED : BST_UNCHECKED);
}
