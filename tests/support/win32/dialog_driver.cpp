#include "support/win32/dialog_driver.h"

namespace {

struct cSearch {
    const std::string* lpTitle;
    HWND hFound;
};

BOOL CALLBACK FindTitled(HWND hWnd, LPARAM lParam)
{
    cSearch* lpSearch = reinterpret_cast<cSearch*>(lParam);
    if (IsWindowVisible(hWnd) && WindowText(hWnd) == *lpSearch->lpTitle) {
        lpSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

cDialogDriver::cDialogDriver(const std::string& strTitle, std::function<void(HWND)> action, DWORD dwTimeoutMs)
{
    m_Thread = std::thread([this, strTitle, action, dwTimeoutMs] {
        DWORD dwStart = GetTickCount();
        while (GetTickCount() - dwStart < dwTimeoutMs) {
            cSearch search{&strTitle, nullptr};
            EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
            if (search.hFound) {
                Sleep(100);  // let the dialog finish its set-up
                action(search.hFound);
                m_bFound = true;
                return;
            }
            Sleep(20);
        }
    });
}

cDialogDriver::~cDialogDriver() { Join(); }

bool cDialogDriver::Join()
{
    if (m_Thread.joinable()) m_Thread.join();
    return m_bFound;
}

std::string DlgItemText(HWND hDlg, int nId) { return WindowText(GetDlgItem(hDlg, nId)); }

std::string WindowText(HWND hWnd)
{
    char buf[1024];
    buf[0] = '\0';
    if (hWnd) GetWindowTextA(hWnd, buf, sizeof buf);
    return buf;
}

void ClickButton(HWND hDlg, int nId)
{
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hDlg, nId)));
}
