#include "framework/dlg_base.h"

#include "app/fatal.h"
#include "app/log.h"
#include "framework/wnd_list.h"

u16 g_wDlgHScrollId = 1008;
u16 g_wDlgVScrollId = 1009;
int cDlgBase::s_nLive = 0;

namespace {

const char* const kDlgProp = "DLG_CLASS";

// Where a navigation key scrolls: the message and code posted to the
// dialog, and which of its own bars.
struct cKeyScroll {
    WPARAM vk;
    UINT uMsg;
    WORD wCode;
};
const cKeyScroll kKeyScrolls[] = {
    {VK_PRIOR, WM_VSCROLL, SB_PAGEUP},    {VK_NEXT, WM_VSCROLL, SB_PAGEDOWN}, {VK_END, WM_HSCROLL, SB_PAGERIGHT},
    {VK_HOME, WM_HSCROLL, SB_PAGELEFT},   {VK_LEFT, WM_HSCROLL, SB_LINELEFT}, {VK_UP, WM_VSCROLL, SB_LINEUP},
    {VK_RIGHT, WM_HSCROLL, SB_LINERIGHT}, {VK_DOWN, WM_VSCROLL, SB_LINEDOWN},
};

s32 Width(const RECT& rc) { return rc.right - rc.left; }
s32 Height(const RECT& rc) { return rc.bottom - rc.top; }

}  // namespace

cDlgBase::cDlgBase(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry)
{
    Init(wDlgId, lpParent, dwMode, lpRegistry);
}

cDlgBase::cDlgBase(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, cCtrl* lpPlacement,
                   u32 bCentre)
    : cWndBase(lpPlacement, bCentre)
{
    Init(wDlgId, lpParent, dwMode, lpRegistry);
}

cDlgBase::cDlgBase(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry, cWndBase* lpAnchor,
                   u32 bCentre)
    : cWndBase(lpAnchor, bCentre)
{
    Init(wDlgId, lpParent, dwMode, lpRegistry);
}

void cDlgBase::Init(u16 wDlgId, cWndBase* lpParent, u32 dwMode, cWndList* lpRegistry)
{
    ++s_nLive;
    m_dwMode = dwMode;
    m_bInitialized = 0;
    m_dwState = 0;
    m_dwFlags = 0;
    m_bUpdating = 0;
    Attach(wDlgId, lpParent ? lpParent->GetHwnd() : nullptr, lpRegistry);
    m_lpParentClass = lpParent;
    SetGeometry(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

cDlgBase::~cDlgBase()
{
    --s_nLive;
    // The window must not outlive its object: unbind it first, so that none
    // of its last messages reaches a half-destroyed object.
    if (m_hWnd && IsWindow(m_hWnd)) {
        HWND hWnd = m_hWnd;
        Unbind(hWnd);
        m_Hook.Detach();
        RestoreOthers();
        Deregister();
        m_hWnd = nullptr;
        if (m_dwState == 1) DestroyWindow(hWnd);
    }
}

void cDlgBase::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    SetPropA(hWnd, kDlgProp, this);
}

void cDlgBase::Unbind(HWND hWnd)
{
    if (GetPropA(hWnd, kDlgProp) == this) RemovePropA(hWnd, kDlgProp);
}

INT_PTR cDlgBase::Dispatch(cDlgBase* lpInit, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_INITDIALOG) {
        if (!lpInit) return FALSE;
        lpInit->Bind(hWnd);
        lpInit->WndProc(hWnd, uMsg, wParam, lParam);
        return TRUE;  // the first control takes the focus
    }
    cDlgBase* lpDlg = static_cast<cDlgBase*>(GetPropA(hWnd, kDlgProp));
    if (!lpDlg) return FALSE;
    LRESULT lResult = lpDlg->WndProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_NCDESTROY) lpDlg->Unbind(hWnd);
    // The dialog manager's own clean-up must still run.
    if (uMsg == WM_DESTROY || uMsg == WM_NCDESTROY) return FALSE;
    return static_cast<INT_PTR>(lResult);
}

INT_PTR CALLBACK cDlgBase::DlgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    cDlgBase* lpInit = uMsg == WM_INITDIALOG ? reinterpret_cast<cDlgBase*>(lParam) : nullptr;
    return Dispatch(lpInit, hWnd, uMsg, wParam, lParam);
}

INT_PTR CALLBACK cDlgBase::PageDlgProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    cDlgBase* lpInit = nullptr;
    if (uMsg == WM_INITDIALOG && lParam)
        lpInit = reinterpret_cast<cDlgBase*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    return Dispatch(lpInit, hWnd, uMsg, wParam, lParam);
}

LRESULT cDlgBase::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    DefaultProc(hWnd, uMsg, wParam, lParam);
    return 0;
}

