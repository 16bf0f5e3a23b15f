#include "entry_editors/graphic_picker.h"

#include <new>

#include "app/fatal.h"
#include "app/picker_rules.h"
#include "framework/bitmap_slots.h"
#include "framework/wnd_list.h"

cGraphicPickerDlg::cGraphicPickerDlg(u16* lpTarget, s32 nSheet, cWndBase* lpParent, cCtrl* lpOwnerCtrl)
    : cDlgBase(kDlgId, lpParent, kModeModal, &g_WndList, lpOwnerCtrl, 1), m_lpTarget(lpTarget), m_nSheet(nSheet)
{
    m_Picture.Set(kIdPicture, kPickerWidth, kPickerHeight, 0, 0);
}

void cGraphicPickerDlg::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    SetClientSize(kPickerWidth, kPickerHeight);
    AddPicture(m_Picture);
    DataToCtrls();
    m_bInitialized = 1;
}

void cGraphicPickerDlg::OnDraw()
{
    // Nothing once the picker closes: its controls are gone.
    if (m_bClosing || !m_Picture.GetHwnd() || !m_Picture.GetBack().GetDC()) return;
    cSurface& back = m_Picture.GetBack();
    back.Fill(RGB(0, 0, 0));
    if (m_nSheet >= 0 && m_nSheet < kSheetCount) {
        const cSurface& sheet = g_aBitmap[kSlotBlockSheet + m_nSheet];
        if (sheet.GetDC()) back.Blt(0, 0, sheet.GetWidth(), sheet.GetHeight(), sheet, 0, 0, 0);
    }
    m_nCell = CellUnderMouse();
    m_nDrawnCell = m_nCell;
    if (back.SetPen(PS_SOLID, 2, RGB(255, 255, 255))) {
        back.DrawRect(PickerCellX(m_nCell), PickerCellY(m_nCell), kPickerCell, kPickerCell);
        back.ReleasePen();
    }
    m_Picture.Present();
}

s32 cGraphicPickerDlg::CellUnderMouse() const
{
    const cMouseBlock& mouse = GetMouse();
    if (mouse.nX >= 0 && mouse.nY >= 0 && mouse.nX < kPickerWidth && mouse.nY < kPickerHeight)
        return PickerCellAt(mouse.nX, mouse.nY);
    return m_nCell;
}

LRESULT cGraphicPickerDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    // The outline follows the mouse on every message; the sheet is drawn
    // again only when the cell under it changed (a paint draws it anyway).
    if (uMsg != WM_PAINT && CellUnderMouse() != m_nDrawnCell) OnDraw();
    switch (uMsg) {
    case WM_LBUTTONDOWN: {
        if (m_bClosing) return 1;
        // The cell under the click itself.
        const s32 x = static_cast<s16>(LOWORD(lParam)) - GetView().left;
        const s32 y = static_cast<s16>(HIWORD(lParam)) - GetView().top;
        if (x >= 0 && y >= 0 && x < kPickerWidth && y < kPickerHeight) m_nCell = PickerCellAt(x, y);
        if (m_lpTarget) *m_lpTarget = static_cast<u16>(m_nCell);
        m_bClosing = 1;
        Close(1);
        return 1;
    }
    case WM_CLOSE:
        m_bClosing = 1;
        Close(0);
        return 1;
    default:
        return lResult ? 1 : 0;
    }
}

int RunGraphicPicker(u16* lpTarget, s32 nSheet, cWndBase* lpParent, cCtrl* lpOwnerCtrl)
{
    return RunModalDlg<cGraphicPickerDlg>(lpTarget, nSheet, lpParent, lpOwnerCtrl);
}

int OpenGraphicPicker(u16* lpTarget, s32 nKind, cWndBase* lpParent, cCtrl* lpOwnerCtrl)
{
    const s32 nSheet = PickerSheetForKind(nKind);
    if (nSheet < 0) return 0;
    return RunGraphicPicker(lpTarget, nSheet, lpParent, lpOwnerCtrl);
}
