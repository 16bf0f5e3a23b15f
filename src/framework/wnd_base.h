#pragma once
// The base of every window object: binds one object to one window, keeps the
// window's geometry, turns mouse and command messages into virtual
// operations, keeps the window's accelerator tables and offers small
// operations to show, enable, restyle, move and resize it.
#include <windows.h>
#include <commctrl.h>

#include <list>
#include <string>
#include <vector>

#include "app/types.h"
#include "app/window_rules.h"
#include "framework/surface.h"

class cCtrl;
class cWndList;

// What a window object is.
enum : u32 {
    kModeModal = 0,   // modal dialog
    kModeWindow = 1,  // ordinary window or modeless dialog
    kModePage = 2,    // page of a property sheet
};

// Own scroll bars (drawn by the dialog itself, not the window's standard ones).
enum : u32 {
    kOwnScrollH = 1,
    kOwnScrollV = 2,
};

// No stored position.
constexpr s32 kNoPos = -1000;

// A toolbar button with the text of its tooltip.
struct cToolbarButton {
    TBBUTTON tb;
    const char* lpTip;
};

// The asynchronous key state as the mouse update reads it; tests put in
// their own.
typedef bool (*tKeyDownReader)(int nVirtualKey);
void SetKeyDownReader(tKeyDownReader lpReader);
bool IsKeyDownNow(int nVirtualKey);

// The program instance that resources are loaded from.
HINSTANCE ProgramInstance();
void SetProgramInstance(HINSTANCE hInstance);

class cWndBase {
public:
    cWndBase();
    // Placed at the anchor window (centred on it with bCentre).
    cWndBase(cWndBase* lpAnchor, u32 bCentre);
    // Placed at the control (centred on it with bCentre).
    cWndBase(cCtrl* lpPlacement, u32 bCentre);
    virtual ~cWndBase();
    cWndBase(const cWndBase&) = delete;
    cWndBase& operator=(const cWndBase&) = delete;

    virtual void OnFrame() {}
    virtual void OnCommand(WPARAM, LPARAM) {}
    virtual void OnMouseMove(WPARAM, LPARAM) {}
    virtual void OnLButtonDown(WPARAM, LPARAM) {}
    virtual void OnRButtonDown(WPARAM, LPARAM) {}
    virtual void OnLButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnRButtonDblClk(WPARAM, LPARAM) {}
    virtual void OnLButtonUp(WPARAM, LPARAM) {}
    virtual void OnRButtonUp(WPARAM, LPARAM) {}
    virtual LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // The framework's processing; nonzero when it handled the message.
    virtual LRESULT DefaultProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void Refresh() {}
    virtual void OnDraw() {}

    void Attach(u16 wResId, HWND hParent, cWndList* lpRegistry);
    void SetGeometry(s32 nWidth, s32 nHeight, s32 nMinWidth, s32 nMinHeight, s32 nMaxWidth, s32 nMaxHeight,
                     u32 dwStyle, u32 bMenu, u32 bToolbar, u32 bStatusBar, u32 dwOwnScroll);
    s32 GetWndWidth() const { return m_rcOuter.right; }
    s32 GetWndHeight() const { return m_rcOuter.bottom; }
    void GetPos(POINT& pt) const;
    void SetPos(s32 x, s32 y);
    void SetClientSize(s32 nWidth, s32 nHeight);
    void SetRect(s32 x, s32 y, s32 nWidth, s32 nHeight);
    void GetClientArea(RECT& rc) const;
    void AddStyle(u32 dwBits);
    void RemoveStyle(u32 dwBits);
    void Show(bool bShow);
    void Enable(bool bEnable);
    // The cursor in view coordinates; false (nothing stored) when it lies
    // outside the view unless bAnywhere.
    bool GetCursorPos(bool bAnywhere, u8 byMask);
    // True once after a right click was completed over the window while it
    // was the active window (a page: the sheet's current page); the cursor
    // position of that moment is kept for PopupMenu.
    bool UpdateActive();
    void PopupMenu(HMENU hMenu);
    void AddAccelerator(HWND hTarget, u16 wResId);
    void AddToolbarButtons(const cToolbarButton* lpButtons, int nCount, u16 wBitmapId);
    // The same with the images from a bitmap file of 16 x 15 pixel images.
    void AddToolbarButtonsFromFile(const cToolbarButton* lpButtons, int nCount, const char* lpPath);
    void AddStdToolbarButtons(const cToolbarButton* lpButtons, int nCount);
    // Closes a modeless window and takes it out of the registry.
    void DestroyWnd();
    s32 GetToolbarHeight() const;
    s32 GetStatusBarHeight() const;
    void SetTrace(const std::string& strName, u32 bOn);
    void SetStoredPos(s32 x, s32 y);

