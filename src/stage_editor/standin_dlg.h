#pragma once
// A window that later work builds, standing in meanwhile: a small dialog
// with the window's name that the user closes to go back, so that every
// menu command of the stage editor opens something and returns.
#include <string>

#include "framework/dlg_base.h"

class cStandInDlg : public cDlgBase {
public:
    cStandInDlg(const std::string& strTitle, cWndBase* lpParent, cWndList* lpRegistry);
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    std::string m_strTitle;
};
