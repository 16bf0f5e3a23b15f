#include "controls/ctrl_list.h"

#include "app/fatal.h"
#include "framework/dlg_base.h"
#include "framework/wnd_list.h"

namespace {

const char* const kListProp = "CTRL_LIST_CLASS";

tCondEntryFactory& CondEntryFactory()
{
    static tCondEntryFactory s_Factory;
    return s_Factory;
}

}  // namespace

void SetCondEntryFactory(tCondEntryFactory factory) { CondEntryFactory() = std::move(factory); }

cCtrlListBase::~cCtrlListBase()
{
    if (m_hWnd && IsWindow(m_hWnd) && GetPropA(m_hWnd, kListProp) == static_cast<cCtrl*>(this)) ReleaseMenu();
    Unsubclass(kListProp);
}

void cCtrlListBase::AttachBox(cDlgBase* lpOwner, u16 wId)
{
    cCtrl::Attach(lpOwner, wId);
    // Rows keep the vector's order.
    cCtrl::RemoveStyle(LBS_SORT);
    Subclass(kListProp, SubclassProc);
    Sel().BindBox(this);
}

LRESULT CALLBACK cCtrlListBase::SubclassProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    cCtrl* lpCtrl = static_cast<cCtrl*>(GetPropA(hWnd, kListProp));
    cCtrlListBase* lpList = static_cast<cCtrlListBase*>(lpCtrl);
    if (!lpList || !lpList->m_lpSavedProc) return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_DESTROY) {
        lpList->ReleaseMenu();
        WNDPROC lpProc = lpList->EndSubclass(hWnd, kListProp);
        return CallWindowProcA(lpProc, hWnd, uMsg, wParam, lParam);
    }
    const LRESULT lResult = CallWindowProcA(lpList->m_lpSavedProc, hWnd, uMsg, wParam, lParam);
    // The first visible row stays where the user scrolled it across refills.
    if (uMsg == WM_VSCROLL || uMsg == WM_MOUSEWHEEL)
        lpList->Sel().SetTopIndex(static_cast<int>(CallWindowProcA(lpList->m_lpSavedProc, hWnd, LB_GETTOPINDEX, 0, 0)));
    return lResult;
}

LRESULT cCtrlListBase::Send(UINT uMsg, WPARAM wParam, LPARAM lParam) const
{
    return m_hWnd ? SendMessageA(m_hWnd, uMsg, wParam, lParam) : LB_ERR;
}

