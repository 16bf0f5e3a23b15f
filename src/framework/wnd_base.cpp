#include "framework/wnd_base.h"

#include <algorithm>

#include "app/fatal.h"
#include "app/log.h"
#include "controls/ctrl.h"
#include "framework/wnd_list.h"

namespace {

HINSTANCE g_hInstance = nullptr;

bool AsyncKeyDown(int nVirtualKey) { return GetAsyncKeyState(nVirtualKey) < 0; }
tKeyDownReader g_lpKeyDownReader = AsyncKeyDown;

s32 Width(const RECT& rc) { return rc.right - rc.left; }
s32 Height(const RECT& rc) { return rc.bottom - rc.top; }

// A window's position kept inside the desktop work area: a negative
// coordinate becomes 0, a far edge that reaches the area's edge ends there.
void KeepInWorkArea(s32& x, s32& y, s32 nWidth, s32 nHeight)
{
    RECT rcWork = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    if (x + nWidth >= rcWork.right) x = rcWork.right - nWidth;
    if (y + nHeight >= rcWork.bottom) y = rcWork.bottom - nHeight;
}

// Placement relative to a rectangle: its top-left corner, or centred on it.
void PlaceAt(const RECT& rcAt, u32 bCentre, s32 nWidth, s32 nHeight, s32& x, s32& y)
{
    x = rcAt.left;
    y = rcAt.top;
    if (bCentre) {
        x += (Width(rcAt) - nWidth) / 2;
        y += (Height(rcAt) - nHeight) / 2;
    }
}

}  // namespace

void SetKeyDownReader(tKeyDownReader lpReader) { g_lpKeyDownReader = lpReader ? lpReader : AsyncKeyDown; }
bool IsKeyDownNow(int nVirtualKey) { return g_lpKeyDownReader(nVirtualKey); }

HINSTANCE ProgramInstance() { return g_hInstance ? g_hInstance : GetModuleHandleA(nullptr); }
void SetProgramInstance(HINSTANCE hInstance) { g_hInstance = hInstance; }

cWndBase::cWndBase() = default;

cWndBase::cWndBase(cWndBase* lpAnchor, u32 bCentre) : m_lpAnchor(lpAnchor), m_bCentre(bCentre) {}

cWndBase::cWndBase(cCtrl* lpPlacement, u32 bCentre) : m_lpPlacement(lpPlacement), m_bCentre(bCentre) {}

cWndBase::~cWndBase()
{
    Deregister();
    if (!m_hToolbar || !IsWindow(m_hToolbar)) ReleaseToolbarBitmaps();
}

void cWndBase::ReleaseToolbarBitmaps()
{
    for (HBITMAP hBitmap : m_vToolbarBitmaps) DeleteObject(hBitmap);
    m_vToolbarBitmaps.clear();
}

void cWndBase::Deregister()
{
    if (m_lpRegistry) m_lpRegistry->RemoveWnd(this);
}

void cWndBase::ForgetWindow()
{
    m_hWnd = nullptr;
    Deregister();
}

LRESULT cWndBase::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(hWnd, uMsg, wParam, lParam);
}