void cDlgBase::HideOrDisableOthers()
{
    if (!m_lpRegistry) return;
    if (m_dwFlags & kDlgHideOthers) m_lpRegistry->ShowAll(false);
    if (m_dwFlags & kDlgDisableOthers) m_lpRegistry->EnableAll(false);
}

void cDlgBase::RestoreOthers()
{
    if (!m_lpRegistry) return;
    if (m_dwFlags & kDlgHideOthers) m_lpRegistry->ShowAll(true);
    if (m_dwFlags & kDlgDisableOthers) m_lpRegistry->EnableAll(true);
}

int cDlgBase::DoModal(u32 dwFlags)
{
    if (m_hWnd) return 0;
    Close(0);
    m_dwState = 0;
    m_dwFlags = dwFlags;
    const bool bHadHook = IsKeyboardHookInstalled();
    HideOrDisableOthers();
    if (m_lpParentClass) m_hParent = m_lpParentClass->GetHwnd();
    INT_PTR nResult = DialogBoxParamA(m_hInstance, MAKEINTRESOURCEA(m_wResId), m_hParent, DlgProc,
                                      reinterpret_cast<LPARAM>(this));
    if (nResult == -1) ErrLogPrintf("DialogBoxParam ( %u ) : %lu", m_wResId, GetLastError());
    m_hWnd = nullptr;
    RestoreOthers();
    if (!bHadHook) RemoveKeyboardHook();
    return m_nResult;
}

void cDlgBase::Create(u32 dwFlags, bool bShow)
{
    Close(0);
    if (!m_hWnd) {
        m_dwState = 1;
        m_dwFlags = dwFlags;
        HideOrDisableOthers();
    }
    if (m_lpParentClass) m_hParent = m_lpParentClass->GetHwnd();
    HWND hWnd = CreateDialogParamA(m_hInstance, MAKEINTRESOURCEA(m_wResId), m_hParent, DlgProc,
                                   reinterpret_cast<LPARAM>(this));
    if (!hWnd) {
        // Whatever this dialog hid or disabled comes back.
        RestoreOthers();
        ReportNoResources();
        return;
    }
    Show(bShow);
}

void cDlgBase::Close(int nResult)
{
    m_nResult = nResult;
    m_Ctrls.clear();
    if (!m_hWnd) return;
    if (m_dwState == 1) DestroyWindow(m_hWnd);
    else EndDialog(m_hWnd, nResult);
}

void cDlgBase::DataToCtrls()
{
    m_bUpdating = 1;
    for (size_t i = 0; i < m_Ctrls.size(); ++i) m_Ctrls[i]->DataToCtrl();
    m_bUpdating = 0;
}

void cDlgBase::RefreshExcept(const cCtrl* lpCtrl)
{
    m_bUpdating = 1;
    for (size_t i = 0; i < m_Ctrls.size(); ++i)
        if (!lpCtrl || m_Ctrls[i]->GetId() != lpCtrl->GetId()) m_Ctrls[i]->DataToCtrl();
    m_bUpdating = 0;
}

void cDlgBase::CtrlsToData()
{
    for (size_t i = 0; i < m_Ctrls.size(); ++i) m_Ctrls[i]->CtrlToData();
}

u16 cDlgBase::GetChangedCtrl(WPARAM wParam) const
{
    const u16 wId = LOWORD(wParam);
    const WORD wCode = HIWORD(wParam);
    for (const cCtrl* lpCtrl : m_Ctrls) {
        if (lpCtrl->GetId() != wId) continue;
        switch (lpCtrl->GetKind()) {
        case kCtrlPlain:
            return wCode == 0 ? wId : 0;
        case kCtrlEditVal:
        case kCtrlText:
            return wCode == EN_UPDATE ? wId : 0;
        case kCtrlCheck:
        case kCtrlSlider:
            return wId;
        case kCtrlCombo:
            return wCode == CBN_SELCHANGE ? wId : 0;
        default:
            return 0;
        }
    }
    return 0;
}

void cDlgBase::OnCommand(WPARAM wParam, LPARAM)
{
    const u16 wId = LOWORD(wParam);
    const WORD wCode = HIWORD(wParam);
    // A handler may close the dialog, which empties the list.
    const std::vector<cCtrl*> ctrls = m_Ctrls;
    for (cCtrl* lpCtrl : ctrls) {
        if (lpCtrl->GetCommandId() != wId) continue;
        bool bTaken = true;
        switch (lpCtrl->GetKind()) {
        case kCtrlEditVal:
        case kCtrlText:
        case kCtrlSlider:  // its partner edit's notifications
            if (wCode == EN_UPDATE) lpCtrl->OnChange();
            else if (wCode == EN_KILLFOCUS) lpCtrl->OnKillFocus();
            else bTaken = false;
            break;
        case kCtrlCombo:
            if (wCode == CBN_SELCHANGE) lpCtrl->OnChange();
            else bTaken = false;
            break;
        case kCtrlList:
            if (wCode == LBN_SELCHANGE) lpCtrl->OnChange();
            else if (wCode == LBN_KILLFOCUS) lpCtrl->OnKillFocus();
            else bTaken = false;
            break;
        default:
            bTaken = false;
            break;
        }
        if (bTaken) break;
    }
    for (cCtrl* lpCtrl : ctrls) {
        if (lpCtrl->GetKind() != kCtrlList) continue;
        if (lpCtrl->GetHwnd()) SendMessageA(lpCtrl->GetHwnd(), WM_SETREDRAW, FALSE, 0);
        lpCtrl->AfterCommand();
    }
}

