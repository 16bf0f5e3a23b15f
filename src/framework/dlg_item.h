#pragma once
// Texts of dialog items.
#include <windows.h>

#include <string>

#include "app/types.h"

// The item's text, at most nMaxLength bytes with the terminator (at most
// 5,120), never splitting a double-byte character.
void GetDlgItemStr(HWND hDlg, int nId, std::string& str, u32 nMaxLength = 5120);
BOOL SetDlgItemStr(HWND hDlg, int nId, const std::string& str);