int cCtrlListBase::LbGetCount()
{
    const LRESULT n = Send(LB_GETCOUNT, 0, 0);
    return n < 0 ? 0 : static_cast<int>(n);
}
void cCtrlListBase::LbResetContent() { Send(LB_RESETCONTENT, 0, 0); }
void cCtrlListBase::LbAddString(const std::string& str)
{
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(str.c_str()));
}
int cCtrlListBase::LbGetCurSel() { return static_cast<int>(Send(LB_GETCURSEL, 0, 0)); }
int cCtrlListBase::LbSetCurSel(int nRow) { return static_cast<int>(Send(LB_SETCURSEL, static_cast<WPARAM>(nRow), 0)); }
bool cCtrlListBase::LbGetSel(int nRow) { return Send(LB_GETSEL, static_cast<WPARAM>(nRow), 0) > 0; }
int cCtrlListBase::LbSetSel(bool bSelect, int nRow)
{
    return static_cast<int>(Send(LB_SETSEL, bSelect ? TRUE : FALSE, static_cast<LPARAM>(nRow)));
}
int cCtrlListBase::LbGetCaretIndex() { return static_cast<int>(Send(LB_GETCARETINDEX, 0, 0)); }
void cCtrlListBase::LbSetCaretIndex(int nRow) { Send(LB_SETCARETINDEX, static_cast<WPARAM>(nRow), FALSE); }
int cCtrlListBase::LbGetAnchorIndex() { return static_cast<int>(Send(LB_GETANCHORINDEX, 0, 0)); }
void cCtrlListBase::LbSetAnchorIndex(int nRow) { Send(LB_SETANCHORINDEX, static_cast<WPARAM>(nRow), 0); }
int cCtrlListBase::LbGetTopIndex() { return static_cast<int>(Send(LB_GETTOPINDEX, 0, 0)); }
void cCtrlListBase::LbSetTopIndex(int nRow) { Send(LB_SETTOPINDEX, static_cast<WPARAM>(nRow), 0); }
void cCtrlListBase::LbRedraw()
{
    if (!m_hWnd) return;
    Send(WM_SETREDRAW, TRUE, 0);
    m_bDrawingOff = 0;
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

// A list box that draws while it is filled updates its scroll bar and
// repaints for every row it gets.
void cCtrlListBase::LbBeginFill()
{
    m_bFillStopped = m_hWnd && !m_bDrawingOff;
    if (m_bFillStopped) Send(WM_SETREDRAW, FALSE, 0);
}

void cCtrlListBase::LbEndFill()
{
    if (!m_bFillStopped) return;
    m_bFillStopped = 0;
    LbRedraw();
}
bool cCtrlListBase::LbHasFocus() { return m_hWnd && GetFocus() == m_hWnd; }

int cCtrlListBase::GetCount() { return LbGetCount(); }

void cCtrlListBase::OnKillFocus() { LbSetCurSel(Sel().GetCursor()); }

void cCtrlListBase::OnKey(WPARAM wParam, LPARAM, int bCtrlDown)
{
    // Lists of one page may share command IDs (cut, copy and paste of the
    // main and sub sets): only the list with the focus speaks, so that a
    // key runs its operation once.
    if (!m_hOwnerWnd || !LbHasFocus()) return;
    for (u16 wId : ListKeyCommands(Sel().GetAccelIds(), static_cast<u32>(wParam), bCtrlDown))
        SendMessageA(m_hOwnerWnd, WM_COMMAND, wId, 0);
}

int cCtrlListBase::RowAtClientY(int y)
{
    const int nHeight = static_cast<int>(Send(LB_GETITEMHEIGHT, 0, 0));
    if (nHeight <= 0) return -1;
    // Truncated toward zero: a click on the border above the first visible
    // row still hits it.
    return LbGetTopIndex() + y / nHeight;
}

int cCtrlListBase::SelectAtPoint(POINT ptScreen)
{
    if (!HitTest(ptScreen)) return 0;
    POINT pt = ptScreen;
    ScreenToClient(m_hWnd, &pt);
    if (!Sel().SelectRow(RowAtClientY(pt.y))) return 0;
    SetFocus(m_hWnd);
    if (m_hOwnerWnd) SendMessageA(m_hOwnerWnd, WM_COMMAND, MAKEWPARAM(m_wId, LBN_SELCHANGE), 0);
    return 1;
}

int cCtrlListBase::SetAccelMenu(u16 wAccelId, u16 wMenuId, u32 dwKind, u32 dwSet)
{
    const int bAccel = LoadAccelSet(wAccelId, dwKind, dwSet);
    const int bPopup = LoadPopupSet(wMenuId, dwKind, dwSet);
    return bAccel && bPopup ? 1 : 0;
}

int cCtrlListBase::LoadAccelSet(u16 wAccelId, u32 dwKind, u32 dwSet)
{
    if (m_lpOwner) m_lpOwner->AddAccelerator(m_hWnd, wAccelId);
    cListCommandIds accel, popup;
    if (!ListCommandSet(dwKind, dwSet, accel, popup)) {
        DebugMesBox("アクセラレータのIDが用意されていません！");
        return 0;
    }
    Sel().SetAccelIds(accel);
    return 1;
}

int cCtrlListBase::LoadPopupSet(u16 wMenuId, u32 dwKind, u32 dwSet)
{
    LoadMenuResource(wMenuId);
    cListCommandIds accel, popup;
    if (!ListCommandSet(dwKind, dwSet, accel, popup)) {
        DebugMesBox("ポップアップメニューのIDが用意されていません！");
        return 0;
    }
    Sel().SetPopupIds(popup);
    return 1;
}

void cCtrlListBase::SetAccelIds(u16 wAccelId, u16 wCut, u16 wCopy, u16 wPaste, u16 wAdd, u16 wInsert, u16 wClear,
                                u16 wDelete)
{
    if (m_lpOwner) m_lpOwner->AddAccelerator(m_hWnd, wAccelId);
    Sel().SetAccelIds({{wCut, wCopy, wPaste, wAdd, wInsert, wClear, wDelete}});
}

void cCtrlListBase::SetPopupMenu(u16 wMenuId, u16 wCut, u16 wCopy, u16 wPaste, u16 wAdd, u16 wInsert, u16 wClear,
                                 u16 wDelete)
{
    LoadMenuResource(wMenuId);
    Sel().SetPopupIds({{wCut, wCopy, wPaste, wAdd, wInsert, wClear, wDelete}});
}

void cCtrlListBase::LoadMenuResource(u16 wMenuId)
{
    ReleaseMenu();
    HINSTANCE hInstance = m_lpOwner ? m_lpOwner->GetInstance() : ProgramInstance();
    m_hMenuResource = LoadMenuA(hInstance, MAKEINTRESOURCEA(wMenuId));
    m_hPopupMenu = m_hMenuResource ? GetSubMenu(m_hMenuResource, 0) : nullptr;
}

void cCtrlListBase::ReleaseMenu()
{
    if (m_hMenuResource) DestroyMenu(m_hMenuResource);
    m_hMenuResource = nullptr;
    m_hPopupMenu = nullptr;
}

int cCtrlListBase::OnListCommand(WPARAM wParam)
{
    const u16 wId = LOWORD(wParam);
    int bActed = 0;
    if (wId == m_wId && HIWORD(wParam) == LBN_SELCHANGE) {
        OnSelChange();
        bActed = 1;
    } else if (OnAccelCommand(wId) || OnMenuCommand(wId)) {
        bActed = 1;
    }
    if (bActed && m_lpOwner) m_lpOwner->RefreshExcept(this);
    return bActed;
}

int cCtrlListBase::OnListRightClick(POINT ptScreen)
{
    if (!SelectAtPoint(ptScreen) || !m_hPopupMenu || !m_hOwnerWnd) return 0;
    TrackPopupMenu(m_hPopupMenu, TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, 0, m_hOwnerWnd, nullptr);
    return 1;
}

int cCtrlListBase::RunEntryDlg(cDlgBase** lplpDlg, u16 wDlgId, void* lpRecord, cWndList* lpRegistry, int nHideMode,
                               int nAnchorFlag, cCtrl* lpAnchor)
{
    Sel().SetLastOp(kListEdit);
    if (GetCurIndex() == -1) return 0;
    if (lpRegistry && nHideMode == 1) lpRegistry->ShowAll(false);
    if (lpRegistry && nHideMode == 2) lpRegistry->EnableAll(false);
    cEntryDlgArgs args;
    args.wDlgId = wDlgId;
    args.lpOwner = m_lpOwner;
    args.lpRecord = lpRecord;
    args.lpRegistry = lpRegistry;
    if (lpAnchor || nAnchorFlag) {
        args.lpAnchor = lpAnchor ? lpAnchor : this;
        args.bAnchorFlag = static_cast<u32>(nAnchorFlag);
    }
    int nResult = 0;
    const tCondEntryFactory& factory = CondEntryFactory();
    if (factory) {
        cDlgBase* lpDlg = factory(args);
        if (!lpDlg) {
            ReportOutOfMemory();
        } else {
            if (lplpDlg) *lplpDlg = lpDlg;
            nResult = lpDlg->DoModal(0);
            delete lpDlg;
            if (lplpDlg) *lplpDlg = nullptr;
        }
    }
    if (nResult) {
        FillRows();
        RedrawList();
    }
    if (lpRegistry && nHideMode == 1) lpRegistry->ShowAll(true);
    if (lpRegistry && nHideMode == 2) lpRegistry->EnableAll(true);
    return nResult;
}
