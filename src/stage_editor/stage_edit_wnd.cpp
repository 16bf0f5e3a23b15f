#include "stage_editor/stage_edit_wnd.h"

#include "database_editor/database_dlg.h"
#include "framework/bitmap_slots.h"

namespace {

// The view of the stand-in window: the first ten rows of the block sheet and
// of the chara sheet as the project loaded them.
void DrawSheets(const DRAWITEMSTRUCT& item)
{
    FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int nSheets[] = {kSlotBlockSheet, kSlotCharaSheet};
    for (int i = 0; i < 2; ++i) {
        const cSurface& sheet = g_aBitmap[nSheets[i]];
        if (sheet.GetDC()) BitBlt(item.hDC, 8 + i * 272, 8, 256, 320, sheet.GetDC(), 0, 0, SRCCOPY);
    }
}

}  // namespace

cStageEditWnd::cStageEditWnd(cWndBase* lpParent, cWndList* lpRegistry)
    : cDlgBase(kIddStageEdit, lpParent, kModeWindow, lpRegistry)
{
}

LRESULT cStageEditWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_DRAWITEM && wParam == kIdcView) {
        DrawSheets(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    // Closing the editor's window closes the editor (the quit question
    // follows).
    if (uMsg == WM_CLOSE) {
        cWndBase* lpTop = GetParentObject();
        if (lpTop && lpTop->GetHwnd()) PostMessageA(lpTop->GetHwnd(), WM_CLOSE, 0, 0);
        return TRUE;
    }
    return lResult;
}

void cStageEditWnd::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    m_bInitialized = 1;
}

void cStageEditWnd::ShowWindows()
{
    Show(true);
    for (cPaletteWnd* lpPalette : m_lpPalette)
        if (lpPalette) lpPalette->Show(true);
}

void cStageEditWnd::HideWindows()
{
    Show(false);
    for (cPaletteWnd* lpPalette : m_lpPalette)
        if (lpPalette) lpPalette->Show(false);
}

void cStageEditWnd::MinimizeAll()
{
    m_bMinimized = 1;
    HideWindows();
    // The top-level window that owns this one goes down with it.
    cWndBase* lpTop = GetParentObject();
    if (lpTop && lpTop->GetHwnd()) ShowWindow(lpTop->GetHwnd(), SW_MINIMIZE);
}

cDatabaseDlg* cStageEditWnd::DatabaseWnd() const { return static_cast<cDatabaseDlg*>(m_lpDatabaseWnd); }
