#include "stage_editor/chara_group_wnd.h"

#include <algorithm>
#include <string>

#include "data/project_data.h"
#include "data/settings_load.h"
#include "resources/resource.h"
#include "stage_editor/stage_edit_wnd.h"

cCharaGroupWnd::cCharaGroupWnd(cStageEditWnd* lpStage, cWndList* lpRegistry)
    : cDlgBase(IDD_CHARA_GROUP, lpStage, kModeWindow, lpRegistry), m_lpStage(lpStage)
{
    const cWndPos& place = cStageEditWnd::Placement(kPlaceGroup);
    if (place.m_dwValid) {
        SetStoredPos(place.m_nX, place.m_nY);
    } else {
        RECT rc = {};
        if (lpStage && lpStage->GetHwnd()) GetWindowRect(lpStage->GetHwnd(), &rc);
        SetStoredPos(rc.left + 8, rc.top - 80);
    }
    m_Checks.resize(kCharaGroups);
    for (s32 nGroup = 0; nGroup < kCharaGroups; ++nGroup) m_Checks[nGroup].Set(GroupCheckId(nGroup), &m_anUsed[nGroup]);
}

cCharaGroupWnd::~cCharaGroupWnd()
{
    if (m_hWnd && IsWindow(m_hWnd)) Close(0);
}

void cCharaGroupWnd::OnInitDialog(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnInitDialog(wParam, lParam);
    CreateCtrls(m_Checks);
    AddAccelerator(m_hWnd, IDR_ACCEL_MAIN1);
    for (s32 nGroup = 0; nGroup < kCharaGroups; ++nGroup)
        SetDlgItemTextA(m_hWnd, GroupCheckId(nGroup), std::to_string(nGroup).c_str());
    Refresh();
    m_bInitialized = 1;
}

void cCharaGroupWnd::Refresh()
{
    const std::array<bool, kCharaGroups> used = UsedCharaGroups(g_Stage);
    for (s32 nGroup = 0; nGroup < kCharaGroups; ++nGroup) m_anUsed[nGroup] = used[static_cast<size_t>(nGroup)] ? 1 : 0;
    if (m_hWnd) DataToCtrls();
}

LRESULT cCharaGroupWnd::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = DefaultProc(hWnd, uMsg, wParam, lParam);
    if (uMsg == WM_CLOSE) return TRUE;  // the stage window's view menu shows and hides it
    if (uMsg == WM_DESTROY) {
        RECT rc = {};
        GetWindowRect(hWnd, &rc);
        cWndPos& place = cStageEditWnd::Placement(kPlaceGroup);
        place.m_dwValid = 1;
        place.m_nX = rc.left;
        place.m_nY = rc.top;
        place.m_nWidth = rc.right - rc.left + 1;
        place.m_nHeight = rc.bottom - rc.top + 1;
        SaveEditorSettings(g_EditConfig, g_SettingsLoad);
    }
    return lResult;
}

void cCharaGroupWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    cDlgBase::OnCommand(wParam, lParam);
    const u16 wId = LOWORD(wParam);
    if (IsStageKeyCommand(wId) && m_lpStage && m_lpStage->GetHwnd())
        SendMessageA(m_lpStage->GetHwnd(), WM_COMMAND, wId, 0);
}