    HWND GetHwnd() const { return m_hWnd; }
    HINSTANCE GetInstance() const { return m_hInstance; }
    u32 GetMode() const { return m_dwMode; }
    u16 GetResId() const { return m_wResId; }
    HWND GetParentHwnd() const { return m_hParent; }
    HWND GetSheetHwnd() const { return m_hSheet; }
    void SetSheetHwnd(HWND hSheet) { m_hSheet = hSheet; }
    cWndList* GetRegistry() const { return m_lpRegistry; }
    bool IsInitialized() const { return m_bInitialized != 0; }
    const RECT& GetView() const { return m_rcView; }
    const cMouseBlock& GetMouse() const { return m_Mouse; }
    POINT GetPopupPos() const { return m_ptPopup; }
    const std::list<std::pair<HACCEL, HWND>>& GetAccelerators() const { return m_Accels; }
    cSurface& GetSurface(int n) { return m_Surface[n & 1]; }

    // Called by the registry when it lists or unlists the object.
    void SetRegKey(cWndBase* lpKey) { m_lpRegKey = lpKey; }
    cWndBase* GetRegKey() const { return m_lpRegKey; }

protected:
    // Non-client sizes and the view from the client size and the style.
    void ComputeGeometry();
    // Re-reads the window's style and client size, then ComputeGeometry.
    void UpdateGeometry();
    // The first placement of a dialog, kept inside the work area.
    void PlaceInitially();
    void ForgetWindow();
    void Deregister();
    // The toolbar's bitmaps, which it draws from until it is destroyed.
    void ReleaseToolbarBitmaps();
    // One traced message to the error log.
    void TraceMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void ApplyMinMax(MINMAXINFO* lpInfo) const;

    u32 m_dwMode = kModeWindow;
    HWND m_hWnd = nullptr;
    HINSTANCE m_hInstance = nullptr;
    u16 m_wResId = 0;
    HWND m_hParent = nullptr;
    HWND m_hSheet = nullptr;
    WNDPROC m_lpProc = nullptr;
    cWndBase* m_lpRegKey = nullptr;
    cWndList* m_lpRegistry = nullptr;
    cSurface m_Surface[2];
    s32 m_nPosX = 0;
    s32 m_nPosY = 0;
    RECT m_rcView = {};
    cMouseBlock m_Mouse;
    cMouseBlock m_PrevMouse;
    POINT m_ptPopup = {};
    u32 m_bActivatePending = 0;
    u32 m_bRightClick = 0;  // a right click completed in the view, not yet reported
    RECT m_rcCreate = {};
    RECT m_rcClient = {};
    RECT m_rcMinTrack = {};
    RECT m_rcMaxTrack = {};
    RECT m_rcOuter = {};
    u32 m_dwStyle = 0;
    u32 m_bMenu = 0;
    u32 m_bToolbar = 0;
    u32 m_bStatusBar = 0;
    u32 m_dwOwnScroll = 0;
    HWND m_hToolbar = nullptr;
    std::vector<HBITMAP> m_vToolbarBitmaps;
    HWND m_hStatusBar = nullptr;
    HWND m_hTooltip = nullptr;
    // Non-client sizes.
    s32 m_nBorderWidth = 0;   // left plus right
    s32 m_nBorderHeight = 0;  // top plus bottom
    s32 m_nLeft = 0;
    s32 m_nRight = 0;
    s32 m_nTop = 0;  // caption, frame and menu
    s32 m_nBottom = 0;
    s32 m_nExtraWidth = 0;  // own scroll bars, toolbar and status bar
    s32 m_nExtraHeight = 0;
    s32 m_nScrollWidth = 0;
    s32 m_nScrollHeight = 0;
    s32 m_nToolbarHeight = 0;
    s32 m_nStatusHeight = 0;
    std::list<std::pair<HACCEL, HWND>> m_Accels;
    u32 m_bInitialized = 0;
    u32 m_bGeometryApplied = 0;
    u32 m_bCommandLock = 0;
    std::string m_strTraceName;
    u32 m_bTrace = 0;
    s32 m_nStoredX = kNoPos;
    s32 m_nStoredY = kNoPos;
    cCtrl* m_lpPlacement = nullptr;
    cWndBase* m_lpAnchor = nullptr;
    u32 m_bCentre = 0;
};

// The name of a window message for traces, or its number in decimal.
std::string WindowMessageName(UINT uMsg);
