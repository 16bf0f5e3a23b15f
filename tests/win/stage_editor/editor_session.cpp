#include "editor_session.h"

#include "stage_editor/engine/view_rules.h"
#include "support/win32/win_test.h"

namespace {

constexpr int kCell = 32;

}  // namespace

bool cEditorSession::Start(const std::string& strFolder, const std::string& strTitle)
{
    return m_Editor.Start(strFolder) && Attach(strTitle);
}

bool cEditorSession::Attach(const std::string& strTitle)
{
    // The old window may still be there for a moment.
    const HWND hOld = m_hStage;
    m_hStage = nullptr;
    const DWORD dwStart = GetTickCount();
    while (!m_hStage && GetTickCount() - dwStart < 20000) {
        const HWND hFound = m_Editor.WaitForWindow("#32770", strTitle.c_str(), 200);
        if (hFound && hFound != hOld) m_hStage = hFound;
        else Sleep(20);
    }
    if (!m_hStage) return false;
    m_hView = GetDlgItem(m_hStage, 1006);
    m_hToolbar = GetDlgItem(m_hStage, 124);
    SetForegroundWindow(m_hStage);
    Settle();
    return m_hView && m_hToolbar;
}

void cEditorSession::Settle()
{
    // Each round trip passes the editor's message loop once more, after the
    // input queued before it.
    for (int i = 0; i < 4; ++i) {
        DWORD_PTR dwResult = 0;
        SendMessageTimeoutA(m_hStage, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult);
        Sleep(15);
    }
}

s32 cEditorSession::ScrollPos(bool bVertical) const
{
    return GetScrollPos(GetDlgItem(m_hStage, bVertical ? 1009 : 1008), SB_CTL);
}

POINT cEditorSession::CellPoint(s32 x, s32 y) const
{
    RECT rc = {};
    GetWindowRect(m_hView, &rc);
    return {rc.left + (x - ScrollPos(false)) * kCell + kCell / 2, rc.top + (y - ScrollPos(true)) * kCell + kCell / 2};
}

void cEditorSession::MoveTo(POINT pt)
{
    SetCursorPos(pt.x, pt.y);
    Settle();
}

// Shift goes down after the last move: under Wine, moving the X pointer
// brings the modifier keys back to the X server's own state.
void cEditorSession::Click(s32 x, s32 y, bool bShift)
{
    MoveTo(CellPoint(x, y));
    if (bShift) SendKey(VK_SHIFT, false);
    Settle();
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
    if (bShift) SendKey(VK_SHIFT, true);
    Settle();
}