LRESULT cWndBase::DefaultProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    // A message after WM_DESTROY must not bring the dead handle back.
    if (uMsg != WM_DESTROY && uMsg != WM_NCDESTROY) m_hWnd = hWnd;
    if (uMsg == WM_COMMAND) {
        if (m_bCommandLock) return 0;
        m_bCommandLock = 1;
    }
    if (m_bTrace && uMsg != WM_GETTEXT) TraceMessage(uMsg, wParam, lParam);
    if (!m_bGeometryApplied && m_hWnd && (!m_bToolbar || m_hToolbar) && (!m_bStatusBar || m_hStatusBar)) {
        m_bGeometryApplied = 1;
        if (m_bToolbar || m_bStatusBar) {
            UpdateGeometry();
            if (m_nStoredX != kNoPos) SetPos(m_nStoredX, m_nStoredY);
            if (Width(m_rcCreate) > 0)
                SetClientSize(Width(m_rcCreate) - m_nExtraWidth, Height(m_rcCreate) - m_nExtraHeight);
        }
    }
    if (m_hWnd) GetCursorPos(false, kMouseHeld | kMousePressed | kMouseReleased);

    switch (uMsg) {
    case WM_DESTROY:
        ForgetWindow();
        return 1;
    case WM_NCDESTROY:
        // The system's own clean-up must still run. The toolbar, a child,
        // is gone by now.
        ForgetWindow();
        ReleaseToolbarBitmaps();
        return 0;
    case WM_MOVE: {
        RECT rc;
        if (GetWindowRect(hWnd, &rc)) {
            m_nPosX = rc.left;
            m_nPosY = rc.top;
        }
        return 1;
    }
    case WM_SIZE:
        UpdateGeometry();
        if (m_hToolbar) SendMessageA(m_hToolbar, WM_SIZE, wParam, lParam);
        if (m_hStatusBar) {
            s32 nHeight = GetStatusBarHeight();
            SetWindowPos(m_hStatusBar, nullptr, 0, Height(m_rcClient) - nHeight, Width(m_rcView), nHeight,
                         SWP_NOZORDER);
            SendMessageA(m_hStatusBar, WM_SIZE, wParam, lParam);
        }
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        OnDraw();
        EndPaint(hWnd, &ps);
        return 1;
    }
    case WM_ACTIVATEAPP:
        return 1;
    case WM_GETMINMAXINFO:
        ApplyMinMax(reinterpret_cast<MINMAXINFO*>(lParam));
        return 1;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        m_bCommandLock = 0;
        return 1;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return 1;
    case WM_LBUTTONDOWN:
        OnLButtonDown(wParam, lParam);
        return 1;
    case WM_RBUTTONDOWN:
        OnRButtonDown(wParam, lParam);
        return 1;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(wParam, lParam);
        return 1;
    case WM_RBUTTONDBLCLK:
        OnRButtonDblClk(wParam, lParam);
        return 1;
    case WM_LBUTTONUP:
        OnLButtonUp(wParam, lParam);
        return 1;
    case WM_RBUTTONUP:
        OnRButtonUp(wParam, lParam);
        return 1;
    default:
        return 0;
    }
}

void cWndBase::TraceMessage(UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    ErrLogPrintf("%s | msg:%s | wp:%u(%u,%u) | lp:%d(%d,%d)", m_strTraceName.c_str(), WindowMessageName(uMsg).c_str(),
                 static_cast<unsigned>(wParam), HIWORD(wParam), LOWORD(wParam), static_cast<int>(lParam),
                 static_cast<short>(HIWORD(lParam)), static_cast<short>(LOWORD(lParam)));
}

void cWndBase::SetTrace(const std::string& strName, u32 bOn)
{
    m_strTraceName = strName;
    m_bTrace = bOn;
}

void cWndBase::SetStoredPos(s32 x, s32 y)
{
    m_nStoredX = x;
    m_nStoredY = y;
}

void cWndBase::ApplyMinMax(MINMAXINFO* lpInfo) const
{
    // A limit that was never set leaves the system's.
    const s32 nAddW = m_nBorderWidth + m_nExtraWidth, nAddH = m_nBorderHeight + m_nExtraHeight;
    if (Width(m_rcMinTrack) > 0 || Height(m_rcMinTrack) > 0) {
        lpInfo->ptMinTrackSize.x = Width(m_rcMinTrack) + nAddW;
        lpInfo->ptMinTrackSize.y = Height(m_rcMinTrack) + nAddH;
    }
    if (Width(m_rcMaxTrack) > 0 && Height(m_rcMaxTrack) > 0) {
        lpInfo->ptMaxTrackSize.x = Width(m_rcMaxTrack) + nAddW;
        lpInfo->ptMaxTrackSize.y = Height(m_rcMaxTrack) + nAddH;
    }
}

void cWndBase::Attach(u16 wResId, HWND hParent, cWndList* lpRegistry)
{
    m_wResId = wResId;
    m_hParent = hParent;
    m_lpRegistry = lpRegistry;
    m_hInstance = ProgramInstance();
}

void cWndBase::SetGeometry(s32 nWidth, s32 nHeight, s32 nMinWidth, s32 nMinHeight, s32 nMaxWidth, s32 nMaxHeight,
                           u32 dwStyle, u32 bMenu, u32 bToolbar, u32 bStatusBar, u32 dwOwnScroll)
{
    m_rcCreate = {0, 0, nWidth, nHeight};
    m_rcClient = m_rcCreate;
    m_rcMinTrack = {0, 0, nMinWidth, nMinHeight};
    m_rcMaxTrack = {0, 0, nMaxWidth, nMaxHeight};
    m_dwStyle = dwStyle;
    m_bMenu = bMenu;
    m_bToolbar = bToolbar;
    m_bStatusBar = bStatusBar;
    m_dwOwnScroll = dwOwnScroll;
    ComputeGeometry();
}