void cDlgBase::Refresh()
{
    for (size_t i = 0; i < m_Ctrls.size(); ++i)
        if (m_Ctrls[i]->GetKind() == kCtrlList) m_Ctrls[i]->RedrawList();
}

void cDlgBase::AddPicture(cCtrlDesc<cCtrlPicture>& entry)
{
    entry.AttachDesc(this);
    m_Ctrls.push_back(&entry);
}

void cDlgBase::OnInitDialog(WPARAM, LPARAM)
{
    m_Ctrls.clear();
    if (m_dwState == 1 && m_lpRegistry) m_lpRegistry->AddWnd(this);
    m_bActivatePending = 0;
    UpdateGeometry();
    AttachOwnScrollBars();
    PlaceInitially();
    if (!m_Hook.Install(m_hWnd, m_dwState)) MesBox("KeyboardHookに失敗!");
    GetCursorPos(false, kMouseHeld | kMousePressed | kMouseReleased);
    m_PrevMouse = m_Mouse;
    m_bActivatePending = !IsKeyDownNow(VK_LBUTTON) && !IsKeyDownNow(VK_RBUTTON);
    if (Width(m_rcCreate) > 0 && Height(m_rcCreate) > 0)
        SetClientSize(Width(m_rcCreate) - m_nExtraWidth, Height(m_rcCreate) - m_nExtraHeight);
}

void cDlgBase::AttachOwnScrollBars()
{
    const struct {
        u32 dwBit;
        cCtrlDesc<cScrollCtrl>* lpBar;
        u16 wId;
        u32 nBar;
    } bars[] = {
        {kOwnScrollH, &m_HScroll, g_wDlgHScrollId, SB_HORZ},
        {kOwnScrollV, &m_VScroll, g_wDlgVScrollId, SB_VERT},
    };
    for (const auto& b : bars) {
        if (!(m_dwOwnScroll & b.dwBit)) continue;
        cScrollCtrl::cSetup& setup = *b.lpBar;
        setup = cScrollCtrl::cSetup();
        setup.wSetupId = b.wId;
        setup.nSetupBar = b.nBar;
        b.lpBar->AttachDesc(this);
        m_Ctrls.push_back(b.lpBar);
        if (b.lpBar->GetHwnd()) SetScrollPos(b.lpBar->GetHwnd(), SB_CTL, 0, TRUE);
    }
    LayOutOwnScrollBars();
}