void cEditorSession::Drag(s32 x0, s32 y0, s32 x1, s32 y1, bool bRight, bool bShift)
{
    MoveTo(CellPoint(x0, y0));
    SendMouse(bRight ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    Settle();
    MoveTo(CellPoint(x1, y1));
    if (bShift) SendKey(VK_SHIFT, false);
    Settle();
    SendMouse(bRight ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    Settle();
    if (bShift) SendKey(VK_SHIFT, true);
    Settle();
}

void cEditorSession::PickWithKey(s32 x0, s32 y0, s32 x1, s32 y1, WORD vk)
{
    MoveTo(CellPoint(x0, y0));
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    Settle();
    MoveTo(CellPoint(x1, y1));
    Keys({vk});
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Settle();
}

void cEditorSession::ClickToolbar(u16 wCommand)
{
    // The button's rectangle is written into the editor's own memory.
    const int nIndex = static_cast<int>(SendMessageA(m_hToolbar, TB_COMMANDTOINDEX, wCommand, 0));
    HANDLE hProcess = m_Editor.ProcessHandle();
    void* lpRemote = VirtualAllocEx(hProcess, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    RECT rc = {};
    if (lpRemote) {
        SendMessageA(m_hToolbar, TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRemote));
        ReadProcessMemory(hProcess, lpRemote, &rc, sizeof rc, nullptr);
        VirtualFreeEx(hProcess, lpRemote, 0, MEM_RELEASE);
    }
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ClientToScreen(m_hToolbar, &pt);
    ClickAt(pt);
}

void cEditorSession::ClickAt(POINT pt)
{
    MoveTo(pt);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
}

POINT cEditorSession::PaletteIcon(HWND hPalette, s32 nIndex)
{
    RECT rc = {};
    GetWindowRect(GetDlgItem(hPalette, 1006), &rc);
    const s32 nRow = nIndex / 8 - GetScrollPos(GetDlgItem(hPalette, 1009), SB_CTL);
    return {rc.left + (nIndex % 8) * kCell + kCell / 2, rc.top + nRow * kCell + kCell / 2};
}

void cEditorSession::Keys(std::initializer_list<WORD> keys)
{
    for (WORD vk : keys) {
        SendKey(vk, false);
        Settle();
    }
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) SendKey(*it, true);
    Settle();
}

void cEditorSession::Menu(std::initializer_list<WORD> keys)
{
    RECT rc = {};
    GetWindowRect(m_hStage, &rc);
    MoveTo({rc.right - 4, rc.bottom - 4});
    // Alt alone selects the menu bar; the arrows go to the menu and open
    // it; the items' keys choose from there.
    Keys({VK_MENU});
    for (auto it = keys.begin(); it != keys.end(); ++it) Keys({*it});
}

void cEditorSession::Wheel(int nNotches, bool bCtrl)
{
    MoveTo(CellPoint(ScrollPos(false) + 5, ScrollPos(true) + 5));
    if (bCtrl) SendKey(VK_CONTROL, false);
    Settle();
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(nNotches * WHEEL_DELTA);
    SendInput(1, &in, sizeof in);
    Settle();
    if (bCtrl) SendKey(VK_CONTROL, true);
    Settle();
}

LRESULT cEditorSession::ButtonState(u16 wId) const { return SendMessageA(m_hToolbar, TB_GETSTATE, wId, 0); }

void cMirror::Begin()
{
    m_State.Init();
    m_State.m_bHasPath = 1;
    m_State.ResizeUndo(g_Stage, s64(1) << 40);
    const cCellPos player = g_Stage.FindPlayer();
    const cCellPoint origin = player.IsValid() ? StartOrigin(player, g_Stage.m_dwWidth, g_Stage.m_dwHeight) : cCellPoint{0, 0};
    m_View = {origin.nX, origin.nY, 640, 480};
}

void cMirror::Send(eMouseMsg eMsg, s32 x, s32 y, bool bLeft, bool bShift)
{
    cMouseInput in;
    in.eMsg = eMsg;
    in.nX = (x - m_View.nScrollX) * kCell + kCell / 2;
    in.nY = (y - m_View.nScrollY) * kCell + kCell / 2;
    in.bLeftHeld = bLeft;
    in.bShift = bShift;
    m_Tools.OnMouse(in, m_View);
}

void cMirror::Click(s32 x, s32 y, bool bShift)
{
    Send(eMouseMsg::Move, x, y, false, bShift);
    Send(eMouseMsg::LDown, x, y, true, bShift);
    Send(eMouseMsg::LUp, x, y, false, bShift);
}

void cMirror::Drag(s32 x0, s32 y0, s32 x1, s32 y1, bool bRight, bool bShift)
{
    Send(eMouseMsg::Move, x0, y0, false, bShift);
    Send(bRight ? eMouseMsg::RDown : eMouseMsg::LDown, x0, y0, !bRight, bShift);
    Send(eMouseMsg::Move, x1, y1, !bRight, bShift);
    Send(bRight ? eMouseMsg::RUp : eMouseMsg::LUp, x1, y1, false, bShift);
}

void cMirror::PickWithKey(s32 x0, s32 y0, s32 x1, s32 y1, WORD vk)
{
    Send(eMouseMsg::Move, x0, y0, false, false);
    Send(eMouseMsg::RDown, x0, y0, false, false);
    Send(eMouseMsg::Move, x1, y1, false, false);
    m_Tools.OnPickKey(vk, false);
    Send(eMouseMsg::RUp, x1, y1, false, false);
}