void cWndBase::ComputeGeometry()
{
    m_nLeft = m_nRight = m_nTop = m_nBottom = 0;
    m_nExtraWidth = m_nExtraHeight = 0;
    m_nScrollWidth = m_nScrollHeight = 0;
    m_nToolbarHeight = m_bToolbar ? GetToolbarHeight() : 0;
    m_nStatusHeight = m_bStatusBar ? GetStatusBarHeight() : 0;
    s32 nFrameY = 0;
    if (m_dwStyle & WS_CAPTION) m_nTop += GetSystemMetrics(SM_CYCAPTION);
    if (m_dwStyle & WS_THICKFRAME) {
        m_nLeft = m_nRight = GetSystemMetrics(SM_CXFRAME);
        nFrameY = GetSystemMetrics(SM_CYFRAME);
    } else if (m_dwStyle & WS_DLGFRAME) {
        m_nLeft = m_nRight = GetSystemMetrics(SM_CXDLGFRAME);
        nFrameY = GetSystemMetrics(SM_CYDLGFRAME);
    }
    m_nTop += nFrameY;
    m_nBottom += nFrameY;
    if (m_dwStyle & WS_HSCROLL) m_nBottom += GetSystemMetrics(SM_CYHSCROLL);
    if (m_dwOwnScroll & kOwnScrollH) m_nScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
    if (m_dwStyle & WS_VSCROLL) m_nRight += GetSystemMetrics(SM_CXVSCROLL);
    if (m_dwOwnScroll & kOwnScrollV) m_nScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    m_nExtraWidth = m_nScrollWidth;
    m_nExtraHeight = m_nScrollHeight + m_nStatusHeight + m_nToolbarHeight;
    if (m_bMenu) {
        RECT rcWnd, rcClient;
        if (m_dwMode != kModeModal && m_hWnd && GetWindowRect(m_hWnd, &rcWnd) && GetClientRect(m_hWnd, &rcClient))
            m_nTop += Height(rcWnd) - Height(rcClient) - GetSystemMetrics(SM_CYCAPTION) - 2 * nFrameY;
        else
            m_nTop += GetSystemMetrics(SM_CYMENU);
    }
    m_nBorderWidth = m_nLeft + m_nRight;
    m_nBorderHeight = m_nTop + m_nBottom;
    m_rcOuter = {0, 0, Width(m_rcClient) + m_nBorderWidth, Height(m_rcClient) + m_nBorderHeight};
    m_rcView = {0, m_nToolbarHeight, Width(m_rcClient) - m_nExtraWidth, m_nToolbarHeight + Height(m_rcClient) - m_nExtraHeight};
}

void cWndBase::UpdateGeometry()
{
    if (m_hWnd) {
        m_dwStyle = static_cast<u32>(GetWindowLongA(m_hWnd, GWL_STYLE));
        RECT rc;
        if (GetClientRect(m_hWnd, &rc)) m_rcClient = {0, 0, Width(rc), Height(rc)};
    }
    ComputeGeometry();
}

void cWndBase::GetPos(POINT& pt) const
{
    RECT rc = {};
    if (m_hWnd) GetWindowRect(m_hWnd, &rc);
    pt.x = rc.left;
    pt.y = rc.top;
}

void cWndBase::SetPos(s32 x, s32 y)
{
    m_nPosX = x;
    m_nPosY = y;
    if (!m_hWnd) return;
    UINT uFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (GetWndWidth() <= 0 || GetWndHeight() <= 0) uFlags |= SWP_NOSIZE;
    SetWindowPos(m_hWnd, nullptr, x, y, GetWndWidth(), GetWndHeight(), uFlags);
    UpdateGeometry();
}

void cWndBase::SetClientSize(s32 nWidth, s32 nHeight)
{
    m_rcClient = {0, 0, nWidth + m_nExtraWidth, nHeight + m_nExtraHeight};
    ComputeGeometry();
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, nullptr, 0, 0, GetWndWidth(), GetWndHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateGeometry();
}

