#include "framework/wnd_list.h"

#include <algorithm>

#include "app/global_order.h"
#include "framework/wnd_base.h"
#include "framework/wnd_group.h"

cWndList g_WndList TARVENOL_GLOBAL(kGlobalWndList);

void cWndList::AddWnd(cWndBase* lpWnd)
{
    if (!lpWnd) return;
    lpWnd->SetRegKey(lpWnd);
    if (!Contains(lpWnd)) m_Windows.push_back(lpWnd);
}

bool cWndList::RemoveWnd(cWndBase* lpWnd)
{
    auto it = std::find(m_Windows.begin(), m_Windows.end(), lpWnd);
    if (it == m_Windows.end()) return false;
    m_Windows.erase(it);
    lpWnd->SetRegKey(nullptr);
    return true;
}

bool cWndList::Contains(const cWndBase* lpWnd) const
{
    return std::find(m_Windows.begin(), m_Windows.end(), lpWnd) != m_Windows.end();
}

void cWndList::AddGroup(cWndGroup* lpGroup, cWndGroup** lpOwnerField)
{
    if (lpGroup && !ContainsGroup(lpGroup)) m_Groups.emplace_back(lpGroup, lpOwnerField);
}

bool cWndList::RemoveGroup(cWndGroup* lpGroup)
{
    for (auto it = m_Groups.begin(); it != m_Groups.end(); ++it) {
        if (it->first == lpGroup) {
            m_Groups.erase(it);
            return true;
        }
    }
    return false;
}

bool cWndList::ContainsGroup(const cWndGroup* lpGroup) const
{
    for (const auto& g : m_Groups)
        if (g.first == lpGroup) return true;
    return false;
}

bool cWndList::TranslateAccelerators(MSG* lpMsg)
{
    const HWND hActive = GetActiveWindow();
    bool bDone = false;
    ForEachWnd([&](cWndBase* lpWnd) {
        const HWND hWnd = lpWnd->GetHwnd();
        if (bDone || !hWnd) return;
        bool bCounts;
        if (lpWnd->GetMode() == kModePage) {
            const HWND hSheet = lpWnd->GetSheetHwnd();
            bCounts = hSheet && hSheet == hActive &&
                      reinterpret_cast<HWND>(SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0)) == hWnd;
        } else {
            bCounts = hWnd == hActive;
        }
        if (!bCounts) return;
        const auto accels = lpWnd->GetAccelerators();
        for (const auto& accel : accels) {
            if (!accel.first) continue;
            // A table bound to one of the window's controls works only while
            // that control has the focus.
            if (accel.second != hWnd && (!accel.second || GetFocus() != accel.second)) continue;
            if (TranslateAcceleratorA(hWnd, accel.first, lpMsg)) {
                bDone = true;
                return;
            }
        }
    });
    return bDone;
}

bool cWndList::CloseFinishedSheet()
{
    for (const auto& g : m_Groups) {
        cWndGroup* lpGroup = g.first;
        const HWND hSheet = lpGroup->GetSheetHwnd();
        if (!hSheet || SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0) != 0) continue;
        // OK or Cancel ended the sheet.
        cWndGroup** lpOwnerField = g.second;
        lpGroup->CloseSheet();
        delete lpGroup;  // leaves the group list
        if (lpOwnerField && *lpOwnerField == lpGroup) *lpOwnerField = nullptr;
        return true;
    }
    return false;
}

bool cWndList::PreTranslate(MSG* lpMsg)
{
    if (TranslateAccelerators(lpMsg)) return true;
    if (CloseFinishedSheet()) return true;
    bool bDone = false;
    ForEachWnd([&](cWndBase* lpWnd) {
        if (!bDone && lpWnd->GetHwnd() && IsDialogMessageA(lpWnd->GetHwnd(), lpMsg)) bDone = true;
    });
    if (bDone) return true;
    std::vector<cWndGroup*> groups;
    for (const auto& g : m_Groups) groups.push_back(g.first);
    for (cWndGroup* lpGroup : groups) {
        if (!ContainsGroup(lpGroup) || !lpGroup->GetSheetHwnd()) continue;
        if (SendMessageA(lpGroup->GetSheetHwnd(), PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(lpMsg)))
            return true;
    }
    return false;
}

void cWndList::ShowAll(bool bShow)
{
    // Pages stand in their sheet, which carries them.
    ForEachWnd([&](cWndBase* lpWnd) {
        if (lpWnd->GetHwnd() && lpWnd->GetMode() != kModePage) ShowWindow(lpWnd->GetHwnd(), bShow ? SW_SHOW : SW_HIDE);
    });
    for (const auto& g : m_Groups)
        if (g.first->GetSheetHwnd()) ShowWindow(g.first->GetSheetHwnd(), bShow ? SW_SHOW : SW_HIDE);
}

void cWndList::EnableAll(bool bEnable)
{
    ForEachWnd([&](cWndBase* lpWnd) { lpWnd->Enable(bEnable); });
    for (const auto& g : m_Groups) {
        HWND hSheet = g.first->GetSheetHwnd();
        if (!hSheet) continue;
        LONG lStyle = GetWindowLongA(hSheet, GWL_STYLE);
        SetWindowLongA(hSheet, GWL_STYLE, bEnable ? (lStyle & ~WS_DISABLED) : (lStyle | WS_DISABLED));
    }
}
