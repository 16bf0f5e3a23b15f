#pragma once
// A window that later work builds, standing in meanwhile: a small dialog
// with the window's name that the user closes to go back, so that every
// menu command of the stage editor opens something and returns.
#include <string>

#include "framework/dlg_base.h"

class cStandInDlg : public cApplyDlg {
public:
    cStandInDlg(const std::string& strTitle, cWndBase* lpParent, cWndList* lpRegistry);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    void Apply() override { Close(0); }
    std::string m_strTitle;
};
