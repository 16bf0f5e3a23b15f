#include "stage_editor/stage_edit_wnd.h"
#include "stage_editor/stage_setting_wnd.h"

#include <windowsx.h>

#include <algorithm>

#include "app/log.h"
#include "app/str_util.h"
#include "app/win32/file_dialogs.h"
#include "data/project_data.h"
#include "data/project_paths.h"
#include "data/settings_load.h"
#include "database_editor/database_dlg.h"
#include "framework/wnd_list.h"
#include "resources/resource.h"
#include "stage_editor/chara_group_wnd.h"
#include "stage_editor/engine/view_rules.h"
#include "stage_editor/palette_wnd.h"
#include "world_map/world_map_wnd.h"

namespace {

constexpr s32 kViewWidth = 640, kViewHeight = 480;
constexpr s32 kMinViewWidth = 384, kMinViewHeight = 160;
constexpr s32 kDefaultX = 50, kDefaultY = 50;

// The toolbar: standard images for the file and undo buttons, the
// project's strips for the layers and the test plays.
const cToolbarButton kStdButtons[] = {
    {{STD_FILENEW, kCmdNewStage, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "新規作成"},
    {{STD_FILEOPEN, kCmdOpenStage, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "開く"},
    {{STD_FILESAVE, kCmdSave, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "上書き保存"},
    {{0, 0, 0, BTNS_SEP, {}, 0, 0}, nullptr},
    {{STD_UNDO, kCmdUndo, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "元に戻す"},
    {{STD_REDOW, kCmdRedo, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "やり直し"},
    {{0, 0, 0, BTNS_SEP, {}, 0, 0}, nullptr},
};
const cToolbarButton kLayerButtons[] = {
    {{0, kToolLayerBlock, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "ブロックパレット"},
    {{1, kToolLayerChara, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "キャラパレット"},
    {{2, kToolLayerItem, TBSTATE_ENABLED, BTNS_CHECKGROUP, {}, 0, 0}, "アイテムパレット"},
};
const cToolbarButton kSeparator[] = {{{0, 0, 0, BTNS_SEP, {}, 0, 0}, nullptr}};
const cToolbarButton kTestPlayButtons[] = {
    {{0, kToolTestPlay, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "テストプレイ"},
    {{1, kToolTestPlayGame, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, "ゲーム全体のテストプレイ"},
};

s32 Width(const RECT& rc) { return rc.right - rc.left; }
s32 Height(const RECT& rc) { return rc.bottom - rc.top; }

}  // namespace

cWndPos& cStageEditWnd::Placement(u32 dwRecord) { return g_EditConfig.m_WndPos[std::min<u32>(dwRecord, cEditConfig::kWindows - 1)]; }

cStageEditWnd::cStageEditWnd(cWndBase* lpParent, cWndList* lpRegistry)
    : cDlgBase(kIddStageEdit, lpParent, kModeWindow, lpRegistry)
{
    m_lpTools.reset(new cStageTools(g_EditState, g_Stage));
    // The geometry follows once the toolbar and the status bar exist.
    SetGeometry(0, 0, kMinViewWidth, kMinViewHeight, kViewWidth, kViewHeight, WS_CAPTION | WS_THICKFRAME, 1, 1, 1,
                kOwnScrollH | kOwnScrollV);
    const cWndPos& place = Placement(kPlaceStage);
    if (place.m_dwValid) SetStoredPos(place.m_nX, place.m_nY);
    else SetStoredPos(kDefaultX, kDefaultY);
    g_EditState.SetUi(this);
}

cStageEditWnd::~cStageEditWnd()
{
    g_EditState.SetUi(nullptr);
    if (auto* lpSettings = static_cast<cStageSettingWnd*>(m_lpSettingWnd)) {
        lpSettings->ForgetOwner();
        delete lpSettings;
    }
    delete m_lpGroupWnd;
    m_lpGroupWnd = nullptr;
    for (int n : {kCommonBlock, kCommonChara, kCommonItem, kStageBlock, kStageChara, kStageItem}) {
        delete m_lpPalette[n];
        m_lpPalette[n] = nullptr;
    }
    delete m_lpWorldMapWnd;
    m_lpWorldMapWnd = nullptr;
    if (m_hWnd && IsWindow(m_hWnd)) Close(0);
}

void cStageEditWnd::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    HICON hIcon = static_cast<HICON>(
        LoadImageA(ProgramInstance(), MAKEINTRESOURCEA(IDI_STAGE_EDIT), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (hIcon) SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    m_hStatusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, "", m_hWnd, IDC_STATUS_BAR);
    // Text on part 255 shows only in simple mode.
    if (m_hStatusBar) SendMessageA(m_hStatusBar, SB_SIMPLE, TRUE, 0);
    m_hMenu = GetMenu(m_hWnd);
    if (!m_hMenu) {
        m_hMenu = LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(IDR_MENU_STAGE));
        SetMenu(m_hWnd, m_hMenu);
    }
    CreateToolbar();
    m_Picture.Set(kIdcView, kViewWidth, kViewHeight, -1, -1);
    AddPicture(m_Picture);
    UpdateMenus();
    PlaceInitially();
    StartAtPlayer();
    AddAccelerator(m_hWnd, IDR_ACCEL_MAIN1);
    DataToCtrls();
    UpdateTitle();
    m_bInitialized = 1;
    m_bReady = 1;
    FocusView();
    Redraw();
}

void cStageEditWnd::CreateToolbar()
{
    m_hToolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, 0, 0, 0, 0,
                                 m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STAGE_TOOLBAR)),
                                 ProgramInstance(), nullptr);
    if (!m_hToolbar) return;
    SendMessageA(m_hToolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    AddStdToolbarButtons(kStdButtons, static_cast<int>(std::size(kStdButtons)));
    AddToolbarButtonsFromFile(kLayerButtons, static_cast<int>(std::size(kLayerButtons)), "e_bmp\\ToolBar_Palette.bmp");
    AddStdToolbarButtons(kSeparator, 1);
    AddToolbarButtonsFromFile(kTestPlayButtons, static_cast<int>(std::size(kTestPlayButtons)),
                              "e_bmp\\ToolBar_TestPlay.bmp");
    SendMessageA(m_hToolbar, TB_AUTOSIZE, 0, 0);
}

// The view and the scroll bars at the stored client size, or 640 x 480.
void cStageEditWnd::PlaceInitially()
{
    const cWndPos& place = Placement(kPlaceStage);
    s32 nWidth = kViewWidth, nHeight = kViewHeight;
    if (place.m_dwValid) {
        nWidth = std::clamp(place.m_nWidth, kMinViewWidth, kViewWidth);
        nHeight = std::clamp(place.m_nHeight, kMinViewHeight, kViewHeight);
    }
    UpdateGeometry();
    SetClientSize(nWidth, nHeight);
    SetPos(m_nStoredX, m_nStoredY);
    OnSize();
}

void cStageEditWnd::StartAtPlayer()
{
    if (!g_EditState.m_bHasPath || g_Stage.m_vBlockGrid.empty()) return;
    const cCellPos player = g_Stage.FindPlayer();
    if (!player.IsValid()) return;
    const cCellPoint origin = StartOrigin(player, g_Stage.m_dwWidth, g_Stage.m_dwHeight);
    SetScrollOrigin(origin.nX, origin.nY);
}

void cStageEditWnd::SetScrollOrigin(s32 x, s32 y)
{
    for (bool bVertical : {false, true}) {
        HWND hBar = GetOwnScroll(bVertical).GetHwnd();
        if (hBar) SetScrollPos(hBar, SB_CTL, bVertical ? y : x, TRUE);
    }
    ReadScrollPos();
}

void cStageEditWnd::ReadScrollPos()
{
    for (bool bVertical : {false, true}) {
        HWND hBar = GetOwnScroll(bVertical).GetHwnd();
        if (!hBar) continue;
        (bVertical ? m_nScrollY : m_nScrollX) = GetScrollPos(hBar, SB_CTL);
    }
}

cViewport cStageEditWnd::Viewport() const
{
    cViewport view;
    view.nScrollX = m_nScrollX;
    view.nScrollY = m_nScrollY;
    view.nWidth = Width(m_rcView);
    view.nHeight = Height(m_rcView);
    return view;
}

// The view and the scroll bars follow the client size: the scroll ranges
// cover the stage with a page of the whole cells the view shows.
void cStageEditWnd::OnSize()
{
    const s32 nWidth = Width(m_rcView), nHeight = Height(m_rcView);
    if (HWND hView = m_Picture.GetHwnd())
        SetWindowPos(hView, nullptr, m_rcView.left, m_rcView.top, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    const struct {
        bool bVertical;
        s32 nCells;
        s32 nPage;
    } bars[] = {
        {false, static_cast<s32>(g_Stage.m_dwWidth), nWidth / kCellPixels},
        {true, static_cast<s32>(g_Stage.m_dwHeight), nHeight / kCellPixels},
    };
    for (const auto& b : bars) {
        HWND hBar = GetOwnScroll(b.bVertical).GetHwnd();
        if (!hBar) continue;
        SCROLLINFO si = {};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE;
        si.nMin = 0;
        si.nMax = std::max(b.nCells - 1, 0);
        si.nPage = static_cast<UINT>(std::max(b.nPage, 0));
        SetScrollInfo(hBar, SB_CTL, &si, TRUE);
    }
    ReadScrollPos();
}

LRESULT cStageEditWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    bool bHandled = true;
    switch (uMsg) {
    case WM_DRAWITEM:
        if (wParam == kIdcView) m_Picture.Present();
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_MINIMIZE) return lResult;
        MinimizeAll();
        return TRUE;
    case WM_CLOSE:
        if (AskSaveOnClose()) {
            cWndBase* lpTop = GetParentObject();
            if (lpTop && lpTop->GetHwnd()) DestroyWindow(lpTop->GetHwnd());
        }
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return lResult;
    case WM_SIZE:
        OnSize();
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ReadScrollPos();
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        OnMouse(uMsg, wParam, lParam);
        break;
    case WM_MOUSEWHEEL:
        OnWheel(wParam);
        break;
    case WM_KEYDOWN:
        bHandled = OnKeyDown(wParam);
        break;
    default:
        bHandled = lResult != 0;
        break;
    }
    if (bHandled && m_bReady && m_hWnd) Redraw();
    return lResult;
}

void cStageEditWnd::OnMouse(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!g_EditState.m_bHasPath || !m_bReady) return;
    static const struct {
        UINT uMsg;
        eMouseMsg eMsg;
    } kMessages[] = {
        {WM_MOUSEMOVE, eMouseMsg::Move},       {WM_LBUTTONDOWN, eMouseMsg::LDown}, {WM_LBUTTONUP, eMouseMsg::LUp},
        {WM_LBUTTONDBLCLK, eMouseMsg::LDblClk}, {WM_RBUTTONDOWN, eMouseMsg::RDown}, {WM_RBUTTONUP, eMouseMsg::RUp},
        {WM_RBUTTONDBLCLK, eMouseMsg::RDblClk},
    };
    cMouseInput in;
    for (const auto& m : kMessages)
        if (m.uMsg == uMsg) in.eMsg = m.eMsg;
    in.nX = GET_X_LPARAM(lParam) - m_rcView.left;
    in.nY = GET_Y_LPARAM(lParam) - m_rcView.top;
    // The left button as it was when the message arose: the press itself
    // counts as held even when the button is up again by now.
    in.bLeftHeld = (wParam & MK_LBUTTON) != 0 || uMsg == WM_LBUTTONDOWN;
    in.bShift = IsKeyDownNow(VK_SHIFT);
    m_lpTools->OnMouse(in, Viewport());
}

void cStageEditWnd::OnWheel(WPARAM wParam)
{
    const cScrollStep step = WheelScroll(HIWORD(wParam), g_Stage.m_dwMouseWheel, IsKeyDownNow(VK_CONTROL));
    if (step.nDx) GetOwnScroll(false).Scroll(step.nDx);
    if (step.nDy) GetOwnScroll(true).Scroll(step.nDy);
    ReadScrollPos();
}

// Keys that accelerator table 105 leaves: F7, and the pick's keys.
bool cStageEditWnd::OnKeyDown(WPARAM wParam)
{
    if (wParam == VK_F7) {
        PostMessageA(m_hWnd, WM_COMMAND, kKeyTestPlayGame, 0);
        return true;
    }
    if (!g_EditState.m_bHasPath) return false;
    return m_lpTools->OnPickKey(static_cast<u32>(wParam), IsKeyDownNow(VK_SHIFT));
}

// While a drag goes on with the mouse outside the view, the frame tick
// moves the cursor, extends, ends or finishes the drag, and scrolls towards
// the mouse.
void cStageEditWnd::OnFrame()
{
    if (!m_bReady || !m_hWnd || !g_EditState.m_bHasPath || !g_EditState.m_bDrag) return;
    GetCursorPos(true, kMouseHeld | kMousePressed | kMouseReleased);
    const cMouseBlock& m = GetMouse();
    cFrameMouse mouse;
    mouse.nX = m.nX;
    mouse.nY = m.nY;
    mouse.bLeftHeld = m.bLeftHeld, mouse.bLeftPressed = m.bLeftPressed, mouse.bLeftReleased = m.bLeftReleased;
    mouse.bRightHeld = m.bRightHeld, mouse.bRightPressed = m.bRightPressed, mouse.bRightReleased = m.bRightReleased;
    mouse.bShift = IsKeyDownNow(VK_SHIFT);
    const bool bOutside = m_lpTools->OnDragFrame(mouse, Viewport());
    if (m.bLeftHeld || m.bRightHeld) {
        AutoScroll(&m_nScrollX, &m_nScrollY);
        ReadScrollPos();
    }
    if (bOutside || m.bLeftHeld || m.bRightHeld) Redraw();
}

void cStageEditWnd::OnDestroy()
{
    if (m_bReady) {
        RECT rc = {};
        GetWindowRect(m_hWnd, &rc);
        cWndPos& place = Placement(kPlaceStage);
        place.m_dwValid = 1;
        place.m_nX = rc.left;
        place.m_nY = rc.top;
        place.m_nWidth = Width(m_rcView);
        place.m_nHeight = Height(m_rcView);
    }
    m_bReady = 0;
    g_PrjOption.SaveFile(g_strPath[kPathPrjOption]);
}

void cStageEditWnd::MinimizeAll()
{
    m_bMinimized = 1;
    HideAll();
    // The top-level window that owns this one goes down with it.
    cWndBase* lpTop = GetParentObject();
    if (lpTop && lpTop->GetHwnd()) ShowWindow(lpTop->GetHwnd(), SW_MINIMIZE);
}

void cStageEditWnd::UpdateTitle()
{
    if (!m_hWnd) return;
    const std::string strTitle =
        g_EditState.m_strStagePath.empty() ? "Tarvenol" : Format("%s  %s", "Tarvenol", g_EditState.m_strStagePath.c_str());
    SetWindowTextA(m_hWnd, strTitle.c_str());
}

void cStageEditWnd::UpdateMenus()
{
    cEditorState s;
    s.bStageOpen = g_EditState.m_bHasPath != 0;
    s.nLayer = g_EditState.m_nLayer;
    s.nUndo = g_EditState.m_Undo.GetUndoCount();
    s.nRedo = g_EditState.m_Undo.GetRedoCount();
    s.bCommonShown = Placement(kPlacePalette + kCommonBlock).m_dwVisible != 0;
    s.bStageShown = Placement(kPlacePalette + kStageBlock).m_dwVisible != 0;
    s.bGroupShown = Placement(kPlaceGroup).m_dwVisible != 0;
    if (m_hMenu) {
        for (const cCommandState& c : MenuStates(s)) {
            EnableMenuItem(m_hMenu, c.wId, MF_BYCOMMAND | (c.bEnabled ? MF_ENABLED : MF_GRAYED));
            CheckMenuItem(m_hMenu, c.wId, MF_BYCOMMAND | (c.bChecked ? MF_CHECKED : MF_UNCHECKED));
        }
        if (m_hWnd) DrawMenuBar(m_hWnd);
    }
    if (m_hToolbar)
        for (const cCommandState& c : ToolbarStates(s)) {
            const LPARAM state = (c.bEnabled ? TBSTATE_ENABLED : 0) | (c.bChecked ? TBSTATE_CHECKED : 0);
            SendMessageA(m_hToolbar, TB_SETSTATE, c.wId, state);
        }
}

void cStageEditWnd::UpdateUndoButtons() { UpdateMenus(); }

void cStageEditWnd::FocusView()
{
    // The view (not the dialog itself) takes the keys: the keyboard hook
    // hands the window its copies.
    if (HWND hView = m_Picture.GetHwnd()) SetFocus(hView);
    else if (m_hWnd) SetFocus(m_hWnd);
}

void cStageEditWnd::SetWaitCursor(bool bWait)
{
    if (bWait) ::SetWaitCursor();
    else SetArrowCursor();
}

void cStageEditWnd::CreatePaletteWindows()
{
    static const struct {
        int nPalette;
        u32 dwSide;
        s32 nLayer;
    } kOrder[] = {
        {kCommonBlock, 0, kLayerBlock}, {kStageBlock, 1, kLayerBlock}, {kCommonChara, 0, kLayerChara},
        {kStageChara, 1, kLayerChara},  {-1, 0, kLayerChara},          {kCommonItem, 0, kLayerItem},
        {kStageItem, 1, kLayerItem},
    };
    const bool bOpen = g_EditState.m_bHasPath != 0;
    for (const auto& o : kOrder) {
        const bool bCurrent = bOpen && o.nLayer == g_EditState.m_nLayer;
        if (o.nPalette < 0) {
            delete m_lpGroupWnd;
            m_lpGroupWnd = new cCharaGroupWnd(this, GetRegistry());
            m_lpGroupWnd->Create(0, bCurrent && Placement(kPlaceGroup).m_dwVisible);
            continue;
        }
        delete m_lpPalette[o.nPalette];
        cPaletteWnd* lpPalette = new cPaletteWnd(this, GetRegistry(), o.dwSide, static_cast<u32>(o.nLayer),
                                                 &Placement(kPlacePalette + o.nPalette));
        m_lpPalette[o.nPalette] = lpPalette;
        lpPalette->Create(0, bCurrent && lpPalette->Placement().m_dwVisible);
    }
    UpdateMenus();
}

void cStageEditWnd::ShowLayerWindows()
{
    Show(true);
    const bool bOpen = g_EditState.m_bHasPath != 0;
    const s32 nLayer = g_EditState.m_nLayer;
    for (int n = 0; n < kPaletteCount; ++n) {
        cPaletteWnd* lpPalette = m_lpPalette[n];
        if (!lpPalette) continue;
        lpPalette->Show(bOpen && n / 2 == nLayer && lpPalette->Placement().m_dwVisible);
    }
    if (m_lpGroupWnd) m_lpGroupWnd->Show(bOpen && nLayer == kLayerChara && Placement(kPlaceGroup).m_dwVisible);
}

void cStageEditWnd::HideAll()
{
    Show(false);
    for (cPaletteWnd* lpPalette : m_lpPalette)
        if (lpPalette) lpPalette->Show(false);
    if (m_lpGroupWnd) m_lpGroupWnd->Show(false);
}

void cStageEditWnd::EnableAll(bool bEnable)
{
    Enable(bEnable);
    for (cPaletteWnd* lpPalette : m_lpPalette)
        if (lpPalette) lpPalette->Enable(bEnable);
    if (m_lpGroupWnd) m_lpGroupWnd->Enable(bEnable);
}

void cStageEditWnd::LayerChanged()
{
    UpdateMenus();
    ShowLayerWindows();
    RedrawPanes();
}

void cStageEditWnd::ToolChanged()
{
    for (cPaletteWnd* lpPalette : m_lpPalette)
        if (lpPalette) lpPalette->ShowTool();
}

void cStageEditWnd::RedrawPanes()
{
    for (cPaletteWnd* lpPalette : m_lpPalette)
        if (lpPalette) lpPalette->RedrawPane();
    if (m_lpGroupWnd && g_EditState.m_nLayer == kLayerChara) m_lpGroupWnd->Refresh();
}

cDatabaseDlg* cStageEditWnd::DatabaseWnd() const { return static_cast<cDatabaseDlg*>(m_lpDatabaseWnd); }

void cStageEditWnd::SaveSettings() { SaveEditorSettings(g_EditConfig, g_SettingsLoad); }
