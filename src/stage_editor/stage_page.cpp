#include "stage_editor/stage_page.h"

#include "stage_editor/stage_edit_wnd.h"

cStagePage::cStagePage(u16 wDlgId, cWndBase* lpParent, cWndList* lpRegistry)
    : cDlgBase(wDlgId, lpParent, kModePage, lpRegistry)
{
}

LRESULT cStagePage::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_SETACTIVE)) {
        if (m_bRefreshPending) {
            FillCtrls();
            m_bRefreshPending = 0;
        }
        ApplyEnableRules();
    } else if (uMsg == WM_CLOSE) {
        Close(0);
    }
    return lResult;
}

void cStagePage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    if (m_bInitialized) OnPageCommand(wParam);
    if (m_bInitialized && m_hWnd) ApplyEnableRules();
    if (!m_hWnd) return;
    Refresh();
    // Filling the controls is no change of the user's.
    if (m_bInitialized && !IsUpdating()) NotifyChanged();
}

void cStagePage::Commit()
{
    if (m_hWnd && m_bInitialized) CtrlsToData();
}

void cStagePage::AddRules(const cEnableRule* lpRules, size_t nCount)
{
    m_Rules.insert(m_Rules.end(), lpRules, lpRules + nCount);
}

void cStagePage::FinishSetup()
{
    Refresh();
    FillCtrls();
    ApplyEnableRules();
    m_bInitialized = 1;
}

bool cStagePage::IsOn(const cEnableRule& rule) const
{
    switch (rule.eKind) {
    case cEnableRule::kCheckOn: return IsDlgButtonChecked(m_hWnd, rule.wSource) == BST_CHECKED;
    case cEnableRule::kCheckOff: return IsDlgButtonChecked(m_hWnd, rule.wSource) != BST_CHECKED;
    case cEnableRule::kComboNotFirst: return SendDlgItemMessageA(m_hWnd, rule.wSource, CB_GETCURSEL, 0, 0) != 0;
    }
    return true;
}

void cStagePage::ApplyEnableRules()
{
    if (!m_hWnd) return;
    for (const cEnableRule& rule : m_Rules) {
        const BOOL bOn = IsOn(rule) ? TRUE : FALSE;
        for (u16 wTarget : rule.awTargets) {
            if (!wTarget) break;
            if (cCtrl* lpCtrl = FindControlById(m_Ctrls, wTarget)) lpCtrl->Enable(bOn);
        }
    }
}

cStageEditWnd* cStagePage::StageWnd() const { return dynamic_cast<cStageEditWnd*>(GetParentObject()); }

void cStagePage::NotifyChanged()
{
    if (m_hWnd) SendMessageA(GetParent(m_hWnd), PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}
