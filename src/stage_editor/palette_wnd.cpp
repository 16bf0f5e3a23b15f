#include "stage_editor/palette_wnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/fatal.h"
#include "app/str_util.h"
#include "data/project_data.h"
#include "data/settings_load.h"
#include "framework/input_dlg.h"
#include "framework/wnd_list.h"
#include "resources/resource.h"
#include "stage_editor/data_move_dlg.h"
#include "stage_editor/engine/edit_state.h"
#include "stage_editor/engine/view_rules.h"
#include "stage_editor/icon_painter.h"
#include "stage_editor/stage_edit_wnd.h"

namespace {

const char* const kTitles[2][3] = {
    {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"},
    {"[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット"},
};
constexpr s32 kCell = 32;
constexpr s32 kColumns = 8;
constexpr s32 kWidth = kColumns * kCell;
constexpr s32 kMaxRows = 30;  // painted at most
constexpr s32 kMinHeight = kCell, kMaxHeight = kMaxRows * kCell;
constexpr u16 kCmdDataCount = 40088, kCmdDataMove = 40089;
constexpr u16 kCmdEditMode = 40139, kCmdMenuMode = 40140;
const u16 kToolCommands[kTools] = {40044, 40045, 40046, 40047, 40087};

const cToolbarButton kToolButtons[] = {
    {{0, 40044, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "普通"},
    {{1, 40045, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "直線"},
    {{2, 40046, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "矩形"},
    {{3, 40047, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "塗り潰し"},
    {{4, 40087, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "パラメーターの編集"},
};
const cToolbarButton kModeButtons[] = {
    {{0, kCmdEditMode, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "右クリックでパレットデータの編集"},
    {{1, kCmdMenuMode, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "右クリックでメニュー"},
};

s32 Width(const RECT& rc) { return rc.right - rc.left; }
s32 Height(const RECT& rc) { return rc.bottom - rc.top; }

void SetScrollRangeAndPage(HWND hBar, s32 nMax, s32 nPage)
{
    if (!hBar) return;
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = nMax;
    si.nPage = static_cast<UINT>(std::max<s32>(nPage, 1));
    SetScrollInfo(hBar, SB_CTL, &si, TRUE);
}

s32 Rows(size_t nCount) { return nCount ? static_cast<s32>((nCount - 1) / kColumns) + 1 : 1; }

template <class D>
void DrawIcons(cSurface& back, const std::vector<D>& list, s32 nScrollRow, s32 nRows,
               void (*lpDraw)(cSurface&, s32, s32, const D&, bool, const cIconSources&))
{
    const cIconSources src = CurrentIconSources();
    for (s32 row = 0; row < nRows; ++row)
        for (s32 col = 0; col < kColumns; ++col) {
            const size_t i = static_cast<size_t>((nScrollRow + row) * kColumns + col);
            if (i >= list.size()) return;
            lpDraw(back, col * kCell, row * kCell, list[i], false, src);
        }
}

template <class D>
const std::string& NameOf(const std::vector<D>& list, size_t i)
{
    return list[i].m_strName;
}

}  // namespace

cPaletteWnd::cPaletteWnd(cStageEditWnd* lpStage, cWndList* lpRegistry, u32 dwSide, u32 dwKind, cWndPos* lpPlace)
    : cDlgBase(IDD_PALETTE, lpStage, kModeWindow, lpRegistry),
      m_lpStage(lpStage),
      m_dwSide(dwSide ? 1 : 0),
      m_dwKind(std::min<u32>(dwKind, 2)),
      m_lpPlace(lpPlace)
{
    const size_t nCount = Count();
    m_nInitialHeight = std::clamp(static_cast<s32>(nCount ? (nCount - 1) / kColumns : 0) * kCell, kMinHeight,
                                  kMaxHeight);
    s32 x, y;
    if (m_lpPlace->m_dwValid) {
        x = m_lpPlace->m_nX;
        y = m_lpPlace->m_nY;
        m_nInitialHeight = std::clamp(m_lpPlace->m_nHeight, kMinHeight, kMaxHeight);
    } else {
        // Beside the stage window; the stage palette below its common companion.
        RECT rc = {}, rcClient = {};
        if (lpStage && lpStage->GetHwnd()) {
            GetWindowRect(lpStage->GetHwnd(), &rc);
            GetClientRect(lpStage->GetHwnd(), &rcClient);
        }
        x = rc.left + rcClient.right + 8;
        y = rc.top + 8;
        if (m_dwSide == 1 && lpStage) {
            cPaletteWnd* lpCommon = lpStage->Palette(cStageEditWnd::PaletteOf(0, static_cast<s32>(m_dwKind)));
            RECT rcCommon = {};
            if (lpCommon && lpCommon->GetHwnd() && GetWindowRect(lpCommon->GetHwnd(), &rcCommon))
                y += rcCommon.bottom - rcCommon.top;
        }
    }
    SetGeometry(kWidth, m_nInitialHeight, kWidth, kMinHeight, kWidth, kMaxHeight, WS_CAPTION | WS_THICKFRAME, 1, 1, 1,
                kOwnScrollV);
    SetStoredPos(x, y);
}

cPaletteWnd::~cPaletteWnd()
{
    m_lpMoveDlg.reset();
    if (m_hWnd && IsWindow(m_hWnd)) Close(0);
    if (m_hPopupMenu) DestroyMenu(m_hPopupMenu);
}

cPaletteEdit cPaletteWnd::Edit() const { return cPaletteEdit(g_EditState, g_CommonPalette, g_Stage, g_PrjOption); }

size_t cPaletteWnd::Count() const { return Edit().Count(m_dwSide, m_dwKind); }

cPaletteWnd* cPaletteWnd::Companion() const
{
    return m_lpStage ? m_lpStage->Palette(cStageEditWnd::PaletteOf(m_dwSide ? 0 : 1, static_cast<s32>(m_dwKind)))
                     : nullptr;
}

void cPaletteWnd::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, kTitles[m_dwSide][m_dwKind]);
    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, "DLG_PLT", m_hWnd,
                                       IDC_STATUS_BAR);
    if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    m_hToolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                 m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PALETTE_TOOLBAR)),
                                 GetInstance(), nullptr);
    if (m_hToolbar) {
        SendMessageA(m_hToolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
        AddToolbarButtonsFromFile(kToolButtons, static_cast<int>(std::size(kToolButtons)), "e_bmp\\ToolBar_Pen.bmp");
        // The separator alone: no standard images join the strips.
        TBBUTTON sep = {};
        sep.fsStyle = BTNS_SEP;
        SendMessageA(m_hToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&sep));
        AddToolbarButtonsFromFile(kModeButtons, static_cast<int>(std::size(kModeButtons)),
                                  "e_bmp\\ToolBar_PltEdit.bmp");
        SendMessageA(m_hToolbar, TB_AUTOSIZE, 0, 0);
    }
    ShowTool();
    m_Picture.Set(IDC_PICTURE, kWidth, kMaxHeight, -1, -1);
    AddPicture(m_Picture);
    UpdateGeometry();
    SetClientSize(kWidth, m_nInitialHeight);
    Relayout();
    AddAccelerator(m_hWnd, IDR_ACCEL_MAIN1);
    DataToCtrls();
    m_hPopupMenu = LoadMenuA(GetInstance(), MAKEINTRESOURCEA(IDR_MENU_PALETTE_POPUP));
    m_bInitialized = 1;
    Paint();
}

void cPaletteWnd::FitHeight()
{
    const s32 nRows = std::min(Rows(Count()), kMaxRows);
    s32 nHeight = nRows * kCell;
    RECT rcWork = {}, rcWnd = {};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0) && GetWindowRect(m_hWnd, &rcWnd)) {
        if (rcWnd.top < 0) {
            SetWindowPos(m_hWnd, nullptr, rcWnd.left, 8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            GetWindowRect(m_hWnd, &rcWnd);
        }
        const s32 nNonClient = GetWndHeight() - Height(m_rcView);
        if (rcWnd.top + nHeight + nNonClient > rcWork.bottom)
            nHeight = std::max<s32>(kMinHeight, rcWork.bottom - rcWnd.top - nNonClient);
    }
    SetClientSize(kWidth, nHeight);
}

void cPaletteWnd::Relayout()
{
    if (!m_hWnd) return;
    FitHeight();
    if (m_nStoredX != kNoPos) {
        RECT rc = {};
        GetWindowRect(m_hWnd, &rc);
        SetWindowPos(m_hWnd, nullptr, m_nStoredX, std::max<s32>(m_nStoredY, rc.top < 0 ? 8 : m_nStoredY), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND hBar = GetOwnScroll(true).GetHwnd();
    SetScrollRangeAndPage(hBar, Rows(Count()) - 1, Height(m_rcView) / kCell);
    m_nScrollRow = hBar ? GetScrollPos(hBar, SB_CTL) : 0;
    OnSize();
}

void cPaletteWnd::OnSize()
{
    if (HWND hView = m_Picture.GetHwnd())
        SetWindowPos(hView, nullptr, m_rcView.left, m_rcView.top, Width(m_rcView), Height(m_rcView),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    // A taller window shows the rows above the scrolled one again.
    if (m_nInitialHeight + m_nScrollRow * kCell >= GetWndHeight())
        m_nScrollRow = std::max<s32>(0, (GetWndHeight() - m_nInitialHeight) / kCell);
    SetScrollRangeAndPage(GetOwnScroll(true).GetHwnd(), Rows(Count()) - 1, Height(m_rcView) / kCell);
}

void cPaletteWnd::Paint()
{
    if (!m_bInitialized || !m_hWnd) return;
    cSurface& back = m_Picture.GetBack();
    if (!back.GetDC()) return;
    back.Fill(RGB(0, 0, 0));
    const s32 nRows = std::min(kMaxRows, Height(m_rcView) / kCell + 1);
    const cPaletteLists& lists = m_dwSide ? g_Stage.m_Palette : g_CommonPalette.m_Lists;
    switch (m_dwKind) {
    case 0: DrawIcons<cEdBlock>(back, lists.m_vBlock, m_nScrollRow, nRows, DrawBlockIcon); break;
    case 1: DrawIcons<cEdChara>(back, lists.m_vChara, m_nScrollRow, nRows, DrawCharaIcon); break;
    default: DrawIcons<cEdItem>(back, lists.m_vItem, m_nScrollRow, nRows, DrawItemIcon); break;
    }
    const s32 nSide = static_cast<s32>(m_dwSide);
    const auto frame = [&](s32 nIndex, int nStyle, int nWidth) {
        back.SetPen(nStyle, nWidth, RGB(255, 255, 255));
        back.DrawRect((nIndex % kColumns) * kCell, (nIndex / kColumns - m_nScrollRow) * kCell, kCell - 1, kCell - 1);
        back.ReleasePen();
    };
    const s32 nSel = g_EditState.m_nSelIndex;
    if (g_EditState.m_nSelSide == nSide && nSel != -1) frame(nSel, PS_SOLID, 2);
    if (g_EditState.m_abPickValid[m_dwKind] && g_EditState.m_anPickSide[m_dwKind] == nSide &&
        g_EditState.m_anPickIndex[m_dwKind] != -1)
        frame(g_EditState.m_anPickIndex[m_dwKind], PS_DOT, 1);
    m_Picture.Present();

    std::string strStatus;
    if (g_EditState.m_nSelSide == nSide && nSel >= 0 && static_cast<size_t>(nSel) < Count()) {
        const size_t i = static_cast<size_t>(nSel);
        const std::string& strName = m_dwKind == 0   ? NameOf(lists.m_vBlock, i)
                                     : m_dwKind == 1 ? NameOf(lists.m_vChara, i)
                                                     : NameOf(lists.m_vItem, i);
        strStatus = Format("%d : %s", nSel, strName.c_str());
    }
    if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(strStatus.c_str()));
}

void cPaletteWnd::ShowTool()
{
    if (!m_hToolbar) return;
    for (s32 nTool = 0; nTool < kTools; ++nTool)
        SendMessageA(m_hToolbar, TB_SETSTATE, kToolCommands[nTool],
                     TBSTATE_ENABLED | (nTool == g_EditState.m_nTool ? TBSTATE_CHECKED : 0));
    for (s32 nMode = 0; nMode < 2; ++nMode)
        SendMessageA(m_hToolbar, TB_SETSTATE, nMode ? kCmdMenuMode : kCmdEditMode,
                     TBSTATE_ENABLED | (nMode == g_EditState.m_nRightClick ? TBSTATE_CHECKED : 0));
}

// The stage window shows the new tool or mode on its own and every palette
// window's toolbar, the companion's among them.
void cPaletteWnd::SyncToolButtons()
{
    if (m_lpStage) m_lpStage->ToolChanged();
    else ShowTool();
}

s32 cPaletteWnd::IndexAt(LPARAM lParam) const
{
    const s32 x = GET_X_LPARAM(lParam) - m_rcView.left, y = GET_Y_LPARAM(lParam) - m_rcView.top;
    if (x < 0 || y < 0 || x >= kWidth || y >= Height(m_rcView)) return -1;
    return cPaletteEdit::IndexAt(m_nScrollRow, x, y);
}

void cPaletteWnd::SelectAt(LPARAM lParam)
{
    const s32 nIndex = IndexAt(lParam);
    if (nIndex >= 0 && Edit().Select(m_dwSide, m_dwKind, nIndex) && m_lpStage) m_lpStage->RedrawPanes();
}

void cPaletteWnd::OnLButtonDown(WPARAM, LPARAM lParam)
{
    SelectAt(lParam);
    Paint();
    if (m_lpStage) m_lpStage->Redraw();
}

void cPaletteWnd::OnRButtonDown(WPARAM, LPARAM lParam)
{
    if (g_EditState.m_nRightClick == 0) {
        const s32 nIndex = IndexAt(lParam);
        if (nIndex > 0 && static_cast<size_t>(nIndex) < Count()) {
            g_EditState.m_bStageModified = 1;
            OpenEntryEditor(nIndex);
        }
    } else if (m_dwSide) {
        g_EditState.m_bStageModified = 1;
    } else {
        g_EditState.m_bCommonModified = 1;
    }
    Paint();
}

void cPaletteWnd::ShowPopup(LPARAM lParam)
{
    SelectAt(lParam);
    Paint();
    const s32 nIndex = IndexAt(lParam);
    HMENU hMenu = m_hPopupMenu ? GetSubMenu(m_hPopupMenu, 0) : nullptr;
    if (!hMenu || nIndex < 0 || static_cast<size_t>(nIndex) >= Count()) return;
    for (const cPopupItem& item : PopupItems(nIndex, g_EditState.m_abPickValid[m_dwKind] != 0,
                                              g_EditState.m_abPickCut[m_dwKind] != 0))
        EnableMenuItem(hMenu, item.wId, MF_BYCOMMAND | (item.bEnabled ? MF_ENABLED : MF_GRAYED));
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(m_hWnd, &pt);
    TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, nullptr);
}

void cPaletteWnd::OpenEntryEditor(s32 nIndex)
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= Count() || !m_lpStage) return;
    cPaletteEdit edit = Edit();
    edit.Select(m_dwSide, m_dwKind, nIndex);
    cPaletteLists& lists = m_dwSide ? g_Stage.m_Palette : g_CommonPalette.m_Lists;
    const size_t i = static_cast<size_t>(nIndex);
    g_EditState.m_nEntryEditMode = m_dwSide ? kEditStagePalette : kEditCommonPalette;
    g_EditState.m_lpEditBlock = m_dwKind == 0 ? &lists.m_vBlock[i] : nullptr;
    g_EditState.m_lpEditChara = m_dwKind == 1 ? &lists.m_vChara[i] : nullptr;
    g_EditState.m_lpEditItem = m_dwKind == 2 ? &lists.m_vItem[i] : nullptr;
    m_lpStage->RunEntryEditor(static_cast<s32>(m_dwKind));
}

void cPaletteWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    if (IsStageKeyCommand(wId)) {
        // The stage window's keys; F5 is the stage test play.
        const u16 wSent = wId == kKeyTestPlayF5 ? u16(kKeyTestPlay) : wId;
        if (m_lpStage && m_lpStage->GetHwnd()) SendMessageA(m_lpStage->GetHwnd(), WM_COMMAND, wSent, 0);
        return;
    }
    for (s32 nTool = 0; nTool < kTools; ++nTool)
        if (wId == kToolCommands[nTool]) {
            g_EditState.SetTool(nTool);
            SyncToolButtons();
            return;
        }
    switch (wId) {
    case kCmdEditMode:
    case kCmdMenuMode:
        g_EditState.SetRightClickMode(wId == kCmdMenuMode ? 1 : 0);
        SyncToolButtons();
        if (m_lpStage) m_lpStage->RedrawPanes();
        return;
    case kCmdDataCount:
        ChangeCount();
        return;
    case kCmdDataMove:
        MoveData();
        return;
    case kPltEdit:
        OpenEntryEditor(g_EditState.m_nSelIndex);
        return;
    default:
        RunEntryCommand(wId);
        return;
    }
}

void cPaletteWnd::RunEntryCommand(u16 wId)
{
    bool bKnown = false;
    for (const cPopupItem& item : PopupItems(1, true, false)) bKnown = bKnown || item.wId == wId;
    if (!bKnown) return;
    Edit().RunCommand(m_dwSide, m_dwKind, wId);
    AfterListChange();
}