void cWndBase::SetRect(s32 x, s32 y, s32 nWidth, s32 nHeight)
{
    m_rcClient = {0, 0, nWidth + m_nExtraWidth, nHeight + m_nExtraHeight};
    ComputeGeometry();
    m_nPosX = x;
    m_nPosY = y;
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, nullptr, x, y, GetWndWidth(), GetWndHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateGeometry();
}

void cWndBase::GetClientArea(RECT& rc) const
{
    if (m_hWnd) GetClientRect(m_hWnd, &rc);
}

void cWndBase::AddStyle(u32 dwBits)
{
    if (!m_hWnd) return;
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | static_cast<LONG>(dwBits));
    UpdateGeometry();
}

void cWndBase::RemoveStyle(u32 dwBits)
{
    if (!m_hWnd) return;
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~static_cast<LONG>(dwBits));
    UpdateGeometry();
}

void cWndBase::Show(bool bShow)
{
    if (m_hWnd) ShowWindow(m_hWnd, bShow ? SW_SHOW : SW_HIDE);
}

void cWndBase::Enable(bool bEnable)
{
    if (bEnable) RemoveStyle(WS_DISABLED);
    else AddStyle(WS_DISABLED);
}

bool cWndBase::GetCursorPos(bool bAnywhere, u8 byMask)
{
    POINT pt;
    if (!::GetCursorPos(&pt)) {
        ErrLog("GetCursorPos失敗！");
        return false;
    }
    if (!m_hWnd) return false;
    POINT ptClient = pt;
    ScreenToClient(m_hWnd, &ptClient);
    s32 x = ptClient.x - m_rcView.left, y = ptClient.y - m_rcView.top;
    bool bInside = x >= 0 && y >= 0 && x < Width(m_rcView) && y < Height(m_rcView);
    if (!bAnywhere && !bInside) return false;
    m_Mouse.nX = x;
    m_Mouse.nY = y;
    m_ptPopup = pt;
    UpdateMouseButtons(m_Mouse, byMask, IsKeyDownNow(VK_LBUTTON), IsKeyDownNow(VK_RBUTTON), SharedMouseLatches());
    if (m_Mouse.bRightReleased) m_bRightClick = 1;
    return true;
}

bool cWndBase::UpdateActive()
{
    if (!m_bInitialized || !m_hWnd) return false;
    HWND hActive = GetActiveWindow();
    bool bActive;
    if (m_dwMode == kModePage)
        bActive = m_hSheet && hActive == m_hSheet &&
                  reinterpret_cast<HWND>(SendMessageA(m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) == m_hWnd;
    else
        bActive = hActive == m_hWnd;
    if (!bActive || !m_bRightClick || m_Mouse.bLeftHeld) return false;
    m_bRightClick = 0;
    return true;
}

void cWndBase::PopupMenu(HMENU hMenu)
{
    if (m_hWnd && hMenu) TrackPopupMenu(hMenu, TPM_RIGHTBUTTON, m_ptPopup.x, m_ptPopup.y, 0, m_hWnd, nullptr);
}

void cWndBase::AddAccelerator(HWND hTarget, u16 wResId)
{
    HACCEL hAccel = LoadAcceleratorsA(m_hInstance ? m_hInstance : ProgramInstance(), MAKEINTRESOURCEA(wResId));
    m_Accels.emplace_back(hAccel, hTarget);
}

namespace {

void AddTool(HWND& hTooltip, HWND hOwner, HWND hToolbar, int nIndex, const char* lpTip)
{
    if (!lpTip) return;
    if (!hTooltip)
        hTooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, hOwner, nullptr, ProgramInstance(), nullptr);
    if (!hTooltip) return;
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = hToolbar;
    ti.uId = reinterpret_cast<UINT_PTR>(lpTip);
    SendMessageA(hToolbar, TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&ti.rect));
    ti.hinst = ProgramInstance();
    ti.lpszText = const_cast<char*>(lpTip);
    SendMessageA(hTooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

// Adds the buttons with their images counted from nFirstImage.
void AddButtons(HWND& hTooltip, HWND hOwner, HWND hToolbar, const cToolbarButton* lpButtons, int nCount,
                int nFirstImage, bool bSkipSeparators)
{
    SendMessageA(hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON tb = lpButtons[i].tb;
        if (!(bSkipSeparators && (tb.fsStyle & BTNS_SEP))) tb.iBitmap += nFirstImage;
        SendMessageA(hToolbar, TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&tb));
        int nIndex = static_cast<int>(SendMessageA(hToolbar, TB_BUTTONCOUNT, 0, 0)) - 1;
        AddTool(hTooltip, hOwner, hToolbar, nIndex, lpButtons[i].lpTip);
    }
}

}  // namespace

