#include "support/win32/dlg_script.h"

#include <commctrl.h>

#include <cstdio>

#include "support/win32/win_test.h"

namespace {

cDlgScript* g_lpScript = nullptr;

struct cFind {
    const std::string* lpTitle;
    HWND hFound;
};

std::string TextOf(HWND hWnd)
{
    char buf[1024] = "";
    if (hWnd) GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

// A window the user can act on: shown, and not disabled by a modal dialog of
// its own.
BOOL CALLBACK FindVisible(HWND hWnd, LPARAM lParam)
{
    cFind* lpFind = reinterpret_cast<cFind*>(lParam);
    if (IsWindowVisible(hWnd) && IsWindowEnabled(hWnd) && TextOf(hWnd) == *lpFind->lpTitle) {
        lpFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindActionableWindow(const std::string& strTitle)
{
    cFind find{&strTitle, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindVisible, reinterpret_cast<LPARAM>(&find));
    return find.hFound;
}

void Notify(HWND hDlg, int nId, WORD wCode)
{
    SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, wCode), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}

}  // namespace

std::string cDlgView::Title() const { return TextOf(m_hWnd); }

std::string cDlgView::ClassOf(int nId) const
{
    char buf[64] = "";
    if (HWND hItem = Item(nId)) GetClassNameA(hItem, buf, sizeof buf);
    return buf;
}

bool cDlgView::Enabled(int nId) const { return Item(nId) && IsWindowEnabled(Item(nId)); }
bool cDlgView::Visible(int nId) const { return Item(nId) && (GetWindowLongA(Item(nId), GWL_STYLE) & WS_VISIBLE); }
std::string cDlgView::Text(int nId) const { return TextOf(Item(nId)); }

void cDlgView::Type(int nId, const std::string& strKeys) const
{
    HWND hEdit = Item(nId);
    SetFocus(hEdit);
    SendMessageA(hEdit, EM_SETSEL, 0, -1);
    SendMessageA(hEdit, WM_CHAR, VK_BACK, 1);
    for (char c : strKeys) SendMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void cDlgView::Paste(int nId, const std::string& strText) const
{
    SendDlgItemMessageA(m_hWnd, nId, EM_SETSEL, 0, -1);
    SendDlgItemMessageA(m_hWnd, nId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(strText.c_str()));
}

std::vector<std::string> cDlgView::Rows(int nId) const
{
    std::vector<std::string> rows;
    const int nCount = static_cast<int>(SendDlgItemMessageA(m_hWnd, nId, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        const int nLen = static_cast<int>(SendDlgItemMessageA(m_hWnd, nId, CB_GETLBTEXTLEN, i, 0));
        std::string str(static_cast<size_t>(nLen > 0 ? nLen : 0) + 1, '\0');
        SendDlgItemMessageA(m_hWnd, nId, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&str[0]));
        str.resize(strlen(str.c_str()));
        rows.push_back(str);
    }
    return rows;
}

int cDlgView::Sel(int nId) const { return static_cast<int>(SendDlgItemMessageA(m_hWnd, nId, CB_GETCURSEL, 0, 0)); }

std::string cDlgView::SelText(int nId) const
{
    const int nSel = Sel(nId);
    const std::vector<std::string> rows = Rows(nId);
    return nSel >= 0 && static_cast<size_t>(nSel) < rows.size() ? rows[static_cast<size_t>(nSel)] : std::string();
}

void cDlgView::Choose(int nId, int nRow) const
{
    SendDlgItemMessageA(m_hWnd, nId, CB_SETCURSEL, static_cast<WPARAM>(nRow), 0);
    Notify(m_hWnd, nId, CBN_SELCHANGE);
}

bool cDlgView::ChooseText(int nId, const std::string& strRow) const
{
    const std::vector<std::string> rows = Rows(nId);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == strRow) {
            Choose(nId, static_cast<int>(i));
            return true;
        }
    return false;
}

int cDlgView::Checked(int nId) const { return static_cast<int>(SendDlgItemMessageA(m_hWnd, nId, BM_GETCHECK, 0, 0)); }
void cDlgView::Click(int nId) const { SendDlgItemMessageA(m_hWnd, nId, BM_CLICK, 0, 0); }
int cDlgView::SliderPos(int nId) const { return static_cast<int>(SendDlgItemMessageA(m_hWnd, nId, TBM_GETPOS, 0, 0)); }

void cDlgView::SetSlider(int nId, int nPos) const
{
    HWND hBar = Item(nId);
    SendMessageA(hBar, TBM_SETPOS, TRUE, nPos);
    const UINT uMsg = (GetWindowLongA(hBar, GWL_STYLE) & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageA(m_hWnd, uMsg, MAKEWPARAM(TB_THUMBTRACK, nPos), reinterpret_cast<LPARAM>(hBar));
    SendMessageA(m_hWnd, uMsg, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(hBar));
}

void cDlgView::Press(int nId) const
{
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(Item(nId)));
}

void cDlgView::CloseBox() const { PostMessageA(m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }

void cDlgView::Screenshot(const std::string& strName) const
{
    char szFolder[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("TARVENOL_SHOTS", szFolder, sizeof szFolder)) return;
    SetWindowPos(m_hWnd, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    // The display shows what the window drew once its messages ran; the
    // display's own tool takes the picture (a Unix program, started through
    // Wine).
    Pump(300);
    RECT rc;
    GetWindowRect(m_hWnd, &rc);
    const std::string strFile = std::string(szFolder) + "/" + strName + ".png";
    std::string strCommand = "/usr/bin/import -window root -crop " + std::to_string(rc.right - rc.left) + "x" +
                             std::to_string(rc.bottom - rc.top) + "+" + std::to_string(rc.left) + "+" +
                             std::to_string(rc.top) + " " + strFile;
    const std::string strHostFile = "Z:" + strFile;
    DeleteFileA(strHostFile.c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        fprintf(stderr, "screenshot: %lu\n", GetLastError());
        return;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // A Unix program's handle tells nothing of its end: wait for its file,
    // until its size stays.
    LONGLONG nLast = -1;
    for (int i = 0; i < 100; ++i) {
        Sleep(100);
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(strHostFile.c_str(), GetFileExInfoStandard, &data)) continue;
        const LONGLONG nSize = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        if (nSize > 0 && nSize == nLast) break;
        nLast = nSize;
    }
}

cDlgScript::cDlgScript()
{
    g_lpScript = this;
    m_dwLastStep = GetTickCount();
    m_nTimer = SetTimer(nullptr, 0, 1, OnTimer);
}

cDlgScript::~cDlgScript()
{
    if (m_nTimer) KillTimer(nullptr, m_nTimer);
    if (g_lpScript == this) g_lpScript = nullptr;
}

cDlgScript& cDlgScript::On(const std::string& strTitle, tAction action)
{
    m_Steps.push_back({strTitle, std::move(action)});
    return *this;
}

cDlgScript& cDlgScript::AnswerBox(const std::string& strTitle, int nButton, std::string* lpText)
{
    return On(strTitle, [nButton, lpText](cDlgView& box) {
        if (lpText) *lpText = box.Text(0xFFFF);
        box.Press(nButton);
    });
}

cDlgScript& cDlgScript::InputText(const std::string& strTitle, const std::string& strText, bool bOk)
{
    return On(strTitle, [strText, bOk](cDlgView& input) {
        input.Paste(1003, strText);
        if (bOk) input.Ok();
        else input.Cancel();
    });
}

cDlgScript& cDlgScript::ChooseFile(const std::string& strTitle, const std::string& strPath)
{
    return On(strTitle, [strPath](cDlgView& dlg) {
        // The dialog fills its boxes after it shows.
        Pump(300);
        // The name box: an edit of ID 0x47C (in the explorer style, inside a
        // combo) or 0x480, wherever it sits among the dialog's windows.
        struct cName {
            HWND hEdit;
        } name{nullptr};
        EnumChildWindows(
            dlg.Hwnd(),
            [](HWND h, LPARAM lParam) -> BOOL {
                char szClass[16] = "";
                GetClassNameA(h, szClass, sizeof szClass);
                const int nId = GetDlgCtrlID(h);
                if (lstrcmpiA(szClass, "Edit") != 0 || (nId != 0x47C && nId != 0x480)) return TRUE;
                reinterpret_cast<cName*>(lParam)->hEdit = h;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&name));
        SetWindowTextA(name.hEdit, strPath.c_str());
        PostMessageA(dlg.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
}

cDlgScript& cDlgScript::Watch(const std::string& strTitle)
{
    m_Watched.emplace_back(strTitle, false);
    return *this;
}

bool cDlgScript::Seen(const std::string& strTitle) const
{
    for (const auto& w : m_Watched)
        if (w.first == strTitle) return w.second;
    return false;
}

void CALLBACK cDlgScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_lpScript) g_lpScript->Tick();
}

namespace {
BOOL CALLBACK CloseStuck(HWND hWnd, LPARAM)
{
    if (IsWindowVisible(hWnd) && IsWindowEnabled(hWnd)) {
        fprintf(stderr, "dialog script: closing \"%s\"\n", TextOf(hWnd).c_str());
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}
}  // namespace

void cDlgScript::Tick()
{
    for (auto& w : m_Watched)
        if (!w.second && FindActionableWindow(w.first)) w.second = true;
    if (Done()) return;
    HWND hWnd = FindActionableWindow(m_Steps[m_nNext].strTitle);
    if (!hWnd) {
        // A step that never comes would leave the test in a modal loop:
        // close what stands open, so that the test ends and fails.
        if (GetTickCount() - m_dwLastStep > kPatienceMs) {
            fprintf(stderr, "dialog script: no window \"%s\"\n", m_Steps[m_nNext].strTitle.c_str());
            m_dwLastStep = GetTickCount();
            EnumThreadWindows(GetCurrentThreadId(), CloseStuck, 0);
        }
        return;
    }
    m_dwLastStep = GetTickCount();
    // The step counts as run before its action, which may open the next
    // step's window in a nested modal loop.
    const tAction action = m_Steps[m_nNext].action;
    ++m_nNext;
    cDlgView view(hWnd);
    action(view);
}

bool RunScript(cDlgScript& script, DWORD nMs)
{
    Pump(nMs, [&] { return script.Done(); });
    if (!script.Done()) return false;
    // Let the last step's presses close their windows.
    Pump(50);
    return true;
}