// The lists changed: this window (and a companion whose entry moved here)
// shows them, the stage view its entries.
void cPaletteWnd::AfterListChange()
{
    Relayout();
    if (cPaletteWnd* lpOther = Companion()) lpOther->Relayout();
    if (m_lpStage) {
        m_lpStage->RedrawPanes();
        m_lpStage->Redraw();
    }
}

void cPaletteWnd::ChangeCount()
{
    s32 nValue = static_cast<s32>(Count()) - 1;
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    if (!InputValueAt(this, GetRegistry(), &nValue, 1, kMaxPaletteCount, "データ数", rc.left, rc.top)) return;
    Edit().SetCount(m_dwSide, m_dwKind, nValue + 1);
    AfterListChange();
}

void cPaletteWnd::MoveData()
{
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    cPaletteLists& lists = m_dwSide ? g_Stage.m_Palette : g_CommonPalette.m_Lists;
    const auto make = [&](auto* lpList) {
        m_lpMoveDlg.reset(new (std::nothrow) cDataMoveDlg(IDD_DATA_MOVE, this, kModeModal, GetRegistry(), lpList,
                                                          m_dwSide, rc.left, rc.top));
    };
    switch (m_dwKind) {
    case 0: make(&lists.m_vBlock); break;
    case 1: make(&lists.m_vChara); break;
    default: make(&lists.m_vItem); break;
    }
    if (!m_lpMoveDlg) {
        ReportOutOfMemory();
        return;
    }
    m_lpMoveDlg->DoModal(kDlgDisableOthers);
    m_lpMoveDlg.reset();
    Edit().AfterMove(m_dwSide, m_dwKind);
    AfterListChange();
}

