#pragma once
// The graphic picker (dialog 276 "グラフィック"): one composed sheet of 8 x 15
// cells of 32 x 32 pixels with the cell under the mouse outlined; a click
// gives back the cell's number (15 per column, down each column first).
#include "app/types.h"
#include "controls/ctrl_picture.h"
#include "framework/dlg_base.h"

class cGraphicPickerDlg : public cDlgBase {
public:
    static constexpr u16 kDlgId = 276;
    static constexpr u16 kIdPicture = 1006;

    cGraphicPickerDlg(u16* lpTarget, s32 nSheet, cWndBase* lpParent, cCtrl* lpOwnerCtrl);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnDraw() override;

    s32 CurrentCell() const { return m_nCell; }

private:
    s32 CellUnderMouse() const;

    u16* m_lpTarget;
    s32 m_nSheet;
    s32 m_nCell = 0;
    s32 m_nDrawnCell = -1;
    u32 m_bClosing = 0;
};

// Runs the picker on a sheet (0 block, 1 chara, 2 item, 3 shot, 4 mark): 1
// when a cell was picked (the target then holds its number), 0 when the
// picker was closed (the target unchanged).
int RunGraphicPicker(u16* lpTarget, s32 nSheet, cWndBase* lpParent, cCtrl* lpOwnerCtrl);
// The same with the sheet of an entry's graphic kind; kind 4 (専用bmp) opens
// nothing and gives 0.
int OpenGraphicPicker(u16* lpTarget, s32 nKind, cWndBase* lpParent, cCtrl* lpOwnerCtrl);
