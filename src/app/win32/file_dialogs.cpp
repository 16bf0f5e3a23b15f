#include "app/win32/file_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>

#include "app/path.h"

namespace {

OPENFILENAMEA FileDialogOf(HWND hOwner, char* lpFile, u32 nSize, const char* lpInitialDir, const char* lpTitle,
                           const char* lpFilter, const char* lpDefExt, DWORD dwFlags)
{
    OPENFILENAMEA ofn;
    memset(&ofn, 0, sizeof ofn);
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = lpFilter;
    ofn.lpstrFile = lpFile;
    ofn.nMaxFile = nSize;
    ofn.lpstrInitialDir = lpInitialDir;
    ofn.lpstrTitle = lpTitle;
    ofn.lpstrDefExt = lpDefExt;
    ofn.Flags = OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | dwFlags;
    return ofn;
}

}  // namespace

std::string FileFilter(const std::string& strText, const std::string& strPattern)
{
    std::string strFilter = strText;
    strFilter += '\0';
    strFilter += strPattern;
    strFilter += '\0';
    strFilter += '\0';
    return strFilter;
}

u32 SelectOpenFile(HWND hOwner, char* lpFile, u32 nSize, const char* lpInitialDir, const char* lpTitle,
                   const char* lpFilter, const char* lpDefExt, std::vector<std::string>* lpList)
{
    memset(lpFile, 0, nSize);
    OPENFILENAMEA ofn = FileDialogOf(hOwner, lpFile, nSize, lpInitialDir, lpTitle, lpFilter, lpDefExt,
                                     OFN_FILEMUSTEXIST | (lpList ? OFN_ALLOWMULTISELECT : 0));
    ofn.hInstance = hOwner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hOwner, GWLP_HINSTANCE)) : nullptr;
    if (!GetOpenFileNameA(&ofn)) return 0;
    if (lpList) SplitSelectedFiles(lpFile, nSize, *lpList);
    return 1;
}

u32 SelectSaveFile(HWND hOwner, char* lpFile, const char* lpInitialDir, const char* lpTitle,
                   const char* lpFilter, const char* lpDefExt, u32 bKeep)
{
    if (!bKeep) memset(lpFile, 0, kMaxPath);
    lpFile[kMaxPath - 1] = '\0';
    // A save dialog must take a new name: no "file must exist" and no
    // multiple selection.
    OPENFILENAMEA ofn = FileDialogOf(hOwner, lpFile, kMaxPath, lpInitialDir, lpTitle, lpFilter, lpDefExt,
                                     OFN_OVERWRITEPROMPT);
    ofn.nMaxFileTitle = kMaxPath;
    return GetSaveFileNameA(&ofn) ? 1 : 0;
}

namespace {

int CALLBACK BrowseCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData)
{
    if (uMsg == BFFM_INITIALIZED) {
        SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    } else if (uMsg == BFFM_SELCHANGED) {
        char szPath[MAX_PATH];
        if (SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), szPath))
            SendMessageA(hWnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(szPath));
    }
    return 0;
}

}  // namespace

u32 BrowseFolder(HWND hOwner, char* lpOut, const char* lpInitialDir, const char* lpTitle)
{
    memset(lpOut, 0, kMaxPath);
    std::string strInitial = lpInitialDir ? lpInitialDir : "";
    MakeAbsolutePath(strInitial);
    BROWSEINFOA bi;
    memset(&bi, 0, sizeof bi);
    bi.hwndOwner = hOwner;
    bi.lpszTitle = lpTitle;
    bi.ulFlags = BIF_RETURNONLYFSDIRS;
    bi.lpfn = BrowseCallback;
    bi.lParam = reinterpret_cast<LPARAM>(strInitial.c_str());
    LPITEMIDLIST pidl = SHBrowseForFolderA(&bi);
    if (!pidl) return 0;
    u32 bOk = SHGetPathFromIDListA(pidl, lpOut) ? 1 : 0;
    CoTaskMemFree(pidl);
    return bOk;
}

HCURSOR SetWaitCursor() { return SetCursor(LoadCursor(nullptr, IDC_WAIT)); }

HCURSOR SetArrowCursor() { return SetCursor(LoadCursor(nullptr, IDC_ARROW)); }