void cPaletteWnd::PickEdited()
{
    if (m_hWnd) SetActiveWindow(m_hWnd);
    Edit().PickPen(m_dwSide, m_dwKind);
    Paint();
}

void cPaletteWnd::ScrollBy(s32 nRows)
{
    m_nScrollRow = GetOwnScroll(true).Scroll(nRows);
}

void cPaletteWnd::SavePlacement()
{
    RECT rc = {};
    GetWindowRect(m_hWnd, &rc);
    m_lpPlace->m_dwValid = 1;
    m_lpPlace->m_nX = rc.left;
    m_lpPlace->m_nY = rc.top;
    m_lpPlace->m_nWidth = Width(m_rcView);
    m_lpPlace->m_nHeight = Height(m_rcView);
    SaveEditorSettings(g_EditConfig, g_SettingsLoad);
}

LRESULT cPaletteWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    bool bHandled = true;
    switch (uMsg) {
    case WM_CLOSE:
        // The stage window's view menu shows and hides the palettes.
        Paint();
        return TRUE;
    case WM_DESTROY:
        SavePlacement();
        return lResult;
    case WM_KEYDOWN:
        // What accelerator table 105 leaves: Space and F7 go to the stage window.
        if (m_lpStage && (wParam == VK_SPACE || wParam == VK_F7))
            PostMessageA(m_lpStage->GetHwnd(), wParam == VK_F7 ? WM_COMMAND : WM_KEYDOWN,
                         wParam == VK_F7 ? WPARAM(kKeyTestPlayGame) : wParam, wParam == VK_F7 ? 0 : lParam);
        break;
    case WM_VSCROLL:
        if (HWND hBar = GetOwnScroll(true).GetHwnd()) m_nScrollRow = GetScrollPos(hBar, SB_CTL);
        break;
    case WM_MOUSEWHEEL: {
        // Away from the user one row up, towards the user one row down.
        s32 n = static_cast<s32>(static_cast<u16>(HIWORD(wParam)) / 120);
        if (n >= 10) n = -1;
        ScrollBy(-n);
        break;
    }
    case WM_SIZE:
        OnSize();
        break;
    case WM_RBUTTONUP:
        if (g_EditState.m_nRightClick == 1) ShowPopup(lParam);
        break;
    default:
        bHandled = lResult != 0;
        break;
    }
    if (bHandled && m_bInitialized) Paint();
    return bHandled ? TRUE : lResult;
}