void cWndBase::AddToolbarButtons(const cToolbarButton* lpButtons, int nCount, u16 wBitmapId)
{
    if (!m_hToolbar || nCount <= 0) return;
    HBITMAP hBitmap = static_cast<HBITMAP>(LoadImageA(m_hInstance ? m_hInstance : ProgramInstance(),
                                                      MAKEINTRESOURCEA(wBitmapId), IMAGE_BITMAP, 16 * nCount, 15,
                                                      LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT));
    TBADDBITMAP ab = {nullptr, reinterpret_cast<UINT_PTR>(hBitmap)};
    int nFirst = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, static_cast<WPARAM>(nCount),
                                               reinterpret_cast<LPARAM>(&ab)));
    if (hBitmap) m_vToolbarBitmaps.push_back(hBitmap);
    AddButtons(m_hTooltip, m_hWnd, m_hToolbar, lpButtons, nCount, nFirst, false);
}

void cWndBase::AddToolbarButtonsFromFile(const cToolbarButton* lpButtons, int nCount, const char* lpPath)
{
    if (!m_hToolbar || nCount <= 0) return;
    HBITMAP hBitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, lpPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT));
    if (!hBitmap) ErrLogPrintf("%s が読み込めません", lpPath);
    TBADDBITMAP ab = {nullptr, reinterpret_cast<UINT_PTR>(hBitmap)};
    int nFirst = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, static_cast<WPARAM>(nCount),
                                               reinterpret_cast<LPARAM>(&ab)));
    if (hBitmap) m_vToolbarBitmaps.push_back(hBitmap);
    AddButtons(m_hTooltip, m_hWnd, m_hToolbar, lpButtons, nCount, nFirst, false);
}

void cWndBase::AddStdToolbarButtons(const cToolbarButton* lpButtons, int nCount)
{
    if (!m_hToolbar || nCount <= 0) return;
    TBADDBITMAP ab = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    int nFirst = static_cast<int>(SendMessageA(m_hToolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&ab)));
    AddButtons(m_hTooltip, m_hWnd, m_hToolbar, lpButtons, nCount, nFirst, true);
}

void cWndBase::DestroyWnd()
{
    if (!m_hWnd || m_dwMode == kModeModal) return;
    bool bListed = m_lpRegistry && m_lpRegistry->Contains(this);
    DestroyWindow(m_hWnd);
    if (!bListed) MesBox("ウインドウの破棄に失敗！");
}

s32 cWndBase::GetToolbarHeight() const
{
    RECT rc;
    return m_hToolbar && GetWindowRect(m_hToolbar, &rc) ? Height(rc) : 0;
}

s32 cWndBase::GetStatusBarHeight() const
{
    RECT rc;
    return m_hStatusBar && GetWindowRect(m_hStatusBar, &rc) ? Height(rc) : 0;
}

void cWndBase::PlaceInitially()
{
    if (!m_hWnd) return;
    RECT rcMe;
    GetWindowRect(m_hWnd, &rcMe);
    const s32 nWidth = Width(rcMe), nHeight = Height(rcMe);
    s32 x = 0, y = 0;
    if (m_lpAnchor && m_lpAnchor->GetHwnd()) {
        RECT rc;
        if (m_bCentre) {
            GetClientRect(m_lpAnchor->GetHwnd(), &rc);
            MapWindowPoints(m_lpAnchor->GetHwnd(), nullptr, reinterpret_cast<POINT*>(&rc), 2);
        } else {
            GetWindowRect(m_lpAnchor->GetHwnd(), &rc);
        }
        PlaceAt(rc, m_bCentre, nWidth, nHeight, x, y);
    } else if (m_lpPlacement && m_lpPlacement->GetHwnd()) {
        RECT rc;
        GetWindowRect(m_lpPlacement->GetHwnd(), &rc);
        PlaceAt(rc, m_bCentre, nWidth, nHeight, x, y);
    } else if (m_nStoredX != kNoPos) {
        x = m_nStoredX;
        y = m_nStoredY;
    } else {
        return;
    }
    KeepInWorkArea(x, y, nWidth, nHeight);
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_nPosX = x;
    m_nPosY = y;
}
