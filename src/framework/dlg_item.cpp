#include "framework/dlg_item.h"

#include <algorithm>

#include "app/str_util.h"

void GetDlgItemStr(HWND hDlg, int nId, std::string& str, u32 nMaxLength)
{
    char buf[5120];
    buf[0] = '\0';
    u32 nMax = std::min<u32>(std::max<u32>(nMaxLength, 1), sizeof buf);
    GetDlgItemTextA(hDlg, nId, buf, static_cast<int>(sizeof buf));
    str = buf;
    str.resize(CharBoundaryAtOrBelow(str, nMax - 1));
}

BOOL SetDlgItemStr(HWND hDlg, int nId, const std::string& str) { return SetDlgItemTextA(hDlg, nId, str.c_str()); }
