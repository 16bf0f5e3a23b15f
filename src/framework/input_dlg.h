#pragma once
// The small dialogs that the whole editor borrows: a modal box asking for
// one integer within limits, a modal box asking for one text, and a modeless
// message window without buttons shown while a long operation runs.
#include <memory>
#include <string>
#include <vector>

#include "controls/ctrl_edit_val.h"
#include "controls/ctrl_text.h"
#include "framework/dlg_base.h"

// What the value and the string dialogs share: the caption as the window
// title, the bound edit filled and selected, OK copying it back.
class cInputDlgBase : public cDlgBase {
public:
    using cDlgBase::cDlgBase;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnDraw() override {}

protected:
    // Binds the dialog's one control, then the common set-up.
    void SetUp(const std::string& strCaption);
};

class cInputValueDlg : public cInputDlgBase {
public:
    cInputValueDlg(cWndBase* lpOwner, cWndList* lpRegistry, s32* lpValue, s32 nMin, s32 nMax,
                   const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    s32* m_lpValue;
    std::string m_strCaption;
    std::vector<cCtrlDesc<cCtrlEditInt>> m_EditVals;
};

class cInputStringDlg : public cInputDlgBase {
public:
    cInputStringDlg(cWndBase* lpOwner, cWndList* lpRegistry, std::string* lpText, u32 nLimit, u32 bDbcs,
                    const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre);
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    std::string* m_lpText;
    std::string m_strCaption;
    std::vector<cCtrlDesc<cCtrlText>> m_Texts;
};

class cMessageWnd : public cDlgBase {
public:
    cMessageWnd(cWndBase* lpOwner, cWndList* lpRegistry, const std::string& strText, const std::string& strCaption,
                cWndBase* lpAnchor, u32 bCentre);
    LRESULT WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnDraw() override {}

private:
    std::string m_strText;
    std::string m_strCaption;
    std::vector<cCtrlDesc<cCtrlPlain>> m_Plains;
};

// 1 when the user confirmed with OK (the integer then holds the typed value
// within the limits), 0 for Cancel or closing (the integer unchanged).
int InputValue(cWndBase* lpOwner, cWndList* lpRegistry, s32* lpValue, s32 nMin, s32 nMax,
               const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre);
int InputValueAt(cWndBase* lpOwner, cWndList* lpRegistry, s32* lpValue, s32 nMin, s32 nMax,
                 const std::string& strCaption, s32 x, s32 y);
int InputString(cWndBase* lpOwner, cWndList* lpRegistry, std::string* lpText, u32 nLimit, u32 bDbcs,
                const std::string& strCaption, cCtrl* lpPlacement, u32 bCentre);

// One message window at a time; the other registered windows are disabled
// while it stands.
void ShowMessageWindow(cWndBase* lpOwner, cWndList* lpRegistry, const std::string& strText,
                       const std::string& strCaption, cWndBase* lpAnchor, u32 bCentre, u32 bWaitCursor);
void CloseMessageWindow();
// The open message window, or null.
cMessageWnd* MessageWindow();
