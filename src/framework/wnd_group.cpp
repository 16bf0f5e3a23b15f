#include "framework/wnd_group.h"

#include <cstring>
#include <new>

#include "app/dlg_template.h"
#include "app/fatal.h"
#include "app/log.h"
#include "framework/dlg_base.h"
#include "framework/wnd_list.h"

cSheetRate g_SheetRate;

namespace {

int CALLBACK SheetCallback(HWND hSheet, UINT uMsg, LPARAM)
{
    // No "?" button in the caption.
    if (uMsg == PSCB_INITIALIZED)
        SetWindowLongA(hSheet, GWL_EXSTYLE, GetWindowLongA(hSheet, GWL_EXSTYLE) & ~WS_EX_CONTEXTHELP);
    return 0;
}

// A copy of the dialog template of the resource, or an empty vector.
std::vector<u8> CopyTemplate(HINSTANCE hInstance, u16 wResId)
{
    std::vector<u8> tpl;
    HRSRC hRes = FindResourceA(hInstance, MAKEINTRESOURCEA(wResId), reinterpret_cast<LPCSTR>(RT_DIALOG));
    HGLOBAL hData = hRes ? LoadResource(hInstance, hRes) : nullptr;
    const void* lpData = hData ? LockResource(hData) : nullptr;
    DWORD dwSize = hRes ? SizeofResource(hInstance, hRes) : 0;
    if (lpData && dwSize) tpl.assign(static_cast<const u8*>(lpData), static_cast<const u8*>(lpData) + dwSize);
    return tpl;
}

}  // namespace

cWndGroup::cWndGroup(u32 dwMode, cWndBase* lpOwner, cWndList* lpRegistry)
    : m_dwMode(dwMode),
      m_hOwner(lpOwner ? lpOwner->GetHwnd() : nullptr),
      m_lpOwner(lpOwner),
      m_lpRegistry(lpRegistry)
{
}

cWndGroup::~cWndGroup()
{
    CloseSheet();
    m_hPages.clear();
    m_Templates.clear();
    if (m_lpRegistry && !m_lpRegistry->RemoveGroup(this)) MesBox("ウインドウの破棄に失敗！");
}

bool cWndGroup::MakePages(HINSTANCE hInstance)
{
    try {
        m_hPages.assign(m_Pages.size(), nullptr);
        m_Templates.assign(m_Pages.size(), std::vector<u8>());
    } catch (const std::bad_alloc&) {
        ReportOutOfMemory();
        return false;
    }
    for (size_t i = 0; i < m_Pages.size(); ++i) {
        cDlgBase* lpPage = m_Pages[i];
        m_Templates[i] = CopyTemplate(hInstance, lpPage->GetResId());
        std::vector<u8>& tpl = m_Templates[i];
        if (tpl.empty()) return false;
        std::vector<std::string> trace;
        ScaleDialogTemplate(tpl, g_SheetRate.dX, g_SheetRate.dY, &trace);
        for (const std::string& strLine : trace) ErrLog(strLine);

        PROPSHEETPAGEA psp;
        memset(&psp, 0, sizeof psp);
        psp.dwSize = sizeof psp;
        psp.dwFlags = PSP_DLGINDIRECT;
        psp.hInstance = hInstance;
        psp.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(tpl.data());
        psp.pfnDlgProc = cDlgBase::PageDlgProc;
        psp.lParam = reinterpret_cast<LPARAM>(lpPage);
        m_hPages[i] = CreatePropertySheetPageA(&psp);
        if (!m_hPages[i]) return false;
    }
    return true;
}

bool cWndGroup::Run()
{
    m_dwMode = 1;
    if (m_lpOwner) m_hOwner = m_lpOwner->GetHwnd();
    for (cDlgBase* lpPage : m_Pages) {
        lpPage->SetState(m_dwMode);
        lpPage->SetHostGroup(this);
        lpPage->SetParentObject(m_lpOwner);
    }
    HINSTANCE hInstance =
        m_hOwner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hOwner, GWLP_HINSTANCE)) : ProgramInstance();
    if (!MakePages(hInstance)) {
        FailSheet();
        return false;
    }

    PROPSHEETHEADERA psh;
    memset(&psh, 0, sizeof psh);
    psh.dwSize = sizeof psh;
    psh.dwFlags = PSH_MODELESS | PSH_USECALLBACK;
    psh.hwndParent = m_hOwner;
    psh.hInstance = hInstance;
    psh.nPages = static_cast<UINT>(m_hPages.size());
    psh.phpage = m_hPages.data();
    psh.nStartPage = 0;
    psh.pfnCallback = SheetCallback;
    m_hSheet = reinterpret_cast<HWND>(PropertySheetA(&psh));
    if (!m_hSheet || m_hSheet == reinterpret_cast<HWND>(-1)) {
        m_hSheet = nullptr;
        FailSheet();
        return false;
    }
    for (cDlgBase* lpPage : m_Pages) lpPage->SetSheetHwnd(m_hSheet);
    return true;
}

void cWndGroup::FailSheet()
{
    ErrorBox("ウインドウの生成に失敗！");
    SetFatalError();
    if (m_hOwner) PostMessageA(m_hOwner, WM_CLOSE, 0, 0);
}

void cWndGroup::CloseSheet()
{
    if (m_dwMode && m_hSheet) {
        HWND hSheet = m_hSheet;
        m_hSheet = nullptr;
        DestroyWindow(hSheet);
    }
}

void cWndGroup::SetCurPage(int nIndex)
{
    if (m_hSheet) SendMessageA(m_hSheet, PSM_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
}

int cWndGroup::GetCurPage() const
{
    if (!m_hSheet) return -1;
    HWND hTab = reinterpret_cast<HWND>(SendMessageA(m_hSheet, PSM_GETTABCONTROL, 0, 0));
    return hTab ? static_cast<int>(SendMessageA(hTab, TCM_GETCURSEL, 0, 0)) : -1;
}

void cWndGroup::StepCurPage()
{
    int n = GetCurPage();
    if (n >= 0 && static_cast<size_t>(n) < m_Pages.size()) m_Pages[n]->OnDraw();
}

void cWndGroup::AddSheetStyle(u32 dwBits)
{
    if (m_hSheet) SetWindowLongA(m_hSheet, GWL_STYLE, GetWindowLongA(m_hSheet, GWL_STYLE) | static_cast<LONG>(dwBits));
}

void cWndGroup::RemoveSheetStyle(u32 dwBits)
{
    if (m_hSheet)
        SetWindowLongA(m_hSheet, GWL_STYLE, GetWindowLongA(m_hSheet, GWL_STYLE) & ~static_cast<LONG>(dwBits));
}