void cDlgBase::LayOutOwnScrollBars()
{
    if (HWND hBar = m_HScroll.GetHwnd()) {
        SetWindowPos(hBar, nullptr, m_rcView.left, m_rcView.bottom, Width(m_rcView), GetSystemMetrics(SM_CYHSCROLL),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        m_HScroll.UpdatePos();
    }
    if (HWND hBar = m_VScroll.GetHwnd()) {
        SetWindowPos(hBar, nullptr, m_rcView.right, m_rcView.top, GetSystemMetrics(SM_CXVSCROLL), Height(m_rcView),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        m_VScroll.UpdatePos();
    }
}

bool cDlgBase::IsOwnBar(LPARAM lParam, bool bVertical) const
{
    HWND hBar = bVertical ? m_VScroll.GetHwnd() : m_HScroll.GetHwnd();
    return hBar && reinterpret_cast<HWND>(lParam) == hBar;
}

void cDlgBase::OnOwnScroll(bool bVertical, WPARAM wParam)
{
    HWND hBar = bVertical ? m_VScroll.GetHwnd() : m_HScroll.GetHwnd();
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(hBar, SB_CTL, &si);
    const int nOld = si.nPos;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
        --si.nPos;
        break;
    case SB_LINERIGHT:
        ++si.nPos;
        break;
    case SB_PAGELEFT:
        si.nPos -= static_cast<int>(si.nPage);
        break;
    case SB_PAGERIGHT:
        si.nPos += static_cast<int>(si.nPage);
        break;
    case SB_THUMBTRACK:
        si.nPos = si.nTrackPos;
        break;
    case SB_TOP:
        si.nPos = si.nMin;
        break;
    case SB_BOTTOM:
        si.nPos = si.nMax;
        break;
    default:
        break;
    }
    si.fMask = SIF_POS;
    SetScrollInfo(hBar, SB_CTL, &si, TRUE);
    GetScrollInfo(hBar, SB_CTL, &si);
    if (si.nPos != nOld) OnDraw();
}

void cDlgBase::ScrollByKey(WPARAM wParam)
{
    for (const cKeyScroll& k : kKeyScrolls) {
        if (k.vk != wParam) continue;
        HWND hBar = k.uMsg == WM_VSCROLL ? m_VScroll.GetHwnd() : m_HScroll.GetHwnd();
        // Without that own bar there is nothing to scroll.
        if (hBar && m_hWnd) PostMessageA(m_hWnd, k.uMsg, MAKEWPARAM(k.wCode, 0), reinterpret_cast<LPARAM>(hBar));
        return;
    }
}

void cDlgBase::AutoScroll(s32* lpX, s32* lpY)
{
    POINT pt;
    if (!m_hWnd || !::GetCursorPos(&pt)) return;
    ScreenToClient(m_hWnd, &pt);
    const s32 x = pt.x - m_rcView.left, y = pt.y - m_rcView.top;
    const s32 w = Width(m_rcView), h = Height(m_rcView);
    const struct {
        bool bOutside;
        s32 nDistance;
        bool bVertical;
        s32 nDelta;
    } dirs[4] = {
        {x < 0, -x, false, -1},
        {x >= w, x - w + 1, false, 1},
        {y < 0, -y, true, -1},
        {y >= h, y - h + 1, true, 1},
    };
    for (int i = 0; i < 4; ++i) {
        if (!dirs[i].bOutside) {
            m_anAutoScroll[i] = 0;
            continue;
        }
        ++m_anAutoScroll[i];
        if (dirs[i].nDistance <= 32 && m_anAutoScroll[i] < 8) continue;
        m_anAutoScroll[i] = 0;
        cScrollCtrl& bar = dirs[i].bVertical ? m_VScroll : m_HScroll;
        s32* lpPos = dirs[i].bVertical ? lpY : lpX;
        if (bar.GetHwnd() && lpPos) *lpPos = bar.Scroll(dirs[i].nDelta);
    }
}

LRESULT cDlgBase::DefaultProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = cWndBase::DefaultProc(hWnd, uMsg, wParam, lParam);
    if (m_bInitialized && m_Picture.GetHwnd()) {
        HWND hFocus = GetFocus();
        if (hFocus && (hFocus == m_HScroll.GetHwnd() || hFocus == m_VScroll.GetHwnd())) SetFocus(m_Picture.GetHwnd());
    }
    switch (uMsg) {
    case WM_INITDIALOG:
        OnInitDialog(wParam, lParam);
        break;
    case WM_DESTROY:
        RestoreOthers();
        m_Hook.Detach();
        m_Ctrls.clear();
        break;
    case WM_SIZE:
        LayOutOwnScrollBars();
        break;
    case WM_NOTIFY: {
        // A wrapper's non-zero result answers the notification (a spin
        // partner's click handled by its edit is refused to the up-down).
        const std::vector<cCtrl*> ctrls = m_Ctrls;
        for (cCtrl* lpCtrl : ctrls) {
            if (const int nResult = lpCtrl->OnNotify(wParam, lParam)) {
                SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, nResult);
                lResult = TRUE;
                break;
            }
        }
        break;
    }
    case WM_KEYDOWN:
        ScrollByKey(wParam);
        if (m_dwState == 0) {
            const std::vector<cCtrl*> ctrls = m_Ctrls;
            for (cCtrl* lpCtrl : ctrls) lpCtrl->OnKey(wParam, lParam, static_cast<int>(IsCtrlHeld()));
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const bool bVertical = uMsg == WM_VSCROLL;
        if (IsOwnBar(lParam, bVertical)) OnOwnScroll(bVertical, wParam);
        const std::vector<cCtrl*> ctrls = m_Ctrls;
        for (cCtrl* lpCtrl : ctrls)
            if (lpCtrl->OnScroll(wParam, lParam)) break;
        break;
    }
    case kMsgNavKey:
        SendMessageA(hWnd, WM_KEYDOWN, wParam, lParam);
        break;
    default:
        break;
    }
    return lResult;
}

LRESULT cApplyDlg::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) Close(0);
    return lResult;
}

void cApplyDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case kIdOkButton:
        Apply();
        return;
    case kIdCancelButton:
    case IDCANCEL:
        Close(0);
        return;
    default:
        OnOtherCommand(wParam);
        return;
    }
}

void cApplyDlg::HidePicture()
{
    m_Picture.Set(1006, 0, 0, -1, -1);
    AddPicture(m_Picture);
    m_Picture.Show(FALSE);
}
