#include "command_editor/cmd_palette.h"

#include <new>

#include "app/fatal.h"
#include "app/host.h"
#include "flow/cmd_kinds.h"
#include "flow/ed_flow.h"
#include "framework/wnd_list.h"

cCmdPaletteBase::cCmdPaletteBase(u16 wDlgId, u32 nSet, cWndBase* lpParent, const cCmdEditCtx& ctx, u32 bCentre)
    : cDlgBase(wDlgId, lpParent, kModeModal, &g_WndList, ctx.m_lpAnchor, bCentre),
      m_nSet(nSet),
      m_Ctx(ctx),
      m_Buttons(kPaletteRows),
      m_Plains(kPaletteButtons)
{
    const u32 nKinds = PaletteKindCount(nSet);
    m_Buttons[0].Set(0, 0, nullptr, 0, 0);
    for (u32 k = 1; k < kPaletteRows; ++k) {
        if (k <= nKinds) m_Buttons[k].Set(PaletteButtonId(k), CmdDialogId(nSet, k), &m_lpOpenDlg, 0, 1);
        else m_Buttons[k].Set(PaletteButtonId(k), 0, nullptr, 0, 0);
    }
    for (u32 i = 0; i < kPaletteButtons; ++i) m_Plains[i].SetId(m_Buttons[i + 1].m_wButtonId);
}

cCmdPaletteBase::~cCmdPaletteBase() = default;

void cCmdPaletteBase::Refuse()
{
    Host().Beep();
    m_bDone = 1;
    Close(0);
}

void cCmdPaletteBase::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    if (HWND hPicture = GetDlgItem(m_hWnd, kIdPicture)) ShowWindow(hPicture, SW_HIDE);
    CreateCtrls(m_Plains);
    const cCmdKindTable& kinds = GetCmdKindTable(m_nSet);
    for (u32 i = 0; i < kPaletteButtons; ++i) {
        const cCmdButton& button = m_Buttons[i + 1];
        if (button.m_bHasCommand) m_Plains[i].SetTextStr(kinds.At(i + 1).m_lpName);
        else m_Plains[i].Show(FALSE);
    }
    DataToCtrls();
    if (!m_Ctx.m_bNew) {
        // An existing command opens its own kind's dialog; a kind the
        // palette has no button for changes nothing.
        const u32 nKind = m_Ctx.m_pCmd ? m_Ctx.m_pCmd->m_nKind : 0;
        if (nKind > 0 && nKind < kPaletteRows && m_Buttons[nKind].m_bHasCommand) {
            const u16 wButton = m_Buttons[nKind].m_wButtonId;
            SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(wButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(m_hWnd, wButton)));
        } else {
            Refuse();
        }
    }
    m_bInitialized = 1;
}

void cCmdPaletteBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    if (m_bDone || !m_Ctx.m_pCmd) return;
    const u16 wId = LOWORD(wParam);
    for (u32 k = 1; k < kPaletteRows; ++k) {
        const cCmdButton& button = m_Buttons[k];
        if (!button.m_wButtonId || !button.m_wDlgId || button.m_wButtonId != wId) continue;
        if (!FindCmdDialog(m_nSet, k)) {
            Refuse();
            return;
        }
        m_Ctx.m_pCmd->m_nSet = static_cast<u8>(m_nSet);
        m_Ctx.m_pCmd->m_nKind = static_cast<u8>(k);
        const int nResult = RunCommandDialog(this, m_Ctx, button.m_lpSlot);
        m_bDone = 1;
        RefreshParentLists();
        Close(nResult);
        return;
    }
}

LRESULT cCmdPaletteBase::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) {
        m_bDone = 1;
        Close(0);
        RefreshParentLists();
        return 1;
    }
    return lResult ? 1 : 0;
}

void cCmdPaletteDlg::RefreshParentLists()
{
    if (m_Ctx.m_lpHost) m_Ctx.m_lpHost->RedrawLists();
    else DebugMesBox("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u", 0u);
}

int RunCommandPalette(u32 nSet, const cCmdEditCtx& ctx, u32 bCentre)
{
    cWndBase* lpOwner = ctx.m_lpHost ? ctx.m_lpHost->HostWnd() : nullptr;
    cCmdPaletteBase* lpPalette = nSet == 0 ? static_cast<cCmdPaletteBase*>(new (std::nothrow)
                                                                                 cCmdPaletteDlg(lpOwner, ctx, bCentre))
                                           : new (std::nothrow) cItemCmdPaletteDlg(lpOwner, ctx, bCentre);
    if (!lpPalette) {
        ReportOutOfMemory();
        return 0;
    }
    const int nResult = lpPalette->DoModal(0);
    delete lpPalette;
    return nResult;
}
