#include "framework/env_info_wait.h"

#include <new>

#include "app/fatal.h"
#include "app/log.h"
#include "data/project_paths.h"
#include "framework/wnd_list.h"

namespace {

constexpr u16 kIddEnvInfoWait = 285;
constexpr u16 kIdcPicture = 1006;

}  // namespace

cEnvInfoWaitDlg::cEnvInfoWaitDlg(cWndBase* lpOwner, cWndList* lpRegistry)
    : cDlgBase(kIddEnvInfoWait, lpOwner, kModePage, lpRegistry)
{
    SetGeometry(0, 0, 100, 100, 640, 480, 0, 0, 0, 0, 0);
    m_Picture.Set(kIdcPicture, 200, 20, -1, -1);
}

void cEnvInfoWaitDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    AddPicture(m_Picture);
    DataToCtrls();
    m_bInitialized = 1;
}

void cEnvInfoWaitDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    if (m_hWnd) SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT cEnvInfoWaitDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    DefaultProc(hWnd, uMsg, wParam, lParam);
    bool bHandled = true;
    if (uMsg == WM_CLOSE)
        Close(0);
    else if (uMsg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE))
        DataToCtrls();
    else
        bHandled = false;
    if (bHandled && m_bInitialized) OnDraw();
    return 0;
}

cEnvInfoWaitSheet::cEnvInfoWaitSheet(u32 dwMode, cWndBase* lpOwner, cWndList* lpRegistry, cWndGroup** lpOwnerField)
    : cWndGroup(dwMode, lpOwner, lpRegistry)
{
    if (lpRegistry) lpRegistry->AddGroup(this, lpOwnerField);
}

cEnvInfoWaitSheet::~cEnvInfoWaitSheet()
{
    CloseSheet();
    delete m_lpPage;
}

bool cEnvInfoWaitSheet::Measure()
{
    m_lpPage = new (std::nothrow) cEnvInfoWaitDlg(m_lpOwner, m_lpRegistry);
    if (!m_lpPage) {
        ReportOutOfMemory();
        return false;
    }
    AddPage(m_lpPage);
    // Measured on the template as it stands.
    g_SheetRate = cSheetRate();
    RECT rc = {};
    const bool bShown = Run();
    if (bShown) {
        // The panel has no title of its own.
        SetWindowTextA(m_hSheet, "");
        GetClientRect(m_hSheet, &rc);
    }
    const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    if (nWidth > 0) g_SheetRate.dX = static_cast<double>(kSheetRefWidth) / nWidth;
    if (nHeight > 0) g_SheetRate.dY = static_cast<double>(kSheetRefHeight) / nHeight;
    return bShown;
}

bool SettleSheetRate(cWndBase* lpOwner, cWndGroup** lpWaitField, cWndList* lpRegistry, cSheetSize& size)
{
    u32 dwMajor = 0, dwMinor = 0;
    GetOsName(nullptr, &dwMajor, &dwMinor);
    cFontInfo font;
    Host().GetIconTitleFont(font);
    const char* lpPath = g_strPath[kPathSheetSize];
    if (size.LoadFile(lpPath) && size.Fits(dwMajor, dwMinor, font)) {
        g_SheetRate.dX = size.m_dRateX;
        g_SheetRate.dY = size.m_dRateY;
        LogPrintf("Sheet Rate : OK");
        return true;
    }

    delete *lpWaitField;
    *lpWaitField = nullptr;
    cEnvInfoWaitSheet* lpPanel = new (std::nothrow) cEnvInfoWaitSheet(1, lpOwner, lpRegistry, lpWaitField);
    if (!lpPanel) {
        ReportOutOfMemory();
        return false;
    }
    *lpWaitField = lpPanel;
    if (lpPanel->Measure()) {
        SendMessageA(lpPanel->GetSheetHwnd(), WM_CLOSE, 0, 0);
    } else {
        // No sheet to close: nothing would ever delete the panel.
        delete lpPanel;
        *lpWaitField = nullptr;
    }
    size.Remember(g_SheetRate.dX, g_SheetRate.dY, dwMajor, dwMinor, font);
    size.SaveFile(lpPath);
    return false;
}
